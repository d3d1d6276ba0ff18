#pragma once

// The Volts page: voltage from ohms and amps ("RxI"), from watts and amps ("P/I") or from watts
// and ohms ("P*R"). Power-factor texts have already been held to 10..100.

#include "formula.h"

#include <string_view>

namespace tavo {

FormulaResult VoltsFromOhmsAndAmps(std::string_view ohms, std::string_view amps);
FormulaResult VoltsFromWattsAndAmps(std::string_view watts, std::string_view amps,
                                    std::string_view pf, PowerChoice power);
FormulaResult VoltsFromWattsAndOhms(std::string_view watts, std::string_view ohms,
                                    std::string_view pf, PowerChoice power);

extern const Calculator kVoltsFromOhmsAndAmps;
extern const Calculator kVoltsFromWattsAndAmps;
extern const Calculator kVoltsFromWattsAndOhms;

}  // namespace tavo
