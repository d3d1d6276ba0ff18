// The Boxes tab's tables, its Selections lines and worked examples.

#include "boxfill.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::BoxFillCalculator;

namespace {

TEST(BoxTables, BoxesAndConductorVolumes)
{
    ASSERT_EQ(kBoxes.size(), 24u);
    EXPECT_EQ(kBoxes.front().name, "4 x 1 1/4 Round Or Octagonal");
    EXPECT_EQ(kBoxes.back().name, "FD-Min. Internal Depth 2-3/8 Multiple Cover/Gang");
    EXPECT_EQ(kBoxes[8].name, "4-11/16 x 2-1/8 Square");
    // The 14.0 device box is 2-3/4 inch deep: shallower than the 3-1/2 inch one after it.
    EXPECT_EQ(kBoxes[13].name, "3 x 2 x 2-3/4 Device");
    EXPECT_EQ(kBoxes[18].name, "3-3/4 x 2 x 2-1/2 Masonary Box/Gang");
    const char* volumes[24] = {"12.5", "15.5", "21.5", "18.0", "21.0", "30.3", "25.5", "29.5",
                               "42.0", "7.5",  "10.0", "10.5", "12.5", "14.0", "18.0", "10.3",
                               "13.0", "14.5", "14.0", "21.0", "13.5", "18.0", "18.0", "24.0"};
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        EXPECT_EQ(kBoxes[i].volume, volumes[i]) << kBoxes[i].name;
    }
    EXPECT_EQ(kWireSizes, (std::array<std::string_view, 5>{"14", "12", "10", "8", "6"}));
    const double perConductor[5] = {2.0, 2.25, 2.5, 3.0, 5.0};
    for (int wire = 0; wire < 5; ++wire) {
        EXPECT_EQ(ConductorVolume(wire), perConductor[wire]);
    }
    EXPECT_EQ(ConductorVolume(-1), 0);  // a typed size that names none
    EXPECT_EQ(ConductorVolume(5), 0);
}

TEST(BoxFill, ListLines)
{
    EXPECT_EQ(ListLine("3", "12"), "    3        #12");
    EXPECT_EQ(ListLine("10", "14"), "  10        #14");
    EXPECT_EQ(ListLine("99", "8"), "  99        #8");
    EXPECT_EQ(ListLine("120", "10"), "120        #10");
}

// The values of the page: box, wire, count as typed, added selections.
Outcome Shown(int box, int wire, const char* count, const char* added, const char* typedWire = "")
{
    InputValues values = OpeningValues(kBoxFill);
    values[0].choice = box;
    values[1] = {typedWire, wire};
    values[2].text = count;
    values[3].text = added;
    return Evaluate(kBoxFill, values);
}

std::vector<std::string> Texts(const Outcome& outcome)
{
    std::vector<std::string> texts;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
    }
    return texts;
}

TEST(BoxFill, WorkedExamples)
{
    // Three 14s, then added, then two 6s.
    EXPECT_EQ(Texts(Shown(0, 0, "3", "")), (std::vector<std::string>{"12.5", "6.", "6."}));
    const Outcome added = Shown(0, 0, "0", "3,14");
    EXPECT_EQ(Texts(added), (std::vector<std::string>{"12.5", "0.", "6."}));
    EXPECT_EQ(added.list, (std::vector<std::string>{"    3        #14"}));
    EXPECT_EQ(Texts(Shown(0, 4, "2", "3,14")), (std::vector<std::string>{"12.5", "10.", "16."}));
    // 120 of size 10.
    const Outcome many = Shown(0, 2, "120", "");
    EXPECT_EQ(Texts(many)[1], "300.");
    // The reference box changes nothing but its own capacity.
    EXPECT_EQ(Texts(Shown(8, 0, "3", "")), (std::vector<std::string>{"42.0", "6.", "6."}));
    // A typed size that is none of the five has no volume.
    const Outcome typed = Shown(0, -1, "4", "", "7");
    EXPECT_EQ(Texts(typed)[1], "0.");
    EXPECT_EQ(typed.shown[1], "7");
    const Outcome report = Shown(0, 1, "2", "");
    EXPECT_EQ(report.report.header, "MINIMUM BOX SIZE CALCULATION     ");
    EXPECT_EQ(report.report.body, "MINIMUM BOX SIZE=4.5 Cu. Inch");
    EXPECT_EQ(report.report.trailer, " ");
}

TEST(BoxSelections, AddsCountedConductorsOfAListedSize)
{
    BoxSelections added;
    EXPECT_FALSE(added.add("0", 0));
    EXPECT_FALSE(added.add("-3", 0));
    EXPECT_FALSE(added.add("3", -1));
    EXPECT_TRUE(added.add("3", 0));
    EXPECT_TRUE(added.add("120", 2));
    EXPECT_DOUBLE_EQ(added.volume(), 306);
    EXPECT_EQ(added.lines(), (std::vector<std::string>{"    3        #14", "120        #10"}));
    EXPECT_EQ(BoxSelections::Check("3,14;2,6"), "");
    EXPECT_EQ(BoxSelections::Check("3,14,THHN"), "each selection is COUNT,WIRE");
    EXPECT_EQ(BoxSelections::Check("3,7"), "no wire size \"7\"");
    EXPECT_EQ(BoxSelections::Read("3,14;0,6;2,4").lines().size(), 2u);
}

TEST(BoxFill, PrintedSheet)
{
    const Outcome outcome = Shown(0, 1, "2", "3,14;5,6");
    ASSERT_TRUE(outcome.sheet);
    EXPECT_EQ(outcome.sheet->company, "KORLATH DESIGNS");
    EXPECT_EQ(outcome.sheet->columns, "# WIRES      SIZE");
    EXPECT_EQ(outcome.sheet->current, (std::array<std::string, 3>{"2", "#12", ""}));
    EXPECT_EQ(outcome.sheet->currentTest, "4.5");
    EXPECT_EQ(outcome.sheet->results[0], (std::array<std::string, 2>{"REQUIRED BOX SIZE", "35.5"}));
    EXPECT_EQ(outcome.sheet->results[1], (std::array<std::string, 2>{"", ""}));
    ASSERT_EQ(outcome.sheet->stored.size(), 2u);
    EXPECT_EQ(outcome.sheet->stored[1], (std::array<std::string, 3>{"5", "6", ""}));
}

}  // namespace
