#include "text/Encoding.h"

#include "text/CodePage936.h"

namespace lindquay {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void appendUtf8(std::string& out, char16_t unit) {
    if (unit < 0x80) {
        out.push_back(static_cast<char>(unit));
    } else if (unit < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
        out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
    }
}

// Reads one UTF-8 sequence of one, two or three bytes at `i` into a UTF-16 code unit.
// Answers the sequence's length, or 0 for any other pattern: a four-byte sequence, a stray
// continuation byte, a sequence cut short. A three-byte sequence may encode a surrogate half;
// the code page has no character for it, so the caller refuses it there.
std::size_t readUtf8(std::string_view utf8, std::size_t i, char16_t& unit) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(utf8[i + k]); };
    if (lead < 0x80) {
        unit = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0 && i + 1 < utf8.size() && isContinuation(at(1))) {
        unit = static_cast<char16_t>(((lead & 0x1F) << 6) | (at(1) & 0x3F));
        return 2;
    }
    if ((lead & 0xF0) == 0xE0 && i + 2 < utf8.size() && isContinuation(at(1)) &&
        isContinuation(at(2))) {
        unit =
            static_cast<char16_t>(((lead & 0x0F) << 12) | ((at(1) & 0x3F) << 6) | (at(2) & 0x3F));
        return 3;
    }
    return 0;
}

// Reads one GBK character at `i`: answers its length (1 or 2), or 0 when it is no character.
std::size_t readGbk(const CodePage936& page, std::string_view gbk, std::size_t i, char16_t& unit) {
    const auto byte = static_cast<unsigned char>(gbk[i]);
    if (byte < 0x80) {
        unit = byte;
        return 1;
    }
    if (page.isLeadByte(byte)) {
        if (i + 1 >= gbk.size()) {
            return 0;
        }
        unit = page.doubleByte(byte, static_cast<unsigned char>(gbk[i + 1]));
        return unit != 0 ? 2 : 0;
    }
    unit = page.singleByte(byte);
    return unit != 0 ? 1 : 0;
}

// Appends the GBK bytes of a code unit; false when the code page lacks the character.
bool appendGbk(const CodePage936& page, std::string& out, char16_t unit) {
    if (unit < 0x80) {
        out.push_back(static_cast<char>(unit));
        return true;
    }
    const std::uint16_t bytes = page.encode(unit);
    if (bytes == 0) {
        return false;
    }
    if (bytes >= 0x100) {
        out.push_back(static_cast<char>(bytes >> 8));
    }
    out.push_back(static_cast<char>(bytes & 0xFF));
    return true;
}

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk)) {
        return std::string(gbk);
    }
    // Every host path goes through here: write straight into the result. A character takes at
    // most three bytes in UTF-8 and at least one in GBK.
    const CodePage936& page = CodePage936::instance();
    std::string utf8(gbk.size() * 3, '\0');
    char* out = utf8.data();
    char16_t unit = 0;
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length = readGbk(page, gbk, i, unit);
        if (length == 0) {
            return std::nullopt;
        }
        i += length;
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
        } else if (unit < 0x800) {
            *out++ = static_cast<char>(0xC0 | (unit >> 6));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            *out++ = static_cast<char>(0xE0 | (unit >> 12));
            *out++ = static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            *out++ = static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    utf8.resize(static_cast<std::size_t>(out - utf8.data()));
    return utf8;
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    // This runs for every text read from the database: write straight into the result, which
    // is never longer than the input.
    const CodePage936& page = CodePage936::instance();
    std::string gbk(utf8.size(), '\0');
    char* out = gbk.data();
    char16_t unit = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t length = readUtf8(utf8, i, unit);
        if (length == 0) {
            return std::nullopt;
        }
        i += length;
        if (unit < 0x80) {
            *out++ = static_cast<char>(unit);
            continue;
        }
        const std::uint16_t bytes = page.encode(unit);
        if (bytes == 0) {
            return std::nullopt;
        }
        if (bytes >= 0x100) {
            *out++ = static_cast<char>(bytes >> 8);
        }
        *out++ = static_cast<char>(bytes & 0xFF);
    }
    gbk.resize(static_cast<std::size_t>(out - gbk.data()));
    return gbk;
}

std::string gbkToUtf8Lossy(std::string_view gbk) {
    if (isAscii(gbk)) {
        return std::string(gbk);
    }
    const CodePage936& page = CodePage936::instance();
    std::string utf8;
    utf8.reserve(gbk.size() + gbk.size() / 2 + 4);
    char16_t unit = 0;
    for (std::size_t i = 0; i < gbk.size();) {
        const std::size_t length = readGbk(page, gbk, i, unit);
        appendUtf8(utf8, length == 0 ? kReplacement : unit);
        i += length == 0 ? 1 : length;
    }
    return utf8;
}

std::string utf8ToGbkLossy(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    const CodePage936& page = CodePage936::instance();
    std::string gbk;
    gbk.reserve(utf8.size());
    char16_t unit = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        std::size_t length = readUtf8(utf8, i, unit);
        if (length == 0) {
            // A four-byte character is one unknown character, not four.
            const auto lead = static_cast<unsigned char>(utf8[i]);
            length = (lead & 0xF8) == 0xF0 ? std::min<std::size_t>(4, utf8.size() - i) : 1;
            gbk.push_back('?');
        } else if (!appendGbk(page, gbk, unit)) {
            gbk.push_back('?');
        }
        i += length;
    }
    return gbk;
}

} // namespace lindquay
