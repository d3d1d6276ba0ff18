// Every calculator of the program, in the order the command line lists them.

#include "ampacity.h"
#include "boxfill.h"
#include "calculator.h"
#include "circuit/circuitcheck.h"
#include "conduitfill.h"
#include "conversions.h"
#include "ground.h"
#include "motordata.h"
#include "transformer.h"
#include "voltdrop.h"

#include <array>

namespace tavo {

// The formulas of the Ohm's-law and motor pages, each defined in its page's unit.
extern const Calculator kAmpsFromVoltsAndOhms;
extern const Calculator kAmpsFromWattsAndVolts;
extern const Calculator kAmpsFromWattsAndOhms;
extern const Calculator kVoltsFromOhmsAndAmps;
extern const Calculator kVoltsFromWattsAndAmps;
extern const Calculator kVoltsFromWattsAndOhms;
extern const Calculator kWattsFromVoltsAndAmps;
extern const Calculator kWattsFromOhmsAndAmps;
extern const Calculator kWattsFromVoltsAndOhms;
extern const Calculator kOhmsFromVoltsAndAmps;
extern const Calculator kOhmsFromVoltsAndWatts;
extern const Calculator kOhmsFromWattsAndAmps;
extern const Calculator kMotorAmps;
extern const Calculator kMotorHorsePower;

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
        &kGround,
        &kAmpacity,
        &kVoltDrop,
        &kConduitFill,
        &kBoxFill,
        &kConvertTemperature,
        &kConvertLength,
        &kConvertMetric,
        &kConvertCircularMils,
        &kCircuit,
    };
    return kAll;
}

std::vector<const Calculator*> TabCalculators()
{
    std::vector<const Calculator*> shown;
    for (const Calculator* calculator : AllCalculators()) {
        if (calculator->hasPage) {
            shown.push_back(calculator);
        }
    }
    return shown;
}

}  // namespace tavo
