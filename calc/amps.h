#pragma once

// The Amps page: current from volts and ohms, from watts and volts, or from watts and ohms.
// Inputs are the field texts as shown; the power-factor text has already been held to 10..100.

#include "formula.h"

#include <string_view>

namespace tavo {

FormulaResult AmpsFromVoltsAndOhms(std::string_view volts, std::string_view ohms);
FormulaResult AmpsFromWattsAndVolts(std::string_view watts, std::string_view volts,
                                    std::string_view pf, PowerChoice power);
FormulaResult AmpsFromWattsAndOhms(std::string_view watts, std::string_view ohms,
                                   std::string_view pf, PowerChoice power);

// The three tabs of the Amps page: "E/R", "P/E", "P/R".
extern const Calculator kAmpsFromVoltsAndOhms;
extern const Calculator kAmpsFromWattsAndVolts;
extern const Calculator kAmpsFromWattsAndOhms;

}  // namespace tavo
