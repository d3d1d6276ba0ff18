#include "calculators.h"

#include "amps.h"
#include "horsepower.h"
#include "motordata.h"
#include "resistance.h"
#include "transformer.h"
#include "volts.h"
#include "watts.h"
#include "windows1252.h"

namespace tavo::cli {

namespace {

const std::vector<std::string> kPhaseChoices = {"dc", "1", "2", "3"};
const std::vector<std::string> kUnitChoices = {"watts", "kilo"};
const std::vector<std::string> kTransformerPhases = {"1", "3"};
const std::vector<std::string> kMotorVoltages = {"230", "460"};

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
    }
    if (formula.usesPower && formula.usesPowerUnit) {
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
        }
        if (f->usesPower && f->usesPowerUnit) {
            power.unit = texts[fieldCount + 1] == "kilo" ? PowerUnit::Kilo : PowerUnit::Watts;
        }
        const FormulaOutcome outcome = EvaluateFormula(*f, typed, power);
        CalculatorRun run;
        for (size_t i = 0; i < fieldCount; ++i) {
            run.inputs.emplace_back(std::string(f->inputs[i].name),
                                    Windows1252ToUtf8(outcome.texts[i]));
        }
        for (size_t i = fieldCount; i < texts.size(); ++i) {
            run.inputs.emplace_back(i == fieldCount ? "phase" : "unit", texts[i]);
        }
        run.results.emplace_back(std::string(ResultName(*f, power)), outcome.result.text);
        run.report = outcome.result.report;
        return run;
    };
    return calculator;
}

// The Xformer tab: rating, its unit, phase 1 or 3 and both voltages.
Calculator TransformerCalculatorEntry()
{
    Calculator calculator;
    calculator.name = "xformer";
    calculator.summary = "Transformer primary and secondary currents";
    calculator.inputs = {{"rating", "0", {}},
                         {"unit", "watts", kUnitChoices},
                         {"phase", "1", kTransformerPhases},
                         {"primary", "0", {}},
                         {"secondary", "0", {}}};
    calculator.run = [](const std::vector<std::string>& texts) {
        const TransformerResult result = TransformerCurrents(
            Utf8ToWindows1252(texts[0]), texts[1] == "kilo", texts[2] == "3" ? 3 : 1,
            Utf8ToWindows1252(texts[3]), Utf8ToWindows1252(texts[4]));
        CalculatorRun run;
        run.inputs = {{"rating", texts[0]},
                      {"unit", texts[1]},
                      {"phase", texts[2]},
                      {"primary", texts[3]},
                      {"secondary", texts[4]}};
        run.results = {{"Primary Amps", result.primaryText},
                       {"Secondary Amps", result.secondaryText}};
        run.report = result.report;
        return run;
    };
    return calculator;
}

// The Motor Data tab: a horse power from its list and 230 or 460 volts.
Calculator MotorDataCalculator()
{
    Calculator calculator;
    calculator.name = "motordata";
    calculator.summary = "Three-phase motor amps, breaker, starter, heater and wire";
    std::vector<std::string> horsePowers;
    for (const std::string_view hp : MotorDataTable::kHorsePowers) {
        horsePowers.emplace_back(hp);
    }
    calculator.inputs = {{"hp", horsePowers.front(), horsePowers},
                         {"volts", "230", kMotorVoltages}};
    calculator.run = [horsePowers](const std::vector<std::string>& texts) {
        int row = 0;
        while (row + 1 < MotorDataTable::kRows && horsePowers[size_t(row)] != texts[0]) {
            ++row;
        }
        const int voltage = texts[1] == "460" ? 460 : 230;
        CalculatorRun run;
        run.inputs = {{"hp", texts[0]}, {"volts", texts[1]}};
        for (int column = 0; column < MotorDataTable::kColumns; ++column) {
            run.results.emplace_back(std::string(MotorDataTable::kColumnNames[size_t(column)]),
                                     std::string(MotorDataTable::Lookup(voltage, row, column)));
        }
        run.report = MotorDataReport(voltage, row);
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
    all.push_back(FormulaCalculator(kVoltsFromOhmsAndAmps, "Volts from ohms and amps (RxI)"));
    all.push_back(FormulaCalculator(kVoltsFromWattsAndAmps, "Volts from watts and amps (P/I)"));
    all.push_back(FormulaCalculator(kVoltsFromWattsAndOhms, "Volts from watts and ohms (P*R)"));
    all.push_back(FormulaCalculator(kWattsFromVoltsAndAmps, "Watts from volts and amps (E*I)"));
    all.push_back(FormulaCalculator(kWattsFromOhmsAndAmps, "Watts from ohms and amps (R*I)"));
    all.push_back(FormulaCalculator(kWattsFromVoltsAndOhms, "Watts from volts and ohms (E/R)"));
    all.push_back(FormulaCalculator(kOhmsFromVoltsAndAmps, "Ohms from volts and amps (E/I)"));
    all.push_back(FormulaCalculator(kOhmsFromVoltsAndWatts, "Ohms from volts and watts (E/P)"));
    all.push_back(FormulaCalculator(kOhmsFromWattsAndAmps, "Ohms from watts and amps (P/I)"));
    all.push_back(FormulaCalculator(kMotorAmps, "Motor amps from horse power"));
    all.push_back(FormulaCalculator(kMotorHorsePower, "Motor horse power from amps"));
    all.push_back(TransformerCalculatorEntry());
    all.push_back(MotorDataCalculator());
    return all;
}

}  // namespace

const std::vector<Calculator>& AllCalculators()
{
    static const std::vector<Calculator> all = BuildCalculators();
    return all;
}

}  // namespace tavo::cli
