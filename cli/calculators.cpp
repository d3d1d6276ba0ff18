#include "calculators.h"

#include "amps.h"
#include "windows1252.h"

namespace tavo::cli {

namespace {

const std::vector<std::string> kPhaseChoices = {"dc", "1", "2", "3"};
const std::vector<std::string> kUnitChoices = {"watts", "kilo"};

Phase PhaseFromChoice(const std::string& text)
{
    for (size_t i = 0; i < kPhaseChoices.size(); ++i) {
        if (kPhaseChoices[i] == text) {
            return static_cast<Phase>(i);
        }
    }
    return Phase::DC;
}

// A formula page: its fields, then phase and power unit when it has them.
Calculator FormulaCalculator(const FormulaDefinition& formula, std::string summary)
{
    Calculator calculator;
    calculator.name = std::string(formula.id);
    calculator.summary = std::move(summary);
    for (const FormulaInput& input : formula.inputs) {
        calculator.inputs.push_back({std::string(input.name), std::string(input.initialText), {}});
    }
    if (formula.usesPower) {
        calculator.inputs.push_back({"phase", "dc", kPhaseChoices});
        calculator.inputs.push_back({"unit", "watts", kUnitChoices});
    }
    const FormulaDefinition* f = &formula;
    calculator.run = [f](const std::vector<std::string>& texts) {
        const size_t fieldCount = f->inputs.size();
        std::vector<std::string> typed;
        for (size_t i = 0; i < fieldCount; ++i) {
            typed.push_back(Utf8ToWindows1252(texts[i]));
        }
        PowerChoice power;
        if (f->usesPower) {
            power.phase = PhaseFromChoice(texts[fieldCount]);
            power.unit = texts[fieldCount + 1] == "kilo" ? PowerUnit::Kilo : PowerUnit::Watts;
        }
        const FormulaOutcome outcome = EvaluateFormula(*f, typed, power);
        CalculatorRun run;
        for (size_t i = 0; i < fieldCount; ++i) {
            run.inputs.emplace_back(std::string(f->inputs[i].name),
                                    Windows1252ToUtf8(outcome.shown[i]));
        }
        if (f->usesPower) {
            run.inputs.emplace_back("phase", texts[fieldCount]);
            run.inputs.emplace_back("unit", texts[fieldCount + 1]);
        }
        run.results.emplace_back(std::string(f->resultName), outcome.result.text);
        run.report = outcome.result.report;
        return run;
    };
    return calculator;
}

std::vector<Calculator> BuildCalculators()
{
    std::vector<Calculator> all;
    all.push_back(FormulaCalculator(kAmpsFromVoltsAndOhms, "Amps from volts and ohms (E/R)"));
    all.push_back(FormulaCalculator(kAmpsFromWattsAndVolts, "Amps from watts and volts (P/E)"));
    all.push_back(FormulaCalculator(kAmpsFromWattsAndOhms, "Amps from watts and ohms (P/R)"));
    return all;
}

}  // namespace

const std::vector<Calculator>& AllCalculators()
{
    static const std::vector<Calculator> all = BuildCalculators();
    return all;
}

}  // namespace tavo::cli
