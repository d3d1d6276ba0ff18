#include "formulacase.h"

TEST_P(FormulaCaseTest, ComputesAndReports)
{
    const FormulaCase& c = GetParam();
    ASSERT_TRUE(tavo::FindCalculator(c.formula)) << c.formula;
    const tavo::Calculator& formula = *tavo::FindCalculator(c.formula);
    tavo::InputValues values;
    for (const std::string& text : c.typed) {
        values.push_back({text});
    }
    values.resize(formula.inputs.size());
    if (const int phase = formula.inputIndex(tavo::kPhaseInput); phase >= 0) {
        values[size_t(phase)].choice = static_cast<int>(c.power.phase);
    }
    if (const int unit = formula.inputIndex(tavo::kPowerUnitInput); unit >= 0) {
        values[size_t(unit)].choice = static_cast<int>(c.power.unit);
    }
    const tavo::Outcome outcome = tavo::Evaluate(formula, values);
    ASSERT_EQ(outcome.results.size(), 1u);
    EXPECT_EQ(outcome.results[0].text, c.result);
    EXPECT_EQ(outcome.report.header, c.header);
    EXPECT_EQ(outcome.report.body, c.body);
    EXPECT_EQ(outcome.report.trailer, " ");
    if (!c.shown.empty()) {
        const std::vector<std::string> fields(outcome.shown.begin(),
                                              outcome.shown.begin() + long(c.shown.size()));
        EXPECT_EQ(fields, c.shown);
    }
}
