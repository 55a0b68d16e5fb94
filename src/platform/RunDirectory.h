#pragma once

#include <string>
#include <string_view>

namespace lindquay {

// The folder that holds the program file, as a program text without a trailing separator.
// Empty when the host cannot tell, or when the folder's name holds a character that GBK lacks.
std::string programFolder();

// The folder part of a program file path: cut at its last separator (backslash or slash,
// double-byte aware), the separator removed. Empty when there is none.
std::string folderOfPath(std::string_view programFilePath);

// Makes the folder the process's current directory; false when the host refuses.
bool setCurrentDirectory(std::string_view folder);

} // namespace lindquay
