#pragma once

#include <string_view>

// Folder and file primitives over program paths (GBK, backslash or slash separators),
// relative paths resolving against the current directory. Safe to call from any thread.
namespace lindquay {

// True when the path names an existing folder. A path that ends in a separator never counts,
// even when that folder exists; a file of that name does not count either.
bool folderExists(std::string_view path);

// Creates exactly one folder level. False when it exists already, when its parent is missing,
// or on any other error. A trailing separator is ignored.
bool createFolder(std::string_view path);

// Deletes everything below the folder and then the folder itself, never following a symbolic
// link out of it. Errors along the way are ignored; true when the folder itself is gone.
// An empty path and the root are refused with false and nothing is removed.
bool removeFolderTree(std::string_view path);

// True when the file exists and can be opened for reading.
bool isReadableFile(std::string_view path);

// Copies a file, replacing an existing target. False when nothing was copied.
bool copyFile(std::string_view source, std::string_view target);

// Creates every missing folder along the path up to its last separator (so a path ending in a
// separator has its last level made too). True when that folder exists afterwards.
bool makeSureDirectoryPathExists(std::string_view path);

// Opens or creates the file and sets its length exactly: a longer file is cut, a shorter one
// extended. False when it cannot be opened (a missing folder, a folder of that name, no
// access) or its length cannot be set.
bool createFileWithLength(std::string_view path, long long length);

} // namespace lindquay
