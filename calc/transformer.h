#pragma once

// The Xformer tab: primary and secondary line currents of a single- or three-phase transformer.

#include "calculator.h"
#include "report.h"

#include <string>
#include <string_view>

namespace tavo {

namespace TransformerCalculator {

struct Currents
{
    double primary = 0;
    double secondary = 0;
};

// `rating` in watts, or in kilowatts with `kilo`; `phase` 1 or 3. A rating that is not above
// zero gives no current on either side.
Currents Compute(double rating, bool kilo, int phase, double primaryVolts, double secondaryVolts);

}  // namespace TransformerCalculator

struct TransformerResult
{
    TransformerCalculator::Currents currents;
    std::string primaryText;  // the currents as FormatNumber writes them
    std::string secondaryText;
    ReportLines report;
};

// The page's calculation over its field texts, with the report.
TransformerResult TransformerCurrents(std::string_view rating, bool kilo, int phase,
                                      std::string_view primaryVolts,
                                      std::string_view secondaryVolts);

// The Xformer tab: rating, its unit, phase 1 or 3, both voltages; both currents on cyan.
extern const Calculator kTransformer;

}  // namespace tavo
