#include "platform/FileSystem.h"

#include "platform/HostPath.h"

#include <algorithm>
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
        const int child = openat(folder, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (child >= 0) {
            removeContents(child);
            unlinkat(folder, entry->d_name, AT_REMOVEDIR);
        }
    }
    closedir(listing);
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

} // namespace lindquay
