// The Volts page: voltage from ohms and amps ("RxI"), from watts and amps ("P/I") or from watts
// and ohms ("P*R").

#include "formula.h"

#include <cmath>

namespace tavo {

extern const Calculator kVoltsFromOhmsAndAmps = Formula({
    .name = "volts.rxi",
    .summary = "Volts from ohms and amps (RxI)",
    .result = "Volts",
    .fields = {FormulaField("ohms", "&Ohms", "0", "0"), FormulaField("amps", "&Amps", "0", "0")},
    .value =
        [](const FormulaTerms& t) {
            return t["amps"] > 0 && t["ohms"] > 0 ? t["ohms"] * t["amps"] : 0;
        },
    .reports = {{"VOLTS=OHMS x AMPS", "{result}={ohms}x{amps}"}},
});

extern const Calculator kVoltsFromWattsAndAmps = Formula({
    .name = "volts.pi",
    .summary = "Volts from watts and amps (P/I)",
    .result = "Volts",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0.", "0"), FormulaField("amps", "&Amps", "0.", "0"),
               PowerFactorField("X   &PF", "100.", "100")},
    .value =
        [](const FormulaTerms& t) {
            const double pf = t["pf"];
            if (!(t["watts"] > 0 && t["amps"] > 0 && pf > 0)) {
                return 0.0;
            }
            return (t["watts"] * t.kilo()) / (pf * 0.01 * t.multiplier() * t["amps"]);
        },
    .reports = {{"VOLTS=WATTS \xF7 (AMPS{power})", "{result}={watts} \xF7 ({amps}{power})"}},
});

// Each phase level words this report its own way.
extern const Calculator kVoltsFromWattsAndOhms = Formula({
    .name = "volts.pr",
    .summary = "Volts from watts and ohms (P*R)",
    .result = "Volts",
    .power = FormulaPower::PhaseAndUnit,
    .fields = {FormulaField("watts", "&Watts", "0", "0"), FormulaField("ohms", "&Ohms", "0", "0"),
               PowerFactorField("&PF", "100", std::nullopt)},
    .value =
        [](const FormulaTerms& t) {
            const double p = t["pf"] * 0.01;
            if (!(t["watts"] > 0 && t["ohms"] > 0 && p > 0)) {
                return 0.0;
            }
            return std::sqrt(t["ohms"] * (t["watts"] * t.kilo()) / (p * t.multiplier()));
        },
    .reports = {{"VOLTS=SQUARE ROOT OF(WATTS x OHMS)",
                 "{result}= Square Root Of({watts} x {ohms})"},
                {"VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 PF)",
                 "{result}= Square Root Of(({watts} x {ohms}) \xF7 {pf})"},
                {"VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 (PF x {multiplier}))",
                 "{result}= Square Root Of(({watts} x {ohms}) \xF7 ({pf} x {multiplier}))"}},
});

}  // namespace tavo
