#include "horsepower.h"

#include "formula.h"

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

extern const Calculator kMotorAmps = Formula({
    .name = "motor.amps",
    .summary = "Motor amps from horse power",
    .result = "Amps",
    .power = FormulaPower::Phase,
    .colouredResult = true,
    .fields = {FormulaField("hp", "&Horse Power", "0", "0"),
               FormulaField("volts", "&Voltage", "0", "0"),
               PercentField("efficiency", "&Efficiency", "100", "100"),
               PowerFactorField("&PF", "100", "100")},
    .value =
        [](const FormulaTerms& t) {
            return HorsePowerCalculator::AmpsFromHorsePower(t["hp"], t["volts"], t["efficiency"],
                                                            t["pf"], t.multiplier());
        },
    .reports = {{"AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY{power}",
                 "{result}=({hp} x 746) \xF7 {volts} x {efficiency}{power}"}},
});

extern const Calculator kMotorHorsePower = Formula({
    .name = "motor.hp",
    .summary = "Motor horse power from amps",
    .result = "Horsepower",
    .power = FormulaPower::Phase,
    .colouredResult = true,
    .fields = {FormulaField("volts", "&Voltage", "0", "0"), FormulaField("amps", "&Amps", "0", "0"),
               PercentField("efficiency", "&Efficiency", "100", "100"),
               PowerFactorField("&PF", "100", "100")},
    .value =
        [](const FormulaTerms& t) {
            return HorsePowerCalculator::HorsePowerFromAmps(t["volts"], t["amps"], t["efficiency"],
                                                            t["pf"], t.multiplier());
        },
    .reports = {{"HORSE POWER=(VOLTS x AMPS x EFFICIENCY{power}) \xF7 746",
                 "{result}=({volts} x {amps} x {efficiency}{power}) \xF7 746"}},
});

}  // namespace tavo
