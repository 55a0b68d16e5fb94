#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The folder and placeholder-file routines beneath the mirror. Paths are GBK texts with
// backslash separators (a slash separates too); scans are double-byte aware. The routines
// keep no state and take no locks, so worker threads may call them at once.
namespace lindquay {

// The path up to and including its last backslash; empty when it has none.
std::string parentFolderOf(std::string_view path);

// Makes sure the folder exists, creating it level by level below the path's first piece.
//   1: it was missing and every level now exists; 0: it existed already; -1: failure.
// On 1 or 0 a backslash is appended to `path` unless it ends in one. A path that ends in a
// backslash loses that one byte first. A blank path (ASCII and full-width spaces only) is -1
// and left unchanged. When a level cannot be made, the first level this call created is
// removed with everything below it, and nothing that existed before is ever removed.
std::int32_t ensureFolderPath(std::string& path);

// Creates or opens the file, making its parent folders first, and sets its length exactly:
// 1 on success, -1 on failure (a folder by that name, no access, folders that can't be made).
std::int32_t createSizedFile(std::string_view path, std::int32_t length);

} // namespace lindquay
