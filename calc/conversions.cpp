#include "conversions.h"

#include "numbertext.h"

#include <algorithm>
#include <limits>

namespace tavo {

namespace ConversionsCalculator {

double CelsiusOf(double fahrenheit)
{
    return (fahrenheit - 32) * 0.5555555555555556;
}

double FahrenheitOf(double celsius)
{
    return celsius * 1.8 + 32;
}

Lengths ConvertLength(LengthUnit from, double value)
{
    switch (from) {
    case LengthUnit::Mils:
        return {value, value * 0.025400050800101603, value * 0.001};
    case LengthUnit::Millimeters:
        return {value * 39.37, value, value * 0.03937};
    case LengthUnit::Inches:
        break;
    }
    return {value * 1000, value * 25.4, value};
}

double ConvertMetric(int pair, Side from, double value)
{
    if (pair < 0 || pair >= int(kMetricPairs.size())) {
        return 0;
    }
    const MetricPair& units = kMetricPairs[size_t(pair)];
    return value * (from == Side::Left ? units.leftToRight : units.rightToLeft);
}

double CircularMils(double diameter)
{
    return diameter * diameter;
}

double BusBarCircularMils(double width, double thickness)
{
    const double area = width * thickness;
    return area > 0 ? area * 1.2732365673542145 : 0;
}

std::string TemperatureText(double degrees)
{
    return FormatDecimalsSigned(degrees, 3);
}

std::string ValueText(double value)
{
    return FormatDecimals(value, 3);
}

namespace {

// What each group puts in the page's report, as the page opens until the group computes.
struct GroupTexts
{
    std::string fahrenheit = "0";
    std::string celsius = "0";
    std::string mils = "0";
    std::string millimeters = "0";
    std::string inches = "0";
    std::string leftName = "Inches";
    std::string left = FormatNumber(0);
    std::string rightName = "Millimeters";
    std::string right = FormatNumber(0);
    std::string round = "0";
    std::string bar = "0";
};

ReportLines Report(const GroupTexts& t)
{
    return {"CONVERT ",
            "F=" + t.fahrenheit + " C=" + t.celsius + " " + t.leftName + "=" + t.left + " " +
                t.rightName + "=" + t.right + " Mils=" + t.mils + " MM=" + t.millimeters +
                " In.=" + t.inches + " Rnd=" + t.round + " Bar=" + t.bar,
            ""};
}

// What each group's outcome puts in the report.
void TemperatureTexts(GroupTexts& t, const Outcome& o)
{
    t.fahrenheit = o.shown[0];
    t.celsius = o.shown[1];
}

void LengthTexts(GroupTexts& t, const Outcome& o)
{
    t.mils = o.shown[0];
    t.millimeters = o.shown[1];
    t.inches = o.shown[2];
}

void MetricTexts(GroupTexts& t, const Outcome& o)
{
    t.leftName = o.results[0].text;
    t.left = o.shown[1];
    t.rightName = o.results[1].text;
    t.right = o.shown[2];
}

void CircularMilTexts(GroupTexts& t, const Outcome& o)
{
    t.round = o.results[0].text;
    t.bar = o.results[1].text;
}

// A group's outcome with its report: its own texts, the other groups' as the page opens.
Outcome Reported(Outcome outcome, void (*texts)(GroupTexts&, const Outcome&))
{
    GroupTexts all;
    texts(all, outcome);
    outcome.report = Report(all);
    return outcome;
}

// The field the user set last, or -1.
int Source(const InputValues& values)
{
    for (size_t i = 0; i < values.size(); ++i) {
        if (values[i].edited != Edited::No) {
            return int(i);
        }
    }
    return -1;
}

bool Stepped(const InputValues& values, int source)
{
    return source >= 0 && values[size_t(source)].edited == Edited::Stepped;
}

constexpr double kNoUpper = std::numeric_limits<double>::max();
constexpr StepLimits kNotBelowZero{kNoUpper, 0, true};

Input Box(std::string_view name, std::string_view label, StepLimits limits = kNotBelowZero)
{
    return {.name = name, .label = label, .opening = "0", .reset = "0", .limits = limits};
}

Outcome ComputeTemperature(const InputValues& values)
{
    Outcome outcome;
    outcome.shown = {values[0].text, values[1].text};
    const int source = Source(values);
    if (source == 0) {
        const double f = ParseNumber(values[0].text);
        const double held = Stepped(values, source) ? std::clamp(f, -459.0, 100000.0)
                                                    : std::clamp(f, -459.4, 100000.0);
        if (Stepped(values, source)) {
            outcome.shown[0] = TemperatureText(held);
        }
        outcome.shown[1] = TemperatureText(CelsiusOf(held));
    } else if (source == 1) {
        const double c = std::clamp(ParseNumber(values[1].text), -273.0, 100000.0);
        if (Stepped(values, source)) {
            outcome.shown[1] = TemperatureText(c);
        }
        outcome.shown[0] = TemperatureText(FahrenheitOf(c));
    }
    return Reported(outcome, TemperatureTexts);
}

Outcome ComputeLengths(const InputValues& values)
{
    Outcome outcome;
    outcome.shown = {values[0].text, values[1].text, values[2].text};
    const int source = Source(values);
    if (source >= 0) {
        const Lengths lengths = ConvertLength(static_cast<LengthUnit>(source),
                                              ParseNumber(values[size_t(source)].text));
        const std::string converted[3] = {ValueText(lengths.mils), ValueText(lengths.millimeters),
                                          ValueText(lengths.inches)};
        for (int i = 0; i < 3; ++i) {
            if (i != source || Stepped(values, source)) {
                outcome.shown[size_t(i)] = converted[i];
            }
        }
    }
    return Reported(outcome, LengthTexts);
}

Outcome ComputeMetric(const InputValues& values)
{
    const int pair = values[0].choice;
    const MetricPair& units = kMetricPairs[size_t(pair)];
    Outcome outcome;
    outcome.shown = {std::string(units.list), values[1].text, values[2].text};
    const int source = Source(values);
    if (source == 1 || source == 2) {
        const Side from = source == 1 ? Side::Left : Side::Right;
        const double value = ParseNumber(values[size_t(source)].text);
        outcome.shown[from == Side::Left ? 2 : 1] = ValueText(ConvertMetric(pair, from, value));
        if (Stepped(values, source)) {
            outcome.shown[size_t(source)] = ValueText(value);
        }
    }
    outcome.results = {{.text = std::string(units.left)}, {.text = std::string(units.right)}};
    return Reported(outcome, MetricTexts);
}

Outcome ComputeCircularMils(const InputValues& values)
{
    Outcome outcome;
    outcome.shown = {values[0].text, values[1].text, values[2].text};
    const int source = Source(values);
    if (Stepped(values, source)) {
        outcome.shown[size_t(source)] = ValueText(ParseNumber(values[size_t(source)].text));
    }
    const double round = CircularMils(ParseNumber(values[0].text));
    const double bar = BusBarCircularMils(ParseNumber(values[1].text), ParseNumber(values[2].text));
    outcome.results = {{.text = ValueText(round), .number = round},
                       {.text = ValueText(bar), .number = bar}};
    return Reported(outcome, CircularMilTexts);
}

constexpr auto kPairOptions = [] {
    std::array<Option, kMetricPairs.size()> options{};
    for (size_t i = 0; i < kMetricPairs.size(); ++i) {
        options[i] = {kMetricPairs[i].list};
    }
    return options;
}();

}  // namespace

ReportLines ConversionReport(const Outcome& temperature, const Outcome& lengths,
                             const Outcome& metric, const Outcome& circularMils)
{
    GroupTexts texts;
    TemperatureTexts(texts, temperature);
    LengthTexts(texts, lengths);
    MetricTexts(texts, metric);
    CircularMilTexts(texts, circularMils);
    return Report(texts);
}

}  // namespace ConversionsCalculator

using namespace ConversionsCalculator;

const Calculator kConvertTemperature{
    .name = "convert.temp",
    .summary = "Fahrenheit and Celsius, from the one given",
    .converts = true,
    .inputs = {Box("f", "Temp &F", {100000, -459, false}),
               Box("c", "Temp &C", {100000, -273, false})},
    .compute = ComputeTemperature,
};

const Calculator kConvertLength{
    .name = "convert.length",
    .summary = "Mils, millimeters and inches, from the one given",
    .converts = true,
    .inputs = {Box("mils", "Mil&s"), Box("mm", "Millim&eter"), Box("inches", "&Inches")},
    .compute = ComputeLengths,
};

const Calculator kConvertMetric{
    .name = "convert.metric",
    .summary = "Eight unit pairs, from the side given",
    .converts = true,
    .inputs = {ListInput("pair", "Select C&onversion", kPairOptions),
               {.name = "left",
                .label = "&Left Value",
                .opening = "0.",
                .reset = "0.",
                .limits = kNotBelowZero},
               {.name = "right",
                .label = "&Right Value",
                .opening = "0.",
                .reset = "0.",
                .limits = kNotBelowZero}},
    .results = {{.label = "Left Unit"}, {.label = "Right Unit"}},
    .compute = ComputeMetric,
};

const Calculator kConvertCircularMils{
    .name = "convert.cm",
    .summary = "Circular mils of a round conductor and of a bus bar",
    .converts = true,
    .inputs = {Box("diameter", "&Diameter (Mills)"), Box("width", "&Width (Mils)"),
               Box("thickness", "T&hickness (Mils)")},
    .results = {{.label = "CM Round"}, {.label = "CM Bus Bar"}},
    .compute = ComputeCircularMils,
};

}  // namespace tavo
