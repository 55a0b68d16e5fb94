#include "platform/FileSystem.h"

#include "platform/HostPath.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace lindquay {
namespace {

bool isRoot(const std::string& hostPath) {
    return std::all_of(hostPath.begin(), hostPath.end(), [](char c) { return c == '/'; });
}

// Removes the contents of an open folder depth-first, through descriptors so that a symbolic
// link is removed as a link and never followed.
void removeContents(int folder) {
    DIR* listing = fdopendir(folder);
    if (listing == nullptr) {
        close(folder);
        return;
    }
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (name == "." || name == "..") {
            continue;
        }
        if (unlinkat(folder, entry->d_name, 0) == 0) {
            continue;
        }
        const int child =
            openat(folder, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0) {
            removeContents(child);
            unlinkat(folder, entry->d_name, AT_REMOVEDIR);
        }
    }
    closedir(listing);
}

bool isFolder(const char* hostPath) {
    struct stat status {};
    return stat(hostPath, &status) == 0 && S_ISDIR(status.st_mode);
}

// mkdir that counts an existing folder as success.
bool makeFolder(const std::string& hostPath) {
    return mkdir(hostPath.c_str(), 0777) == 0 || (errno == EEXIST && isFolder(hostPath.c_str()));
}

} // namespace

bool folderExists(std::string_view path) {
    const std::optional<std::string> host = toHostPath(path);
    if (!host || host->empty() || host->back() == '/') {
        return false;
    }
    struct stat status {};
    return stat(host->c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool createFolder(std::string_view path) {
    const std::optional<std::string> host = toHostPath(path);
    return host && !host->empty() && mkdir(host->c_str(), 0777) == 0;
}

bool removeFolderTree(std::string_view path) {
    const std::optional<std::string> host = toHostPath(path);
    if (!host || host->empty() || isRoot(*host)) {
        return false;
    }
    const int folder = open(host->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) {
        return false;
    }
    removeContents(folder);
    return rmdir(host->c_str()) == 0;
}

bool isReadableFile(std::string_view path) {
    const std::optional<std::string> host = toHostPath(path);
    if (!host || host->empty()) {
        return false;
    }
    std::FILE* file = std::fopen(host->c_str(), "r");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

bool copyFile(std::string_view source, std::string_view target) {
    const std::optional<std::string> from = toHostPath(source);
    const std::optional<std::string> to = toHostPath(target);
    if (!from || !to || from->empty() || to->empty()) {
        return false;
    }
    std::error_code error;
    return std::filesystem::copy_file(*from, *to, std::filesystem::copy_options::overwrite_existing,
                                      error);
}

bool makeSureDirectoryPathExists(std::string_view path) {
    const std::optional<std::string> host = toHostPath(path);
    if (!host) {
        return false;
    }
    const std::size_t end = host->find_last_of('/');
    if (end == std::string::npos) {
        return true; // no folder part: the current directory
    }
    const std::string folder = host->substr(0, end);
    // Usually every level but the last exists already: one call settles it.
    if (folder.empty() || makeFolder(folder)) {
        return true;
    }
    if (errno != ENOENT) {
        return false;
    }
    for (std::size_t cut = folder.find('/', 1); cut != std::string::npos;
         cut = folder.find('/', cut + 1)) {
        if (folder[cut - 1] != '/') {
            makeFolder(folder.substr(0, cut));
        }
    }
    return makeFolder(folder);
}

bool createFileWithLength(std::string_view path, long long length) {
    const std::optional<std::string> host = toHostPath(path);
    if (!host || host->empty() || length < 0) {
        return false;
    }
    // A zero length is set by the open itself, saving a call per placeholder.
    const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | O_NOCTTY | (length == 0 ? O_TRUNC : 0);
    const int file = open(host->c_str(), flags, 0666);
    if (file < 0) {
        return false;
    }
    const bool sized = length == 0 || ftruncate(file, static_cast<off_t>(length)) == 0;
    close(file);
    return sized;
}

} // namespace lindquay
