#include "platform/HostPath.h"

#include "text/Encoding.h"

#include <algorithm>

namespace lindquay {

std::optional<std::string> toHostPath(std::string_view programPath) {
    std::optional<std::string> host = gbkToUtf8(programPath);
    if (host) {
        // In UTF-8 the byte 0x5C is always the backslash itself, never part of a character.
        std::replace(host->begin(), host->end(), '\\', '/');
    }
    return host;
}

std::optional<std::string> fromHostPath(std::string_view hostPath) {
    return utf8ToGbk(hostPath);
}

} // namespace lindquay
