// The Volts, Watts and Resistance formulas with the worked examples of their pages.

#include "formulacase.h"
#include "numbertext.h"

#include <cmath>

using namespace tavo;

namespace {

// clang-format off
INSTANTIATE_TEST_SUITE_P(Volts, FormulaCaseTest, testing::Values(
    FormulaCase{"OhmsTimesAmps", "volts.rxi", {"10", "12"}, kDC,
                "120.", "VOLTS=OHMS x AMPS     ", "120.=10x12"},
    FormulaCase{"OhmsTimesZeroAmps", "volts.rxi", {"10", "0"}, kDC,
                "0.", "VOLTS=OHMS x AMPS     ", "0.=10x0"},
    FormulaCase{"WattsOverAmpsSinglePhase", "volts.pi", {"1200", "10", "100"}, kSingle,
                "120.", "VOLTS=WATTS \xF7 (AMPS x PF)     ", "120.=1200 \xF7 (10 x 100)"},
    FormulaCase{"WattsOverAmpsKiloDC", "volts.pi", {"2.4", "20", "100"}, kDCKilo,
                "120.", "VOLTS=WATTS \xF7 (AMPS)     ", "120.=2.4 \xF7 (20)"},
    FormulaCase{"WattsOverAmpsTwoPhaseClampsPF", "volts.pi", {"2400", "10", "150"}, kTwo,
                "120.", "VOLTS=WATTS \xF7 (AMPS x PF x 2.)     ", "120.=2400 \xF7 (10 x 100 x 2.)",
                {"2400", "10", "100"}},
    FormulaCase{"WattsOverZeroAmps", "volts.pi", {"2400", "0", "100"}, kSingle,
                "0.", "VOLTS=WATTS \xF7 (AMPS x PF)     ", "0.=2400 \xF7 (0 x 100)"},
    FormulaCase{"SquareRootDC", "volts.pr", {"1000", "10", "100"}, kDC,
                "100.", "VOLTS=SQUARE ROOT OF(WATTS x OHMS)     ", "100.= Square Root Of(1000 x 10)"},
    FormulaCase{"SquareRootSinglePhase", "volts.pr", {"1000", "10", "50"}, kSingle,
                "141.4213562", "VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 PF)     ",
                "141.4213562= Square Root Of((1000 x 10) \xF7 50)"},
    FormulaCase{"SquareRootThreePhase", "volts.pr", {"1000", "10", "100"}, kThree,
                "75.98468303", "VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 (PF x 1.732))     ",
                "75.98468303= Square Root Of((1000 x 10) \xF7 (100 x 1.732))"},
    FormulaCase{"SquareRootTwoPhase", "volts.pr", {"800", "5", "100"}, kTwo,
                "44.72135955", "VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 (PF x 2.))     ",
                "44.72135955= Square Root Of((800 x 5) \xF7 (100 x 2.))"},
    FormulaCase{"SquareRootZeroOhms", "volts.pr", {"1000", "0", "100"}, kDC,
                "0.", "VOLTS=SQUARE ROOT OF(WATTS x OHMS)     ", "0.= Square Root Of(1000 x 0)"}
), CaseName);
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Watts, FormulaCaseTest, testing::Values(
    FormulaCase{"VoltsTimesAmpsDC", "watts.ei", {"120", "10", "100"}, kDC,
                "1200.", "WATTS=VOLTS x AMPS     ", "1200.=120 x 10"},
    FormulaCase{"VoltsTimesAmpsKiloDC", "watts.ei", {"120", "10", "100"}, kDCKilo,
                "1.2", "WATTS=VOLTS x AMPS     ", "1.2=120 x 10"},
    FormulaCase{"VoltsTimesAmpsThreePhaseKilo", "watts.ei", {"480", "100", "90"}, kThreeKilo,
                "74.8224", "WATTS=VOLTS x AMPS x PF x 1.732     ", "74.8224=480 x 100 x 90 x 1.732"},
    FormulaCase{"VoltsTimesAmpsDCForcesPF", "watts.ei", {"120", "10", "50"}, kDC,
                "1200.", "WATTS=VOLTS x AMPS     ", "1200.=120 x 10", {"120", "10", "100."}},
    FormulaCase{"OhmsTimesAmpsSquaredSinglePhase", "watts.ri", {"10", "5", "80"}, kSingle,
                "200.", "WATTS=OHMS x AMPS ^ 2 x PF     ", "200.=10 x 5 ^ 2  x 80"},
    FormulaCase{"OhmsTimesAmpsSquaredDC", "watts.ri", {"10", "5", "100"}, kDC,
                "250.", "WATTS=OHMS x AMPS ^ 2     ", "250.=10 x 5 ^ 2 "},
    FormulaCase{"OhmsTimesAmpsSquaredTwoPhase", "watts.ri", {"10", "5", "80"}, kTwo,
                "400.", "WATTS=OHMS x AMPS ^ 2 x PF x 2.     ", "400.=10 x 5 ^ 2  x 80 x 2."},
    FormulaCase{"VoltsSquaredOverOhmsDC", "watts.er", {"120", "100", "12"}, kDC,
                "1200.", "WATTS=(VOLTS ^ 2) \xF7 OHMS     ", "1200.=(120 ^ 2 ) \xF7 12"},
    FormulaCase{"VoltsSquaredOverOhmsThreePhase", "watts.er", {"120", "90", "12"}, kThree,
                "1870.56", "WATTS=(VOLTS ^ 2 x PF x 1.732) \xF7 OHMS     ",
                "1870.56=(120 ^ 2  x 90 x 1.732) \xF7 12"},
    FormulaCase{"VoltsSquaredOverZeroOhms", "watts.er", {"120", "100", "0"}, kDC,
                "0.", "WATTS=(VOLTS ^ 2) \xF7 OHMS     ", "0.=(120 ^ 2 ) \xF7 0"}
), CaseName);
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Resistance, FormulaCaseTest, testing::Values(
    FormulaCase{"VoltsOverAmps", "ohms.ei", {"120", "10"}, kDC,
                "12.", "OHMS=VOLTS \xF7 AMPS     ", "12.=120\xF7" "10"},
    FormulaCase{"VoltsOverZeroAmps", "ohms.ei", {"120", "0"}, kDC,
                "0.", "OHMS=VOLTS \xF7 AMPS     ", "0.=120\xF7" "0"},
    FormulaCase{"VoltsSquaredOverWattsDC", "ohms.ep", {"120", "100", "1000"}, kDC,
                "14.4", "OHMS=(VOLTS^2 )\xF7 WATTS     ", "14.4= (120^2 ) \xF7 1000"},
    FormulaCase{"VoltsSquaredOverWattsThreePhase", "ohms.ep", {"480", "90", "10000"}, kThree,
                "35.914752", "OHMS=(VOLTS^2  x PF x 1.732)\xF7 WATTS     ",
                "35.914752= (480^2  x 90 x 1.732) \xF7 10000"},
    FormulaCase{"VoltsSquaredOverKiloWatts", "ohms.ep", {"120", "90", "2"}, kSingleKilo,
                "6.48", "OHMS=(VOLTS^2  x PF)\xF7 WATTS     ", "6.48= (120^2  x 90) \xF7 2"},
    FormulaCase{"WattsOverAmpsSquaredDC", "ohms.pi", {"100", "2", "100"}, kDC,
                "25.", "OHMS=WATTS \xF7 (AMPS^2)     ", "25.=100\xF7 (2^2)"},
    FormulaCase{"WattsOverAmpsSquaredSinglePhase", "ohms.pi", {"1000", "5", "80"}, kSingle,
                "50.", "OHMS=WATTS \xF7 (AMPS^2 x PF)     ", "50.=1000\xF7 (5^2 x 80)"},
    FormulaCase{"WattsOverHalfAmpSquared", "ohms.pi", {"100", "0.5", "100"}, kDC,
                "400.", "OHMS=WATTS \xF7 (AMPS^2)     ", "400.=100\xF7 (0.5^2)"},
    FormulaCase{"WattsOverSpinnerHalfAmp", "ohms.pi", {"100", ".5", "100"}, kDC,
                "400.", "OHMS=WATTS \xF7 (AMPS^2)     ", "400.=100\xF7 (.5^2)"}
), CaseName);
// clang-format on

