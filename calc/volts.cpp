#include "volts.h"

#include "numbertext.h"

#include <cmath>

namespace tavo {

namespace {

std::string S(std::string_view text)
{
    return std::string(text);
}

}  // namespace

FormulaResult VoltsFromOhmsAndAmps(std::string_view ohms, std::string_view amps)
{
    const double r = ParseNumber(ohms);
    const double a = ParseNumber(amps);
    FormulaResult result = MakeResult(a > 0 && r > 0 ? r * a : 0);
    result.report.header = "VOLTS=OHMS x AMPS" + kHeaderEnd;
    result.report.body = result.text + "=" + S(ohms) + "x" + S(amps);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult VoltsFromWattsAndAmps(std::string_view watts, std::string_view amps,
                                    std::string_view pf, PowerChoice power)
{
    const double w = ParseNumber(watts);
    const double a = ParseNumber(amps);
    const double p = ParseNumber(pf);
    const double m = ParseNumber(MultiplierText(power.phase));
    double volts = 0;
    if (w > 0 && a > 0 && p > 0) {
        volts = (w * KiloFactor(power.unit)) / (p * 0.01 * m * a);
    }
    FormulaResult result = MakeResult(volts);
    result.report.header =
        "VOLTS=WATTS " + kDivide + " (AMPS" + PowerTermsHeader(power) + ")" + kHeaderEnd;
    result.report.body = result.text + "=" + S(watts) + " " + kDivide + " (" + S(amps) +
                         PowerTermsBody(power, pf) + ")";
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult VoltsFromWattsAndOhms(std::string_view watts, std::string_view ohms,
                                    std::string_view pf, PowerChoice power)
{
    const double w = ParseNumber(watts);
    const double r = ParseNumber(ohms);
    const double p = ParseNumber(pf) * 0.01;
    const std::string multiplier = MultiplierText(power.phase);
    const double m = ParseNumber(multiplier);
    double volts = 0;
    if (w > 0 && r > 0 && p > 0) {
        volts = std::sqrt(r * (w * KiloFactor(power.unit)) / (p * m));
    }
    FormulaResult result = MakeResult(volts);
    // Each phase level writes this report its own way.
    const std::string product = S(watts) + " x " + S(ohms);
    switch (PhaseLevel(power.phase)) {
    case 0:
        result.report.header = "VOLTS=SQUARE ROOT OF(WATTS x OHMS)";
        result.report.body = result.text + "= Square Root Of(" + product + ")";
        break;
    case 1:
        result.report.header = "VOLTS=SQUARE ROOT OF((WATTS x OHMS) " + kDivide + " PF)";
        result.report.body =
            result.text + "= Square Root Of((" + product + ") " + kDivide + " " + S(pf) + ")";
        break;
    default:
        result.report.header =
            "VOLTS=SQUARE ROOT OF((WATTS x OHMS) " + kDivide + " (PF x " + multiplier + "))";
        result.report.body = result.text + "= Square Root Of((" + product + ") " + kDivide + " (" +
                             S(pf) + " x " + multiplier + "))";
        break;
    }
    result.report.header += kHeaderEnd;
    result.report.trailer = kTrailer;
    return result;
}

const Calculator kVoltsFromOhmsAndAmps = Formula({
    .name = "volts.rxi",
    .summary = "Volts from ohms and amps (RxI)",
    .result = "Volts",
    .fields = {FormulaField("ohms", "&Ohms", "0", "0"), FormulaField("amps", "&Amps", "0", "0")},
    .arithmetic = [](const FieldTexts& t, PowerChoice) { return VoltsFromOhmsAndAmps(t[0], t[1]); },
});

const Calculator kVoltsFromWattsAndAmps = Formula({
    .name = "volts.pi",
    .summary = "Volts from watts and amps (P/I)",
    .result = "Volts",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0.", "0"), FormulaField("amps", "&Amps", "0.", "0"),
               PowerFactorField("X   &PF", "100.", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return VoltsFromWattsAndAmps(t[0], t[1], t[2], power); },
});

const Calculator kVoltsFromWattsAndOhms = Formula({
    .name = "volts.pr",
    .summary = "Volts from watts and ohms (P*R)",
    .result = "Volts",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("ohms", "&Ohms", "0", "0"),
               PowerFactorField("&PF", "100", std::nullopt)},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return VoltsFromWattsAndOhms(t[0], t[1], t[2], power); },
});

}  // namespace tavo
