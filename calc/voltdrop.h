#pragma once

// The Volt Drop tab: the voltage lost along a run of one conductor size, as volts and as a per
// cent of the supply, and the lowest voltage left at the load. DC takes the conductor's DC
// resistance corrected for its temperature; 1 Phase and 3 Phase take the AC resistance and
// reactance in the chosen conduit at the power factor.

#include "calculator.h"

#include <span>

namespace tavo {

namespace VoltDropCalculator {

// In the order of the page's boxes.
enum class Mode {
    DC,
    SinglePhase,
    ThreePhase,
};

// Conductor types: DC "Uncoated Copper", "Coated Copper", "Aluminum"; AC "Uncoated Copper",
// "Aluminum". Conduit types: "PVC", "Aluminum", "Steel".
std::span<const Option> ConductorList(Mode mode);
inline constexpr int kDcAluminum = 2;
inline constexpr int kAcAluminum = 1;
inline constexpr int kSteel = 2;

// The sizes of a mode: the DC list, or the AC list of copper or of aluminum (which starts at
// "# 12"). `conductor` is a position in the mode's conductor list.
std::span<const Option> SizeList(Mode mode, int conductor);

// Ohms per 1000 feet; 0 outside the tables. A size is a position in its mode's list.
double DcResistance(int size, int conductor);
double AcResistance(int size, int conduit, bool aluminum);
// By a row of the copper AC sizes, in PVC or aluminum conduit (0) or steel (1).
double Reactance(int row, int column);

struct Inputs
{
    Mode mode = Mode::SinglePhase;
    int size = 0;
    int conduit = 0;
    int conductor = 0;
    double length = 20;  // feet, one way
    double amps = 10;
    double volts = 230;
    double powerFactor = 85;  // per cent
    double temperature = 75;  // degrees Celsius, of the conductor in DC
};

struct Drops
{
    double neutral = 0;  // one conductor
    double line = 0;     // the whole circuit
    double percentNeutral = 0;
    double percentLine = 0;
    double lowest = 0;  // what is left at the load
};

Drops Compute(const Inputs& inputs);

}  // namespace VoltDropCalculator

extern const Calculator kVoltDrop;

}  // namespace tavo
