#pragma once

// A formula page's calculation, described once so that the window and the command line run the
// same steps: read the input texts, apply the power-factor rule and the phase, compute, and
// build the report.

#include "phase.h"
#include "report.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

enum class InputKind {
    Value,        // a plain number field
    PowerFactor,  // per cent, 10..100, forced to 100 in DC
    Percent,      // per cent, 10..100, such as an efficiency
};

struct FormulaInput
{
    std::string_view name;  // also the command line's input name and the field's object name
    InputKind kind = InputKind::Value;
    std::string_view initialText;               // what the field shows when its page opens
    std::optional<std::string_view> resetText;  // none: Reset leaves the field as it is
};

struct FormulaResult
{
    double value = 0;
    std::string text;  // the value as FormatNumber writes it
    ReportLines report;
};

// The field texts arrive in the order of `FormulaDefinition::inputs`.
using FormulaCompute = FormulaResult (*)(const std::vector<std::string>& texts, PowerChoice power);

struct FormulaDefinition
{
    std::string_view id;                   // "amps.pe"
    std::string_view tabLabel;             // "P/E"
    std::string_view resultName;           // "Amps"
    bool usesPower = false;                // has a power factor and follows the phase
    bool usesPowerUnit = true;             // with usesPower: also follows Watts / Kilo
    std::span<const FormulaInput> inputs;  // in Enter order
    FormulaCompute compute = nullptr;
    // The result is named "Watts" or "Kilo" after the power unit instead of `resultName`.
    bool resultNameFollowsUnit = false;
};

// The name of the result as the page shows it for this power unit.
std::string_view ResultName(const FormulaDefinition& formula, PowerChoice power);

struct FormulaOutcome
{
    std::vector<std::string>
        texts;  // each field's text after the recompute, as the report quotes it
    std::string multiplierText;
    FormulaResult result;
};

// One recompute of a formula page from the texts typed into its fields.
FormulaOutcome EvaluateFormula(const FormulaDefinition& formula, std::vector<std::string> typed,
                               PowerChoice power);

// The terms a power formula adds to its report as the phase level grows: " x PF" and the
// multiplier in the header, the power factor's text and the multiplier in the body.
std::string PowerTermsHeader(PowerChoice power);
std::string PowerTermsBody(PowerChoice power, std::string_view pfText);

// A result of 0 unless the formula could be computed, and its FormatNumber text.
FormulaResult MakeResult(double value);

}  // namespace tavo
