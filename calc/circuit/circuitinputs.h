#pragma once

// The inputs of the circuit check: their descriptions, and one circuit read from their texts.
// Unlike the tabs' fields, a text is taken whole or refused with the reason, since a schedule
// typed wrong must not be checked as something else; an empty text takes the input's default.

#include "calculator.h"
#include "editions.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::circuit {

// The inputs in their order, as the command line names them and a schedule's header does.
enum InputIndex : size_t {
    kLoad,
    kUnit,
    kPowerFactor,
    kContinuous,
    kSystem,
    kNeutral,
    kVolts,
    kLength,
    kSets,
    kMaterial,
    kRating,
    kInsulation,
    kTerminals,
    kAmbient,
    kAmbientUnit,
    kCcc,
    kRaceway,
    kRacewayMetal,
    kMaxDrop,
    kOcpd,
    kSize,
    kEgc,
    kEdition,
    kCircuitName,
    kRacewayId,
    kInputCount,
};

std::vector<Input> CircuitInputDescriptions();

enum class LoadUnit {
    Amps,
    Kva,
    Kw,
};

enum class System {
    DC,
    SinglePhase,
    ThreePhase,
};

// The Volt Drop tab's conduit columns: "PVC", "Aluminum", "Steel".
enum class RacewayColumn {
    Pvc,
    Aluminum,
    Steel,
};

// One circuit, read.
struct Circuit
{
    double load = 20;
    LoadUnit unit = LoadUnit::Amps;
    double powerFactor = 85;  // per cent
    double continuous = 100;  // per cent of the load
    System system = System::SinglePhase;
    bool neutral = false;
    double volts = 240;
    double length = 100;  // feet, one way
    int sets = 1;
    Metal material = Metal::Copper;
    int rating = 75;               // °C
    int insulation = 4;            // a position in the Conduit tab's list: "THHN"
    std::optional<int> terminals;  // °C; none: auto
    double ambient = 30;
    bool fahrenheit = false;
    std::optional<long> ccc;                     // none: auto
    int raceway = 0;                             // a position in the Conduit tab's list: "EMT"
    std::optional<RacewayColumn> racewayColumn;  // none: auto
    double maxDrop = 3;                          // per cent of the volts
    std::optional<double> ocpd;                  // amperes; none: auto
    std::optional<Cmil> size;                    // none: auto
    std::optional<Metal> egc;                    // none: the phase conductors' metal
    Edition edition = Edition::Nec2023;
    std::string name;                  // UTF-8; its row number when not given
    std::string racewayId;             // UTF-8; empty: a raceway of its own
    std::vector<InputIndex> defaults;  // the inputs not given, in their order
};

// The current-carrying conductors of one set of the circuit by itself.
int OwnCurrentCarrying(System system);

// The load current, amperes (step 1): the load itself, or from kVA or kW at the volts (and the
// power factor for kW; 1.732 for three phase, as the Ohm's-law and Volt Drop tabs have it).
double LoadCurrent(const Circuit& circuit);

// The sizes the check may choose: AC the sizes of the AC resistance and reactance tables, DC the
// stranded sizes of the DC resistance table, 14 AWG copper or 12 AWG aluminum to 1000 kcmil;
// 1/0 AWG and up for conductors in parallel.
std::span<const Cmil> CandidateSizes(System system, Metal metal, int sets);

// One circuit from its texts (Windows-1252, by input; fewer texts leave the rest empty), with
// `row` as its name when it has none.
struct ReadCircuit
{
    std::optional<Circuit> circuit;
    std::optional<Refusal> refused;
};
ReadCircuit Read(std::span<const std::string_view> texts, long row);
ReadCircuit Read(std::span<const std::string> texts, long row);
ReadCircuit Read(const InputValues& values, long row);

// Every input as the check took it: the text given, or its default.
std::vector<std::string> ShownInputs(const InputValues& values, const Circuit& circuit);

}  // namespace tavo::circuit
