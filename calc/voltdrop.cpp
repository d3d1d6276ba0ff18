#include "voltdrop.h"

#include "numbertext.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace tavo {

namespace VoltDropCalculator {

namespace {

constexpr auto kDcSizes = OptionsOf(std::array<std::string_view, 36>{
    "# 18 Solid", "# 18 Strand", "# 16 Solid", "# 16 Strand", "# 14 Solid", "# 14 Strand",
    "# 12 Solid", "# 12 Strand", "# 10 Solid", "# 10 Strand", "# 8 Solid",  "# 8 Strand",
    "# 6",        "# 4",         "# 3",        "# 2",         "# 1",        "0",
    "00",         "000",         "0000",       "250 Mill",    "300 Mill",   "350 Mill",
    "400 Mill",   "500 Mill",    "600 Mill",   "700 Mill",    "750 Mill",   "800 Mill",
    "900 Mill",   "1000 Mill",   "1250 Mill",  "1500 Mill",   "1750 Mill",  "2000 Mill",
});

// The copper AC sizes; the aluminum ones are the same without "# 14".
constexpr auto kAcSizes = OptionsOf(std::array<std::string_view, 21>{
    "# 14",     "# 12",     "# 10",     "# 8",      "# 6",      "# 4",      "# 3",
    "# 2",      "# 1",      "0",        "00",       "000",      "0000",     "250 Mill",
    "300 Mill", "350 Mill", "400 Mill", "500 Mill", "600 Mill", "750 Mill", "1000 Mill",
});

constexpr Option kDcConductors[] = {{"Uncoated Copper"}, {"Coated Copper"}, {"Aluminum"}};
constexpr Option kAcConductors[] = {{"Uncoated Copper"}, {"Aluminum"}};
constexpr Option kConduits[] = {{"PVC"}, {"Aluminum"}, {"Steel"}};
constexpr Option kModes[] = {{"dc", "&DC"}, {"1", "&1 Phase"}, {"3", "&3 Phase"}};

using Row = std::array<double, 3>;

// Ohms per 1000 feet at 75 degrees: uncoated copper, coated copper, aluminum.
constexpr std::array<Row, 36> kDcResistance = {{
    {7.77, 8.08, 12.8},         {7.95, 8.45, 13.1},         {4.89, 5.08, 8.05},
    {4.99, 5.29, 8.21},         {3.07, 3.19, 5.06},         {3.14, 3.26, 5.17},
    {1.93, 2.01, 3.18},         {1.98, 2.05, 3.25},         {1.21, 1.26, 2.0},
    {1.24, 1.29, 2.04},         {0.764, 0.786, 1.26},       {0.778, 0.809, 1.28},
    {0.491, 0.51, 0.808},       {0.308, 0.321, 0.508},      {0.245, 0.254, 0.403},
    {0.194, 0.201, 0.319},      {0.154, 0.16, 0.253},       {0.122, 0.127, 0.201},
    {0.0967, 0.101, 0.159},     {0.0766, 0.0797, 0.126},    {0.0608, 0.0626, 0.1},
    {0.0515, 0.0535, 0.0847},   {0.0429, 0.0446, 0.0707},   {0.0367, 0.0382, 0.0605},
    {0.0321, 0.0331, 0.0529},   {0.0258, 0.0265, 0.0424},   {0.0214, 0.0223, 0.0353},
    {0.0184, 0.0189, 0.0303},   {0.0171, 0.0176, 0.0282},   {0.0161, 0.0166, 0.0265},
    {0.0143, 0.0147, 0.0235},   {0.0129, 0.0132, 0.0212},   {0.0103, 0.0106, 0.0169},
    {0.00858, 0.00883, 0.0141}, {0.00735, 0.00756, 0.0121}, {0.00643, 0.00662, 0.0106},
}};

// AC ohms per 1000 feet in PVC, aluminum and steel conduit.
constexpr std::array<Row, 21> kCopperAcResistance = {{
    {3.1, 3.1, 3.1},       {2.0, 2.0, 2.0},       {1.2, 1.2, 1.2},       {0.78, 0.78, 0.78},
    {0.49, 0.49, 0.49},    {0.31, 0.31, 0.31},    {0.25, 0.25, 0.25},    {0.19, 0.2, 0.2},
    {0.15, 0.16, 0.16},    {0.12, 0.13, 0.12},    {0.1, 0.1, 0.1},       {0.077, 0.082, 0.079},
    {0.062, 0.067, 0.063}, {0.052, 0.057, 0.054}, {0.044, 0.049, 0.045}, {0.038, 0.043, 0.039},
    {0.033, 0.038, 0.035}, {0.027, 0.032, 0.029}, {0.023, 0.028, 0.025}, {0.019, 0.024, 0.021},
    {0.015, 0.019, 0.018},
}};

constexpr std::array<Row, 20> kAluminumAcResistance = {{
    {3.2, 3.2, 3.2},       {2.0, 2.0, 2.0},       {1.3, 1.3, 1.3},       {0.81, 0.81, 0.81},
    {0.51, 0.51, 0.51},    {0.4, 0.41, 0.4},      {0.32, 0.32, 0.32},    {0.25, 0.26, 0.25},
    {0.2, 0.21, 0.2},      {0.16, 0.16, 0.16},    {0.13, 0.13, 0.13},    {0.1, 0.11, 0.1},
    {0.085, 0.09, 0.086},  {0.071, 0.076, 0.072}, {0.061, 0.066, 0.063}, {0.054, 0.059, 0.055},
    {0.043, 0.048, 0.045}, {0.036, 0.041, 0.038}, {0.029, 0.034, 0.031}, {0.023, 0.027, 0.025},
}};

// Ohms per 1000 feet by the copper AC sizes: PVC or aluminum conduit, steel conduit.
constexpr std::array<std::array<double, 2>, 21> kReactance = {{
    {0.058, 0.073}, {0.054, 0.068}, {0.05, 0.063},  {0.052, 0.065}, {0.051, 0.064}, {0.048, 0.06},
    {0.047, 0.059}, {0.045, 0.057}, {0.046, 0.057}, {0.044, 0.055}, {0.043, 0.054}, {0.042, 0.052},
    {0.041, 0.051}, {0.041, 0.052}, {0.041, 0.051}, {0.04, 0.05},   {0.04, 0.049},  {0.039, 0.048},
    {0.039, 0.048}, {0.038, 0.048}, {0.037, 0.046},
}};

template <typename Table>
double Cell(const Table& table, int row, int column)
{
    const bool inside =
        row >= 0 && row < int(table.size()) && column >= 0 && column < int(table.front().size());
    return inside ? table[size_t(row)][size_t(column)] : 0;
}

// Resistances this small are no resistance.
double Tiny(double ohms)
{
    return ohms < 0.0000001 ? 0 : ohms;
}

}  // namespace

std::span<const Option> ConductorList(Mode mode)
{
    return mode == Mode::DC ? std::span<const Option>(kDcConductors)
                            : std::span<const Option>(kAcConductors);
}

std::span<const Option> SizeList(Mode mode, int conductor)
{
    if (mode == Mode::DC) {
        return kDcSizes;
    }
    return conductor == kAcAluminum ? std::span(kAcSizes).subspan(1) : std::span(kAcSizes);
}

double DcResistance(int size, int conductor)
{
    return Cell(kDcResistance, size, conductor);
}

double AcResistance(int size, int conduit, bool aluminum)
{
    return aluminum ? Cell(kAluminumAcResistance, size, conduit)
                    : Cell(kCopperAcResistance, size, conduit);
}

double Reactance(int row, int column)
{
    return Cell(kReactance, row, column);
}

Drops Compute(const Inputs& in)
{
    Drops drops;
    if (in.length > 0) {
        if (in.mode == Mode::DC) {
            const double alpha = in.conductor == kDcAluminum ? 0.0033 : 0.00323;
            const double r =
                Tiny(DcResistance(in.size, in.conductor) * (1 + alpha * (in.temperature - 75)));
            drops.neutral = in.amps * in.length * r * 2 * 0.001;
        } else {
            const bool aluminum = in.conductor == kAcAluminum;
            const double r = AcResistance(in.size, in.conduit, aluminum);
            // The aluminum sizes start one row later than the reactance table.
            const double x = Reactance(in.size + (aluminum ? 1 : 0), in.conduit == kSteel ? 1 : 0);
            const double theta = std::acos(in.powerFactor / 100);
            const double z = Tiny(r * std::cos(theta) + x * std::sin(theta));
            drops.neutral = in.length * 0.001 * in.amps * z;
        }
    }
    // A single-phase circuit's current goes out on one conductor and back on the other.
    const double factor = in.mode == Mode::ThreePhase    ? 1.732
                          : in.mode == Mode::SinglePhase ? 2
                                                         : 1;
    drops.line = drops.neutral * factor;
    drops.neutral = std::max(drops.neutral, 0.0);
    drops.line = std::max(drops.line, 0.0);
    if (drops.neutral > 0 && in.volts > 0 && drops.line != 0) {
        drops.percentNeutral = drops.neutral / in.volts * 100;
        drops.percentLine = drops.line / in.volts * 100;
    }
    drops.lowest = in.volts - std::max(drops.neutral, drops.line);
    return drops;
}

}  // namespace VoltDropCalculator

