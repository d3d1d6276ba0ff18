// The Volt Drop tab's four tables as printed, its size lists, its worked examples and edge cases,
// and what the page shows for them.

#include "voltdrop.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace tavo;
using namespace tavo::VoltDropCalculator;

namespace {

std::vector<std::string_view> Names(std::span<const Option> options)
{
    std::vector<std::string_view> names;
    for (const Option& option : options) {
        names.push_back(option.name);
    }
    return names;
}

TEST(VoltDropTables, SizeAndConductorLists)
{
    const auto dc = Names(SizeList(Mode::DC, 0));
    ASSERT_EQ(dc.size(), 36u);
    EXPECT_EQ(dc.front(), "# 18 Solid");
    EXPECT_EQ(dc[12], "# 6");
    EXPECT_EQ(dc[27], "700 Mill");
    EXPECT_EQ(dc.back(), "2000 Mill");
    EXPECT_EQ(Names(SizeList(Mode::DC, kDcAluminum)), dc);
    const auto copper = Names(SizeList(Mode::SinglePhase, 0));
    ASSERT_EQ(copper.size(), 21u);
    EXPECT_EQ(copper.front(), "# 14");
    EXPECT_EQ(copper[18], "600 Mill");
    EXPECT_EQ(copper.back(), "1000 Mill");
    // Aluminum is the copper list without "# 14".
    const auto aluminum = Names(SizeList(Mode::ThreePhase, kAcAluminum));
    EXPECT_EQ(aluminum, std::vector(copper.begin() + 1, copper.end()));
    EXPECT_EQ(Names(ConductorList(Mode::DC)),
              (std::vector<std::string_view>{"Uncoated Copper", "Coated Copper", "Aluminum"}));
    EXPECT_EQ(Names(ConductorList(Mode::SinglePhase)),
              (std::vector<std::string_view>{"Uncoated Copper", "Aluminum"}));
}

TEST(VoltDropTables, DcResistance)
{
    EXPECT_EQ(DcResistance(0, 0), 7.77);
    EXPECT_EQ(DcResistance(0, 2), 12.8);
    EXPECT_EQ(DcResistance(35, 0), 0.00643);
    EXPECT_EQ(DcResistance(35, 2), 0.0106);
    EXPECT_EQ(DcResistance(6, 1), 2.01);      // # 12 Solid, coated
    EXPECT_EQ(DcResistance(20, 2), 0.1);      // 0000 aluminum
    EXPECT_EQ(DcResistance(33, 1), 0.00883);  // 1500 Mill coated
    EXPECT_EQ(DcResistance(36, 0), 0);
    EXPECT_EQ(DcResistance(0, 3), 0);
    const double uncoated[36] = {7.77,   7.95,    4.89,    4.99,   3.07,   3.14,   1.93,   1.98,
                                 1.21,   1.24,    0.764,   0.778,  0.491,  0.308,  0.245,  0.194,
                                 0.154,  0.122,   0.0967,  0.0766, 0.0608, 0.0515, 0.0429, 0.0367,
                                 0.0321, 0.0258,  0.0214,  0.0184, 0.0171, 0.0161, 0.0143, 0.0129,
                                 0.0103, 0.00858, 0.00735, 0.00643};
    for (int row = 0; row < 36; ++row) {
        EXPECT_EQ(DcResistance(row, 0), uncoated[row]) << row;
    }
}

TEST(VoltDropTables, AcResistanceAndReactance)
{
    EXPECT_EQ(AcResistance(0, 0, false), 3.1);
    EXPECT_EQ(AcResistance(0, 2, false), 3.1);
    EXPECT_EQ(AcResistance(20, 0, false), 0.015);
    EXPECT_EQ(AcResistance(20, 2, false), 0.018);
    EXPECT_EQ(AcResistance(11, 1, false), 0.082);  // 000 in aluminum conduit
    EXPECT_EQ(AcResistance(0, 0, true), 3.2);      // aluminum "# 12"
    EXPECT_EQ(AcResistance(19, 2, true), 0.025);   // aluminum 1000 Mill in steel
    EXPECT_EQ(AcResistance(5, 1, true), 0.41);     // aluminum "# 3"
    EXPECT_EQ(AcResistance(21, 0, false), 0);
    EXPECT_EQ(AcResistance(20, 0, true), 0);
    const double copperPvc[21] = {3.1,   2.0,   1.2,   0.78,  0.49,  0.31,  0.25,
                                  0.19,  0.15,  0.12,  0.1,   0.077, 0.062, 0.052,
                                  0.044, 0.038, 0.033, 0.027, 0.023, 0.019, 0.015};
    const double aluminumSteel[20] = {3.2,   2.0,   1.3,   0.81,  0.51,  0.4,   0.32,
                                      0.25,  0.2,   0.16,  0.13,  0.1,   0.086, 0.072,
                                      0.063, 0.055, 0.045, 0.038, 0.031, 0.025};
    for (int row = 0; row < 21; ++row) {
        EXPECT_EQ(AcResistance(row, 0, false), copperPvc[row]) << row;
    }
    for (int row = 0; row < 20; ++row) {
        EXPECT_EQ(AcResistance(row, 2, true), aluminumSteel[row]) << row;
    }
    const double steel[21] = {0.073, 0.068, 0.063, 0.065, 0.064, 0.06,  0.059,
                              0.057, 0.057, 0.055, 0.054, 0.052, 0.051, 0.052,
                              0.051, 0.05,  0.049, 0.048, 0.048, 0.048, 0.046};
    for (int row = 0; row < 21; ++row) {
        EXPECT_EQ(Reactance(row, 1), steel[row]) << row;
    }
    EXPECT_EQ(Reactance(0, 0), 0.058);
    EXPECT_EQ(Reactance(20, 0), 0.037);
    EXPECT_EQ(Reactance(15, 0), 0.04);
    EXPECT_EQ(Reactance(21, 0), 0);
}

// The impedance of the AC modes at a power factor in per cent.
double Z(double r, double x, double pf)
{
    const double theta = std::acos(pf / 100);
    return r * std::cos(theta) + x * std::sin(theta);
}

struct DropCase
{
    const char* name;
    Inputs inputs;
    double neutral;
    double line;
};

class VoltDropCompute : public testing::TestWithParam<DropCase>
{
};

TEST_P(VoltDropCompute, Drops)
{
    const DropCase& c = GetParam();
    const Drops drops = Compute(c.inputs);
    EXPECT_DOUBLE_EQ(drops.neutral, c.neutral);
    EXPECT_DOUBLE_EQ(drops.line, c.line);
    const double volts = c.inputs.volts;
    const bool percent = c.neutral > 0 && volts > 0;
    EXPECT_DOUBLE_EQ(drops.percentNeutral, percent ? c.neutral / volts * 100 : 0);
    EXPECT_DOUBLE_EQ(drops.percentLine, percent ? c.line / volts * 100 : 0);
    EXPECT_DOUBLE_EQ(drops.lowest, volts - std::max(c.neutral, c.line));
}

const double kDefaultNeutral = 0.02 * 10 * Z(3.1, 0.058, 85);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, VoltDropCompute, testing::Values(
    // One phase counts the drop out and back on both conductors.
    DropCase{"DefaultSinglePhase", {}, kDefaultNeutral, 2 * kDefaultNeutral},
    DropCase{"ThreePhase", {.mode = Mode::ThreePhase}, kDefaultNeutral, 1.732 * kDefaultNeutral},
    DropCase{"DcAtSeventyFiveUsesTheTable",
             {.mode = Mode::DC, .size = 6}, 10 * 20 * 1.93 * 2 * 0.001, 10 * 20 * 1.93 * 2 * 0.001},
    DropCase{"DcAtTwentyDegrees",
             {.mode = Mode::DC, .size = 6, .temperature = 20},
             10 * 20 * (1.93 * (1 + 0.00323 * (20 - 75))) * 2 * 0.001,
             10 * 20 * (1.93 * (1 + 0.00323 * (20 - 75))) * 2 * 0.001},
    DropCase{"DcAluminumCoefficient",
             {.mode = Mode::DC, .size = 6, .conductor = kDcAluminum, .temperature = 100},
             10 * 20 * (3.18 * (1 + 0.0033 * 25)) * 2 * 0.001,
             10 * 20 * (3.18 * (1 + 0.0033 * 25)) * 2 * 0.001},
    // Row 1 of the reactance table, 0.068, not row 0's 0.073.
    DropCase{"AluminumTwelveInSteel",
             {.size = 0, .conduit = kSteel, .conductor = kAcAluminum},
             20 * 0.001 * 10 * Z(3.2, 0.068, 85), 2 * 20 * 0.001 * 10 * Z(3.2, 0.068, 85)},
    DropCase{"UnityPowerFactorIsResistanceOnly",
             {.mode = Mode::ThreePhase, .size = 1, .conduit = 1, .powerFactor = 100},
             20 * 0.001 * 10 * 2.0, 1.732 * 20 * 0.001 * 10 * 2.0},
    DropCase{"LengthZero", {.length = 0}, 0, 0},
    DropCase{"AmpsZero", {.mode = Mode::ThreePhase, .amps = 0}, 0, 0},
    DropCase{"VoltsZero", {.length = 100, .volts = 0}, 5 * kDefaultNeutral, 10 * kDefaultNeutral}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

std::vector<std::string> Texts(const Outcome& outcome)
{
    std::vector<std::string> texts;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
    }
    return texts;
}

using Given = std::vector<std::pair<std::string_view, std::string>>;

// Inputs by name, the others as the page opens.
InputValues ValuesOf(const Given& given)
{
    InputValues values = OpeningValues(kVoltDrop);
    for (const auto& [name, text] : given) {
        const size_t at = size_t(kVoltDrop.inputIndex(name));
        const Input& input = kVoltDrop.inputs[at];
        if (input.isField()) {
            values[at].text = text;
        } else {
            values[at].choice = OptionIndex(input.optionsAt(values), text);
        }
    }
    return values;
}

TEST(VoltDropPage, DefaultsAsShownAndReported)
{
    const Outcome outcome = Evaluate(kVoltDrop, OpeningValues(kVoltDrop));
    EXPECT_EQ(Texts(outcome),
              (std::vector<std::string>{"1.06622", ".46357", ".53311", ".23179", "228.93378"}));
    EXPECT_EQ(outcome.report.header, "VOLTAGE DROP");
    EXPECT_EQ(outcome.report.body, "PHASE=1 VOLTS=230 WIRE=Uncoated Copper LENGTH=20 AMPS=10 "
                                   "SIZE=# 14 LOWEST=228.93378");
    EXPECT_EQ(outcome.report.trailer, " ");
    EXPECT_EQ(outcome.presence[size_t(kVoltDrop.inputIndex("temperature"))], Presence::Disabled);
    EXPECT_EQ(outcome.presence[size_t(kVoltDrop.inputIndex("pf"))], Presence::Shown);
}

TEST(VoltDropPage, DcRenamesAndLeavesTheLineOut)
{
    const Outcome outcome = Evaluate(
        kVoltDrop, ValuesOf({{"mode", "dc"}, {"size", "# 12 Solid"}, {"temperature", "20"}}));
    EXPECT_EQ(Texts(outcome),
              (std::vector<std::string>{"NA", "NA", ".63485", ".27602", "229.36515"}));
    EXPECT_EQ(outcome.results[2].name, "Volt Drop");
    EXPECT_EQ(outcome.results[3].name, "% Volt Drop");
    EXPECT_EQ(outcome.presence[size_t(kVoltDrop.inputIndex("temperature"))], Presence::Shown);
    EXPECT_EQ(outcome.presence[size_t(kVoltDrop.inputIndex("pf"))], Presence::Disabled);
    EXPECT_EQ(outcome.presence[size_t(kVoltDrop.inputIndex("conduit"))], Presence::Disabled);
    EXPECT_EQ(outcome.report.body, "PHASE=DC VOLTS=230 WIRE=Uncoated Copper LENGTH=20 AMPS=10 "
                                   "SIZE=# 12 Solid LOWEST=229.36515");
}

struct ColourCase
{
    const char* name;
    Given inputs;
    Colour line;
    Colour neutral;
};

class VoltDropColours : public testing::TestWithParam<ColourCase>
{
};

TEST_P(VoltDropColours, AboveThreePerCentIsRed)
{
    const Outcome outcome = Evaluate(kVoltDrop, ValuesOf(GetParam().inputs));
    EXPECT_EQ(outcome.results[1].colour, GetParam().line) << outcome.results[1].text;
    EXPECT_EQ(outcome.results[3].colour, GetParam().neutral) << outcome.results[3].text;
    for (const size_t plain : {0u, 2u, 4u}) {
        EXPECT_EQ(outcome.results[plain].colour, kCyan);
    }
}

// At a power factor of 100 the drop of "# 12" copper is 750 x 0.001 x 2 = 1.5 V per conductor,
// 3 V on the line: exactly 3 per cent of 100 V.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, VoltDropColours, testing::Values(
    ColourCase{"ExactlyThreeStaysCyan",
               {{"size", "# 12"}, {"pf", "100"}, {"length", "750"}, {"amps", "1"}, {"volts", "100"}},
               kCyan, kCyan},
    ColourCase{"JustAboveThreeIsRed",
               {{"size", "# 12"}, {"pf", "100"}, {"length", "750"}, {"amps", "1"}, {"volts", "99.99"}},
               kRed, kCyan},
    ColourCase{"BothRed", {{"mode", "3"}, {"length", "400"}, {"amps", "30"}, {"volts", "208"}},
               kRed, kRed},
    // 3 V of 100 in DC: "# 10 Solid" aluminum, 2 ohms, out and back over 750 ft at 1 A.
    ColourCase{"DcExactlyThree",
               {{"mode", "dc"}, {"conductor", "Aluminum"}, {"size", "# 10 Solid"}, {"length", "750"},
                {"amps", "1"}, {"volts", "100"}},
               kCyan, kCyan},
    ColourCase{"DcLineStaysCyan",
               {{"mode", "dc"}, {"length", "400"}, {"amps", "30"}, {"volts", "120"}}, kCyan, kRed}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(VoltDropPage, FieldsHeldToTheirLimits)
{
    const Outcome outcome = Evaluate(kVoltDrop, ValuesOf({{"pf", "150"},
                                                          {"length", "-5"},
                                                          {"amps", "40000"},
                                                          {"volts", "abc"},
                                                          {"temperature", "-1"}}));
    const auto shown = [&](std::string_view name) {
        return outcome.shown[size_t(kVoltDrop.inputIndex(name))];
    };
    EXPECT_EQ(shown("pf"), "100");
    EXPECT_EQ(shown("length"), "0");
    EXPECT_EQ(shown("amps"), "32000");
    EXPECT_EQ(shown("volts"), "abc");  // not a number: read as 0, which is inside
    EXPECT_EQ(shown("temperature"), "0");
    EXPECT_EQ(
        Evaluate(kVoltDrop, ValuesOf({{"pf", "5"}})).shown[size_t(kVoltDrop.inputIndex("pf"))],
        "30");
}

TEST(VoltDropPage, NoVoltsShowsTheLowestWithItsSign)
{
    const Outcome outcome = Evaluate(kVoltDrop, ValuesOf({{"volts", "0"}, {"length", "100"}}));
    EXPECT_EQ(Texts(outcome),
              (std::vector<std::string>{"5.33111", "0", "2.66555", "0", "-5.33111"}));
    EXPECT_TRUE(outcome.report.body.ends_with(" LOWEST=-5.33111"));
}

TEST(VoltDropPage, ASizeBeyondTheListGoesToItsFirstEntry)
{
    // The last DC size has no place in the aluminum AC list.
    InputValues values = OpeningValues(kVoltDrop);
    values[size_t(kVoltDrop.inputIndex("conductor"))].choice = kAcAluminum;
    values[size_t(kVoltDrop.inputIndex("size"))].choice = 35;
    const Outcome outcome = Evaluate(kVoltDrop, values);
    EXPECT_EQ(outcome.shown[size_t(kVoltDrop.inputIndex("size"))], "# 12");
}

TEST(VoltDropPage, SizesByNameWithoutTheirSign)
{
    const Input& size = kVoltDrop.inputs[size_t(kVoltDrop.inputIndex("size"))];
    EXPECT_EQ(size.optionIndex("# 12"), 1);
    EXPECT_EQ(size.optionIndex("12"), 1);  // the size, not position 12
    EXPECT_EQ(size.optionIndex("0000"), 12);
    EXPECT_EQ(size.optionIndex("20"), 20);  // no size "20": the position
    EXPECT_EQ(OptionIndex(SizeList(Mode::DC, 0), "12 strand"), 7);
}

}  // namespace
