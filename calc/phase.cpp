#include "phase.h"

#include "numbertext.h"

namespace tavo {

std::string MultiplierText(Phase phase)
{
    switch (phase) {
    case Phase::DC:
    case Phase::Single:
        return FormatNumber(1);
    case Phase::Two:
        return FormatNumber(2);
    case Phase::Three:
        return FormatNumber(1.732);
    }
    return FormatNumber(1);
}

double KiloFactor(PowerUnit unit)
{
    return unit == PowerUnit::Kilo ? 1000.0 : 1.0;
}

}  // namespace tavo
