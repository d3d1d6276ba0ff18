#include "resistance.h"

#include "numbertext.h"

namespace tavo {

namespace {

std::string S(std::string_view text)
{
    return std::string(text);
}

}  // namespace

FormulaResult OhmsFromVoltsAndAmps(std::string_view volts, std::string_view amps)
{
    const double v = ParseNumber(volts);
    const double a = ParseNumber(amps);
    FormulaResult result = MakeResult(v > 0 && a > 0 ? v / a : 0);
    result.report.header = "OHMS=VOLTS " + kDivide + " AMPS" + kHeaderEnd;
    result.report.body = result.text + "=" + S(volts) + kDivide + S(amps);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult OhmsFromVoltsAndWatts(std::string_view volts, std::string_view pf,
                                    std::string_view watts, PowerChoice power)
{
    const double v = ParseNumber(volts);
    const double w = ParseNumber(watts);
    const double p = ParseNumber(pf) * 0.01;
    const double m = ParseNumber(MultiplierText(power.phase));
    double ohms = 0;
    if (w > 0 && v > 0 && p > 0) {
        ohms = v * v * p * m / (w * KiloFactor(power.unit));
    }
    FormulaResult result = MakeResult(ohms);
    result.report.header =
        "OHMS=(VOLTS^2 " + PowerTermsHeader(power) + ")" + kDivide + " WATTS" + kHeaderEnd;
    result.report.body = result.text + "= (" + S(volts) + "^2 " + PowerTermsBody(power, pf) + ") " +
                         kDivide + " " + S(watts);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult OhmsFromWattsAndAmps(std::string_view watts, std::string_view amps,
                                   std::string_view pf, PowerChoice power)
{
    const double w = ParseNumber(watts);
    const double a = ParseNumber(amps);
    const double p = ParseNumber(pf) * 0.01;
    const double m = ParseNumber(MultiplierText(power.phase));
    double ohms = 0;
    if (w > 0 && a > 0 && p > 0) {
        ohms = (w * KiloFactor(power.unit)) / (a * a * m * p);
    }
    FormulaResult result = MakeResult(ohms);
    result.report.header =
        "OHMS=WATTS " + kDivide + " (AMPS^2" + PowerTermsHeader(power) + ")" + kHeaderEnd;
    result.report.body = result.text + "=" + S(watts) + kDivide + " (" + S(amps) + "^2" +
                         PowerTermsBody(power, pf) + ")";
    result.report.trailer = kTrailer;
    return result;
}

const Calculator kOhmsFromVoltsAndAmps = Formula({
    .name = "ohms.ei",
    .summary = "Ohms from volts and amps (E/I)",
    .result = "Ohms",
    .fields = {FormulaField("volts", "&Voltage", "0.", "0"),
               FormulaField("amps", "&Amps", "0.", "0")},
    .arithmetic = [](const FieldTexts& t, PowerChoice) { return OhmsFromVoltsAndAmps(t[0], t[1]); },
});

const Calculator kOhmsFromVoltsAndWatts = Formula({
    .name = "ohms.ep",
    .summary = "Ohms from volts and watts (E/P)",
    .result = "Ohms",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("volts", "&Voltage²", "0.", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt),
               FormulaField("watts", "&Watts", "0.", "0")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return OhmsFromVoltsAndWatts(t[0], t[1], t[2], power); },
});

const Calculator kOhmsFromWattsAndAmps = Formula({
    .name = "ohms.pi",
    .summary = "Ohms from watts and amps (P/I)",
    .result = "Ohms",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("amps", "&Amps²", "0", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt)},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return OhmsFromWattsAndAmps(t[0], t[1], t[2], power); },
});

}  // namespace tavo
