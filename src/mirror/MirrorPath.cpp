#include "mirror/MirrorPath.h"

#include "text/DoubleByteText.h"
#include "text/Encoding.h"

namespace lindquay {
namespace {

// True when a component of the path, between separators (backslash or slash), is "..".
// A slash is never the second byte of a GBK character, a backslash may be: the scan is
// double-byte aware.
bool climbsOut(std::string_view path) {
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

} // namespace

std::string defaultMirrorRoot() {
    return gbk("./网盘本地镜像");
}

std::optional<MirrorPaths> mirrorPathsOf(std::string_view root, std::string_view parentPath,
                                         std::string_view name) {
    std::string joined(parentPath);
    joined.append(name);
    if (climbsOut(parentPath) || climbsOut(joined)) {
        return std::nullopt;
    }
    std::string prefix(root);
    prefix.push_back(kBackslash);
    return MirrorPaths{prefix + std::string(parentPath) + kBackslash, prefix + joined};
}

} // namespace lindquay
