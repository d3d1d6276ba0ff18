#include "windows1252.h"

#include <gtest/gtest.h>

using namespace tavo;

TEST(Windows1252, DivisionSignBothWays)
{
    EXPECT_EQ(Windows1252ToUtf8("6 \xF7 2"), "6 \u00F7 2");
    EXPECT_EQ(Utf8ToWindows1252("6 \u00F7 2"), "6 \xF7 2");
}

TEST(Windows1252, HighControlRangeUsesWindowsTable)
{
    EXPECT_EQ(Windows1252ToUtf8("\x80\x93\x99\x9F"), "\u20AC\u201C\u2122\u0178");
    EXPECT_EQ(Utf8ToWindows1252("\u20AC\u201C\u2122\u0178"), "\x80\x93\x99\x9F");
}

TEST(Windows1252, UnmappableAndMalformedBecomeQuestionMarks)
{
    EXPECT_EQ(Utf8ToWindows1252("\u03A9=5"), "?=5");
    EXPECT_EQ(Utf8ToWindows1252("\xC3"), "?");
    EXPECT_EQ(Utf8ToWindows1252("a\xFF"
                                "b"),
              "a?b");
}

TEST(Windows1252, EveryByteSurvivesTheRoundTrip)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
    }
    EXPECT_EQ(Utf8ToWindows1252(Windows1252ToUtf8(all)), all);
}

// Every form that is not well-formed UTF-8 is refused, byte by byte, and never read as another
// character: an overlong "1" must not become "1", an encoded NUL must not reach a report.
TEST(Utf8, MalformedFormsAreRefused)
{
    const char* const malformed[] = {
        "\xC0\xB1",          // overlong "1"
        "\xC0\x80",          // overlong NUL
        "\xE0\x80\xB1",      // overlong, three bytes
        "\xF0\x80\x80\xB1",  // overlong, four bytes
        "\xED\xA0\x80",      // a surrogate
        "\xF4\x90\x80\x80",  // beyond U+10FFFF
        "\x80",              // a stray continuation byte
        "\xE2\x82",          // cut short
        "\xFF",
        "\xF8\x88\x80\x80\x80",  // five bytes
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(IsValidUtf8(text)) << text;
        const std::string converted = Utf8ToWindows1252(text);
        EXPECT_EQ(converted.find_first_not_of('?'), std::string::npos) << text;
        EXPECT_EQ(converted.size(), std::string_view(text).size());
    }
    EXPECT_EQ(Utf8ToWindows1252("1\xC0\x80"), "1??");
    for (const char* text : {"", "abc", "6 \u00F7 2", "\u20AC", "\u2603", "\U0001F600",
                             "\xEF\xBF\xBF", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(IsValidUtf8(text)) << text;
    }
}
