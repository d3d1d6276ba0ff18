#pragma once

// The formula calculators of the Ohm's-law and motor pages: a few number fields, a power factor
// where the formula has power, and the phase and power unit that the page hosting the formulas
// shows once for all of them. A formula is described by its fields and its arithmetic over their
// texts; Formula() turns that into the calculator's description.

#include "calculator.h"
#include "phase.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The inputs that a formula with power has after its fields.
inline constexpr std::string_view kPhaseInput = "phase";
inline constexpr std::string_view kPowerUnitInput = "unit";
// A watts field, whose label reads "Watts" or "Kilo" with the power unit.
inline constexpr std::string_view kWattsInput = "watts";

// DC, 1, 2, 3 and Watts, Kilo, as their check boxes read.
extern const Input kPhaseChoice;
extern const Input kPowerUnitChoice;

enum class FormulaPower {
    None,          // no power factor; the phase and power unit do not apply
    Phase,         // a power factor and the phase
    PhaseAndUnit,  // and the power unit
};

struct FormulaResult
{
    double value = 0;
    std::string text;  // the value as FormatNumber writes it
    ReportLines report;
};

// The field texts arrive in the order of the formula's fields, each held field already inside
// its limits and the power factor at 100 in DC.
using FieldTexts = std::vector<std::string>;
using FormulaArithmetic = FormulaResult (*)(const FieldTexts& texts, PowerChoice power);

struct FormulaSpec
{
    std::string_view name;     // "amps.pe"
    std::string_view summary;  // "Amps from watts and volts (P/E)"
    std::string_view result;   // "Amps"
    FormulaPower power = FormulaPower::None;
    bool resultFollowsUnit = false;  // the result is named "Watts" or "Kilo" after the power unit
    bool colouredResult = false;     // the result shown on a colour, as on the motor page
    std::vector<Input> fields;       // in Enter order
    FormulaArithmetic arithmetic = nullptr;
};

Calculator Formula(FormulaSpec spec);

// A number field of a formula.
Input FormulaField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset);
// The power factor, per cent, 10..100: "pf".
Input PowerFactorField(std::string_view label, std::string_view opening,
                       std::optional<std::string_view> reset);
// A plain field held to 10..100 per cent, such as an efficiency.
Input PercentField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset);

// The phase and power unit among a formula's values: DC and Watts where it has none.
PowerChoice PowerOf(const Calculator& formula, const InputValues& values);

// The terms a power formula adds to its report as the phase level grows: " x PF" and the
// multiplier in the header, the power factor's text and the multiplier in the body.
std::string PowerTermsHeader(PowerChoice power);
std::string PowerTermsBody(PowerChoice power, std::string_view pfText);

// A result of 0 unless the formula could be computed, and its FormatNumber text.
FormulaResult MakeResult(double value);

}  // namespace tavo
