#include "mirror/TreeDrawing.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace lindquay {
namespace {

constexpr std::string_view kContinues = "│  ";
constexpr std::string_view kBlank = "    ";
constexpr std::string_view kBranch = "├─";
constexpr std::string_view kLastBranch = "└─";
constexpr std::size_t kFlushSize = 1 << 20;

class TreeWriter {
public:
    explicit TreeWriter(std::FILE* out) : m_out(out) { m_buffer.reserve(kFlushSize + 4096); }
    ~TreeWriter() { flush(); }
    TreeWriter(const TreeWriter&) = delete;
    TreeWriter& operator=(const TreeWriter&) = delete;

    void line(std::string_view indent, std::string_view mark, std::string_view name) {
        m_buffer.append(indent).append(mark).append(name).push_back('\n');
        if (m_buffer.size() >= kFlushSize) {
            flush();
        }
    }

    // Lists the folder open as `folder` (the descriptor is closed here) under `indent`.
    void folder(int folder, std::string& indent) {
        std::vector<std::string> files;
        std::vector<std::string> folders;
        read(folder, files, folders);
        std::sort(files.begin(), files.end());
        std::sort(folders.begin(), folders.end());

        const std::size_t depth = indent.size();
        indent.append(folders.empty() ? kBlank : kContinues);
        for (const std::string& file : files) {
            line(indent, {}, file);
        }
        if (!files.empty()) {
            line(indent, {}, {});
        }
        indent.resize(depth);

        for (std::size_t i = 0; i < folders.size(); ++i) {
            const bool last = i + 1 == folders.size();
            line(indent, last ? kLastBranch : kBranch, folders[i]);
            const int child =
                openat(folder, folders[i].c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child >= 0) {
                indent.append(last ? kBlank : kContinues);
                this->folder(child, indent);
                indent.resize(depth);
            }
        }
        close(folder);
    }

private:
    static void read(int folder, std::vector<std::string>& files,
                     std::vector<std::string>& folders) {
        const int listing = dup(folder);
        DIR* entries = listing >= 0 ? fdopendir(listing) : nullptr;
        if (entries == nullptr) {
            if (listing >= 0) {
                close(listing);
            }
            return;
        }
        while (const dirent* entry = readdir(entries)) {
            const std::string_view name = entry->d_name;
            if (name == "." || name == "..") {
                continue;
            }
            bool isFolder = entry->d_type == DT_DIR;
            if (entry->d_type == DT_UNKNOWN) {
                struct stat status {};
                isFolder = fstatat(folder, entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                           S_ISDIR(status.st_mode);
            }
            (isFolder ? folders : files).emplace_back(name);
        }
        closedir(entries);
    }

    void flush() {
        std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out);
        m_buffer.clear();
    }

    std::FILE* m_out;
    std::string m_buffer;
};

} // namespace

bool drawTree(const std::string& hostFolder, const std::string& shownPath, std::FILE* out) {
    TreeWriter writer(out);
    writer.line({}, {}, "文件夹 PATH 列表");
    writer.line({}, {}, shownPath);
    const int folder = open(hostFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        writer.line({}, {}, "无效的路径 - " + shownPath);
        return false;
    }
    std::string indent;
    writer.folder(folder, indent);
    return true;
}

} // namespace lindquay
