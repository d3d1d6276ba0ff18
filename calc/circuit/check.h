#pragma once

// The circuit check: the device, the conductors by ampacity and by voltage drop, the grounding
// conductor and the raceway of one feeder or branch circuit, each with the rule that decided it.
// Sizing a circuit needs only its raceway's count of current-carrying conductors; the raceway is
// sized for it alone or, in a schedule, with the circuits that share it.

#include "circuitinputs.h"
#include "trace.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tavo::circuit {

// One check of step 7 at one candidate size: the value, the limit it is held to, the margin.
struct SizeCheck
{
    Check check = Check::ContinuousLoad;
    bool passed = true;
    double value = 0;
    double limit = 0;
    bool applies = true;  // false: nothing to hold it to (no device), passed
};

struct Candidate
{
    Cmil size = 0;
    int table = 0;         // T(s), amperes at the rating
    int termination = 0;   // Tt(s), amperes at the termination column
    double corrected = 0;  // Ac(s)
    double usable = 0;     // Au(s), all sets
    double drop = 0;       // volts
    double dropPercent = 0;
    double ohms = 0;  // per 1000 ft of one conductor behind the drop: Z in AC, R in DC; 0 unknown
    std::array<SizeCheck, 5> checks{};  // continuous load to voltage drop

    bool passesAmpacity() const;  // checks a to d
    bool passesAll() const;
};

enum class GroundingRule {
    Table,
    Increased,
    Capped,
};

struct Grounding
{
    bool failed = false;
    std::string why;  // when it failed
    Metal metal = Metal::Copper;
    Cmil size = 0;
    GroundingRule rule = GroundingRule::Table;
    GroundingRow row;     // the table's row for the device
    double required = 0;  // circular mils, when increased
    Cmil below = 0;       // the size under the one chosen, when increased
    Cmil uncapped = 0;    // what the table or the increase gave, when capped
};

// Everything of a circuit but its raceway: steps 1 to 9.
struct Sizing
{
    Edition edition = Edition::Nec2023;
    int sets = 1;
    double loadAmps = 0;
    double designAmps = 0;
    std::optional<double> device;  // none: above every standard rating
    bool deviceGiven = false;
    bool deviceFails = false;
    int terminals = 75;     // the terminations' rating, °C
    int terminations = 75;  // the termination column: the lower of terminals and the rating
    bool terminalsAuto = true;
    long currentCarrying = 0;  // in the raceway, per set
    int adjustment = 100;      // per cent
    std::string countBand;     // "1-3"
    AmbientRow ambient;
    RacewayColumn column = RacewayColumn::Steel;
    std::vector<Candidate> candidates;   // every one evaluated, smallest first
    std::optional<size_t> chosen;        // S, among the candidates
    std::optional<size_t> ampacitySize;  // Sa
    bool sizeGiven = false;
    Cmil largest = 0;  // the largest candidate
    Grounding grounding;

    bool ambientFails() const { return !ambient.factor; }
    const Candidate* size() const { return chosen ? &candidates[*chosen] : nullptr; }
    const Candidate* below() const
    {
        return chosen && *chosen > 0 ? &candidates[*chosen - 1] : nullptr;
    }
    // "voltage drop", "smallest size", "given", or empty when there is no size.
    std::string decidedBy() const;
    // The size left to choose, and no candidate passing every check.
    bool noSizePasses() const { return !sizeGiven && !ambientFails() && !chosen; }
};

// "250 kcmil", "2 × 250 kcmil".
std::string SizeWithSets(int sets, Cmil size);

// Steps 1 to 9 for a circuit whose raceway holds `currentCarrying` current-carrying conductors
// per set, on the tables of `edition`.
Sizing SizeCircuit(const Circuit& circuit, long currentCarrying, Edition edition);

// What a raceway holds: one entry per circuit's conductors of one size and insulation.
struct Conductors
{
    int count = 0;
    Cmil size = 0;
    int insulation = 0;
    bool grounding = false;
    bool neutral = false;
};

struct Raceway
{
    bool sized = false;
    std::string why;               // why it was not sized
    std::optional<Check> failure;  // the check that fails for it, if any
    int type = 0;
    int tradeSize = -1;
    std::vector<Conductors> conductors;
    int count = 0;                      // conductors in it
    double area = 0;                    // square inches, all conductors
    double usable = 0;                  // at the limit
    int limit = 0;                      // per cent
    double fill = 0;                    // per cent of the trade size's whole area
    std::string id;                     // UTF-8; empty: a raceway of its own
    std::vector<std::string> circuits;  // the circuits in it, by name
};

// The conductors one circuit puts in its raceway (one set of it): the phase conductors, the
// neutral, and the grounding conductor when it has one.
std::vector<Conductors> CircuitConductors(const Circuit& circuit, const Sizing& sizing);

// Step 10: the smallest trade size of `type` that holds the conductors, on the edition's areas.
Raceway SizeRaceway(Edition edition, int type, const std::vector<Conductors>& conductors);

// The whole result of one circuit.
struct CircuitResult
{
    Sizing sizing;
    Raceway raceway;
    bool racewayIdFails = false;
    std::string racewayIdWhy;
    std::vector<Check> failed;  // in the order of the status
    std::vector<TraceStep> trace;

    bool ok() const { return failed.empty(); }
    std::string status() const;  // "OK", "FAILS: ampacity, voltage drop"
};

// The result from its sizing and raceway: the failed checks, and the trace when `traced` (with
// the other edition's result to compare, when given).
CircuitResult Finish(const Circuit& circuit, Sizing sizing, Raceway raceway, bool racewayIdFails,
                     std::string racewayIdWhy, bool traced, const CircuitResult* other);

// A check at a size with its numbers, as the trace shows it.
TraceCheck Described(const SizeCheck& check);

// Texts of a result, as the trace and the results name them: "3/4 inch EMT"; "2 × 4 AWG THHN,
// 1 × 4 AWG THHN (neutral), 1 × 6 AWG THHN (grounding)"; "4 AWG" or "no size"; "6 AWG copper"
// or "none".
std::string RacewayName(const Raceway& raceway);
std::string ConductorList(const Raceway& raceway);
std::string SizeText(const CircuitResult& result);
std::string GroundingText(const CircuitResult& result);
std::string RacewayText(const CircuitResult& result);

// The column of the AC resistance and reactance tables: as given, or steel for EMT,
// Intermediate Metal, Rigid Metal, Liquidtight Metal and Flex Metal and PVC for the others.
RacewayColumn ColumnOf(const Circuit& circuit);

// One circuit sized with a raceway of its own (its count of current-carrying conductors its
// own, or as given).
struct Alone
{
    Sizing sizing;
    Raceway raceway;
};
Alone SizeAlone(const Circuit& circuit, Edition edition);

// One circuit by itself, with its raceway of its own.
CircuitResult CheckAlone(const Circuit& circuit, bool traced);
CircuitResult CheckAlone(const Circuit& circuit, Edition edition, bool traced);

}  // namespace tavo::circuit
