#include "reporttext.h"

#include <gtest/gtest.h>

using tavo::ReportText;

namespace {

std::string Field(const ReportText& r, size_t offset, size_t size)
{
    return std::string(r.bytes().data() + offset, size);
}

}  // namespace

TEST(ReportText, LayoutOfTheFourFields)
{
    ReportText report;
    report.setLines({"AMPS=VOLTS \xF7 OHMS     ", "12.=120 \xF7 10", " "});
    EXPECT_EQ(report.bytes().size(), 480u);
    EXPECT_EQ(Field(report, 0, 22), "AMPS=VOLTS \xF7 OHMS     ");
    EXPECT_EQ(Field(report, 22, 78), std::string(78, '\0'));
    EXPECT_EQ(Field(report, 100, 12), "12.=120 \xF7 10");
    EXPECT_EQ(Field(report, 112, 188), std::string(188, '\0'));
    EXPECT_EQ(Field(report, 300, 1), " ");
    EXPECT_EQ(Field(report, 301, 179), std::string(179, '\0'));
    EXPECT_EQ(report.header(), "AMPS=VOLTS \xF7 OHMS     ");
    EXPECT_EQ(report.body(), "12.=120 \xF7 10");
    EXPECT_EQ(report.trailer(), " ");
}

TEST(ReportText, TextsAreCutAtTheirLimits)
{
    ReportText report;
    report.setHeader(std::string(150, 'h'));
    report.setBody(std::string(250, 'b'));
    report.setTrailer(std::string(120, 't'));
    EXPECT_EQ(report.header(), std::string(99, 'h'));
    EXPECT_EQ(report.body(), std::string(199, 'b'));
    EXPECT_EQ(report.trailer(), std::string(99, 't'));
    // Every field keeps its terminating zero and the reserved block stays untouched.
    EXPECT_EQ(report.bytes()[99], '\0');
    EXPECT_EQ(report.bytes()[299], '\0');
    EXPECT_EQ(report.bytes()[399], '\0');
    EXPECT_EQ(Field(report, 400, 80), std::string(80, '\0'));
}

TEST(ReportText, ShorterTextClearsTheRestOfItsField)
{
    ReportText report;
    report.setBody("a long body text");
    report.setBody("short");
    EXPECT_EQ(report.body(), "short");
    EXPECT_EQ(Field(report, 105, 195), std::string(195, '\0'));
}

TEST(ReportText, ClearingEmptiesEverything)
{
    ReportText report;
    std::string bytes(480, 'x');
    report.setBytes(bytes);
    report.clear();
    EXPECT_EQ(Field(report, 0, 480), std::string(480, '\0'));
}

TEST(ReportText, ReadsRawBytesWithoutRunningPastAField)
{
    ReportText report;
    std::string bytes(480, '\0');
    bytes.replace(0, 100, std::string(100, 'H'));  // no terminating zero in the header
    bytes.replace(100, 4, "BODY");
    bytes.replace(400, 3, "res");
    report.setBytes(bytes);
    EXPECT_EQ(report.header(), std::string(99, 'H'));
    EXPECT_EQ(report.body(), "BODY");
    EXPECT_EQ(Field(report, 400, 3), "res");
}

TEST(ReportText, ShortOrLongInputFillsAClearedRecord)
{
    ReportText report;
    report.setHeader("old");
    report.setBytes("new");
    EXPECT_EQ(report.header(), "new");
    EXPECT_EQ(report.body(), "");
    report.setBytes(std::string(600, 'z'));
    EXPECT_EQ(Field(report, 400, 80), std::string(80, 'z'));
}
