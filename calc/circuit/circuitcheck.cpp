#include "circuitcheck.h"

#include "schedule.h"
#include "windows1252.h"

namespace tavo {

namespace circuit {

namespace {

std::string Number(double value)
{
    return Fixed(value, 2);
}

std::string GroundingRuleText(const Grounding& g, const Sizing& s)
{
    if (g.failed) {
        return "fails: " + g.why;
    }
    const std::string row =
        "Table 250.122, " + std::to_string(g.row.rating) + " A row: " + SizeName(g.row.size);
    std::string text;
    if (g.required > 0) {
        const Cmil phase = s.size()->size;
        const Cmil ampacity = s.candidates[*s.ampacitySize].size;
        text = "increased (250.122(B)): " + Fixed(double(g.row.size), 1) + " × " +
               Fixed(double(phase), 1) + " / " + Fixed(double(ampacity), 1) + " = " +
               Fixed(g.required, 1) + " cmil from " + row;
    } else {
        text = "table (" + row + ")";
    }
    if (g.rule == GroundingRule::Capped) {
        text = "capped (250.122(A)) at the phase conductor; " + text;
    }
    return text;
}

std::string NextSmallerFails(const Sizing& s)
{
    const Candidate* below = s.below();
    if (!below) {
        return "none";
    }
    std::string text;
    for (const SizeCheck& check : below->checks) {
        if (!check.passed) {
            text += (text.empty() ? "" : ", ") + CheckText(Described(check));
        }
    }
    return text.empty() ? "passes every check" : text;
}

// The report's body from the result texts, in Windows-1252 as reports are kept.
std::string Report(const Circuit& c, const CircuitResult& r, const std::vector<ResultValue>& texts)
{
    static constexpr std::string_view kSystems[] = {"DC", "1", "3"};
    std::string report;
    report.reserve(220);
    const auto add = [&](std::string_view name, std::string_view text) {
        report += name;
        report += text;
    };
    add("CIRCUIT=", c.name);
    add(" LOAD=", texts[kLoadAmps].text);
    add(" A SYSTEM=", kSystems[size_t(c.system)]);
    add(" VOLTS=", Number(c.volts));
    add(" LENGTH=", Number(c.length));
    add(" OCPD=", texts[kOcpdResult].text);
    add(" SIZE=", texts[kSizeResult].text);
    add(" EGC=", texts[kEgcResult].text);
    add(" RACEWAY=", RacewayText(r));
    add(" EDITION=", EditionName(r.sizing.edition));
    add(" STATUS=", texts[kStatus].text);
    return Utf8ToWindows1252(report);
}

std::vector<ResultValue> ResultTexts(const Circuit& c, const CircuitResult& r)
{
    const Sizing& s = r.sizing;
    const Candidate* size = s.size();
    const Raceway& raceway = r.raceway;
    std::vector<ResultValue> results(kResultCount);
    for (ResultValue& result : results) {
        result.text = "none";
    }
    const auto text = [&](size_t i) -> std::string& { return results[i].text; };
    text(kStatus) = r.status();
    text(kLoadAmps) = Number(s.loadAmps);
    text(kDesignAmps) = Number(s.designAmps);
    if (s.device) {
        text(kOcpdResult) = Number(*s.device);
    }
    text(kOcpdSource) = s.deviceGiven ? "given" : "auto";
    text(kTerminalsResult) = std::to_string(s.terminations);
    text(kSizeResult) = SizeText(r);
    if (size) {
        text(kDecidedBy) = s.decidedBy();
        text(kAmpacity) = Number(size->usable);
        text(kAmpacityMargin) = Number(size->usable - s.loadAmps);
        text(kVoltDrop) = Number(size->drop);
        text(kVoltDropPercent) = Number(size->dropPercent);
        text(kVoltDropMargin) = Number(c.maxDrop - size->dropPercent);
        text(kLowestVoltage) = Number(c.volts - size->drop);
        if (const Candidate* below = s.below()) {
            text(kNextSmaller) = SizeWithSets(c.sets, below->size);
        }
        text(kNextSmallerFails) = NextSmallerFails(s);
        text(kEgcResult) = GroundingText(r);
        text(kEgcRule) = GroundingRuleText(s.grounding, s);
        if (raceway.sized) {
            text(kRacewayResult) = RacewayName(raceway);
            text(kRacewayConductors) = ConductorList(raceway);
            text(kRacewayArea) = Fixed(raceway.area, 4);
            text(kRacewayUsable) = Fixed(raceway.usable, 4);
            text(kFillLimit) = Number(raceway.limit);
            text(kRacewayFill) = Number(raceway.fill);
        }
    }
    if (!raceway.sized && !raceway.why.empty()) {
        text(kRacewayResult) = "none: " + raceway.why;
    }
    if (!raceway.id.empty()) {
        text(kRacewayIdResult) = raceway.id;
    }
    std::string circuits;
    for (const std::string& name : raceway.circuits) {
        circuits += (circuits.empty() ? "" : ", ") + name;
    }
    text(kRacewayCircuits) = circuits.empty() ? c.name : circuits;

    results[kLoadAmps].number = s.loadAmps;
    results[kDesignAmps].number = s.designAmps;
    if (size) {
        results[kAmpacity].number = size->usable;
        results[kVoltDropPercent].number = size->dropPercent;
    }
    return results;
}

Outcome Refused(Refusal refusal)
{
    Outcome outcome;
    outcome.refused = std::move(refusal);
    return outcome;
}

Outcome ComputeCircuit(const InputValues& values)
{
    const ReadCircuit read = Read(values, 1);
    if (!read.circuit) {
        return Refused(*read.refused);
    }
    return CircuitOutcome(values, *read.circuit, CheckAlone(*read.circuit, true), true);
}

// A batch of circuits: the raceways they share are learnt in one or two passes over the rows.
class SchedulePlan : public BatchPlan
{
public:
    explicit SchedulePlan(bool traced) : m_schedule(traced), m_traced(traced) {}

