#pragma once

#include <cstdint>

namespace lindquay {

// Code page 936 as glibc's iconv defines it ("CP936": GBK with the euro sign at 0x80), read
// out of iconv once into lookup tables: converting a text is then a table lookup per
// character instead of an iconv call per text. Thread-safe; the tables are built on first use.
class CodePage936 {
public:
    static const CodePage936& instance();

    // The UTF-16 code unit of a one-byte character (below 0x80 the byte itself); 0 when the
    // byte is no character of its own (a lead byte, or unassigned).
    char16_t singleByte(unsigned char byte) const { return m_single[byte]; }
    bool isLeadByte(unsigned char byte) const { return m_lead[byte]; }
    // The code unit of a two-byte character; 0 when the pair is no character.
    char16_t doubleByte(unsigned char lead, unsigned char trail) const {
        return m_double[(lead << 8) | trail];
    }
    // The character's bytes: below 0x100 one byte, otherwise lead << 8 | trail; 0 when the
    // code page has no such character (a lone surrogate half included). U+0000 is 0 too.
    std::uint16_t encode(char16_t unit) const { return m_encode[unit]; }

private:
    CodePage936();

    char16_t m_single[256] = {};
    bool m_lead[256] = {};
    char16_t* m_double = nullptr;
    std::uint16_t* m_encode = nullptr;
};

} // namespace lindquay
