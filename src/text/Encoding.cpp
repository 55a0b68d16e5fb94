#include "text/Encoding.h"

#include "text/IconvConverter.h"

#include <algorithm>

namespace lindquay {
namespace {

// "CP936" is glibc's name for the Windows variant of GBK (0x80 is the euro sign).
constexpr const char* kGbk = "CP936";

IconvConverter& gbkToUtf8Converter() {
    thread_local IconvConverter converter(kGbk, "UTF-8");
    return converter;
}

IconvConverter& utf16ToGbkConverter() {
    thread_local IconvConverter converter("UTF-16LE", kGbk);
    return converter;
}

bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

void appendUtf16le(std::string& out, unsigned unit) {
    out.push_back(static_cast<char>(unit & 0xFF));
    out.push_back(static_cast<char>(unit >> 8));
}

// Decodes UTF-8 into UTF-16LE code units, one, two or three bytes per unit and nothing else.
// A three-byte sequence that encodes a surrogate half is kept as that half; GBK has no
// counterpart for it, so the following step refuses it.
std::optional<std::string> utf8ToUtf16le(std::string_view utf8) {
    std::string units;
    units.reserve(utf8.size() * 2);
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            appendUtf16le(units, lead);
            i += 1;
        } else if ((lead & 0xE0) == 0xC0) {
            if (i + 1 >= utf8.size() || !isContinuation(static_cast<unsigned char>(utf8[i + 1]))) {
                return std::nullopt;
            }
            appendUtf16le(units, ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu));
            i += 2;
        } else if ((lead & 0xF0) == 0xE0) {
            if (i + 2 >= utf8.size() || !isContinuation(static_cast<unsigned char>(utf8[i + 1])) ||
                !isContinuation(static_cast<unsigned char>(utf8[i + 2]))) {
                return std::nullopt;
            }
            appendUtf16le(units, ((lead & 0x0Fu) << 12) |
                                     ((static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu) << 6) |
                                     (static_cast<unsigned char>(utf8[i + 2]) & 0x3Fu));
            i += 3;
        } else {
            return std::nullopt;
        }
    }
    return units;
}

} // namespace

std::optional<std::string> gbkToUtf8(std::string_view gbk) {
    if (isAscii(gbk)) {
        return std::string(gbk);
    }
    std::string utf8;
    if (!gbkToUtf8Converter().convert(gbk, utf8, IconvConverter::OnInvalid::Fail)) {
        return std::nullopt;
    }
    return utf8;
}

std::optional<std::string> utf8ToGbk(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    const std::optional<std::string> units = utf8ToUtf16le(utf8);
    if (!units) {
        return std::nullopt;
    }
    std::string gbk;
    if (!utf16ToGbkConverter().convert(*units, gbk, IconvConverter::OnInvalid::Fail)) {
        return std::nullopt;
    }
    return gbk;
}

std::string gbkToUtf8Lossy(std::string_view gbk) {
    if (isAscii(gbk)) {
        return std::string(gbk);
    }
    std::string utf8;
    gbkToUtf8Converter().convert(gbk, utf8, IconvConverter::OnInvalid::Substitute, "\xEF\xBF\xBD");
    return utf8;
}

std::string utf8ToGbkLossy(std::string_view utf8) {
    if (isAscii(utf8)) {
        return std::string(utf8);
    }
    // Through UTF-16 so that one unconvertible character is skipped as a whole.
    std::string units;
    IconvConverter& toUnits = [&]() -> IconvConverter& {
        thread_local IconvConverter converter("UTF-8", "UTF-16LE");
        return converter;
    }();
    toUnits.convert(utf8, units, IconvConverter::OnInvalid::Substitute, std::string_view("?\0", 2));
    std::string gbk;
    utf16ToGbkConverter().convert(units, gbk, IconvConverter::OnInvalid::Substitute, "?", 2);
    return gbk;
}

} // namespace lindquay
