// The Motor (horse power), Xformer and Motor Data calculations.

#include "formulacase.h"
#include "horsepower.h"
#include "motordata.h"
#include "transformer.h"

using namespace tavo;

namespace {

// clang-format off
INSTANTIATE_TEST_SUITE_P(Motor, FormulaCaseTest, testing::Values(
    FormulaCase{"AmpsDefaults", "motor.amps", {"0", "0", "100", "100"}, kDC,
                "0.", "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY     ",
                "0.=(0 x 746) \xF7 0 x 100"},
    FormulaCase{"AmpsDC", "motor.amps", {"10", "230", "100", "100"}, kDC,
                "32.43478261", "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY     ",
                "32.43478261=(10 x 746) \xF7 230 x 100"},
    FormulaCase{"AmpsThreePhase", "motor.amps", {"10", "460", "90", "85"}, kThree,
                "12.23972536", "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY x PF x 1.732     ",
                "12.23972536=(10 x 746) \xF7 460 x 90 x 85 x 1.732"},
    FormulaCase{"AmpsEfficiencyClamped", "motor.amps", {"5", "230", "5", "150"}, kSingle,
                "162.173913", "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY x PF     ",
                "162.173913=(5 x 746) \xF7 230 x 10 x 100", {"5", "230", "10", "100"}},
    FormulaCase{"AmpsDCForcesPowerFactor", "motor.amps", {"10", "230", "100", "50"}, kDC,
                "32.43478261", "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY     ",
                "32.43478261=(10 x 746) \xF7 230 x 100", {"10", "230", "100", "100."}},
    FormulaCase{"HorsePowerDefaults", "motor.hp", {"0", "0", "100", "100"}, kDC,
                "0.", "HORSE POWER=(VOLTS x AMPS x EFFICIENCY) \xF7 746     ",
                "0.=(0 x 0 x 100) \xF7 746"},
    FormulaCase{"HorsePowerTwoPhase", "motor.hp", {"230", "10", "100", "100"}, kTwo,
                "6.166219839", "HORSE POWER=(VOLTS x AMPS x EFFICIENCY x PF x 2.) \xF7 746     ",
                "6.166219839=(230 x 10 x 100 x 100 x 2.) \xF7 746"},
    FormulaCase{"HorsePowerZeroAmps", "motor.hp", {"230", "0", "100", "100"}, kSingle,
                "0.", "HORSE POWER=(VOLTS x AMPS x EFFICIENCY x PF) \xF7 746     ",
                "0.=(230 x 0 x 100 x 100) \xF7 746"}
), CaseName);
// clang-format on

TEST(HorsePowerCalculator, UsesTheTradeConstants)
{
    using namespace HorsePowerCalculator;
    EXPECT_DOUBLE_EQ(AmpsFromHorsePower(10, 230, 100, 100, 1), 7460.0 / 230);
    EXPECT_DOUBLE_EQ(AmpsFromHorsePower(10, 460, 90, 85, 1.732), 7460 / (460 * 0.85 * 0.9 * 1.732));
    EXPECT_EQ(HorsePowerFromAmps(230, 10, 100, 100, 2),
              230 * 10 * 1.0 * 1.0 * 2 * 0.0013404825737265416);
    EXPECT_EQ(kHorsePowerPerWatt, 0.0013404825737265416);
    EXPECT_EQ(AmpsFromHorsePower(10, 0, 100, 100, 1), 0);
    EXPECT_EQ(AmpsFromHorsePower(10, 230, 0, 100, 1), 0);
    EXPECT_EQ(HorsePowerFromAmps(-230, 10, 100, 100, 1), 0);
}

struct TransformerCase
{
    const char* name;
    const char* rating;
    bool kilo;
    int phase;
    const char* primary;
    const char* secondary;
    const char* ip;
    const char* is;
    const char* body;
};

std::ostream& operator<<(std::ostream& os, const TransformerCase& c)
{
    return os << c.name;
}

class TransformerTest : public testing::TestWithParam<TransformerCase>
{
};

TEST_P(TransformerTest, ComputesAndReports)
{
    const TransformerCase& c = GetParam();
    const TransformerResult r =
        TransformerCurrents(c.rating, c.kilo, c.phase, c.primary, c.secondary);
    EXPECT_EQ(r.primaryText, c.ip);
    EXPECT_EQ(r.secondaryText, c.is);
    EXPECT_EQ(r.report.header, "TRANSFORMER Ip=(Es x Is)\xF7"
                               "Ep Is=(Ep x Ip)\xF7"
                               "Es ");
    EXPECT_EQ(r.report.body, c.body);
    EXPECT_EQ(r.report.trailer, " ");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Xformer, TransformerTest, testing::Values(
    TransformerCase{"SinglePhaseKilo", "10", true, 1, "480", "240", "20.83333333", "41.66666667",
                    "20.83333333=(240x41.66666667)\xF7" "480  41.66666667=(480x20.83333333)\xF7" "240"},
    TransformerCase{"ThreePhaseKilo", "10", true, 3, "480", "208", "12.02848345", "27.75803873",
                    "12.02848345=(208x27.75803873)\xF7" "480  27.75803873=(480x12.02848345)\xF7" "208"},
    TransformerCase{"Watts", "2400", false, 1, "240", "120", "10.", "20.",
                    "10.=(120x20.)\xF7" "240  20.=(240x10.)\xF7" "120"},
    TransformerCase{"NoSecondaryVoltage", "10", true, 1, "480", "0", "20.83333333", "0.",
                    "20.83333333=(0x0.)\xF7" "480  0.=(480x20.83333333)\xF7" "0"},
    TransformerCase{"NoPrimaryVoltage", "10", true, 3, "0", "208", "0.", "0.",
                    "0.=(208x0.)\xF7" "0  0.=(0x0.)\xF7" "208"},
    // A rating below zero gives no current, on either side and in either phase.
    TransformerCase{"NegativeRatingSinglePhase", "-10", true, 1, "480", "240", "0.", "0.",
                    "0.=(240x0.)\xF7" "480  0.=(480x0.)\xF7" "240"},
    TransformerCase{"NegativeRatingThreePhase", "-10", false, 3, "480", "240", "0.", "0.",
                    "0.=(240x0.)\xF7" "480  0.=(480x0.)\xF7" "240"},
    TransformerCase{"Defaults", "0", false, 1, "0", "0", "0.", "0.",
                    "0.=(0x0.)\xF7" "0  0.=(0x0.)\xF7" "0"}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(TransformerCalculator, ExactCurrents)
{
    const auto three = TransformerCalculator::Compute(10, true, 3, 480, 208);
    EXPECT_DOUBLE_EQ(three.primary, 10000 / (480 * 1.732));
    EXPECT_DOUBLE_EQ(three.secondary, three.primary * 480 / 208);
    const auto single = TransformerCalculator::Compute(10, true, 1, 480, 240);
    EXPECT_DOUBLE_EQ(single.primary, 10000.0 / 480);
    EXPECT_DOUBLE_EQ(single.secondary, 10000.0 / 240);
}

// The tables as printed, row by row: Motor Amps, Breaker, Starter Size, Heater Amp, Wire Size.
// clang-format off
const char* const k230[20][5] = {
    {"2", "15", "00", "3", "12"}, {"2.8", "15", "00", "4", "12"}, {"3.6", "15", "00", "5", "12"},
    {"5.2", "15", "00", "8", "12"}, {"6.8", "15", "0", "9", "12"}, {"9.6", "15", "0", "12", "12"},
    {"15.2", "15", "1", "20", "12"}, {"22", "40", "1", "30", "10"}, {"28", "50", "2", "35", "10"},
    {"42", "70", "2", "50", "8"}, {"54", "100", "3", "70", "6"}, {"68", "100", "3", "80", "4"},
    {"80", "125", "3", "100", "3"}, {"104", "175", "4", "150", "1"}, {"130", "200", "4", "175", "0"},
    {"154", "250", "5", "200", "000"}, {"192", "300", "5", "250", "0000"},
    {"248", "400", "5", "300", "350MCM"}, {"312", "500", "6", "400", "500MCM"},
    {"360", "600", "6", "450", "700MCM"},
};
const char* const k460[20][5] = {
    {"1", "15", "00", "2", "12"}, {"1.4", "15", "00", "3", "12"}, {"1.8", "15", "00", "3", "12"},
    {"2.6", "15", "00", "4", "12"}, {"3.4", "15", "00", "5", "12"}, {"4.8", "15", "0", "7", "12"},
    {"7.6", "15", "0", "10", "12"}, {"11", "30", "1", "15", "12"}, {"14", "30", "1", "20", "12"},
    {"21", "40", "2", "25", "10"}, {"27", "50", "2", "35", "10"}, {"34", "50", "2", "40", "8"},
    {"40", "70", "3", "50", "8"}, {"52", "100", "3", "70", "6"}, {"65", "150", "3", "80", "4"},
    {"77", "200", "4", "100", "3"}, {"96", "200", "4", "125", "2"}, {"124", "200", "4", "175", "0"},
    {"156", "250", "5", "200", "000"}, {"180", "300", "5", "225", "0000"},
};
// clang-format on

TEST(MotorDataTable, EveryCellAsPrinted)
{
    using MotorDataTable::Lookup;
    for (int row = 0; row < 20; ++row) {
        for (int column = 0; column < 5; ++column) {
            EXPECT_EQ(Lookup(230, row, column), k230[row][column]) << row << "," << column;
            EXPECT_EQ(Lookup(460, row, column), k460[row][column]) << row << "," << column;
        }
    }
}

TEST(MotorDataTable, HorsePowerListAndColumns)
{
    const std::vector<std::string_view> expected = {
        "1/2", "3/4", "1",  "1-1/2", "2",  "3",  "5",  "7-1/2", "10",  "15",
        "20",  "25",  "30", "40",    "50", "60", "75", "100",   "125", "150"};
    EXPECT_EQ(std::vector<std::string_view>(MotorDataTable::kHorsePowers.begin(),
                                            MotorDataTable::kHorsePowers.end()),
              expected);
    EXPECT_EQ(MotorDataTable::kColumnNames[0], "Motor Amps");
    EXPECT_EQ(MotorDataTable::kColumnNames[4], "Wire Size");
}

TEST(MotorDataTable, OutsideTheTablesIsEmpty)
{
    using MotorDataTable::Lookup;
    EXPECT_EQ(Lookup(240, 0, 0), "");
    EXPECT_EQ(Lookup(230, 20, 0), "");
    EXPECT_EQ(Lookup(230, -1, 0), "");
    EXPECT_EQ(Lookup(460, 0, 5), "");
}

TEST(MotorDataReport, RowsAsReported)
{
    const ReportLines first = MotorDataReport(230, 0);
    EXPECT_EQ(first.header, "3 PHASE MOTOR DATA");
    EXPECT_EQ(first.body,
              "VOLTAGE=230  HP=1/2  AMPS=2  BREAKER=15  STARTER=00  HEATER AMPS=3  WIRE=12");
    EXPECT_EQ(first.trailer, " ");
    EXPECT_EQ(MotorDataReport(460, 19).body,
              "VOLTAGE=460  HP=150  AMPS=180  BREAKER=300  STARTER=5  HEATER AMPS=225  WIRE=0000");
    EXPECT_EQ(
        MotorDataReport(230, 19).body,
        "VOLTAGE=230  HP=150  AMPS=360  BREAKER=600  STARTER=6  HEATER AMPS=450  WIRE=700MCM");
    EXPECT_EQ(MotorDataReport(460, 7).body,
              "VOLTAGE=460  HP=7-1/2  AMPS=11  BREAKER=30  STARTER=1  HEATER AMPS=15  WIRE=12");
}

}  // namespace
