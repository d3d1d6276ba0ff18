// The descriptions of the calculators and the one recompute that the window and tavo-calc share.

#include "calculator.h"
#include "formula.h"
#include "motordata.h"
#include "transformer.h"

#include <gtest/gtest.h>

#include <set>

using namespace tavo;

namespace {

TEST(Catalogue, EveryCalculatorOnceInTheCommandLinesOrder)
{
    std::vector<std::string_view> names;
    for (const Calculator* calculator : AllCalculators()) {
        names.push_back(calculator->name);
        EXPECT_EQ(FindCalculator(calculator->name), calculator);
    }
    const std::vector<std::string_view> expected = {
        "amps.er",    "amps.pe",  "amps.pr",  "volts.rxi",    "volts.pi",       "volts.pr",
        "watts.ei",   "watts.ri", "watts.er", "ohms.ei",      "ohms.ep",        "ohms.pi",
        "motor.amps", "motor.hp", "xformer",  "motordata",    "ground",         "ampacity",
        "voltdrop",   "conduit",  "boxfill",  "convert.temp", "convert.length", "convert.metric",
        "convert.cm", "circuit"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(FindCalculator("volts.xyz"), nullptr);
}

// What the framework builds a page from must be whole: every input named and labelled once,
// every choice with options that its opening and reset name, every result labelled.
TEST(Catalogue, EveryDescriptionIsComplete)
{
    for (const Calculator* calculator : AllCalculators()) {
        SCOPED_TRACE(std::string(calculator->name));
        EXPECT_FALSE(calculator->summary.empty());
        EXPECT_TRUE(calculator->compute);
        std::set<std::string_view> names;
        std::set<std::string> spoken;
        for (const Input& input : calculator->inputs) {
            EXPECT_TRUE(names.insert(input.name).second) << input.name;
            EXPECT_FALSE(input.label.empty()) << input.name;
            EXPECT_TRUE(spoken.insert(SpokenName(input.label, input.group)).second) << input.name;
            if (input.isField()) {
                EXPECT_TRUE(input.options.empty());
                EXPECT_LE(input.limits.lower, input.limits.upper);
            } else if (input.kind == InputKind::Collected) {
                EXPECT_TRUE(input.check) << input.name;
                EXPECT_EQ(input.check(input.opening), "") << input.name;
            } else if (input.kind == InputKind::Text) {
                // An empty text stands for the default, one of the options where there are any.
                EXPECT_TRUE(input.options.empty() || input.optionIndex(input.byDefault) >= 0)
                    << input.name;
            } else {
                EXPECT_GE(input.optionIndex(input.opening), 0) << input.name;
                if (input.reset) {
                    EXPECT_GE(input.optionIndex(*input.reset), 0) << input.name;
                }
            }
        }
        // A converter's fields are its results.
        ASSERT_TRUE(calculator->converts || !calculator->results.empty());
        std::set<std::string> resultNames;
        for (const Result& result : calculator->results) {
            EXPECT_TRUE(resultNames.insert(SpokenName(result.label, result.group)).second);
        }
        const Outcome opening = Evaluate(*calculator, OpeningValues(*calculator));
        EXPECT_EQ(opening.shown.size(), calculator->inputs.size());
        EXPECT_EQ(opening.results.size(), calculator->results.size());
        EXPECT_FALSE(opening.report.header.empty());
        // The conversions' report keeps the empty trailer it is made with.
        EXPECT_EQ(opening.report.trailer, calculator->converts ? "" : " ");
    }
}

TEST(Evaluate, CompletesWhatTheCalculationLeavesOut)
{
    // Rating, unit, phase, primary, secondary; only the rating given.
    const Outcome outcome = Evaluate(kTransformer, {{"10"}});
    EXPECT_EQ(outcome.shown, (std::vector<std::string>{"10", "watts", "1", "0", "0"}));
    EXPECT_EQ(outcome.labels,
              (std::vector<std::string>{"&Watts", "Watt/Kilo", "Phase", "&Voltage", "V&oltage"}));
    EXPECT_EQ(outcome.presence, std::vector<Presence>(5, Presence::Shown));
    ASSERT_EQ(outcome.results.size(), 2u);
    EXPECT_EQ(outcome.results[0].name, "Primary Amps");
    EXPECT_EQ(outcome.results[1].name, "Secondary Amps");
    EXPECT_EQ(outcome.results[1].label, "Amps");
    EXPECT_EQ(outcome.results[0].colour, kCyan);
}

TEST(Evaluate, ChoiceBeyondItsListKeepsItsOpening)
{
    const Outcome outcome = Evaluate(kMotorData, {{"", 25}, {"", -1}});
    EXPECT_EQ(outcome.shown, (std::vector<std::string>{"1/2", "230"}));
    EXPECT_EQ(outcome.results[0].text, "2");
}

TEST(Evaluate, HeldFieldsComeBackInsideTheirLimits)
{
    // Horse power, volts, efficiency, pf, phase (single).
    const Outcome outcome =
        Evaluate(*FindCalculator("motor.amps"), {{"5"}, {"230"}, {"5"}, {"150"}, {"", 1}});
    EXPECT_EQ(outcome.shown[2], "10");
    EXPECT_EQ(outcome.shown[3], "100");
    EXPECT_EQ(outcome.results[0].name, "Amps");
    // In DC the power factor reads 100 and is out of sight.
    const Outcome dc =
        Evaluate(*FindCalculator("motor.amps"), {{"5"}, {"230"}, {"90"}, {"50"}, {"", 0}});
    EXPECT_EQ(dc.shown[3], "100.");
    EXPECT_EQ(dc.presence[3], Presence::Hidden);
    EXPECT_EQ(dc.presence[2], Presence::Shown);
}

TEST(Transformer, RatingLabelAndPhaseFromTheChoices)
{
    const Outcome outcome = Evaluate(kTransformer, {{"10"}, {"", 1}, {"", 1}, {"480"}, {"208"}});
    EXPECT_EQ(outcome.labels[0], "&Kilo");
    EXPECT_EQ(outcome.shown[1], "kilo");
    EXPECT_EQ(outcome.shown[2], "3");
    EXPECT_EQ(outcome.results[0].text, "12.02848345");
    EXPECT_EQ(outcome.results[1].text, "27.75803873");
}

TEST(MotorData, RowAtTheChosenVoltage)
{
    const Outcome outcome = Evaluate(kMotorData, {{"", 19}, {"", 1}});
    std::vector<std::string> texts;
    std::vector<std::string> names;
    for (const ResultValue& result : outcome.results) {
        texts.push_back(result.text);
        names.push_back(result.name);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"180", "300", "5", "225", "0000"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Motor Amps", "Breaker", "Starter Size",
                                               "Heater Amp", "Wire Size"}));
    EXPECT_EQ(outcome.shown, (std::vector<std::string>{"150", "460"}));
}

TEST(Input, OptionsByNameInAnyCaseOrByPosition)
{
    EXPECT_EQ(kPhaseChoice.optionIndex("DC"), 0);
    EXPECT_EQ(kPhaseChoice.optionIndex("3"), 3);
    EXPECT_EQ(kPowerUnitChoice.optionIndex("Kilo"), 1);
    EXPECT_EQ(kPowerUnitChoice.optionIndex("1"), 1);
    EXPECT_EQ(kPowerUnitChoice.optionIndex("2"), -1);
    EXPECT_EQ(kPowerUnitChoice.optionIndex(""), -1);
    EXPECT_EQ(kPowerUnitChoice.optionIndex("99999999999999999999"), -1);
}

TEST(SpokenName, LabelWithoutMnemonicAfterItsGroup)
{
    EXPECT_EQ(SpokenName("&Voltage"), "Voltage");
    EXPECT_EQ(SpokenName("X   &PF"), "X PF");
    EXPECT_EQ(SpokenName("V&oltage", "Secondary"), "Secondary Voltage");
    EXPECT_EQ(SpokenName("Motor &Horsepower"), "Motor Horsepower");
    EXPECT_EQ(SpokenName("&460 "), "460");
}

}  // namespace
