#include "formulacase.h"

#include <gtest/gtest.h>

using namespace tavo;

namespace {

// "\xF7" is the division sign of the reports; "\xF7" "(" keeps the escape apart from what follows.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Amps, FormulaCaseTest, testing::Values(
    FormulaCase{"VoltsOverOhms", "amps.er", {"120", "10"}, kDC,
             "12.", "AMPS=VOLTS \xF7 OHMS     ", "12.=120 \xF7 10"},
    FormulaCase{"VoltsOverOhmsAtStart", "amps.er", {"0.", "0."}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.=0. \xF7 0."},
    FormulaCase{"VoltsOverOhmsAfterReset", "amps.er", {"0", "0"}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.=0 \xF7 0"},
    FormulaCase{"VoltsOverZeroOhms", "amps.er", {"120", "0"}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.=120 \xF7 0"},
    FormulaCase{"NegativeVolts", "amps.er", {"-5", "10"}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.=-5 \xF7 10"},
    FormulaCase{"LettersAndCommas", "amps.er", {"12,5", "abc"}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.=12,5 \xF7 abc"},
    FormulaCase{"CommaEndsNumber", "amps.er", {"12,5", "4"}, kDC,
             "3.", "AMPS=VOLTS \xF7 OHMS     ", "3.=12,5 \xF7 4"},
    FormulaCase{"EmptyVolts", "amps.er", {"", "4"}, kDC,
             "0.", "AMPS=VOLTS \xF7 OHMS     ", "0.= \xF7 4"},
    FormulaCase{"HugeResultInExponentForm", "amps.er", {"1e12", "1"}, kDC,
             "1.e+012", "AMPS=VOLTS \xF7 OHMS     ", "1.e+012=1e12 \xF7 1"},
    FormulaCase{"WattsOverVoltsDC", "amps.pe", {"1200", "120", "100."}, kDC,
             "10.", "AMPS=WATTS \xF7 (VOLTS)     ", "10.=1200 \xF7 (120)"},
    FormulaCase{"WattsOverVoltsDCIgnoresHiddenPF", "amps.pe", {"1200", "120", "50"}, kDC,
             "10.", "AMPS=WATTS \xF7 (VOLTS)     ", "10.=1200 \xF7 (120)", {"1200", "120", "100."}},
    FormulaCase{"WattsOverVoltsThreePhase", "amps.pe", {"10000", "208", "90"},
             kThree,
             "30.84226525", "AMPS=WATTS \xF7 (VOLTS x PF x 1.732)     ",
             "30.84226525=10000 \xF7 (208 x 90 x 1.732)"},
    FormulaCase{"WattsOverVoltsSinglePhase", "amps.pe", {"1200", "120", "80"},
             kSingle,
             "12.5", "AMPS=WATTS \xF7 (VOLTS x PF)     ", "12.5=1200 \xF7 (120 x 80)"},
    FormulaCase{"WattsOverVoltsKiloKeepsTypedText", "amps.pe", {"10", "208", "90"},
             kThreeKilo,
             "30.84226525", "AMPS=WATTS \xF7 (VOLTS x PF x 1.732)     ",
             "30.84226525=10 \xF7 (208 x 90 x 1.732)"},
    FormulaCase{"WattsOverVoltsKiloDC", "amps.pe", {"1.5", "120", "100"},
             kDCKilo,
             "12.5", "AMPS=WATTS \xF7 (VOLTS)     ", "12.5=1.5 \xF7 (120)"},
    FormulaCase{"WattsOverZeroVolts", "amps.pe", {"5000", "0", "100"}, kDC,
             "0.", "AMPS=WATTS \xF7 (VOLTS)     ", "0.=5000 \xF7 (0)"},
    FormulaCase{"PowerFactorAboveTop", "amps.pe", {"1200", "120", "150"},
             kTwo,
             "5.", "AMPS=WATTS \xF7 (VOLTS x PF x 2.)     ", "5.=1200 \xF7 (120 x 100 x 2.)",
             {"1200", "120", "100"}},
    FormulaCase{"PowerFactorNotANumber", "amps.pe", {"120", "120", "x"},
             kSingle,
             "10.", "AMPS=WATTS \xF7 (VOLTS x PF)     ", "10.=120 \xF7 (120 x 10)",
             {"120", "120", "10"}},
    FormulaCase{"WattsOverOhmsDC", "amps.pr", {"1000", "10", "100"}, kDC,
             "10.", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS))     ",
             "10.=Square Root Of (1000 \xF7 (10))"},
    FormulaCase{"WattsOverOhmsTwoPhase", "amps.pr", {"5000", "4", "85"},
             kTwo,
             "27.11630723", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS x PF x 2.))     ",
             "27.11630723=Square Root Of (5000 \xF7 (4 x 85 x 2.))"},
    FormulaCase{"WattsOverOhmsSinglePhase", "amps.pr", {"100", "2", "50"},
             kSingle,
             "10.", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS x PF))     ",
             "10.=Square Root Of (100 \xF7 (2 x 50))"},
    FormulaCase{"WattsOverOhmsKilo", "amps.pr", {"1", "10", "100"},
             kDCKilo,
             "10.", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS))     ",
             "10.=Square Root Of (1 \xF7 (10))"},
    FormulaCase{"WattsOverZeroOhms", "amps.pr", {"100", "0", "100"}, kDC,
             "0.", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS))     ",
             "0.=Square Root Of (100 \xF7 (0))"},
    FormulaCase{"WattsOverOhmsNegativeWatts", "amps.pr", {"-100", "4", "100"}, kDC,
             "0.", "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS))     ",
             "0.=Square Root Of (-100 \xF7 (4))"}
), CaseName);
// clang-format on

TEST(AmpsFormula, ExactValueOfThreePhaseExample)
{
    // Watts, volts, pf, phase, unit.
    const Outcome outcome =
        Evaluate(*FindCalculator("amps.pe"), {{"10000"}, {"208"}, {"90"}, {"", int(Phase::Three)}});
    EXPECT_EQ(outcome.results[0].number, 10000 / (208 * (1.732 * (90 * 0.01))));
}

}  // namespace
