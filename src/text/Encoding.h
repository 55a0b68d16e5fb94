#pragma once

#include <optional>
#include <string>
#include <string_view>

// Texts inside the program are byte strings in code page 936 (GBK). These are the only
// conversions, one per boundary:
//   - the database and the host's file names take UTF-8, converted strictly: a text that
//     does not convert is refused, never silently altered;
//   - the toolkit shows texts and gives back typed ones, converted leniently, because a
//     window must always show something and Windows edit boxes also substitute '?'.
namespace lindquay {

// GBK to UTF-8. Fails (nullopt) on a byte sequence that is not valid GBK.
std::optional<std::string> gbkToUtf8(std::string_view gbk);

// UTF-8 to GBK, accepting only sequences of one, two or three bytes: a four-byte sequence
// (a character outside the Basic Multilingual Plane), a stray continuation byte or a sequence
// cut short fails, and so does a character that GBK lacks (a lone surrogate included).
std::optional<std::string> utf8ToGbk(std::string_view utf8);

// For display: an invalid GBK byte shows as U+FFFD.
std::string gbkToUtf8Lossy(std::string_view gbk);

// For typed text: a character that GBK lacks becomes '?', like an ANSI edit box.
std::string utf8ToGbkLossy(std::string_view utf8);

// The program's own texts are written as UTF-8 literals in the source; this gives their GBK
// form, e.g. gbk("读取中...").
inline std::string gbk(std::string_view utf8Literal) {
    return utf8ToGbkLossy(utf8Literal);
}

} // namespace lindquay
