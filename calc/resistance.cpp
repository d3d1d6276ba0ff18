// The Resistance page: ohms from volts and amps ("E/I"), from volts and watts ("E/P") or from
// watts and amps ("P/I").

#include "formula.h"

namespace tavo {

extern const Calculator kOhmsFromVoltsAndAmps = Formula({
    .name = "ohms.ei",
    .summary = "Ohms from volts and amps (E/I)",
    .result = "Ohms",
    .fields = {FormulaField("volts", "&Voltage", "0.", "0"),
               FormulaField("amps", "&Amps", "0.", "0")},
    .value =
        [](const FormulaTerms& t) {
            const double v = t["volts"];
            return v > 0 && t["amps"] > 0 ? v / t["amps"] : 0.0;
        },
    .reports = {{"OHMS=VOLTS \xF7 AMPS", "{result}={volts}\xF7{amps}"}},
});

extern const Calculator kOhmsFromVoltsAndWatts = Formula({
    .name = "ohms.ep",
    .summary = "Ohms from volts and watts (E/P)",
    .result = "Ohms",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("volts", "&Voltage²", "0.", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt),
               FormulaField("watts", "&Watts", "0.", "0")},
    .value =
        [](const FormulaTerms& t) {
            const double v = t["volts"];
            const double p = t["pf"] * 0.01;
            const bool known = t["watts"] > 0 && v > 0 && p > 0;
            return known ? v * v * p * t.multiplier() / (t["watts"] * t.kilo()) : 0.0;
        },
    .reports = {{"OHMS=(VOLTS^2 {power})\xF7 WATTS", "{result}= ({volts}^2 {power}) \xF7 {watts}"}},
});

extern const Calculator kOhmsFromWattsAndAmps = Formula({
    .name = "ohms.pi",
    .summary = "Ohms from watts and amps (P/I)",
    .result = "Ohms",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("amps", "&Amps²", "0", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt)},
    .value =
        [](const FormulaTerms& t) {
            const double a = t["amps"];
            const double p = t["pf"] * 0.01;
            const bool known = t["watts"] > 0 && a > 0 && p > 0;
            return known ? (t["watts"] * t.kilo()) / (a * a * t.multiplier() * p) : 0.0;
        },
    .reports = {{"OHMS=WATTS \xF7 (AMPS^2{power})", "{result}={watts}\xF7 ({amps}^2{power})"}},
});

}  // namespace tavo
