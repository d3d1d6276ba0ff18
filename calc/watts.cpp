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

const Calculator kWattsFromVoltsAndAmps = Formula({
    .name = "watts.ei",
    .summary = "Watts from volts and amps (E*I)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("volts", "&Voltage", "0", "0"), FormulaField("amps", "&Amps", "0", "0"),
               PowerFactorField("&PF", "100", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return WattsFromVoltsAndAmps(t[0], t[1], t[2], power); },
});

const Calculator kWattsFromOhmsAndAmps = Formula({
    .name = "watts.ri",
    .summary = "Watts from ohms and amps (R*I)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("ohms", "&Ohms", "0", "0"), FormulaField("amps", "&Amps²", "0", "0"),
               PowerFactorField("&PF", "100", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return WattsFromOhmsAndAmps(t[0], t[1], t[2], power); },
});

const Calculator kWattsFromVoltsAndOhms = Formula({
    .name = "watts.er",
    .summary = "Watts from volts and ohms (E/R)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("volts", "&Voltage²", "0", "0"),
               PowerFactorField("X   &PF", "100", "100"), FormulaField("ohms", "&Ohms", "0", "0")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return WattsFromVoltsAndOhms(t[0], t[1], t[2], power); },
});

}  // namespace tavo
