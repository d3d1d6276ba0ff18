// The Ground tab's tables as printed, and its report.

#include "ground.h"

#include <gtest/gtest.h>

using namespace tavo;

namespace {

TEST(GroundingElectrodeTable, GroupsOfTheServiceConductors)
{
    using namespace GroundingElectrodeTable;
    ASSERT_EQ(kServiceConductors.size(), 22u);
    EXPECT_EQ(kServiceConductors.front(), "8");
    EXPECT_EQ(kServiceConductors[9], "0000");
    EXPECT_EQ(kServiceConductors[10], "250 Mill");
    EXPECT_EQ(kServiceConductors.back(), "1100 Mill");
    // Group of every entry, in order: 8..2, 1..0, 00..000, 0000..350, 400..600, 700..1100.
    const std::vector<int> groups = {0, 0, 0, 0, 0, 1, 1, 2, 2, 3, 3,
                                     3, 3, 4, 4, 4, 5, 5, 5, 5, 5, 5};
    for (int i = 0; i < 22; ++i) {
        EXPECT_EQ(Group(i), groups[size_t(i)]) << kServiceConductors[size_t(i)];
    }
    EXPECT_EQ(Group(-1), 0);
    EXPECT_EQ(Group(22), 0);
}

TEST(GroundingElectrodeTable, EveryCellAsPrinted)
{
    using namespace GroundingElectrodeTable;
    const char* const copper[] = {"8", "6", "4", "2", "0", "00"};
    const char* const aluminum[] = {"6", "4", "2", "0", "000", "0000"};
    for (int group = 0; group < kGroups; ++group) {
        EXPECT_EQ(Copper(group), copper[group]);
        EXPECT_EQ(Aluminum(group), aluminum[group]);
    }
    EXPECT_EQ(Copper(6), "");
    EXPECT_EQ(Aluminum(-1), "");
}

TEST(EquipmentGroundTable, EveryCellAsPrinted)
{
    using namespace EquipmentGroundTable;
    const char* const rows[21][3] = {
        {"15", "14", "12"},
        {"20", "12", "10"},
        {"30", "10", "8"},
        {"40", "10", "8"},
        {"60", "10", "8"},
        {"100", "8", "6"},
        {"200", "6", "4"},
        {"300", "4", "2"},
        {"400", "3", "1"},
        {"500", "2", "0"},
        {"600", "1", "00"},
        {"800", "0", "000"},
        {"1000", "00", "0000"},
        {"1200", "000", "250 MCM"},
        {"1600", "0000", "350 MCM"},
        {"2000", "250 MCM", "400 MCM"},
        {"2500", "350 MCM", "600 MCM"},
        {"3000", "400 MCM", "600 MCM"},
        {"4000", "500 MCM", "800 MCM"},
        {"5000", "700 MCM", "1200 MCM"},
        {"6000", "800 MCM", "1200 MCM"},
    };
    ASSERT_EQ(kRatings.size(), 21u);
    for (int row = 0; row < 21; ++row) {
        EXPECT_EQ(kRatings[size_t(row)], rows[row][0]);
        EXPECT_EQ(Copper(row), rows[row][1]) << rows[row][0];
        EXPECT_EQ(Aluminum(row), rows[row][2]) << rows[row][0];
    }
    EXPECT_EQ(Copper(21), "");
}

struct GroundCase
{
    const char* name;
    int copper;
    int aluminum;
    int rating;
    std::vector<std::string> results;
};

std::ostream& operator<<(std::ostream& os, const GroundCase& c)
{
    return os << c.name;
}

class GroundTest : public testing::TestWithParam<GroundCase>
{
};

TEST_P(GroundTest, ResultsAndReport)
{
    const GroundCase& c = GetParam();
    const Outcome outcome = Evaluate(kGround, {{"", c.copper}, {"", c.aluminum}, {"", c.rating}});
    std::vector<std::string> texts;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
    }
    EXPECT_EQ(texts, c.results);
    EXPECT_EQ(outcome.report.header, "GROUND ELECTRODE   EQUIPMENT GROUND     ");
    EXPECT_EQ(outcome.report.body, "COPPER ELECTRODE  " + c.results[0] + "  ALUMINUM ELECTRODE  " +
                                       c.results[1] + "  COPPER EQUIP.  " + c.results[2] +
                                       "  ALUMINUM EQUIP.  " + c.results[3]);
    EXPECT_EQ(outcome.report.trailer, " ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ground, GroundTest, testing::Values(
    GroundCase{"Opening", 0, 0, 0, {"8", "6", "14", "12"}},
    GroundCase{"CopperFourOught", 9, 0, 0, {"2", "6", "14", "12"}},
    GroundCase{"CopperThreeFifty", 12, 0, 0, {"2", "6", "14", "12"}},
    GroundCase{"CopperFourHundred", 13, 0, 0, {"0", "6", "14", "12"}},
    GroundCase{"AluminumElevenHundred", 0, 21, 0, {"8", "0000", "14", "12"}},
    GroundCase{"ThirtyAmps", 0, 0, 2, {"8", "6", "10", "8"}},
    GroundCase{"FortyAmps", 0, 0, 3, {"8", "6", "10", "8"}},
    GroundCase{"SixtyAmps", 0, 0, 4, {"8", "6", "10", "8"}},
    GroundCase{"SixThousandAmps", 5, 7, 20, {"6", "2", "800 MCM", "1200 MCM"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Ground, ResultNamesAsThePageSpellsThem)
{
    const Outcome outcome = Evaluate(kGround, OpeningValues(kGround));
    std::vector<std::string> names;
    for (const ResultValue& result : outcome.results) {
        names.push_back(result.name);
        EXPECT_EQ(result.colour, kCyan);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Use Coppper Size", "Use Aluminum Size",
                                               "Copper Wire Size", "Alum. Or Copper Clad Size"}));
}

}  // namespace
