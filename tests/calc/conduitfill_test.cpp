// The Conduit tab's tables as printed (with the slips corrected), its size search, the fill rule,
// the Selection List lines and the worked examples.

#include "conduitfill.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::ConduitFillCalculator;
using ConduitUsableAreaTable::UsableArea;

namespace {

enum Type {
    EMT = 0,
    RigidMetal = 2,
    PvcSchd80 = 3,
    PvcTypeEb = 7,
    EntNonMetal = 8,
};

TEST(ConduitTables, ConductorAreas)
{
    EXPECT_EQ(ConductorAreaTable::kWireSizes.size(), 24u);
    EXPECT_EQ(ConductorAreaTable::kWireSizes[13], "250 Mill");
    EXPECT_EQ(ConductorAreaTable::Area(0, 0), 0.0293);   // 14 RHH
    EXPECT_EQ(ConductorAreaTable::Area(0, 12), 0.0064);  // 14 KF-2
    EXPECT_EQ(ConductorAreaTable::Area(23, 0), 1.7719);
    EXPECT_EQ(ConductorAreaTable::Area(23, 8), 1.042);  // 1000 Mill BARE STR
    EXPECT_EQ(ConductorAreaTable::Area(23, 12), 0);
    EXPECT_EQ(ConductorAreaTable::Area(1, 4), 0);  // ZF only in 14
    EXPECT_EQ(ConductorAreaTable::Area(12, 9), 0.3);
    EXPECT_EQ(ConductorAreaTable::Area(24, 0), 0);
    EXPECT_EQ(ConductorAreaTable::Area(0, 13), 0);
    // THHN, every size; 1000 Mill is 1.3478 (printed with two digits swapped).
    const double thhn[24] = {0.0097, 0.0133, 0.0211, 0.0366, 0.0507, 0.0824, 0.0973, 0.1158,
                             0.1562, 0.1855, 0.2223, 0.2679, 0.3237, 0.397,  0.4608, 0.5242,
                             0.5863, 0.7073, 0.8676, 0.9887, 1.0496, 1.1085, 1.2311, 1.3478};
    for (int row = 0; row < 24; ++row) {
        EXPECT_EQ(ConductorAreaTable::Area(row, 2), thhn[row]) << row;
    }
}

TEST(ConduitTables, InsulationColumns)
{
    const int columns[24] = {0, 0, 1, 1, 2, 2, 2, 3, 3,  3,  4,  4,
                             5, 5, 6, 6, 7, 8, 9, 9, 10, 11, 12, 12};
    ASSERT_EQ(kInsulations.size(), 24u);
    for (int position = 0; position < 24; ++position) {
        EXPECT_EQ(InsulationColumn(position), columns[position]) << kInsulations[position];
    }
    EXPECT_EQ(kInsulations[4], "THHN");
    EXPECT_EQ(kInsulations[23], "KFF-2");
    EXPECT_EQ(InsulationColumn(24), -1);
}

TEST(ConduitTables, UsableAreas)
{
    EXPECT_EQ(ConduitUsableAreaTable::kConduitTypes.size(), 12u);
    EXPECT_EQ(ConduitUsableAreaTable::kConduitTypes[7], "PVC Type EB");
    EXPECT_EQ(UsableArea(0, 0, 0), 0.094);
    EXPECT_EQ(UsableArea(11, 0, 0), 0.097);
    EXPECT_EQ(UsableArea(0, 11, 2), 0);
    EXPECT_EQ(UsableArea(7, 11, 2), 16.711);
    EXPECT_EQ(UsableArea(0, 0, 2), 0.161);
    EXPECT_EQ(UsableArea(0, 9, 1), 5.901);
    for (int fill = 0; fill < 3; ++fill) {
        EXPECT_EQ(UsableArea(EMT, 10, fill), 0);  // no 5 inch EMT
    }
    EXPECT_EQ(UsableArea(PvcTypeEb, 5, 1), 1.55);
    EXPECT_EQ(UsableArea(PvcTypeEb, 6, 1), 0);
    EXPECT_GT(UsableArea(PvcTypeEb, 7, 1), 0);
    // The corrected slips: above the 40 per cent cell, and 31 per cent of what 40 and 53 imply.
    EXPECT_EQ(UsableArea(PvcSchd80, 5, 2), 1.523);
    EXPECT_EQ(UsableArea(PvcSchd80, 5, 1), 1.15);
    const double rigid31[12] = {0.097, 0.17,  0.275, 0.473, 0.642, 1.056,
                                1.508, 2.325, 3.103, 3.994, 6.266, 9.039};
    for (int size = 0; size < 12; ++size) {
        EXPECT_EQ(UsableArea(RigidMetal, size, 0), rigid31[size]) << size;
    }
    EXPECT_EQ(UsableArea(12, 0, 0), 0);
    EXPECT_EQ(UsableArea(0, 12, 0), 0);
    EXPECT_EQ(UsableArea(0, 0, 3), 0);
}

TEST(ConduitTables, TradeSizeNames)
{
    EXPECT_EQ(TradeSizeName(0), "1/2 Inch");
    EXPECT_EQ(TradeSizeName(1), "3/4 inch");
    EXPECT_EQ(TradeSizeName(11), "6 inch");
    EXPECT_EQ(TradeSizeName(12), "None");
    EXPECT_EQ(TradeSizeName(-1), "None");
}

TEST(ConduitFill, FillRule)
{
    EXPECT_EQ(FillPercent(0), 0);
    EXPECT_EQ(FillPercent(1), 53);
    EXPECT_EQ(FillPercent(2), 31);
    EXPECT_EQ(FillPercent(3), 40);
    EXPECT_EQ(FillPercent(70000), 40);
    EXPECT_EQ(FillIndex(31), 0);
    EXPECT_EQ(FillIndex(40), 1);
    EXPECT_EQ(FillIndex(53), 2);
    EXPECT_EQ(FillIndex(0), 0);
}

struct SearchCase
{
    const char* name;
    double area;
    int percent;
    int type;
    const char* size;
    const char* usable;
    bool tooMany;
};

class TradeSizeSearch : public testing::TestWithParam<SearchCase>
{
};

TEST_P(TradeSizeSearch, FindsTheSmallestSize)
{
    const SearchCase& c = GetParam();
    const TradeSize found = FindTradeSize(c.area, c.percent, c.type);
    EXPECT_EQ(found.name, c.size);
    EXPECT_EQ(found.tooMany, c.tooMany);
    if (!c.tooMany) {
        EXPECT_EQ(found.usableText, c.usable);
    }
    EXPECT_EQ(found.beep, c.tooMany && c.type == EMT);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TradeSizeSearch, testing::Values(
    SearchCase{"OneFourteenInEmt", 0.0097, 53, EMT, "1/2 Inch", ".161", false},
    SearchCase{"TwoFourteens", 0.0194, 31, EMT, "1/2 Inch", ".094", false},
    SearchCase{"ExactlyTheUsableArea", 0.122, 40, EMT, "1/2 Inch", ".122", false},
    SearchCase{"JustAbove", 0.1221, 40, EMT, "3/4 inch", ".213", false},
    SearchCase{"ThreeThousandMill", 5.3157, 40, EMT, "4 inch", "5.901", false},
    SearchCase{"EmtHasNoFiveInch", 7.0876, 40, EMT, "None", "", true},
    SearchCase{"EbSkipsItsMissingSizes", 0.5, 40, PvcTypeEb, "2 inch", "1.55", false},
    SearchCase{"EbSkipsTwoAndAHalf", 1.6, 40, PvcTypeEb, "3 inch", "3.484", false},
    SearchCase{"EbPastSixInch", 20, 53, PvcTypeEb, "None", "", true},
    SearchCase{"EntStopsAtTwoInch", 1.0, 31, EntNonMetal, "None", "", true},
    SearchCase{"EntTwoInch", 0.9, 31, EntNonMetal, "2 inch", ".994", false},
    SearchCase{"RigidSixInch", 9.0, 31, RigidMetal, "6 inch", "9.039", false},
    SearchCase{"NoArea", 0, 0, EMT, "None", "0", false},
    SearchCase{"NoAreaInEb", 0, 40, PvcTypeEb, "None", "0", false},
    SearchCase{"NoSuchType", 1, 40, 12, "None", "0", false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ConduitFill, ListLines)
{
    EXPECT_EQ(ListLine("5", "14", "THHN"), "    5\t  #14" + std::string(21, ' ') + "\t  THHN");
    EXPECT_EQ(ListLine("12", "12", "THW"), "  12\t  #12" + std::string(21, ' ') + "\t  THW");
    EXPECT_EQ(ListLine("120", "1000 Mill", "RHH"), "120\t  #1000 Mill\t  RHH");
    EXPECT_EQ(ListLine("89", "250 Mill", "XHH"), "  89\t  #250 Mill   \t  XHH");
    EXPECT_EQ(ListLine("90", "0", "THW"), "90\t  #0" + std::string(24, ' ') + "\t  THW");
    // The count as typed, spaces kept; its value places it.
    EXPECT_EQ(ListLine(" 7 ", "8", "FEP"), "     7 \t  #8" + std::string(24, ' ') + "\t  FEP");
}

TEST(ConduitSelections, AddsWhatHasAnArea)
{
    ConduitSelections added;
    EXPECT_FALSE(added.add("0", 0, 4));
    EXPECT_FALSE(added.add("3", 1, 10));   // ZF is made only in 14
    EXPECT_FALSE(added.add("-5", 0, 4));   // not 65531 conductors
    EXPECT_FALSE(added.add("2.5", 0, 4));  // not a whole number
    EXPECT_TRUE(added.entries().empty());
    EXPECT_TRUE(added.add("1", 0, 4));
    EXPECT_TRUE(added.add("1", 0, 4));
    EXPECT_EQ(added.count(), 2u);
    EXPECT_DOUBLE_EQ(added.area(), 2 * 0.0097);
    // Two conductors added: the total is sized at 31 per cent.
    InputValues values = OpeningValues(kConduitFill);
    const Outcome outcome = ComputeConduitFill(values, added);
    EXPECT_EQ(outcome.results[0].text, "31");
    EXPECT_EQ(outcome.list.size(), 2u);
    EXPECT_TRUE(added.add("70000", 0, 4));
    EXPECT_EQ(added.count(), 65535u);
}

TEST(ConduitSelections, ReadFromTheCommandLine)
{
    EXPECT_EQ(ConduitSelections::Check(""), "");
    EXPECT_EQ(ConduitSelections::Check("3,12,THHN;1,1000 mill,4"), "");
    EXPECT_EQ(ConduitSelections::Check("3,12"), "each selection is COUNT,WIRE,INSULATION");
    EXPECT_EQ(ConduitSelections::Check("3,25,THHN"), "no wire size \"25\"");
    EXPECT_EQ(ConduitSelections::Check("3,12,TW"), "no insulation \"TW\"");
    EXPECT_EQ(ConduitSelections::Check("3,12,THHN;"), "each selection is COUNT,WIRE,INSULATION");
    const ConduitSelections read = ConduitSelections::Read(" 3,12,THHN;0,14,RHH;2,0,4");
    ASSERT_EQ(read.entries().size(), 2u);  // the empty one refused, as on the page
    EXPECT_EQ(read.entries()[0].count, " 3");
    EXPECT_EQ(read.entries()[1].wire, 9);
    EXPECT_EQ(read.count(), 5u);
}

struct ExampleCase
{
    const char* name;
    std::string added;
    int wire;
    int insulation;
    const char* count;
    int conduit;
    std::vector<std::string> results;
    bool warning;
};

class ConduitExamples : public testing::TestWithParam<ExampleCase>
{
};

TEST_P(ConduitExamples, ShownAsOnThePage)
{
    const ExampleCase& c = GetParam();
    InputValues values = OpeningValues(kConduitFill);
    values[size_t(kConduitFill.inputIndex("wire"))].choice = c.wire;
    values[size_t(kConduitFill.inputIndex("insulation"))].choice = c.insulation;
    values[size_t(kConduitFill.inputIndex("count"))].text = c.count;
    values[size_t(kConduitFill.inputIndex("conduit"))].choice = c.conduit;
    values[size_t(kConduitFill.inputIndex("add"))].text = c.added;
    const Outcome outcome = Evaluate(kConduitFill, values);
    std::vector<std::string> texts;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
    }
    EXPECT_EQ(texts, c.results);
    EXPECT_EQ(outcome.warning.empty(), !c.warning);
    EXPECT_EQ(outcome.report.header, "MINIMUM CONDUIT SIZE");
    EXPECT_EQ(outcome.report.body,
              "WIRE AREA TOTAL = " + c.results[2] + "  MINIMUM CONDUIT SIZE = " + c.results[3]);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ConduitExamples, testing::Values(
    ExampleCase{"Opening", "", 0, 0, "0", EMT, {"0", "0.", "0.", "None", "0"}, false},
    ExampleCase{"OneThhn", "", 0, 4, "1", EMT, {"53", ".0097", ".0097", "1/2 Inch", ".161"}, false},
    ExampleCase{"TwoThhn", "", 0, 4, "2", EMT, {"31", ".0194", ".0194", "1/2 Inch", ".094"}, false},
    ExampleCase{"ThreeRhh", "", 23, 0, "3", EMT, {"40", "5.3157", "5.3157", "4 inch", "5.901"}, false},
    ExampleCase{"FourRhhTooMany", "3,1000 Mill,RHH", 23, 0, "1", EMT,
                {"40", "1.7719", "7.0876", "None", "Too Many Wires"}, true},
    ExampleCase{"AddedOnly", "1,14,THHN;1,14,THHN", 0, 0, "0", EMT,
                {"31", "0.", ".0194", "1/2 Inch", ".094"}, false}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ConduitFill, PrintedSheet)
{
    InputValues values = OpeningValues(kConduitFill);
    values[size_t(kConduitFill.inputIndex("insulation"))].choice = 4;
    values[size_t(kConduitFill.inputIndex("count"))].text = "2";
    values[size_t(kConduitFill.inputIndex("add"))].text = "5,12,THW";
    const Outcome outcome = Evaluate(kConduitFill, values);
    ASSERT_TRUE(outcome.sheet);
    const SelectionSheet& sheet = *outcome.sheet;
    EXPECT_EQ(sheet.company, "KORLATH DESIGNS LLC");
    EXPECT_EQ(sheet.columns, "# WIRES      SIZE         INSULATION");
    EXPECT_EQ(sheet.current, (std::array<std::string, 3>{"2", "#14", "THHN"}));
    EXPECT_EQ(sheet.currentTest, ".0194");
    EXPECT_EQ(sheet.results[0], (std::array<std::string, 2>{"REQUIRED CONDUIT SIZE", "3/4 inch"}));
    EXPECT_EQ(sheet.results[1], (std::array<std::string, 2>{"TOTAL WIRE AREA", ".1494"}));
    EXPECT_EQ(sheet.results[2], (std::array<std::string, 2>{"PERCENT FILL", "40"}));
    ASSERT_EQ(sheet.stored.size(), 1u);
    EXPECT_EQ(sheet.stored[0], (std::array<std::string, 3>{"5", "12", "THW"}));
}

}  // namespace
