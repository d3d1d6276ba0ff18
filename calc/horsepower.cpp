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

const Calculator kMotorAmps = Formula({
    .name = "motor.amps",
    .summary = "Motor amps from horse power",
    .result = "Amps",
    .power = FormulaPower::Phase,
    .colouredResult = true,
    .fields = {FormulaField("hp", "&Horse Power", "0", "0"),
               FormulaField("volts", "&Voltage", "0", "0"),
               PercentField("efficiency", "&Efficiency", "100", "100"),
               PowerFactorField("&PF", "100", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return MotorAmps(t[0], t[1], t[2], t[3], power); },
});

const Calculator kMotorHorsePower = Formula({
    .name = "motor.hp",
    .summary = "Motor horse power from amps",
    .result = "Horsepower",
    .power = FormulaPower::Phase,
    .colouredResult = true,
    .fields = {FormulaField("volts", "&Voltage", "0", "0"), FormulaField("amps", "&Amps", "0", "0"),
               PercentField("efficiency", "&Efficiency", "100", "100"),
               PowerFactorField("&PF", "100", "100")},
    .arithmetic = [](const FieldTexts& t,
                     PowerChoice power) { return MotorHorsePower(t[0], t[1], t[2], t[3], power); },
});

}  // namespace tavo
