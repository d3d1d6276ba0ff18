#include "ampspage.h"

namespace {

using Form = FormulaLayout::Form;

const FormulaTab kTabs[] = {
    {"amps.er", "E/R", {Form::Fraction, {{"volts"}, {"ohms"}}}},
    {"amps.pe", "P/E", {Form::Fraction, {{"watts"}, {"volts", kPowerTerms}}}},
    {"amps.pr", "P/R", {Form::Fraction, {{"watts"}, {"ohms", kPowerTerms}}, "Square Root Of"}},
};

}  // namespace

// Every tab activation recomputes.
const FormulaHostDefinition kAmpsPage{.objectName = "ampsPage", .tabs = kTabs};