namespace {

using namespace VoltDropCalculator;

enum Index : size_t {
    kMode,
    kConductor,
    kSize,
    kConduit,
    kLength,
    kAmps,
    kPowerFactor,
    kTemperature,
    kVolts,
};

Mode ModeOf(const InputValues& values)
{
    return static_cast<Mode>(values[kMode].choice);
}

std::span<const Option> ConductorsFor(const InputValues& values)
{
    return ConductorList(ModeOf(values));
}

std::span<const Option> SizesFor(const InputValues& values)
{
    return SizeList(ModeOf(values), values[kConductor].choice);
}

constexpr Trigger kModeChanged[] = {{"mode"}};
constexpr Trigger kModeOrConductorChanged[] = {{"mode"}, {"conductor"}};
constexpr Trigger kDcChosen[] = {{"mode", "dc"}};

Input Field(std::string_view name, std::string_view label, std::string_view opening)
{
    return {.name = name, .label = label, .opening = opening, .reset = opening, .held = true};
}

std::string Decimals(double value)
{
    return FormatDecimals(value, 5);
}

Outcome ComputeVoltDrop(const InputValues& values)
{
    Inputs in;
    in.mode = ModeOf(values);
    in.size = values[kSize].choice;
    in.conduit = values[kConduit].choice;
    in.conductor = values[kConductor].choice;
    in.length = ParseNumber(values[kLength].text);
    in.amps = ParseNumber(values[kAmps].text);
    in.volts = ParseNumber(values[kVolts].text);
    in.powerFactor = ParseNumber(values[kPowerFactor].text);
    in.temperature = ParseNumber(values[kTemperature].text);
    const Drops drops = Compute(in);
    const bool dc = in.mode == Mode::DC;

    Outcome outcome;
    outcome.presence.assign(kVolts + 1, Presence::Shown);
    outcome.presence[kConduit] = dc ? Presence::Disabled : Presence::Shown;
    outcome.presence[kPowerFactor] = dc ? Presence::Disabled : Presence::Shown;
    outcome.presence[kTemperature] = dc ? Presence::Shown : Presence::Disabled;
    const auto percent = [](double value, bool warn) {
        return ResultValue{.text = Decimals(value),
                           .colour = warn ? kRed : kCyan,
                           .number = value,
                           .warning = warn ? "above 3 per cent" : ""};
    };
    std::vector<ResultValue>& results = outcome.results;
    results.reserve(5);
    if (dc) {
        results.push_back({.text = "NA"});
        results.push_back({.text = "NA"});
    } else {
        results.push_back({.text = Decimals(drops.line), .number = drops.line});
        results.push_back(percent(drops.percentLine, drops.percentLine > 3));
    }
    results.push_back(
        {.text = Decimals(drops.neutral), .label = dc ? "Volt Drop" : "", .number = drops.neutral});
    results.push_back(percent(drops.percentNeutral, drops.percentNeutral > 3));
    results.back().label = dc ? "% Volt Drop" : "";
    results.push_back({.text = FormatDecimalsSigned(drops.lowest, 5), .number = drops.lowest});

    const std::string_view phase = dc ? "DC" : in.mode == Mode::ThreePhase ? "3" : "1";
    std::string& body = outcome.report.body;
    body.reserve(160);
    for (const std::string_view part :
         {std::string_view("PHASE="), phase, std::string_view(" VOLTS="),
          std::string_view(values[kVolts].text), std::string_view(" WIRE="),
          ConductorsFor(values)[size_t(in.conductor)].name, std::string_view(" LENGTH="),
          std::string_view(values[kLength].text), std::string_view(" AMPS="),
          std::string_view(values[kAmps].text), std::string_view(" SIZE="),
          SizesFor(values)[size_t(in.size)].name, std::string_view(" LOWEST="),
          std::string_view(results.back().text)}) {
        body += part;
    }
    outcome.report.header = "VOLTAGE DROP";
    outcome.report.trailer = kTrailer;
    return outcome;
}

}  // namespace

