#pragma once

// The Resistance page: ohms from volts and amps ("E/I"), from volts and watts ("E/P") or from
// watts and amps ("P/I").

#include "formula.h"

#include <string_view>

namespace tavo {

FormulaResult OhmsFromVoltsAndAmps(std::string_view volts, std::string_view amps);
FormulaResult OhmsFromVoltsAndWatts(std::string_view volts, std::string_view pf,
                                    std::string_view watts, PowerChoice power);
FormulaResult OhmsFromWattsAndAmps(std::string_view watts, std::string_view amps,
                                   std::string_view pf, PowerChoice power);

extern const Calculator kOhmsFromVoltsAndAmps;
extern const Calculator kOhmsFromVoltsAndWatts;
extern const Calculator kOhmsFromWattsAndAmps;

}  // namespace tavo
