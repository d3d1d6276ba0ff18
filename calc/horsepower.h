#pragma once

// The Motor tab: line current from a motor's horse power ("Amps") and horse power from its
// current ("HP"), at 746 watts per horse power, with efficiency, power factor and phase.

namespace tavo {

namespace HorsePowerCalculator {

inline constexpr double kWattsPerHorsePower = 746;
// 1 / 746, written out as the program has always used it.
inline constexpr double kHorsePowerPerWatt = 0.0013404825737265416;

// Efficiency and power factor in per cent; 0 unless volts, horse power (or amps) and
// efficiency are above zero.
double AmpsFromHorsePower(double horsePower, double volts, double efficiency, double powerFactor,
                          double multiplier);
double HorsePowerFromAmps(double volts, double amps, double efficiency, double powerFactor,
                          double multiplier);

}  // namespace HorsePowerCalculator

}  // namespace tavo
