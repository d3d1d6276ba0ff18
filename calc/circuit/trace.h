#pragma once

// The trace of a circuit check: every step as data (which step, the code sections behind it, the
// edition whose tables gave its values, what it found, its margin, a candidate's checks), and the
// one place where a step becomes a line of text, for the command line and the window alike.

#include "editions.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::circuit {

// The checks that can fail, in the order the status names them.
enum class Check {
    OvercurrentDevice,
    Ambient,
    ContinuousLoad,
    Ampacity,
    OvercurrentProtection,
    SmallConductor,
    VoltageDrop,
    GroundingConductor,
    Raceway,
    RacewayId,
};

// "overcurrent device", "continuous load", ..., "raceway_id".
std::string_view CheckName(Check check);
// Where a check's rule is: "210.19(A)(1)(a), 215.2(A)(1)(a), 110.14(C)".
std::string_view CheckSection(Check check);

enum class Step {
    Edition,
    Defaults,
    LoadCurrent,
    DesignCurrent,
    Device,
    Terminations,
    Conductors,
    Ambient,
    RacewayColumn,
    Candidate,
    Size,
    GroundingConductor,
    Raceway,
    OtherEdition,
    Status,
};

// "Edition", "Load current", ..., "Status".
std::string_view StepName(Step step);

// One check of a candidate as the trace shows it.
struct TraceCheck
{
    Check check = Check::ContinuousLoad;
    bool passed = true;
    std::string value;    // "40.00 A"
    std::string limit;    // "50.00 A"
    bool atLeast = true;  // the value must reach the limit; otherwise stay within it
    bool applies = true;
};

struct TraceStep
{
    Step step = Step::Edition;
    std::string_view section;  // the code sections to look it up in; may be empty
    Edition edition = Edition::Nec2023;
    bool tables = false;                // its values come from the edition's tables
    std::string finding;                // what it found: "I = 40.00 A"
    std::optional<std::string> margin;  // "5.00 A" from its limit
    std::vector<TraceCheck> checks;     // a candidate's checks
};

// The step as one line: "Design current: Id = 50.00 A [210.19(A)(1)(a), 215.2(A)(1)(a)]".
std::string TraceLine(const TraceStep& step);
// A check with its numbers: "continuous load fails (40.00 A < 50.00 A)".
std::string CheckText(const TraceCheck& check);

// Numbers as the check writes them: a fixed number of decimals, a leading zero, the value
// correctly rounded with ties to even, no sign on a value that rounds to zero.
std::string Fixed(double value, int places);
std::string Amperes(double value);  // "50.00 A"
std::string Percent(double value);  // "1.50 %"

}  // namespace tavo::circuit
