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
