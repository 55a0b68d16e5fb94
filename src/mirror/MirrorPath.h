#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lindquay {

// The mirror root, relative to the current directory (the run directory), as a GBK text.
std::string defaultMirrorRoot();

// Where one entry of the file list goes in the mirror, made from the root and the entry's
// parent_path (P) and server_filename (N) exactly as they stand: R + P + N, with R the root and a
// backslash. Nothing is added between P and N, so a P without a trailing separator runs into N.
// Nullopt when the path would leave the mirror root: a ".." component at a backslash or a
// slash anywhere in P or in P + N. The cache database is another program's data, and such an
// entry must never make or cut anything outside the mirror.
std::optional<std::string> mirrorEntryPath(std::string_view root, std::string_view parentPath,
                                           std::string_view name);

// The entry's parent folder R + P + "\", for an entry that mirrorEntryPath accepted.
std::string mirrorParentFolder(std::string_view root, std::string_view parentPath);

} // namespace lindquay
