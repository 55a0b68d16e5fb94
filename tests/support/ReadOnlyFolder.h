#pragma once

#include <filesystem>
#include <string>

namespace lindquay::test {

// A folder nobody may write to, for the duration of a test. As root, permissions do not stop
// writes, so the folder is then a small tmpfs mounted read-only; otherwise it is a folder
// without write permission. `usable()` is false when neither could be made.
class ReadOnlyFolder {
public:
    // `prepare` fills the folder before it turns read-only.
    template <typename Prepare>
    ReadOnlyFolder(std::filesystem::path path, Prepare prepare) : m_path(std::move(path)) {
        std::filesystem::create_directories(m_path);
        if (isRoot()) {
            m_mounted = run("mount -t tmpfs -o size=4m tmpfs " + quoted());
            if (!m_mounted) {
                return;
            }
        }
        prepare(m_path);
        m_usable =
            isRoot()
                ? run("mount -o remount,ro " + quoted())
                : (std::filesystem::permissions(m_path, std::filesystem::perms::owner_read |
                                                            std::filesystem::perms::owner_exec),
                   true);
    }
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

    bool usable() const { return m_usable; }
    const std::filesystem::path& path() const { return m_path; }

    static bool isRoot();
    static bool run(const std::string& command);

private:
    std::string quoted() const;

    std::filesystem::path m_path;
    bool m_mounted = false;
    bool m_usable = false;
};

// A small tmpfs, as root only: for a file system that fills up.
class SmallFileSystem {
public:
    SmallFileSystem(std::filesystem::path path, const std::string& size, int inodes);
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;
    bool usable() const { return m_mounted; }

private:
    std::filesystem::path m_path;
    bool m_mounted = false;
};

} // namespace lindquay::test