    int passes() const override { return m_schedule.sharesRaceways() ? 2 : 1; }
    int keyInput() const override { return int(kRacewayId); }

    void learn(int pass, long row, const InputValues& values) override
    {
        // Only circuits that name a raceway have anything to tell of it.
        if (values[kRacewayId].text.empty()) {
            return;
        }
        const ReadCircuit read = Read(values, row);
        if (!read.circuit) {
            return;  // a row refused takes no part
        }
        if (pass == 0) {
            m_schedule.count(row, *read.circuit);
        } else {
            m_schedule.size(row, *read.circuit);
        }
    }

    void endPass(int pass) override
    {
        if (pass == 1) {
            m_schedule.finishSizing();
        }
    }

    Outcome compute(long row, const InputValues& values, bool) const override
    {
        const ReadCircuit read = Read(values, row);
        if (!read.circuit) {
            return Refused(*read.refused);
        }
        return CircuitOutcome(values, *read.circuit, m_schedule.check(row, *read.circuit),
                              m_traced);
    }

private:
    Schedule m_schedule;
    bool m_traced;
};

std::vector<Result> ResultDescriptions()
{
    return {
        {.label = "Status"},
        {.label = "Load Amps"},
        {.label = "Design Amps"},
        {.label = "OCPD"},
        {.label = "OCPD Source"},
        {.label = "Terminals"},
        {.label = "Size"},
        {.label = "Decided By"},
        {.label = "Ampacity"},
        {.label = "Ampacity Margin"},
        {.label = "Volt Drop"},
        {.label = "Volt Drop %"},
        {.label = "Volt Drop Margin"},
        {.label = "Lowest Voltage"},
        {.label = "Next Smaller"},
        {.label = "Next Smaller Fails"},
        {.label = "EGC"},
        {.label = "EGC Rule"},
        {.label = "Raceway"},
        {.label = "Raceway Conductors"},
        {.label = "Raceway Area"},
        {.label = "Raceway Usable"},
        {.label = "Fill Limit"},
        {.label = "Raceway Fill"},
        {.label = "Raceway Name"},
        {.label = "Raceway Circuits"},
    };
}

}  // namespace

Outcome CircuitOutcome(const InputValues& values, const Circuit& circuit,
                       const CircuitResult& result, bool traced)
{
    Outcome outcome;
    outcome.results = ResultTexts(circuit, result);
    outcome.report = {"CIRCUIT CHECK", Report(circuit, result, outcome.results), kTrailer};
    if (traced) {
        // The inputs as the check took them, defaults filled in; a batch row writes its own.
        outcome.shown = ShownInputs(values, circuit);
        for (const TraceStep& step : result.trace) {
            outcome.trace.push_back(TraceLine(step));
        }
    }
    return outcome;
}

}  // namespace circuit

const Calculator kCircuit{
    .name = "circuit",
    .summary = "Sizes a whole feeder or branch circuit: device, conductors, grounding conductor, "
               "raceway",
    .hasPage = false,
    .explains = true,
    .inputs = circuit::CircuitInputDescriptions(),
    .results = circuit::ResultDescriptions(),
    .compute = circuit::ComputeCircuit,
    .plan = [](bool traced) -> std::unique_ptr<BatchPlan> {
        return std::make_unique<circuit::SchedulePlan>(traced);
    },
};

}  // namespace tavo
