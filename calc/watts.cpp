#include "watts.h"

#include "numbertext.h"

namespace tavo {

namespace {

std::string S(std::string_view text)
{
    return std::string(text);
}

// Kilo turns the result into kilowatts.
double UnitScale(PowerUnit unit)
{
    return unit == PowerUnit::Kilo ? 0.001 : 1.0;
}

}  // namespace

FormulaResult WattsFromVoltsAndAmps(std::string_view volts, std::string_view amps,
                                    std::string_view pf, PowerChoice power)
{
    const double v = ParseNumber(volts);
    const double a = ParseNumber(amps);
    const double m = ParseNumber(MultiplierText(power.phase));
    double watts = 0;
    if (v > 0 && a > 0) {
        watts = v * (a * (m * (ParseNumber(pf) * 0.01)));
    }
    FormulaResult result = MakeResult(watts * UnitScale(power.unit));
    result.report.header = "WATTS=VOLTS x AMPS" + PowerTermsHeader(power) + kHeaderEnd;
    result.report.body = result.text + "=" + S(volts) + " x " + S(amps) + PowerTermsBody(power, pf);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult WattsFromOhmsAndAmps(std::string_view ohms, std::string_view amps,
                                   std::string_view pf, PowerChoice power)
{
    const double r = ParseNumber(ohms);
    const double a = ParseNumber(amps);
    const double p = ParseNumber(pf) * 0.01;
    const double m = ParseNumber(MultiplierText(power.phase));
    double watts = 0;
    if (r > 0 && a > 0 && p > 0) {
        watts = r * (a * (a * (p * m)));
    }
    FormulaResult result = MakeResult(watts * UnitScale(power.unit));
    result.report.header = "WATTS=OHMS x AMPS ^ 2" + PowerTermsHeader(power) + kHeaderEnd;
    result.report.body =
        result.text + "=" + S(ohms) + " x " + S(amps) + " ^ 2 " + PowerTermsBody(power, pf);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult WattsFromVoltsAndOhms(std::string_view volts, std::string_view pf,
                                    std::string_view ohms, PowerChoice power)
{
    const double v = ParseNumber(volts);
    const double r = ParseNumber(ohms);
    const double p = ParseNumber(pf) * 0.01;
    const double m = ParseNumber(MultiplierText(power.phase));
    double watts = 0;
    if (r > 0 && v > 0 && p > 0) {
        watts = v * (v * (p * m)) / r;
    }
    FormulaResult result = MakeResult(watts * UnitScale(power.unit));
    result.report.header =
        "WATTS=(VOLTS ^ 2" + PowerTermsHeader(power) + ") " + kDivide + " OHMS" + kHeaderEnd;
    result.report.body = result.text + "=(" + S(volts) + " ^ 2 " + PowerTermsBody(power, pf) +
                         ") " + kDivide + " " + S(ohms);
    result.report.trailer = kTrailer;
    return result;
}

namespace {

constexpr FormulaInput kVoltsAmpsInputs[] = {
    {"volts", InputKind::Value, "0", "0"},
    {"amps", InputKind::Value, "0", "0"},
    {"pf", InputKind::PowerFactor, "100", "100"},
};

constexpr FormulaInput kOhmsAmpsInputs[] = {
    {"ohms", InputKind::Value, "0", "0"},
    {"amps", InputKind::Value, "0", "0"},
    {"pf", InputKind::PowerFactor, "100", "100"},
};

constexpr FormulaInput kVoltsOhmsInputs[] = {
    {"volts", InputKind::Value, "0", "0"},
    {"pf", InputKind::PowerFactor, "100", "100"},
    {"ohms", InputKind::Value, "0", "0"},
};

FormulaResult ComputeVoltsAmps(const std::vector<std::string>& t, PowerChoice power)
{
    return WattsFromVoltsAndAmps(t[0], t[1], t[2], power);
}

FormulaResult ComputeOhmsAmps(const std::vector<std::string>& t, PowerChoice power)
{
    return WattsFromOhmsAndAmps(t[0], t[1], t[2], power);
}

FormulaResult ComputeVoltsOhms(const std::vector<std::string>& t, PowerChoice power)
{
    return WattsFromVoltsAndOhms(t[0], t[1], t[2], power);
}

}  // namespace

const FormulaDefinition kWattsFromVoltsAndAmps{.id = "watts.ei",
                                               .tabLabel = "E*I",
                                               .resultName = "Watts",
                                               .usesPower = true,
                                               .inputs = kVoltsAmpsInputs,
                                               .compute = ComputeVoltsAmps,
                                               .resultNameFollowsUnit = true};
const FormulaDefinition kWattsFromOhmsAndAmps{.id = "watts.ri",
                                              .tabLabel = "R*I",
                                              .resultName = "Watts",
                                              .usesPower = true,
                                              .inputs = kOhmsAmpsInputs,
                                              .compute = ComputeOhmsAmps,
                                              .resultNameFollowsUnit = true};
const FormulaDefinition kWattsFromVoltsAndOhms{.id = "watts.er",
                                               .tabLabel = "E/R",
                                               .resultName = "Watts",
                                               .usesPower = true,
                                               .inputs = kVoltsOhmsInputs,
                                               .compute = ComputeVoltsOhms,
                                               .resultNameFollowsUnit = true};

}  // namespace tavo
