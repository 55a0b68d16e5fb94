#pragma once

#include <optional>
#include <string>
#include <string_view>

// The program's paths are GBK texts with backslash separators; the host wants UTF-8 with
// slashes. Both the backslash and the slash act as separators, and the host itself treats a
// run of separators as one.
namespace lindquay {

// Nullopt when the path is not valid GBK: such a path names nothing on the host.
std::optional<std::string> toHostPath(std::string_view programPath);

// A host path as a program text; nullopt when it holds a character that GBK lacks.
std::optional<std::string> fromHostPath(std::string_view hostPath);

} // namespace lindquay
