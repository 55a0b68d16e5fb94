#include "platform/RunDirectory.h"

#include "platform/HostPath.h"
#include "text/DoubleByteText.h"

#include <array>
#include <climits>
#include <unistd.h>

namespace lindquay {

std::string programFolder() {
    std::array<char, PATH_MAX> buffer{};
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    const std::optional<std::string> path =
        fromHostPath(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
    return path ? folderOfPath(*path) : std::string();
}

std::string folderOfPath(std::string_view programFilePath) {
    const std::size_t cut = lastSeparator(programFilePath);
    return cut == std::string_view::npos ? std::string()
                                         : std::string(programFilePath.substr(0, cut));
}

bool setCurrentDirectory(std::string_view folder) {
    const std::optional<std::string> host = toHostPath(folder);
    return host && !host->empty() && chdir(host->c_str()) == 0;
}

} // namespace lindquay
