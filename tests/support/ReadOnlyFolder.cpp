#include "ReadOnlyFolder.h"

#include <cstdlib>
#include <unistd.h>

namespace lindquay::test {
namespace {

std::string shellQuoted(const std::filesystem::path& path) {
    std::string quoted = "'";
    for (const char c : path.string()) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

} // namespace

bool ReadOnlyFolder::isRoot() {
    return geteuid() == 0;
}

bool ReadOnlyFolder::run(const std::string& command) {
    return std::system((command + " 2>/dev/null").c_str()) == 0;
}

std::string ReadOnlyFolder::quoted() const {
    return shellQuoted(m_path);
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (m_mounted) {
        run("umount " + quoted());
    } else {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
    }
}

SmallFileSystem::SmallFileSystem(std::filesystem::path path, const std::string& size, int inodes)
    : m_path(std::move(path)) {
    std::filesystem::create_directories(m_path);
    m_mounted = ReadOnlyFolder::isRoot() &&
                ReadOnlyFolder::run("mount -t tmpfs -o size=" + size + ",nr_inodes=" +
                                    std::to_string(inodes) + " tmpfs " + shellQuoted(m_path));
}

SmallFileSystem::~SmallFileSystem() {
    if (m_mounted) {
        ReadOnlyFolder::run("umount " + shellQuoted(m_path));
    }
}

} // namespace lindquay::test
