// Every calculator of the program, in the order the command line lists them.

#include "amps.h"
#include "calculator.h"
#include "horsepower.h"
#include "motordata.h"
#include "resistance.h"
#include "transformer.h"
#include "volts.h"
#include "watts.h"

#include <array>

namespace tavo {

std::span<const Calculator* const> AllCalculators()
{
    static const std::array kAll = {
        &kAmpsFromVoltsAndOhms,
        &kAmpsFromWattsAndVolts,
        &kAmpsFromWattsAndOhms,
        &kVoltsFromOhmsAndAmps,
        &kVoltsFromWattsAndAmps,
        &kVoltsFromWattsAndOhms,
        &kWattsFromVoltsAndAmps,
        &kWattsFromOhmsAndAmps,
        &kWattsFromVoltsAndOhms,
        &kOhmsFromVoltsAndAmps,
        &kOhmsFromVoltsAndWatts,
        &kOhmsFromWattsAndAmps,
        &kMotorAmps,
        &kMotorHorsePower,
        &kTransformer,
        &kMotorData,
    };
    return kAll;
}

}  // namespace tavo
