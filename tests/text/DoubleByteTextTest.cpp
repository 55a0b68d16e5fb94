#include "text/DoubleByteText.h"

#include <gtest/gtest.h>

namespace lindquay {
namespace {

TEST(DoubleByteTextTest, FindTextMatchesOnlyOnCharacterBoundaries) {
    struct Case {
        std::string text, part;
        int position;
    };
    const Case cases[] = {
        {"C:\\p\\a.jpg", ".jpg", 7},
        {"C:\\p\\a.JPG", ".jpg", -1},
        {"abc", "", 1},
        {"", "a", -1},
        {"\xD4\x5C", "\\", -1}, // the second byte of 診 is no backslash
        {"\xD4\x5C\\", "\\", 3},
        {"\xB0\xA1\xB0\xA1", "\xA1\xB0", -1}, // 啊啊: the middle bytes are no character
        {"x\xB0\xA1", "\xB0\xA1", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + c.part);
        EXPECT_EQ(findText(c.text, c.part), c.position);
    }
}

TEST(DoubleByteTextTest, LastBackslashAndSplitSkipSecondBytes) {
    EXPECT_EQ(lastBackslash("a\\b\\c.txt"), 3u);
    EXPECT_EQ(lastBackslash("c.txt"), std::string_view::npos);
    EXPECT_EQ(lastBackslash("a\\\xD4\x5C"), 1u);

    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(splitAtBackslashes("\\a\\\\b\\"), (Pieces{"", "a", "", "b"}));
    EXPECT_EQ(splitAtBackslashes("./m\\\xD4\x5C\\x"), (Pieces{"./m", "\xD4\x5C", "x"}));
    EXPECT_EQ(splitAtBackslashes("Q"), (Pieces{"Q"}));
    EXPECT_TRUE(splitAtBackslashes("").empty());
}

TEST(DoubleByteTextTest, SeparatorsOfEitherKindAreFoundOnlyAsCharacters) {
    EXPECT_EQ(lastSeparator("a/b\\c"), 3u);
    EXPECT_EQ(lastSeparator("a\\\xD4\x5C"), 1u);
    EXPECT_EQ(lastSeparator("name"), std::string_view::npos);
    EXPECT_TRUE(endsWithSeparator("\\docs/"));
    EXPECT_FALSE(endsWithSeparator("\\\xD4\x5C"));

    using Pieces = std::vector<std::string_view>;
    EXPECT_EQ(splitAtSeparators("\\a/..\\"), (Pieces{"", "a", "..", ""}));
    EXPECT_EQ(splitAtSeparators("\xD4\x5C.."), (Pieces{"\xD4\x5C.."}));
    EXPECT_EQ(splitAtSeparators(""), (Pieces{""}));
}

TEST(DoubleByteTextTest, NumberToTextIsPlainDigits) {
    EXPECT_EQ(numberToText(0), "0");
    EXPECT_EQ(numberToText(1250), "1250");
    EXPECT_EQ(numberToText(-7), "-7");
    EXPECT_EQ(numberToText(1'000'000), "1000000");
}

} // namespace
} // namespace lindquay
