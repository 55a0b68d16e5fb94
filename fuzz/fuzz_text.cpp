// The text conversions and the double-byte-aware search and split.
#include "text/DoubleByteText.h"
#include "text/Encoding.h"

#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace lindquay;

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Shortest-form UTF-8 of one, two or three bytes, no surrogate halves.
bool isCanonicalBmpUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const auto cont = [&](std::size_t k) {
            return i + k < text.size() && (static_cast<unsigned char>(text[i + k]) & 0xC0) == 0x80;
        };
        if (b < 0x80) {
            i += 1;
        } else if (b >= 0xC2 && b < 0xE0 && cont(1)) {
            i += 2;
        } else if ((b & 0xF0) == 0xE0 && cont(1) && cont(2)) {
            const unsigned unit =
                ((b & 0x0F) << 12) | ((text[i + 1] & 0x3F) << 6) | (text[i + 2] & 0x3F);
            if (unit < 0x800 || (unit >= 0xD800 && unit < 0xE000)) {
                return false;
            }
            i += 3;
        } else {
            return false;
        }
    }
    return true;
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const std::size_t length = b < 0x80             ? 1
                                   : (b & 0xE0) == 0xC0 ? 2
                                   : (b & 0xF0) == 0xE0 ? 3
                                                        : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

bool isBoundary(std::string_view text, std::size_t offset) {
    std::size_t i = 0;
    while (i < offset) {
        i += isLeadByte(text[i]) ? 2 : 1;
    }
    return i == offset;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);

    // GBK -> UTF-8 -> GBK gives back the same bytes.
    if (const auto utf8 = gbkToUtf8(input)) {
        check(isUtf8(*utf8));
        const auto back = utf8ToGbk(*utf8);
        check(back.has_value() && *back == input);
    }
    // UTF-8 -> GBK -> UTF-8 gives back the same text when it was in its shortest form.
    if (const auto gbkText = utf8ToGbk(input)) {
        const auto back = gbkToUtf8(*gbkText);
        check(back.has_value());
        check(!isCanonicalBmpUtf8(input) || *back == input);
    }
    check(isUtf8(gbkToUtf8Lossy(input)));
    check(gbkToUtf8(utf8ToGbkLossy(input)).has_value());

    // Search: a match is on a character boundary, and there is none before it.
    const std::size_t cut = size > 0 ? data[0] % (size + 1) : 0;
    const std::string_view text = input.substr(cut);
    const std::string_view part = input.substr(0, std::min<std::size_t>(cut, 4));
    const int found = findText(text, part);
    for (std::size_t i = 0; i < text.size(); i += isLeadByte(text[i]) ? 2 : 1) {
        if (text.substr(i, part.size()) == part && !part.empty()) {
            check(found == static_cast<int>(i) + 1);
            break;
        }
    }
    if (found > 0) {
        check(isBoundary(text, static_cast<std::size_t>(found - 1)));
        check(text.substr(static_cast<std::size_t>(found - 1), part.size()) == part);
    }

    // Split: the pieces joined by backslashes give the text without one trailing separator.
    std::string joined;
    const auto pieces = splitAtBackslashes(input);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        joined += (i > 0 ? "\\" : "") + std::string(pieces[i]);
    }
    std::string expected(input);
    if (!expected.empty() && lastBackslash(expected) == expected.size() - 1) {
        expected.pop_back();
    }
    check(joined == expected);
    return 0;
}
