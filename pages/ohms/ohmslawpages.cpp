#include "ohmslawpages.h"

namespace {

using Form = FormulaLayout::Form;

const FormulaTab kVoltsTabs[] = {
    {"volts.rxi", "RxI", {Form::Rows, {{"ohms", "X", "amps"}}}},
    {"volts.pi", "P/I", {Form::Fraction, {{"watts"}, {"amps", kPowerTerms}}}},
    {"volts.pr",
     "P*R",
     {Form::Fraction, {{"watts", "X", "ohms"}, {kPowerTerms}}, "Square Root Of"}},
};

const FormulaTab kWattsTabs[] = {
    {"watts.ei", "E*I", {Form::Rows, {{"volts", "X", "amps", kPowerTerms}}}},
    {"watts.ri", "R*I", {Form::Rows, {{"ohms", "X", "amps", kPowerTerms}}}},
    {"watts.er", "E/R", {Form::Fraction, {{"volts", kPowerTerms}, {"ohms"}}}},
};

const FormulaTab kResistanceTabs[] = {
    {"ohms.ei", "E/I", {Form::Fraction, {{"volts"}, {"amps"}}}},
    {"ohms.ep", "E/P", {Form::Fraction, {{"volts", kPowerTerms}, {"watts"}}}},
    {"ohms.pi", "P/I", {Form::Fraction, {{"watts"}, {"amps", kPowerTerms}}}},
};

}  // namespace

// These three recompute after every change of tab and every click on one, not on activation.
const FormulaHostDefinition kVoltsPage{.objectName = "voltsPage",
                                       .tabs = kVoltsTabs,
                                       .recomputeAfterSwitch = true,
                                       .recomputeOnActivate = false};
const FormulaHostDefinition kWattsPage{.objectName = "wattsPage",
                                       .tabs = kWattsTabs,
                                       .recomputeAfterSwitch = true,
                                       .recomputeOnActivate = false,
                                       .sunkenResultName = true};
const FormulaHostDefinition kResistancePage{.objectName = "resistancePage",
                                            .tabs = kResistanceTabs,
                                            .recomputeAfterSwitch = true,
                                            .recomputeOnActivate = false,
                                            .resultAlignment = Qt::AlignRight};
