#include "text/IconvConverter.h"

#include <cerrno>
#include <stdexcept>

namespace lindquay {

IconvConverter::IconvConverter(const char* from, const char* to) : m_handle(iconv_open(to, from)) {
    if (m_handle == reinterpret_cast<iconv_t>(-1)) {
        // glibc always has these converters; without them no text could be handled at all.
        throw std::runtime_error("iconv cannot convert between the program's encodings");
    }
}

IconvConverter::~IconvConverter() {
    iconv_close(m_handle);
}

bool IconvConverter::convert(std::string_view input, std::string& output, OnInvalid onInvalid,
                             std::string_view substitute, std::size_t skipWidth) {
    output.clear();
    m_incomplete = false;
    iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
    // A GBK character is at most two bytes and becomes at most three in UTF-8; every other
    // direction shrinks or keeps its length, so this is enough for one pass in the usual case.
    output.resize(input.size() * 2 + 8);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t written = 0;
    while (inLeft > 0) {
        char* out = output.data() + written;
        std::size_t outLeft = output.size() - written;
        const std::size_t rc = iconv(m_handle, &in, &inLeft, &out, &outLeft);
        written = output.size() - outLeft;
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            output.resize(output.size() * 2);
            continue;
        }
        if (onInvalid == OnInvalid::Fail) {
            m_incomplete = errno == EINVAL;
            output.clear();
            return false;
        }
        const std::size_t skip = std::min(skipWidth, inLeft);
        in += skip;
        inLeft -= skip;
        output.resize(std::max(output.size(), written + substitute.size() + inLeft * 2 + 8));
        output.replace(written, substitute.size(), substitute);
        written += substitute.size();
    }
    output.resize(written);
    return true;
}

} // namespace lindquay