const Calculator kVoltDrop{
    .name = "voltdrop",
    .summary = "Voltage drop along a run, in DC, single or three phase",
    .inputs = {{.name = "mode",
                .kind = InputKind::OneOf,
                .label = "AC/DC",
                .opening = "1",
                .reset = "1",
                .options = kModes},
               {.name = "conductor",
                .kind = InputKind::Choice,
                .label = "Conductor T&ype",
                .opening = kAcConductors[0].name,
                .reset = kAcConductors[0].name,
                .options = kAcConductors,
                .optionsFor = ConductorsFor,
                .resetBy = kModeChanged},
               {.name = "size",
                .kind = InputKind::Choice,
                .label = "Conductor &Size",
                .opening = kAcSizes[0].name,
                .reset = kAcSizes[0].name,
                .options = kAcSizes,
                .optionsFor = SizesFor,
                .resetBy = kModeOrConductorChanged},
               // Reset leaves the conduit as it is.
               {.name = "conduit",
                .kind = InputKind::Choice,
                .label = "Cond&uit Type",
                .opening = kConduits[0].name,
                .options = kConduits},
               Field("length", "&Length In Feet", "20"),
               Field("amps", "&Amps", "10"),
               {.name = "pf",
                .kind = InputKind::Percent,
                .label = "&PF",
                .opening = "85",
                .reset = "85",
                .limits = {100, 30, false}},
               {.name = "temperature",
                .label = "&Temperature",
                .opening = "75",
                .reset = "75",
                .held = true,
                .resetBy = kDcChosen},
               Field("volts", "&Voltage", "230")},
    .results = {{.label = "Line To Line", .coloured = true},
                {.label = "% Line Volt Drop", .coloured = true},
                {.label = "Line To Neutral", .coloured = true},
                {.label = "% Neutral Volt Drop", .coloured = true},
                {.label = "Lowest Voltage", .coloured = true}},
    .compute = ComputeVoltDrop,
};

}  // namespace tavo
