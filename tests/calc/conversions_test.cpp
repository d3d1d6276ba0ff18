// The Conversions tab's converters: each converts from the box set last, with the page's own
// factors and three-decimal texts.

#include "conversions.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::ConversionsCalculator;

namespace {

struct ConversionCase
{
    const char* name;
    const Calculator* calculator;
    std::vector<std::pair<std::string, std::string>> given;  // field or list, text
    std::string source;
    Edited how;
    std::vector<std::string> shown;  // every input as the page shows it afterwards
    std::vector<std::string> results = {};
};

class Converters : public testing::TestWithParam<ConversionCase>
{
};

TEST_P(Converters, ConvertFromTheBoxSetLast)
{
    const ConversionCase& c = GetParam();
    InputValues values = OpeningValues(*c.calculator);
    for (const auto& [name, text] : c.given) {
        const size_t at = size_t(c.calculator->inputIndex(name));
        const Input& input = c.calculator->inputs[at];
        if (input.isChoice()) {
            values[at].choice = input.optionIndex(text);
        } else {
            values[at].text = text;
        }
    }
    if (!c.source.empty()) {
        values[size_t(c.calculator->inputIndex(c.source))].edited = c.how;
    }
    const Outcome outcome = Evaluate(*c.calculator, values);
    EXPECT_EQ(outcome.shown, c.shown);
    std::vector<std::string> results;
    for (const ResultValue& result : outcome.results) {
        results.push_back(result.text);
    }
    EXPECT_EQ(results, c.results);
}

constexpr Edited kTyped = Edited::Typed;
constexpr Edited kStepped = Edited::Stepped;
const Calculator* const kTemp = &kConvertTemperature;
const Calculator* const kLength = &kConvertLength;
const Calculator* const kMetric = &kConvertMetric;
const Calculator* const kMils = &kConvertCircularMils;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, Converters, testing::Values(
    ConversionCase{"OpeningConvertsNothing", kTemp, {}, "", kTyped, {"0", "0"}},
    ConversionCase{"BoilingFahrenheit", kTemp, {{"f", "212"}}, "f", kTyped, {"212", "100."}},
    ConversionCase{"BoilingCelsius", kTemp, {{"c", "100"}}, "c", kTyped, {"212.", "100"}},
    ConversionCase{"FreezingIsZero", kTemp, {{"f", "32"}}, "f", kTyped, {"32", "0"}},
    ConversionCase{"ZeroFahrenheitShownAsZero", kTemp, {{"c", "-17.7777"}}, "c", kTyped, {"0", "-17.7777"}},
    // A spinner stops at -459 F; a typed temperature is held to -459.4 F and left as typed.
    ConversionCase{"SteppedBelowTheLimit", kTemp, {{"f", "-460"}}, "f", kStepped, {"-459.", "-272.778"}},
    ConversionCase{"TypedBelowTheLimit", kTemp, {{"f", "-500"}}, "f", kTyped, {"-500", "-273."}},
    ConversionCase{"CelsiusHeld", kTemp, {{"c", "-300"}}, "c", kTyped, {"-459.4", "-300"}},
    ConversionCase{"OneInch", kLength, {{"inches", "1"}}, "inches", kTyped, {"1000.", "25.4", "1"}},
    ConversionCase{"OneMil", kLength, {{"mils", "1"}}, "mils", kTyped, {"1", ".025", ".001"}},
    ConversionCase{"Millimeters", kLength, {{"mm", "10"}}, "mm", kTyped, {"393.7", "10", ".394"}},
    ConversionCase{"NegativeShownWithoutSign", kLength, {{"mils", "-5"}}, "mils", kTyped, {"-5", ".127", ".005"}},
    ConversionCase{"SteppedLengthRewritten", kLength, {{"inches", "2."}}, "inches", kStepped, {"2000.", "50.8", "2."}},
    ConversionCase{"OuncesToMilliliters", kMetric, {{"pair", "Ounces <> Milliliter"}, {"left", "1"}}, "left", kTyped,
                   {"Ounces <> Milliliter", "1", "29.586"}, {"Ounces", "Milliliters"}},
    ConversionCase{"MillilitersToOunces", kMetric, {{"pair", "4"}, {"right", "29.586"}}, "right", kTyped,
                   {"Ounces <> Milliliter", "1.", "29.586"}, {"Ounces", "Milliliters"}},
    ConversionCase{"InchesOpening", kMetric, {}, "", kTyped, {"Inches <> Millimeter", "0.", "0."},
                   {"Inches", "Millimeters"}},
    ConversionCase{"ZeroConvertsToZero", kMetric, {{"pair", "7"}}, "left", kTyped,
                   {"Feet <> Meters", "0.", "0"}, {"Feet", "Meters"}},
    ConversionCase{"RoundAndBusBar", kMils, {{"diameter", "100"}, {"width", "250"}, {"thickness", "1000"}},
                   "thickness", kTyped, {"100", "250", "1000"}, {"10000.", "318309.142"}},
    ConversionCase{"NoWidth", kMils, {{"width", "0"}, {"thickness", "1000"}}, "width", kTyped,
                   {"0", "0", "1000"}, {"0", "0"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(Conversions, PairsHaveTheirOwnFactors)
{
    ASSERT_EQ(kMetricPairs.size(), 8u);
    EXPECT_EQ(kMetricPairs[0].list, "Inches <> Millimeter");
    EXPECT_EQ(kMetricPairs[7].left, "Feet");
    EXPECT_EQ(kMetricPairs[7].rightToLeft, 3.28084);
    EXPECT_EQ(ConvertMetric(4, Side::Left, 1), 29.58579881656805);
    EXPECT_EQ(ConvertMetric(4, Side::Right, 1), 0.0338);
    EXPECT_NE(ConvertMetric(0, Side::Right, ConvertMetric(0, Side::Left, 1)), 1.0);
    EXPECT_EQ(ConvertMetric(8, Side::Left, 1), 0);
    EXPECT_DOUBLE_EQ(CelsiusOf(212), 100);
    EXPECT_EQ(FahrenheitOf(100), 212);
    EXPECT_EQ(BusBarCircularMils(-1, 5), 0);
}

TEST(Conversions, ReportOfEveryBox)
{
    InputValues temperature = OpeningValues(kConvertTemperature);
    temperature[0] = {"212", 0, Edited::Typed};
    InputValues metric = OpeningValues(kConvertMetric);
    metric[0].choice = 4;
    metric[1] = {"1", 0, Edited::Typed};
    const ReportLines report = ConversionReport(
        Evaluate(kConvertTemperature, temperature),
        Evaluate(kConvertLength, OpeningValues(kConvertLength)), Evaluate(kConvertMetric, metric),
        Evaluate(kConvertCircularMils, OpeningValues(kConvertCircularMils)));
    EXPECT_EQ(report.header, "CONVERT ");
    EXPECT_EQ(report.body,
              "F=212 C=100. Ounces=1 Milliliters=29.586 Mils=0 MM=0 In.=0 Rnd=0 Bar=0");
    EXPECT_EQ(report.trailer, "");
}

}  // namespace
