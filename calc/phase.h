#pragma once

// The phase and power-unit choices shared by the Ohm's-law and motor pages.

#include <string>

namespace tavo {

enum class Phase {
    DC = 0,
    Single = 1,
    Two = 2,
    Three = 3,
};

enum class PowerUnit {
    Watts,
    Kilo,
};

struct PowerChoice
{
    Phase phase = Phase::DC;
    PowerUnit unit = PowerUnit::Watts;
};

// 0 for DC up to 3 for three phase; reports grow with it.
inline int PhaseLevel(Phase phase)
{
    return static_cast<int>(phase);
}

// The multiplier as the page shows it: "1.", "1.", "2." or "1.732" (1.732 is the constant the
// trade uses, not the square root of three).
std::string MultiplierText(Phase phase);

// 1000 with Kilo, 1 with Watts.
double KiloFactor(PowerUnit unit);

}  // namespace tavo
