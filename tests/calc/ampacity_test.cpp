// The Ampacity tab's tables as printed, its worked examples and its report.

#include "ampacity.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::AmpacityCalculator;

namespace {

TEST(AmpacityTables, ListsAndSizes)
{
    EXPECT_EQ(kCopperSizes.size(), 28u);
    EXPECT_EQ(kCopperSizes.front(), "14");
    EXPECT_EQ(kCopperSizes[13], "250 MCM");
    EXPECT_EQ(kCopperSizes.back(), "2000 MCM");
    EXPECT_EQ(kConductorCounts.size(), 7u);
    EXPECT_EQ(kAmbients.size(), 10u);
    EXPECT_EQ(kAmbients.back(), "159-176");
    EXPECT_EQ(kInsulations, (std::array<std::string_view, 3>{"60 C", "75 C", "90 C"}));
}

TEST(AmpacityTables, CornersAndNamedRows)
{
    EXPECT_EQ(CopperAmpacity(0, 0), 20);    // 14 at 60 C
    EXPECT_EQ(CopperAmpacity(0, 2), 25);    // 14 at 90 C
    EXPECT_EQ(CopperAmpacity(27, 0), 560);  // 2000 MCM at 60 C
    EXPECT_EQ(CopperAmpacity(27, 2), 750);  // 2000 MCM at 90 C
    EXPECT_EQ(CopperAmpacity(12, 2), 260);  // 0000 at 90 C
    EXPECT_EQ(AluminumAmpacity(0, 0), 20);  // 12 at 60 C
    EXPECT_EQ(AluminumAmpacity(0, 2), 25);
    EXPECT_EQ(AluminumAmpacity(26, 0), 470);  // 2000 MCM
    EXPECT_EQ(AluminumAmpacity(26, 2), 630);
    EXPECT_EQ(AluminumAmpacity(12, 1), 205);  // 250 MCM at 75 C
    EXPECT_EQ(CopperAmpacity(28, 0), 0);
    EXPECT_EQ(AluminumAmpacity(27, 0), 0);
    EXPECT_EQ(CopperAmpacity(0, 3), 0);
}

TEST(AmpacityTables, EveryCellOfTheSeventyFiveColumn)
{
    const int copper[28] = {20,  25,  35,  50,  65,  85,  100, 115, 130, 150, 175, 200, 230, 255,
                            285, 310, 335, 380, 420, 460, 475, 490, 520, 545, 590, 625, 650, 665};
    const int aluminum[27] = {20,  30,  40,  50,  65,  75,  90,  100, 120, 135, 155, 180, 205, 230,
                              250, 270, 310, 340, 375, 385, 395, 425, 445, 485, 520, 545, 560};
    for (int row = 0; row < 28; ++row) {
        EXPECT_EQ(CopperAmpacity(row, 1), copper[row]) << kCopperSizes[size_t(row)];
    }
    for (int row = 0; row < 27; ++row) {
        EXPECT_EQ(AluminumAmpacity(row, 1), aluminum[row]) << kCopperSizes[size_t(row) + 1];
    }
}

TEST(AmpacityTables, AdjustmentsAndEveryAmbientFactor)
{
    const int adjustments[7] = {100, 80, 70, 50, 45, 40, 35};
    for (int count = 0; count < 7; ++count) {
        EXPECT_EQ(ConductorCountAdjustment(count), adjustments[count]);
    }
    const double factors[10][3] = {{1.08, 1.05, 1.04}, {1.0, 1.0, 1.0},    {0.91, 0.94, 0.96},
                                   {0.82, 0.88, 0.91}, {0.71, 0.82, 0.87}, {0.58, 0.75, 0.82},
                                   {0.41, 0.67, 0.76}, {0, 0.58, 0.71},    {0, 0.33, 0.58},
                                   {0, 0, 0.41}};
    for (int ambient = 0; ambient < 10; ++ambient) {
        for (int insulation = 0; insulation < 3; ++insulation) {
            EXPECT_EQ(AmbientTemperatureFactor(ambient, insulation), factors[ambient][insulation]);
        }
    }
    EXPECT_EQ(AmbientTemperatureFactor(10, 0), 0);
}

struct RowCase
{
    const char* name;
    std::vector<int> copper;  // size, count, ambient, insulation
    std::vector<int> aluminum;
    std::vector<std::string> results;
    const char* body;
};

std::ostream& operator<<(std::ostream& os, const RowCase& c)
{
    return os << c.name;
}

class AmpacityTest : public testing::TestWithParam<RowCase>
{
};

TEST_P(AmpacityTest, ResultsAndReport)
{
    const RowCase& c = GetParam();
    InputValues values;
    for (const int choice : c.copper) {
        values.push_back({{}, choice});
    }
    for (const int choice : c.aluminum) {
        values.push_back({{}, choice});
    }
    const Outcome outcome = Evaluate(kAmpacity, values);
    std::vector<std::string> texts;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
    }
    EXPECT_EQ(texts, c.results);
    EXPECT_EQ(outcome.report.header, "CONDUCTOR AMPACITY");
    EXPECT_EQ(outcome.report.body, c.body);
    EXPECT_EQ(outcome.report.trailer, " ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ampacity, AmpacityTest, testing::Values(
    RowCase{"Opening", {0, 0, 0, 0}, {0, 0, 0, 0},
            {"100.", "1.08", "21.6", "100.", "1.08", "21.6"},
            "COPPER QTY=1-3 SIZE=#14 INSUL=60 C AMPS=21.6 ALUM QTY=1-3 SIZE=#12 INSUL=60 C AMPS=21.6"},
    RowCase{"FourOughtNinetyTenToTwenty", {12, 3, 3, 2}, {0, 0, 0, 0},
            {"50.", ".91", "118.3", "100.", "1.08", "21.6"},
            "COPPER QTY=10-20 SIZE=#0000 INSUL=90 C AMPS=118.3 ALUM QTY=1-3 SIZE=#12 INSUL=60 C AMPS=21.6"},
    RowCase{"SixtyAboveOneThirtyOneIsNone", {0, 0, 7, 0}, {0, 0, 8, 0},
            {"None", "None", "None", "None", "None", "None"},
            "COPPER QTY=1-3 SIZE=#14 INSUL=60 C AMPS=None ALUM QTY=1-3 SIZE=#12 INSUL=60 C AMPS=None"},
    RowCase{"SeventyFiveAtTheHottestIsNone", {0, 0, 0, 0}, {26, 6, 9, 1},
            {"100.", "1.08", "21.6", "None", "None", "None"},
            "COPPER QTY=1-3 SIZE=#14 INSUL=60 C AMPS=21.6 ALUM QTY=41+ SIZE=#2000 MCM INSUL=75 C AMPS=None"},
    RowCase{"WholeNumberKeepsItsPoint", {0, 0, 1, 0}, {1, 1, 1, 2},
            {"100.", "1.", "20.", "80.", "1.", "28."},
            "COPPER QTY=1-3 SIZE=#14 INSUL=60 C AMPS=20. ALUM QTY=4-6 SIZE=#10 INSUL=90 C AMPS=28."}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Ampacity, ResultsNamedWithTheirRow)
{
    const Outcome outcome = Evaluate(kAmpacity, OpeningValues(kAmpacity));
    std::vector<std::string> names;
    for (const ResultValue& result : outcome.results) {
        names.push_back(result.name);
    }
    EXPECT_EQ(names,
              (std::vector<std::string>{"Copper % Multiplier", "Copper Temp Multiplier",
                                        "Copper Max. Ampacity", "Aluminum % Multiplier",
                                        "Aluminum Temp Multiplier", "Aluminum Max. Ampacity"}));
}

}  // namespace
