#include "mirror/MirrorPath.h"

#include "text/DoubleByteText.h"
#include "text/Encoding.h"

#include <algorithm>
#include <vector>

namespace lindquay {
namespace {

// True when a component of the path, between separators (backslash or slash), is "..".
// Most paths hold no ".." at all, which one search rules out.
bool climbsOut(std::string_view path) {
    if (path.find("..") == std::string_view::npos) {
        return false;
    }
    const std::vector<std::string_view> pieces = splitAtSeparators(path);
    return std::find(pieces.begin(), pieces.end(), "..") != pieces.end();
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
