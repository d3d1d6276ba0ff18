// The Amps page: current from volts and ohms ("E/R"), from watts and volts ("P/E") or from
// watts and ohms ("P/R").

#include "formula.h"

#include <cmath>

namespace tavo {

extern const Calculator kAmpsFromVoltsAndOhms = Formula({
    .name = "amps.er",
    .summary = "Amps from volts and ohms (E/R)",
    .result = "Amps",
    .fields = {FormulaField("volts", "&Voltage", "0.", "0"),
               FormulaField("ohms", "&Ohms", "0.", "0")},
    .value =
        [](const FormulaTerms& t) {
            return t["volts"] > 0 && t["ohms"] > 0 ? t["volts"] / t["ohms"] : 0;
        },
    .reports = {{"AMPS=VOLTS \xF7 OHMS", "{result}={volts} \xF7 {ohms}"}},
});

extern const Calculator kAmpsFromWattsAndVolts = Formula({
    .name = "amps.pe",
    .summary = "Amps from watts and volts (P/E)",
    .result = "Amps",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0.", "0"),
               FormulaField("volts", "&Voltage", "0.", "0"),
               PowerFactorField("X   &PF", "100.", "100")},
    .value =
        [](const FormulaTerms& t) {
            if (!(t["watts"] > 0 && t["volts"] > 0)) {
                return 0.0;
            }
            return (t["watts"] * t.kilo()) / (t["volts"] * (t.multiplier() * (t["pf"] * 0.01)));
        },
    .reports = {{"AMPS=WATTS \xF7 (VOLTS{power})", "{result}={watts} \xF7 ({volts}{power})"}},
});

extern const Calculator kAmpsFromWattsAndOhms = Formula({
    .name = "amps.pr",
    .summary = "Amps from watts and ohms (P/R)",
    .result = "Amps",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("ohms", "&Ohms", "0", "0"),
               PowerFactorField("X   &PF", "100", std::nullopt)},
    .value =
        [](const FormulaTerms& t) {
            const double p = t["pf"] * 0.01;
            if (!(t["ohms"] > 0 && t["watts"] > 0 && p > 0)) {
                return 0.0;
            }
            return std::sqrt((t["watts"] * t.kilo()) / (t["ohms"] * (p * t.multiplier())));
        },
    .reports = {{"AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS{power}))",
                 "{result}=Square Root Of ({watts} \xF7 ({ohms}{power}))"}},
});

}  // namespace tavo
