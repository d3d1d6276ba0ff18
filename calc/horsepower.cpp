#include "horsepower.h"

#include "numbertext.h"

namespace tavo {

namespace HorsePowerCalculator {

double AmpsFromHorsePower(double horsePower, double volts, double efficiency, double powerFactor,
                          double multiplier)
{
    if (!(volts > 0 && horsePower > 0 && efficiency > 0)) {
        return 0;
    }
    return (horsePower * kWattsPerHorsePower) /
           (volts * (powerFactor * 0.01) * (efficiency * 0.01) * multiplier);
}

double HorsePowerFromAmps(double volts, double amps, double efficiency, double powerFactor,
                          double multiplier)
{
    if (!(volts > 0 && amps > 0 && efficiency > 0)) {
        return 0;
    }
    return volts * amps * (efficiency * 0.01) * (powerFactor * 0.01) * multiplier *
           kHorsePowerPerWatt;
}

}  // namespace HorsePowerCalculator

namespace {

std::string S(std::string_view text)
{
    return std::string(text);
}

}  // namespace

FormulaResult MotorAmps(std::string_view horsePower, std::string_view volts,
                        std::string_view efficiency, std::string_view pf, PowerChoice power)
{
    FormulaResult result = MakeResult(HorsePowerCalculator::AmpsFromHorsePower(
        ParseNumber(horsePower), ParseNumber(volts), ParseNumber(efficiency), ParseNumber(pf),
        ParseNumber(MultiplierText(power.phase))));
    result.report.header = "AMPS=(HORSE POWER x 746) " + kDivide + " VOLTS x EFFICIENCY" +
                           PowerTermsHeader(power) + kHeaderEnd;
    result.report.body = result.text + "=(" + S(horsePower) + " x " + "746)" + " " + kDivide + " " +
                         S(volts) + " x " + S(efficiency) + PowerTermsBody(power, pf);
    result.report.trailer = kTrailer;
    return result;
}

FormulaResult MotorHorsePower(std::string_view volts, std::string_view amps,
                              std::string_view efficiency, std::string_view pf, PowerChoice power)
{
    FormulaResult result = MakeResult(HorsePowerCalculator::HorsePowerFromAmps(
        ParseNumber(volts), ParseNumber(amps), ParseNumber(efficiency), ParseNumber(pf),
        ParseNumber(MultiplierText(power.phase))));
    result.report.header = "HORSE POWER=(VOLTS x AMPS x EFFICIENCY" + PowerTermsHeader(power) +
                           ") " + kDivide + " 746" + kHeaderEnd;
    result.report.body = result.text + "=(" + S(volts) + " x " + S(amps) + " x " + S(efficiency) +
                         PowerTermsBody(power, pf) + ") " + kDivide + " 746";
    result.report.trailer = kTrailer;
    return result;
}

namespace {

constexpr FormulaInput kAmpsInputs[] = {
    {"hp", InputKind::Value, "0", "0"},
    {"volts", InputKind::Value, "0", "0"},
    {"efficiency", InputKind::Percent, "100", "100"},
    {"pf", InputKind::PowerFactor, "100", "100"},
};

constexpr FormulaInput kHorsePowerInputs[] = {
    {"volts", InputKind::Value, "0", "0"},
    {"amps", InputKind::Value, "0", "0"},
    {"efficiency", InputKind::Percent, "100", "100"},
    {"pf", InputKind::PowerFactor, "100", "100"},
};

FormulaResult ComputeAmps(const std::vector<std::string>& t, PowerChoice power)
{
    return MotorAmps(t[0], t[1], t[2], t[3], power);
}

FormulaResult ComputeHorsePower(const std::vector<std::string>& t, PowerChoice power)
{
    return MotorHorsePower(t[0], t[1], t[2], t[3], power);
}

}  // namespace

const FormulaDefinition kMotorAmps{.id = "motor.amps",
                                   .tabLabel = "Amps",
                                   .resultName = "Amps",
                                   .usesPower = true,
                                   .usesPowerUnit = false,
                                   .inputs = kAmpsInputs,
                                   .compute = ComputeAmps};
const FormulaDefinition kMotorHorsePower{.id = "motor.hp",
                                         .tabLabel = "HP",
                                         .resultName = "Horsepower",
                                         .usesPower = true,
                                         .usesPowerUnit = false,
                                         .inputs = kHorsePowerInputs,
                                         .compute = ComputeHorsePower};

}  // namespace tavo
