// The Watts page: power from volts and amps ("E*I"), from ohms and amps ("R*I") or from volts
// and ohms ("E/R"). With Kilo the result is in kilowatts and named "Kilo".

#include "formula.h"

namespace tavo {

extern const Calculator kWattsFromVoltsAndAmps = Formula({
    .name = "watts.ei",
    .summary = "Watts from volts and amps (E*I)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("volts", "&Voltage", "0", "0"), FormulaField("amps", "&Amps", "0", "0"),
               PowerFactorField("&PF", "100", "100")},
    .value =
        [](const FormulaTerms& t) {
            if (!(t["volts"] > 0 && t["amps"] > 0)) {
                return 0.0;
            }
            return t["volts"] * (t["amps"] * (t.multiplier() * (t["pf"] * 0.01)));
        },
    .reports = {{"WATTS=VOLTS x AMPS{power}", "{result}={volts} x {amps}{power}"}},
});

extern const Calculator kWattsFromOhmsAndAmps = Formula({
    .name = "watts.ri",
    .summary = "Watts from ohms and amps (R*I)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("ohms", "&Ohms", "0", "0"), FormulaField("amps", "&Amps²", "0", "0"),
               PowerFactorField("&PF", "100", "100")},
    .value =
        [](const FormulaTerms& t) {
            const double p = t["pf"] * 0.01;
            const double a = t["amps"];
            return t["ohms"] > 0 && a > 0 && p > 0 ? t["ohms"] * (a * (a * (p * t.multiplier())))
                                                   : 0.0;
        },
    .reports = {{"WATTS=OHMS x AMPS ^ 2{power}", "{result}={ohms} x {amps} ^ 2 {power}"}},
});

extern const Calculator kWattsFromVoltsAndOhms = Formula({
    .name = "watts.er",
    .summary = "Watts from volts and ohms (E/R)",
    .result = "Watts",
    .power = FormulaPower::PhaseAndUnit,
    .resultFollowsUnit = true,
    .fields = {FormulaField("volts", "&Voltage²", "0", "0"),
               PowerFactorField("X   &PF", "100", "100"), FormulaField("ohms", "&Ohms", "0", "0")},
    .value =
        [](const FormulaTerms& t) {
            const double p = t["pf"] * 0.01;
            const double v = t["volts"];
            return t["ohms"] > 0 && v > 0 && p > 0 ? v * (v * (p * t.multiplier())) / t["ohms"]
                                                   : 0.0;
        },
    .reports = {{"WATTS=(VOLTS ^ 2{power}) \xF7 OHMS",
                 "{result}=({volts} ^ 2 {power}) \xF7 {ohms}"}},
});

}  // namespace tavo