TEST(WattsFormula, ResultAndWattsLabelFollowThePowerUnit)
{
    // Values: volts, amps, pf, phase, unit.
    const InputValues kilo = {{"120"}, {"10"}, {"100"}, {"", 0}, {"", 1}};
    Outcome outcome = Evaluate(*FindCalculator("watts.ei"), kilo);
    EXPECT_EQ(outcome.results[0].name, "Kilo");
    outcome = Evaluate(*FindCalculator("watts.ei"), {{"120"}, {"10"}, {"100"}, {"", 0}, {"", 0}});
    EXPECT_EQ(outcome.results[0].name, "Watts");
    // Elsewhere the result keeps its name and the watts field reads "Kilo".
    outcome = Evaluate(*FindCalculator("volts.pi"), kilo);
    EXPECT_EQ(outcome.results[0].name, "Volts");
    EXPECT_EQ(outcome.labels[0], "&Kilo");
    EXPECT_EQ(Evaluate(*FindCalculator("ohms.pi"), kilo).results[0].name, "Ohms");
}

TEST(OhmsLawFormulas, ExactValuesOfTheExamples)
{
    const auto value = [](const char* name, InputValues values) {
        return Evaluate(*FindCalculator(name), std::move(values)).results[0].number.value_or(-1);
    };
    const InputValue three{"", int(Phase::Three)};
    const InputValue kilo{"", int(PowerUnit::Kilo)};
    EXPECT_DOUBLE_EQ(value("volts.pr", {{"1000"}, {"10"}, {"100"}, three}),
                     std::sqrt(10 * 1000 / (1.0 * 1.732)));
    EXPECT_DOUBLE_EQ(value("watts.ei", {{"480"}, {"100"}, {"90"}, three, kilo}),
                     480 * (100 * (1.732 * 0.9)) * 0.001);
    EXPECT_DOUBLE_EQ(value("ohms.ep", {{"480"}, {"90"}, {"10000"}, three}),
                     480.0 * 480 * 0.9 * 1.732 / 10000);
}

