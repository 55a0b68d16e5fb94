#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Helpers over GBK byte strings. A byte of 0x80 or more starts a two-byte character, and the
// byte after it is never taken for a separator or for the start of a match: in GBK the second
// byte of a character may be 0x5C, the backslash.
namespace lindquay {

inline constexpr char kBackslash = '\\';

inline bool isLeadByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

// Position of the first match counted from 1, -1 when absent. Bytes are compared exactly and
// a match starts only on a character boundary. An empty part matches at position 1.
int findText(std::string_view text, std::string_view part);

// Offset (from 0) of the last backslash that is a character of its own, npos when none.
std::size_t lastBackslash(std::string_view text);

// Offset of the last backslash or slash that is a character of its own, npos when none.
std::size_t lastSeparator(std::string_view text);

// True when the last character is a backslash or a slash (a GBK second byte 0x5C is not).
bool endsWithSeparator(std::string_view text);

// Splits at every backslash and slash, keeping every piece, empty ones included.
std::vector<std::string_view> splitAtSeparators(std::string_view text);

// Splits at every backslash that is a character of its own. A leading backslash gives an
// empty first piece, two in a row an empty piece between them; a backslash at the very end
// gives no trailing piece.
std::vector<std::string_view> splitAtBackslashes(std::string_view text);

// A whole number in plain decimal digits, with a minus sign when negative.
std::string numberToText(std::int64_t number);

} // namespace lindquay
