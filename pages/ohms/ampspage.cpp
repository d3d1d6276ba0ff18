#include "ampspage.h"

#include "amps.h"

namespace {

using Form = FormulaLayout::Form;

const FormulaTab kTabs[] = {
    {&tavo::kAmpsFromVoltsAndOhms, "E/R", {Form::Fraction, {{"volts"}, {"ohms"}}}},
    {&tavo::kAmpsFromWattsAndVolts, "P/E", {Form::Fraction, {{"watts"}, {"volts", kPowerTerms}}}},
    {&tavo::kAmpsFromWattsAndOhms,
     "P/R",
     {Form::Fraction, {{"watts"}, {"ohms", kPowerTerms}}, "Square Root Of"}},
};

}  // namespace

// Every tab activation recomputes.
const FormulaHostSpec kAmpsPage{.objectName = "ampsPage", .tabs = kTabs};