struct TextsCase
{
    const char* name;
    const char* formula;
    std::vector<const char*> initial;
    std::vector<const char*> reset;  // nullptr: left as it is
};

std::ostream& operator<<(std::ostream& os, const TextsCase& c)
{
    return os << c.name;
}

class InitialTextsTest : public testing::TestWithParam<TextsCase>
{
};

TEST_P(InitialTextsTest, InitialAndResetTexts)
{
    const TextsCase& c = GetParam();
    const Calculator* formula = FindCalculator(c.formula);
    ASSERT_TRUE(formula);
    ASSERT_GE(formula->inputs.size(), c.initial.size());
    for (size_t i = 0; i < c.initial.size(); ++i) {
        EXPECT_EQ(formula->inputs[i].opening, c.initial[i]) << i;
        if (c.reset[i]) {
            EXPECT_EQ(formula->inputs[i].reset, c.reset[i]) << i;
        } else {
            EXPECT_FALSE(formula->inputs[i].reset.has_value()) << i;
        }
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(OhmsLaw, InitialTextsTest, testing::Values(
    TextsCase{"VoltsRxI", "volts.rxi", {"0", "0"}, {"0", "0"}},
    TextsCase{"VoltsPI", "volts.pi", {"0.", "0.", "100."}, {"0", "0", "100"}},
    TextsCase{"VoltsPR", "volts.pr", {"0", "0", "100"}, {"0", "0", nullptr}},
    TextsCase{"WattsEI", "watts.ei", {"0", "0", "100"}, {"0", "0", "100"}},
    TextsCase{"WattsRI", "watts.ri", {"0", "0", "100"}, {"0", "0", "100"}},
    TextsCase{"WattsER", "watts.er", {"0", "100", "0"}, {"0", "100", "0"}},
    TextsCase{"OhmsEI", "ohms.ei", {"0.", "0."}, {"0", "0"}},
    TextsCase{"OhmsEP", "ohms.ep", {"0.", "100", "0."}, {"0", nullptr, "0"}},
    TextsCase{"OhmsPI", "ohms.pi", {"0", "0", "100"}, {"0", "0", nullptr}},
    TextsCase{"AmpsER", "amps.er", {"0.", "0."}, {"0", "0"}},
    TextsCase{"AmpsPE", "amps.pe", {"0.", "0.", "100."}, {"0", "0", "100"}},
    TextsCase{"AmpsPR", "amps.pr", {"0", "0", "100"}, {"0", "0", nullptr}},
    TextsCase{"MotorAmps", "motor.amps", {"0", "0", "100", "100"}, {"0", "0", "100", "100"}},
    TextsCase{"MotorHP", "motor.hp", {"0", "0", "100", "100"}, {"0", "0", "100", "100"}}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
