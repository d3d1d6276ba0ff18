#include "formula.h"

#include "numbertext.h"

namespace tavo {

FormulaOutcome EvaluateFormula(const FormulaDefinition& formula, std::vector<std::string> typed,
                               PowerChoice power)
{
    typed.resize(formula.inputs.size());
    FormulaOutcome outcome;
    outcome.texts = typed;
    if (formula.usesPower) {
        outcome.multiplierText = MultiplierText(power.phase);
    }
    for (size_t i = 0; i < formula.inputs.size(); ++i) {
        const InputKind kind = formula.inputs[i].kind;
        if (kind == InputKind::Value) {
            continue;
        }
        // In DC the power factor does not apply: it reads 100 per cent.
        const bool forced = kind == InputKind::PowerFactor && power.phase == Phase::DC;
        outcome.texts[i] = forced ? FormatNumber(100) : ApplyPercentRule(typed[i]);
    }
    outcome.result = formula.compute(outcome.texts, power);
    return outcome;
}

std::string_view ResultName(const FormulaDefinition& formula, PowerChoice power)
{
    if (formula.resultNameFollowsUnit) {
        return power.unit == PowerUnit::Kilo ? "Kilo" : "Watts";
    }
    return formula.resultName;
}

std::string PowerTermsHeader(PowerChoice power)
{
    const int level = PhaseLevel(power.phase);
    std::string terms;
    if (level >= 1) {
        terms += " x PF";
    }
    if (level >= 2) {
        terms += " x " + MultiplierText(power.phase);
    }
    return terms;
}

std::string PowerTermsBody(PowerChoice power, std::string_view pfText)
{
    const int level = PhaseLevel(power.phase);
    std::string terms;
    if (level >= 1) {
        terms += " x ";
        terms += pfText;
    }
    if (level >= 2) {
        terms += " x " + MultiplierText(power.phase);
    }
    return terms;
}

FormulaResult MakeResult(double value)
{
    FormulaResult result;
    result.value = value;
    result.text = FormatNumber(value);
    return result;
}

}  // namespace tavo
