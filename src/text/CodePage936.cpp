#include "text/CodePage936.h"

#include "text/IconvConverter.h"

#include <string>

namespace lindquay {
namespace {

// The UTF-16 code unit of a converted character, or 0 when it is not exactly one unit.
char16_t onlyUnit(const std::string& utf16le) {
    if (utf16le.size() != 2) {
        return 0;
    }
    return static_cast<char16_t>(static_cast<unsigned char>(utf16le[0]) |
                                 (static_cast<unsigned char>(utf16le[1]) << 8));
}

} // namespace

const CodePage936& CodePage936::instance() {
    static const CodePage936 table;
    return table;
}

CodePage936::CodePage936() {
    // Tables live for the whole run; they are never freed.
    m_double = new char16_t[65536]();
    m_encode = new std::uint16_t[65536]();

    IconvConverter decode("CP936", "UTF-16LE");
    std::string units;
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        if (decode.convert(one, units, IconvConverter::OnInvalid::Fail)) {
            m_single[byte] = onlyUnit(units);
        } else if (byte >= 0x80) {
            // A byte that starts a pair is cut short when it stands alone.
            m_lead[byte] = decode.isIncomplete();
        }
    }
    for (int lead = 0x80; lead < 256; ++lead) {
        if (!m_lead[lead]) {
            continue;
        }
        for (int trail = 0; trail < 256; ++trail) {
            const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
            if (decode.convert(pair, units, IconvConverter::OnInvalid::Fail)) {
                m_double[(lead << 8) | trail] = onlyUnit(units);
            }
        }
    }

    IconvConverter encode("UTF-16LE", "CP936");
    std::string bytes;
    for (int unit = 1; unit < 65536; ++unit) {
        const std::string utf16{static_cast<char>(unit & 0xFF), static_cast<char>(unit >> 8)};
        if (!encode.convert(utf16, bytes, IconvConverter::OnInvalid::Fail)) {
            continue;
        }
        if (bytes.size() == 1) {
            m_encode[unit] = static_cast<unsigned char>(bytes[0]);
        } else if (bytes.size() == 2) {
            m_encode[unit] = static_cast<std::uint16_t>(
                (static_cast<unsigned char>(bytes[0]) << 8) | static_cast<unsigned char>(bytes[1]));
        }
    }
}

} // namespace lindquay
