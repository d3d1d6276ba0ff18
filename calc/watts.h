#pragma once

// The Watts page: power from volts and amps ("E*I"), from ohms and amps ("R*I") or from volts
// and ohms ("E/R"). With Kilo the result is in kilowatts and named "Kilo".

#include "formula.h"

#include <string_view>

namespace tavo {

FormulaResult WattsFromVoltsAndAmps(std::string_view volts, std::string_view amps,
                                    std::string_view pf, PowerChoice power);
FormulaResult WattsFromOhmsAndAmps(std::string_view ohms, std::string_view amps,
                                   std::string_view pf, PowerChoice power);
FormulaResult WattsFromVoltsAndOhms(std::string_view volts, std::string_view pf,
                                    std::string_view ohms, PowerChoice power);

extern const Calculator kWattsFromVoltsAndAmps;
extern const Calculator kWattsFromOhmsAndAmps;
extern const Calculator kWattsFromVoltsAndOhms;

}  // namespace tavo
