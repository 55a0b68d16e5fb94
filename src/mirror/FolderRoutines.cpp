#include "mirror/FolderRoutines.h"

#include "platform/FileSystem.h"
#include "text/DoubleByteText.h"

namespace lindquay {
namespace {

bool isBlank(std::string_view path) {
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (path[i] == ' ') {
            continue;
        }
        if (path.substr(i, 2) == "\xA1\xA1") { // the full-width space
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

void appendBackslashUnlessThere(std::string& path) {
    if (path.empty() || path.back() != kBackslash) {
        path.push_back(kBackslash);
    }
}

} // namespace

std::string parentFolderOf(std::string_view path) {
    const std::size_t last = lastBackslash(path);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::int32_t ensureFolderPath(std::string& path) {
    if (isBlank(path)) {
        return -1;
    }
    // These tests look at the last byte alone, as the callers always end with a real separator.
    if (path.back() == kBackslash) {
        path.pop_back();
    }
    if (folderExists(path)) {
        appendBackslashUnlessThere(path);
        return 0;
    }
    const std::vector<std::string_view> pieces = splitAtBackslashes(path);
    if (pieces.empty()) {
        // Nothing is left of a path that was one backslash: there is nothing to make.
        return -1;
    }
    std::string current(pieces.front()); // the base is never tested nor made
    std::string firstCreated;
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        current.push_back(kBackslash);
        current.append(pieces[i]);
        if (folderExists(current)) {
            continue;
        }
        if (createFolder(current)) {
            if (firstCreated.empty()) {
                firstCreated = current;
            }
            continue;
        }
        if (!firstCreated.empty()) {
            removeFolderTree(firstCreated);
        }
        return -1;
    }
    appendBackslashUnlessThere(path);
    return 1;
}

std::int32_t createSizedFile(std::string_view path, std::int32_t length) {
    // Usually the folder is there: then making sure of it first would change nothing, so the
    // file is tried first and the folders only when that fails.
    if (createFileWithLength(path, length)) {
        return 1;
    }
    std::string parent = parentFolderOf(path);
    ensureFolderPath(parent);
    return createFileWithLength(path, length) ? 1 : -1;
}

} // namespace lindquay
