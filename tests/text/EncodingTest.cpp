#include "text/Encoding.h"

#include <gtest/gtest.h>

namespace lindquay {
namespace {

struct Utf8ToGbkCase {
    const char* what;
    std::string utf8;
    std::optional<std::string> gbk;
};

TEST(EncodingTest, Utf8ToGbkAcceptsOnlyShortSequencesOfCharactersGbkHas) {
    const Utf8ToGbkCase cases[] = {
        {"empty", "", std::string()},
        {"ascii", "parent_path\\a b", std::string("parent_path\\a b")},
        {"chinese", "网盘", std::string("\xCD\xF8\xC5\xCC")},
        {"euro sign is byte 0x80", "\xE2\x82\xAC", std::string("\x80")},
        {"two-byte sequence", "\xC3\xA9", std::string("\xA8\xA6")}, // é
        {"outside the Basic Multilingual Plane", "a\xF0\x9F\x98\x80", std::nullopt},
        {"stray continuation byte", "a\x80", std::nullopt},
        {"sequence cut short at the end", "a\xE7\xBD", std::nullopt},
        {"surrogate half in three bytes", "\xED\xA0\x80", std::nullopt},
        {"character GBK lacks", "\xE0\xB8\x81", std::nullopt}, // Thai ko kai
        {"five-byte lead", "\xF8\x88\x80\x80\x80", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(utf8ToGbk(c.utf8), c.gbk);
    }
}

TEST(EncodingTest, GbkToUtf8RefusesInvalidGbkAndRoundTripsValid) {
    EXPECT_EQ(gbkToUtf8("\xCD\xF8\xC5\xCC\\a"), std::optional<std::string>("网盘\\a"));
    EXPECT_EQ(gbkToUtf8("\x80"), std::optional<std::string>("\xE2\x82\xAC"));
    EXPECT_EQ(gbkToUtf8("abc\xCD"), std::nullopt) << "lead byte without its second byte";
    EXPECT_EQ(gbkToUtf8("\xFF\xFF"), std::nullopt);
    // 0xD4 0x5C is one character whose second byte is the backslash's.
    EXPECT_EQ(gbkToUtf8("\xD4\x5C"), std::optional<std::string>("診"));
    EXPECT_EQ(utf8ToGbk("診"), std::optional<std::string>("\xD4\x5C"));
}

TEST(EncodingTest, LossyConversionsSubstituteInsteadOfFailing) {
    EXPECT_EQ(gbkToUtf8Lossy("a\xFF"
                             "b"),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf8ToGbkLossy("网\xE0\xB8\x81盘"), "\xCD\xF8?\xC5\xCC");
    EXPECT_EQ(gbk("读取中..."), utf8ToGbk("读取中...").value());
}

} // namespace
} // namespace lindquay
