#pragma once

// The Motor Data tab: full-load amps, breaker, starter size, heater amps and wire size of
// three-phase motors at 230 and 460 volts, looked up by horse power. Every cell is a text and
// is shown as it stands ("00" and "350MCM" are texts, not numbers).

#include "calculator.h"
#include "report.h"

#include <array>
#include <string_view>

namespace tavo {

namespace MotorDataTable {

inline constexpr int kRows = 20;
inline constexpr int kColumns = 5;

// The "Motor Horsepower" list, in its order.
inline constexpr std::array<std::string_view, kRows> kHorsePowers = {
    "1/2", "3/4", "1",  "1-1/2", "2",  "3",  "5",  "7-1/2", "10",  "15",
    "20",  "25",  "30", "40",    "50", "60", "75", "100",   "125", "150",
};

inline constexpr std::array<std::string_view, kColumns> kColumnNames = {
    "Motor Amps", "Breaker", "Starter Size", "Heater Amp", "Wire Size",
};

// The cell for 230 or 460 volts; empty for a voltage, row or column the tables do not have.
std::string_view Lookup(int voltage, int horsePowerIndex, int column);

}  // namespace MotorDataTable

// "3 PHASE MOTOR DATA" and the row's values, each label after the first led by two spaces.
ReportLines MotorDataReport(int voltage, int horsePowerIndex);

// The Motor Data tab: a horse power from its list and 230 or 460 volts; the row on cyan.
extern const Calculator kMotorData;

}  // namespace tavo
