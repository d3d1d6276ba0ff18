// The circuit check's tables in both editions, against the current edition's sheet: every cell
// that 2023 changed, the corners and the size of each table; 2008 keeps the tabs' cells.

#include "circuit/editions.h"
#include "conduittables.h"

#include <gtest/gtest.h>

using namespace tavo::circuit;

namespace {

constexpr Edition k23 = Edition::Nec2023;
constexpr Edition k08 = Edition::Nec2008;
constexpr Metal kCu = Metal::Copper;
constexpr Metal kAl = Metal::Aluminum;

struct AmpacityCase
{
    const char* name;
    Metal metal;
    Cmil size;
    int column;
    int in2023;
    int in2008;
};

class AmpacityTable : public testing::TestWithParam<AmpacityCase>
{
};

TEST_P(AmpacityTable, CellOfEachEdition)
{
    const AmpacityCase& c = GetParam();
    EXPECT_EQ(TableAmpacity(k23, c.metal, c.size, c.column), c.in2023);
    EXPECT_EQ(TableAmpacity(k08, c.metal, c.size, c.column), c.in2008);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table310_16, AmpacityTable, testing::Values(
    // The fifteen cells the 2023 edition changed.
    AmpacityCase{"Cu14At60", kCu, 4110, 60, 15, 20},
    AmpacityCase{"Cu12At60", kCu, 6530, 60, 20, 25},
    AmpacityCase{"Cu3At90", kCu, 52620, 90, 115, 110},
    AmpacityCase{"Cu1At90", kCu, 83690, 90, 145, 150},
    AmpacityCase{"Cu600At60", kCu, 600000, 60, 350, 355},
    AmpacityCase{"Cu1500At60", kCu, 1500000, 60, 525, 520},
    AmpacityCase{"Cu2000At60", kCu, 2000000, 60, 555, 560},
    AmpacityCase{"Al12At60", kAl, 6530, 60, 15, 20},
    AmpacityCase{"Al8At60", kAl, 16510, 60, 35, 30},
    AmpacityCase{"Al6At90", kAl, 26240, 90, 55, 60},
    AmpacityCase{"Al300At60", kAl, 300000, 60, 195, 190},
    AmpacityCase{"Al300At90", kAl, 300000, 90, 260, 255},
    AmpacityCase{"Al700At60", kAl, 700000, 60, 315, 310},
    AmpacityCase{"Al700At90", kAl, 700000, 90, 425, 420},
    AmpacityCase{"Al800At90", kAl, 800000, 90, 445, 450},
    // Corners and cells both editions share.
    AmpacityCase{"Cu14At90", kCu, 4110, 90, 25, 25},
    AmpacityCase{"Cu2000At90", kCu, 2000000, 90, 750, 750},
    AmpacityCase{"Al12At90", kAl, 6530, 90, 25, 25},
    AmpacityCase{"Al2000At60", kAl, 2000000, 60, 470, 470},
    AmpacityCase{"Al2000At90", kAl, 2000000, 90, 630, 630},
    AmpacityCase{"Cu1000At60", kCu, 1000000, 60, 455, 455},
    AmpacityCase{"Al1_0At75", kAl, 105600, 75, 120, 120}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AmpacityTable, SizesAndCellsWithoutAValue)
{
    ASSERT_EQ(TableSizes().size(), 28u);
    EXPECT_EQ(TableSizes().front(), 4110);
    EXPECT_EQ(TableSizes().back(), 2000000);
    EXPECT_FALSE(TableAmpacity(k23, kAl, 4110, 75));  // no 14 AWG aluminum
    EXPECT_FALSE(TableAmpacity(k23, kCu, 1200000, 75));
    EXPECT_FALSE(TableAmpacity(k23, kCu, 4110, 70));
}

struct AmbientCase
{
    const char* name;
    Edition edition;
    double ambient;
    bool fahrenheit;
    int rating;
    const char* row;  // empty: above the table
    double factor;    // 0: no factor
};

class AmbientTable : public testing::TestWithParam<AmbientCase>
{
};

TEST_P(AmbientTable, RowAndFactor)
{
    const AmbientCase& c = GetParam();
    const AmbientRow row = AmbientCorrection(c.edition, c.ambient, c.fahrenheit, c.rating);
    if (std::string(c.row).empty()) {
        EXPECT_TRUE(row.aboveTable);
        EXPECT_FALSE(row.factor);
        return;
    }
    EXPECT_FALSE(row.aboveTable);
    EXPECT_EQ(row.label, c.row);
    if (c.factor > 0) {
        ASSERT_TRUE(row.factor);
        EXPECT_DOUBLE_EQ(*row.factor, c.factor);
    } else {
        EXPECT_FALSE(row.factor);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Table310_15B1, AmbientTable, testing::Values(
    // 2023: the three new rows, the split rows and the new last row; "—" cells.
    AmbientCase{"Cold2023", k23, -20, false, 60, "10 or less °C", 1.29},
    AmbientCase{"Ten2023", k23, 10, false, 90, "10 or less °C", 1.15},
    AmbientCase{"Twelve2023", k23, 11.2, false, 75, "11-15 °C", 1.15},
    AmbientCase{"Twenty2023", k23, 20, false, 90, "16-20 °C", 1.08},
    AmbientCase{"RoundedUp2023", k23, 30.2, false, 75, "31-35 °C", 0.94},
    AmbientCase{"FiftySixAt60", k23, 56, false, 60, "56-60 °C", 0},
    AmbientCase{"SixtyOne2023", k23, 61, false, 75, "61-65 °C", 0.47},
    AmbientCase{"SixtyFiveAt90", k23, 65, false, 90, "61-65 °C", 0.65},
    AmbientCase{"SixtySix2023", k23, 66, false, 75, "66-70 °C", 0.33},
    AmbientCase{"SeventyOneAt75", k23, 71, false, 75, "71-75 °C", 0},
    AmbientCase{"SeventyFiveAt90", k23, 75, false, 90, "71-75 °C", 0.50},
    AmbientCase{"EightyAt90", k23, 80, false, 90, "76-80 °C", 0.41},
    AmbientCase{"EightyFiveAt90", k23, 85, false, 90, "81-85 °C", 0.29},
    AmbientCase{"Above2023", k23, 85.5, false, 90, "", 0},
    AmbientCase{"SixtyNineF", k23, 69, true, 60, "69-77 °F", 1.08},
    AmbientCase{"SixtyEightF", k23, 68, true, 60, "60-68 °F", 1.15},
    AmbientCase{"FahrenheitSplit", k23, 149, true, 90, "141-149 °F", 0.65},
    AmbientCase{"FahrenheitSplitUpper", k23, 150, true, 90, "150-158 °F", 0.58},
    AmbientCase{"FahrenheitLast", k23, 185, true, 90, "177-185 °F", 0.29},
    AmbientCase{"FahrenheitAbove", k23, 186, true, 90, "", 0},
    // 2008: the Ampacity tab's °F rows, and the °C rows they stand for.
    AmbientCase{"Cold2008", k08, 5, false, 60, "21-25 °C", 1.08},
    AmbientCase{"Thirty2008", k08, 30, false, 75, "26-30 °C", 1.00},
    AmbientCase{"SixtyOne2008", k08, 61, false, 75, "61-70 °C", 0.33},
    AmbientCase{"SeventyOne2008", k08, 71, false, 90, "71-80 °C", 0.41},
    AmbientCase{"Above2008", k08, 81, false, 90, "", 0},
    AmbientCase{"SeventyF2008", k08, 60, true, 75, "70-77 °F", 1.05},
    AmbientCase{"LastF2008", k08, 176, true, 90, "159-176 °F", 0.41},
    AmbientCase{"AboveF2008", k08, 177, true, 90, "", 0}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(StandardRatings, TenAmperesFrom2023)
{
    ASSERT_EQ(StandardRatings(k23).size(), 38u);
    EXPECT_EQ(StandardRatings(k23).front(), 10);
    EXPECT_EQ(StandardRatings(k23).back(), 6000);
    ASSERT_EQ(StandardRatings(k08).size(), 37u);
    EXPECT_EQ(StandardRatings(k08).front(), 15);
    EXPECT_EQ(StandardRatings(k23)[9], 60);  // no fuse-only 601 or 10 between
    EXPECT_EQ(StandardRatings(k23)[28], 800);
}

TEST(GroundingTable, RowsAndTheChangedAluminumCells)
{
    ASSERT_EQ(GroundingTable(k23, kCu).size(), 19u);
    ASSERT_EQ(GroundingTable(k08, kCu).size(), 21u);
    const auto row = [](Edition e, Metal m, double device) {
        const auto found = GroundingTableRow(e, m, device);
        return found ? std::make_pair(found->rating, found->size) : std::make_pair(0, Cmil(0));
    };
    EXPECT_EQ(row(k23, kCu, 15), std::make_pair(15, Cmil(4110)));
    EXPECT_EQ(row(k23, kAl, 15), std::make_pair(15, Cmil(6530)));
    // 30 and 40 A fall in the 60 A row of 2023 and keep the same sizes.
    EXPECT_EQ(row(k23, kCu, 30), std::make_pair(60, Cmil(10380)));
    EXPECT_EQ(row(k08, kCu, 30), std::make_pair(30, Cmil(10380)));
    EXPECT_EQ(row(k23, kAl, 4000), std::make_pair(4000, Cmil(750000)));
    EXPECT_EQ(row(k08, kAl, 4000), std::make_pair(4000, Cmil(800000)));
    EXPECT_EQ(row(k23, kAl, 5000), std::make_pair(5000, Cmil(1250000)));
    EXPECT_EQ(row(k08, kAl, 6000), std::make_pair(6000, Cmil(1200000)));
    EXPECT_EQ(row(k23, kAl, 6000), std::make_pair(6000, Cmil(1250000)));
    EXPECT_EQ(row(k23, kCu, 6000), std::make_pair(6000, Cmil(800000)));
    EXPECT_EQ(row(k23, kCu, 1250), std::make_pair(1600, Cmil(211600)));
    EXPECT_FALSE(GroundingTableRow(k23, kCu, 6001));
}

TEST(ConductorAreas, ThwSmallSizesChangedIn2023)
{
    const int thw = 14;  // "THW" in the Conduit tab's list
    const int thhn = 4;
    ASSERT_EQ(tavo::kInsulations[thw], "THW");
    const std::pair<Cmil, double> changed[] = {
        {4110, 0.0139}, {6530, 0.0181}, {10380, 0.0243}, {16510, 0.0437}};
    for (const auto& [size, area] : changed) {
        EXPECT_DOUBLE_EQ(ConductorArea(k23, size, thw), area) << size;
        EXPECT_GT(ConductorArea(k08, size, thw), area) << size;
    }
    EXPECT_DOUBLE_EQ(ConductorArea(k08, 4110, thw), 0.0209);
    EXPECT_DOUBLE_EQ(ConductorArea(k23, 26240, thw), 0.0726);
    EXPECT_DOUBLE_EQ(ConductorArea(k23, 1000000, thhn), 1.3478);
    EXPECT_DOUBLE_EQ(ConductorArea(k23, 4110, 0), 0.0293);
    EXPECT_EQ(ConductorArea(k23, 1250000, thhn), 0);  // beyond the table
    EXPECT_EQ(ConductorArea(k23, 26240, 10), 0);      // ZF is not made in 6 AWG
}

TEST(UsableAreas, IntermediateAndRigidMetalCellsOf2023)
{
    using namespace tavo::ConduitUsableAreaTable;
    struct Cell
    {
        int type, trade, fill;
        double in2023, in2008;
    };
    const Cell cells[] = {
        {1, 3, Fill40, 0.659, 0.658},
        {1, 4, Fill40, 0.890, 0.889},
        {1, 3, Fill53, 0.873, 0.872},
        {1, 4, Fill31, 0.690, 0.689},
        {1, 4, Fill53, 1.179, 1.178},
        {1, 5, Fill53, 1.924, 1.923},
        {2, 7, Fill53, 3.974, 3.975},
        // Unchanged: EMT's corners and the PVC Type EB gap.
        {0, 0, Fill31, 0.094, 0.094},
        {0, 9, Fill40, 5.901, 5.901},
        {7, 0, Fill40, 0, 0},
    };
    for (const Cell& c : cells) {
        SCOPED_TRACE(std::to_string(c.type) + " " + std::to_string(c.trade));
        EXPECT_DOUBLE_EQ(UsableArea(k23, c.type, c.trade, c.fill), c.in2023);
        EXPECT_DOUBLE_EQ(UsableArea(k08, c.type, c.trade, c.fill), c.in2008);
    }
}

}  // namespace
