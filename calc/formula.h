#pragma once

// The formula calculators of the Ohm's-law and motor pages: a few number fields, a power factor
// where the formula has power, and the phase and power unit that the page hosting the formulas
// shows once for all of them. A formula is described by its fields, its value over their
// numbers and the wording of its report; Formula() turns that into the calculator.

#include "calculator.h"
#include "phase.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

// The inputs that a formula with power has after its fields.
inline constexpr std::string_view kPhaseInput = "phase";
inline constexpr std::string_view kPowerUnitInput = "unit";

// DC, 1, 2, 3 and Watts, Kilo, as their check boxes read.
extern const Input kPhaseChoice;
extern const Input kPowerUnitChoice;

enum class FormulaPower {
    None,          // no power factor; the phase and power unit do not apply
    Phase,         // a power factor and the phase
    PhaseAndUnit,  // and the power unit
};

// What a formula computes with: each field's text as a number (the power factor already held to
// 10..100, and 100 in DC) and the power choice.
class FormulaTerms
{
public:
    FormulaTerms(std::span<const Input> fields, const std::vector<std::string>& texts,
                 PowerChoice power);

    double operator[](std::string_view field) const;
    PowerChoice power() const { return m_power; }
    // 1, 2 or 1.732, as the page shows it.
    double multiplier() const;
    // 1000 for a watts input given in kilowatts, else 1.
    double kilo() const;

private:
    std::span<const Input> m_fields;
    std::vector<double> m_numbers;
    PowerChoice m_power;
};

using FormulaValue = double (*)(const FormulaTerms& terms);

// A formula's report. In the texts, {result} stands for the result as shown, {name} for the
// text of the field of that name, {multiplier} for the multiplier, and {power} for the terms
// that power adds: " x PF" and " x " with the multiplier in the header, the power factor's and
// the multiplier's texts in the body, as the phase level asks. The header ends in five spaces.
struct FormulaReport
{
    std::string_view header;
    std::string_view body;
};

struct FormulaDefinition
{
    std::string_view name;     // "amps.pe"
    std::string_view summary;  // "Amps from watts and volts (P/E)"
    std::string_view result;   // "Amps"
    FormulaPower power = FormulaPower::None;
    bool resultFollowsUnit = false;  // Kilo scales the result, named "Watts" or "Kilo"
    bool colouredResult = false;     // the result shown on a colour, as on the motor page
    std::vector<Input> fields;       // in Enter order
    FormulaValue value = nullptr;    // 0 unless every input the formula needs is above zero
    // One report for every phase, or three: DC, single phase, two and three phase.
    std::vector<FormulaReport> reports;
};

Calculator Formula(FormulaDefinition definition);

// A number field of a formula.
Input FormulaField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset);
// The power factor, per cent, 10..100: "pf".
Input PowerFactorField(std::string_view label, std::string_view opening,
                       std::optional<std::string_view> reset);
// A plain field held to 10..100 per cent, such as an efficiency.
Input PercentField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset);

}  // namespace tavo
