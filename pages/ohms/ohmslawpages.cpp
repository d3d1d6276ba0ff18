#include "ohmslawpages.h"

#include "resistance.h"
#include "volts.h"
#include "watts.h"

namespace {

using Form = FormulaLayout::Form;

const FormulaTab kVoltsTabs[] = {
    {&tavo::kVoltsFromOhmsAndAmps, "RxI", {Form::Rows, {{"ohms", "X", "amps"}}}},
    {&tavo::kVoltsFromWattsAndAmps, "P/I", {Form::Fraction, {{"watts"}, {"amps", kPowerTerms}}}},
    {&tavo::kVoltsFromWattsAndOhms,
     "P*R",
     {Form::Fraction, {{"watts", "X", "ohms"}, {kPowerTerms}}, "Square Root Of"}},
};

const FormulaTab kWattsTabs[] = {
    {&tavo::kWattsFromVoltsAndAmps, "E*I", {Form::Rows, {{"volts", "X", "amps", kPowerTerms}}}},
    {&tavo::kWattsFromOhmsAndAmps, "R*I", {Form::Rows, {{"ohms", "X", "amps", kPowerTerms}}}},
    {&tavo::kWattsFromVoltsAndOhms, "E/R", {Form::Fraction, {{"volts", kPowerTerms}, {"ohms"}}}},
};

const FormulaTab kResistanceTabs[] = {
    {&tavo::kOhmsFromVoltsAndAmps, "E/I", {Form::Fraction, {{"volts"}, {"amps"}}}},
    {&tavo::kOhmsFromVoltsAndWatts, "E/P", {Form::Fraction, {{"volts", kPowerTerms}, {"watts"}}}},
    {&tavo::kOhmsFromWattsAndAmps, "P/I", {Form::Fraction, {{"watts"}, {"amps", kPowerTerms}}}},
};

}  // namespace

// These three recompute after every change of tab and every click on one, not on activation.
const FormulaHostSpec kVoltsPage{.objectName = "voltsPage",
                                 .tabs = kVoltsTabs,
                                 .recomputeAfterSwitch = true,
                                 .recomputeOnActivate = false};
const FormulaHostSpec kWattsPage{.objectName = "wattsPage",
                                 .tabs = kWattsTabs,
                                 .recomputeAfterSwitch = true,
                                 .recomputeOnActivate = false,
                                 .sunkenResultName = true};
const FormulaHostSpec kResistancePage{.objectName = "resistancePage",
                                      .tabs = kResistanceTabs,
                                      .recomputeAfterSwitch = true,
                                      .recomputeOnActivate = false,
                                      .resultAlignment = Qt::AlignRight};
