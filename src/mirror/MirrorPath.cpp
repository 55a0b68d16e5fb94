#include "mirror/MirrorPath.h"

#include "text/DoubleByteText.h"
#include "text/Encoding.h"

namespace lindquay {
namespace {

// True when a component of the path, between separators (backslash or slash), is "..".
// A slash is never the second byte of a GBK character, a backslash may be: the scan is
// double-byte aware. Most paths hold no ".." at all, which one search rules out.
bool climbsOut(std::string_view path) {
    if (path.find("..") == std::string_view::npos) {
        return false;
    }
    std::size_t start = 0;
    const auto isDotDot = [&](std::size_t end) { return path.substr(start, end - start) == ".."; };
    for (std::size_t i = 0; i < path.size(); i += isLeadByte(path[i]) ? 2 : 1) {
        if (path[i] == '\\' || path[i] == '/') {
            if (isDotDot(i)) {
                return true;
            }
            start = i + 1;
        }
    }
    return isDotDot(path.size());
}

std::string rootPrefix(std::string_view root) {
    std::string prefix(root);
    prefix.push_back(kBackslash);
    return prefix;
}

} // namespace

std::string defaultMirrorRoot() {
    return gbk("./网盘本地镜像");
}

std::optional<std::string> mirrorEntryPath(std::string_view root, std::string_view parentPath,
                                           std::string_view name) {
    std::string entry = rootPrefix(root);
    const std::size_t joinedStart = entry.size();
    entry.append(parentPath).append(name);
    // P's own components matter too: its parent folder is made from P alone.
    if (climbsOut(std::string_view(entry).substr(joinedStart)) || climbsOut(parentPath)) {
        return std::nullopt;
    }
    return entry;
}

std::string mirrorParentFolder(std::string_view root, std::string_view parentPath) {
    return rootPrefix(root).append(parentPath) + kBackslash;
}

} // namespace lindquay
