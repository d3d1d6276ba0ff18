#include "amps.h"

#include "numbertext.h"

#include <cmath>

namespace tavo {

FormulaResult AmpsFromVoltsAndOhms(std::string_view volts, std::string_view ohms)
{
    const double v = ParseNumber(volts);
    const double r = ParseNumber(ohms);
    FormulaResult result = MakeResult(v > 0 && r > 0 ? v / r : 0);
    result.report.header = "AMPS=VOLTS " + kDivide + " OHMS" + kHeaderEnd;
    result.report.body =
        result.text + "=" + std::string(volts) + " " + kDivide + " " + std::string(ohms);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult AmpsFromWattsAndVolts(std::string_view watts, std::string_view volts,
                                    std::string_view pf, PowerChoice power)
{
    const double w = ParseNumber(watts);
    const double v = ParseNumber(volts);
    const double m = ParseNumber(MultiplierText(power.phase));
    double amps = 0;
    if (w > 0 && v > 0) {
        const double divisor = v * (m * (ParseNumber(pf) * 0.01));
        amps = (w * KiloFactor(power.unit)) / divisor;
    }
    FormulaResult result = MakeResult(amps);
    result.report.header =
        "AMPS=WATTS " + kDivide + " (VOLTS" + PowerTermsHeader(power) + ")" + kHeaderEnd;
    result.report.body = result.text + "=" + std::string(watts) + " " + kDivide + " (" +
                         std::string(volts) + PowerTermsBody(power, pf) + ")";
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult AmpsFromWattsAndOhms(std::string_view watts, std::string_view ohms,
                                   std::string_view pf, PowerChoice power)
{
    const double w = ParseNumber(watts);
    const double r = ParseNumber(ohms);
    const double p = ParseNumber(pf) * 0.01;
    const double m = ParseNumber(MultiplierText(power.phase));
    double amps = 0;
    if (r > 0 && w > 0 && p > 0) {
        amps = std::sqrt((w * KiloFactor(power.unit)) / (r * (p * m)));
    }
    FormulaResult result = MakeResult(amps);
    result.report.header = "AMPS=SQUARE ROOT OF (WATTS " + kDivide + " (OHMS" +
                           PowerTermsHeader(power) + "))" + kHeaderEnd;
    result.report.body = result.text + "=Square Root Of (" + std::string(watts) + " " + kDivide +
                         " (" + std::string(ohms) + PowerTermsBody(power, pf) + "))";
    result.report.trailer = kTrailer;
    return result;
}

namespace {

constexpr FormulaInput kVoltsOhmsInputs[] = {
    {"volts", InputKind::Value, "0.", "0"},
    {"ohms", InputKind::Value, "0.", "0"},
};

constexpr FormulaInput kWattsVoltsInputs[] = {
    {"watts", InputKind::Value, "0.", "0"},
    {"volts", InputKind::Value, "0.", "0"},
    {"pf", InputKind::PowerFactor, "100.", "100"},
};

constexpr FormulaInput kWattsOhmsInputs[] = {
    {"watts", InputKind::Value, "0", "0"},
    {"ohms", InputKind::Value, "0", "0"},
    {"pf", InputKind::PowerFactor, "100", std::nullopt},
};

FormulaResult ComputeVoltsOhms(const std::vector<std::string>& t, PowerChoice)
{
    return AmpsFromVoltsAndOhms(t[0], t[1]);
}

FormulaResult ComputeWattsVolts(const std::vector<std::string>& t, PowerChoice power)
{
    return AmpsFromWattsAndVolts(t[0], t[1], t[2], power);
}

FormulaResult ComputeWattsOhms(const std::vector<std::string>& t, PowerChoice power)
{
    return AmpsFromWattsAndOhms(t[0], t[1], t[2], power);
}

}  // namespace

const FormulaDefinition kAmpsFromVoltsAndOhms{.id = "amps.er",
                                              .tabLabel = "E/R",
                                              .resultName = "Amps",
                                              .usesPower = false,
                                              .inputs = kVoltsOhmsInputs,
                                              .compute = ComputeVoltsOhms};
const FormulaDefinition kAmpsFromWattsAndVolts{.id = "amps.pe",
                                               .tabLabel = "P/E",
                                               .resultName = "Amps",
                                               .usesPower = true,
                                               .inputs = kWattsVoltsInputs,
                                               .compute = ComputeWattsVolts};
const FormulaDefinition kAmpsFromWattsAndOhms{.id = "amps.pr",
                                              .tabLabel = "P/R",
                                              .resultName = "Amps",
                                              .usesPower = true,
                                              .inputs = kWattsOhmsInputs,
                                              .compute = ComputeWattsOhms};

}  // namespace tavo
