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

const Calculator kAmpsFromVoltsAndOhms = Formula({
    .name = "amps.er",
    .summary = "Amps from volts and ohms (E/R)",
    .result = "Amps",
    .fields = {FormulaField("volts", "&Voltage", "0.", "0"),
               FormulaField("ohms", "&Ohms", "0.", "0")},
    .arithmetic = [](const FieldTexts& t, PowerChoice) { return AmpsFromVoltsAndOhms(t[0], t[1]); },
});

const Calculator kAmpsFromWattsAndVolts = Formula({
    .name = "amps.pe",
    .summary = "Amps from watts and volts (P/E)",
    .result = "Amps",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0.", "0"),
               FormulaField("volts", "&Voltage", "0.", "0"),
               PowerFactorField("X   &PF", "100.", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return AmpsFromWattsAndVolts(t[0], t[1], t[2], power); },
});

const Calculator kAmpsFromWattsAndOhms = Formula({
    .name = "amps.pr",
    .summary = "Amps from watts and ohms (P/R)",
    .result = "Amps",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("ohms", "&Ohms", "0", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt)},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return AmpsFromWattsAndOhms(t[0], t[1], t[2], power); },
});

}  // namespace tavo
