#pragma once

// The circuit check as a calculator: its description for the command line and the schedule
// window, and the texts of a circuit's results by the description's results.

#include "calculator.h"
#include "check.h"

#include <vector>

namespace tavo {

namespace circuit {

// The results in the order of the description's results: "Status", "Load Amps", ...
enum ResultIndex : size_t {
    kStatus,
    kLoadAmps,
    kDesignAmps,
    kOcpdResult,
    kOcpdSource,
    kTerminalsResult,
    kSizeResult,
    kDecidedBy,
    kAmpacity,
    kAmpacityMargin,
    kVoltDrop,
    kVoltDropPercent,
    kVoltDropMargin,
    kLowestVoltage,
    kNextSmaller,
    kNextSmallerFails,
    kEgcResult,
    kEgcRule,
    kRacewayResult,
    kRacewayConductors,
    kRacewayArea,
    kRacewayUsable,
    kFillLimit,
    kRacewayFill,
    kRacewayIdResult,
    kRacewayCircuits,
    kResultCount,
};

// The outcome of one circuit: result texts, report and, when `traced`, the inputs as taken and
// the trace's lines.
Outcome CircuitOutcome(const InputValues& values, const Circuit& circuit,
                       const CircuitResult& result, bool traced);

}  // namespace circuit

extern const Calculator kCircuit;

}  // namespace tavo
