#include "formulacase.h"

TEST_P(FormulaCaseTest, ComputesAndReports)
{
    const FormulaCase& c = GetParam();
    const tavo::FormulaOutcome outcome = tavo::EvaluateFormula(*c.formula, c.typed, c.power);
    EXPECT_EQ(outcome.result.text, c.result);
    EXPECT_EQ(outcome.result.report.header, c.header);
    EXPECT_EQ(outcome.result.report.body, c.body);
    EXPECT_EQ(outcome.result.report.trailer, " ");
    if (!c.shown.empty()) {
        EXPECT_EQ(outcome.texts, c.shown);
    }
}
