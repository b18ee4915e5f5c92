#include "text/Encoding.h"
#include "text/Fold.h"

#include <gtest/gtest.h>

namespace postling {
namespace {

TEST(Encoding, ValidUtf8IsKeptAndOtherBytesAreReadAsWindows1252) {
    EXPECT_TRUE(isValidUtf8("plain"));
    EXPECT_TRUE(isValidUtf8("caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x93\xA7"));
    EXPECT_FALSE(isValidUtf8("caf\xE9"));      // Latin-1 e acute
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));     // overlong "/"
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80")); // surrogate
    EXPECT_FALSE(isValidUtf8("\xE2\x82"));     // cut short
    EXPECT_EQ("caf\xC3\xA9", toUtf8("caf\xC3\xA9"));
    EXPECT_EQ("caf\xC3\xA9", toUtf8("caf\xE9"));
    EXPECT_EQ("\xE2\x82\xAC"
              "5 \xE2\x80\x9Cquoted\xE2\x80\x9D",
              toUtf8("\x80"
                     "5 \x93quoted\x94"));
    // The five bytes the code page leaves undefined map to the C1 controls.
    EXPECT_EQ("\xC2\x81", windows1252ToUtf8("\x81"));
}

TEST(Encoding, CodePointsRoundTripAndBadBytesBecomeReplacementCharacters) {
    const std::string text = "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x93\xA7";
    const std::u32string cps = utf8ToCodePoints(text);
    EXPECT_EQ((std::u32string{U'A', U'\u00E9', U'\u20AC', U'\U0001F4E7'}), cps);
    EXPECT_EQ(text, codePointsToUtf8(cps));
    EXPECT_EQ((std::u32string{U'a', U'\uFFFD', U'b'}), utf8ToCodePoints("a\xFF"
                                                                        "b"));
}

TEST(Fold, EveryLetterIsLowerCasedAndSearchesIgnoreAccents) {
    struct Case {
        const char *text, *lower, *folded;
    } cases[] = {
        {"CAF\xC3\x89", "caf\xC3\xA9",
         "caf"
         "e"}, // É
        {"\xC3\x86"
         "RE \xC3\x9F",
         "\xC3\xA6"
         "re \xC3\x9F",
         "aere ss"}, // Æ, ß
        {"\xC5\x81\xC3\x93"
         "D\xC5\xB9",
         "\xC5\x82\xC3\xB3"
         "d\xC5\xBA",
         "lodz"}, // Łódź
        {"\xCE\x91\xCE\x92\xD0\x96", "\xCE\xB1\xCE\xB2\xD0\xB6", "\xCE\xB1\xCE\xB2\xD0\xB6"},
        {"\xC3\x97 \xE4\xB8\xAD", "\xC3\x97 \xE4\xB8\xAD", "\xC3\x97 \xE4\xB8\xAD"}, // ×, CJK stay
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.lower, lowerText(c.text)) << c.text;
        EXPECT_EQ(c.folded, foldText(c.text)) << c.text;
    }
    // Sorting ignores letter case of accented letters too, and stays a total order.
    EXPECT_TRUE(lessIgnoringCase("\xC3\xA9mile", "\xC3\x89MILIE"));
    EXPECT_TRUE(lessIgnoringCase("ABC", "abc") != lessIgnoringCase("abc", "ABC"));
}

} // namespace
} // namespace postling
