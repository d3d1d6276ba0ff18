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

std::string Report(const Circuit& c, const CircuitResult& r)
{
    static constexpr std::string_view kSystems[] = {"DC", "1", "3"};
    const Sizing& s = r.sizing;
    return "CIRCUIT=" + c.name + " LOAD=" + Number(s.loadAmps) +
           " A SYSTEM=" + std::string(kSystems[size_t(c.system)]) + " VOLTS=" + Number(c.volts) +
           " LENGTH=" + Number(c.length) + " OCPD=" + (s.device ? Number(*s.device) : "none") +
           " SIZE=" + SizeText(r) + " EGC=" + GroundingText(r) + " RACEWAY=" + RacewayText(r) +
           " EDITION=" + std::string(EditionName(s.edition)) + " STATUS=" + r.status();
}

std::vector<ResultValue> ResultTexts(const Circuit& c, const CircuitResult& r)
{
    const Sizing& s = r.sizing;
    const Candidate* size = s.size();
    const Raceway& raceway = r.raceway;
    std::vector<std::string> texts(kResultCount, "none");
    texts[kStatus] = r.status();
    texts[kLoadAmps] = Number(s.loadAmps);
    texts[kDesignAmps] = Number(s.designAmps);
    if (s.device) {
        texts[kOcpdResult] = Number(*s.device);
    }
    texts[kOcpdSource] = s.deviceGiven ? "given" : "auto";
    texts[kTerminalsResult] = std::to_string(s.terminations);
    texts[kSizeResult] = SizeText(r);
    if (size) {
        texts[kDecidedBy] = s.decidedBy();
        texts[kAmpacity] = Number(size->usable);
        texts[kAmpacityMargin] = Number(size->usable - s.loadAmps);
        texts[kVoltDrop] = Number(size->drop);
        texts[kVoltDropPercent] = Number(size->dropPercent);
        texts[kVoltDropMargin] = Number(c.maxDrop - size->dropPercent);
        texts[kLowestVoltage] = Number(c.volts - size->drop);
        if (const Candidate* below = s.below()) {
            texts[kNextSmaller] = SizeWithSets(c.sets, below->size);
        }
        texts[kNextSmallerFails] = NextSmallerFails(s);
        texts[kEgcResult] = GroundingText(r);
        texts[kEgcRule] = GroundingRuleText(s.grounding, s);
        if (raceway.sized) {
            texts[kRacewayResult] = RacewayName(raceway);
            texts[kRacewayConductors] = ConductorList(raceway);
            texts[kRacewayArea] = Fixed(raceway.area, 4);
            texts[kRacewayUsable] = Fixed(raceway.usable, 4);
            texts[kFillLimit] = Number(raceway.limit);
            texts[kRacewayFill] = Number(raceway.fill);
        }
    }
    if (!raceway.sized && !raceway.why.empty()) {
        texts[kRacewayResult] = "none: " + raceway.why;
    }
    if (!raceway.id.empty()) {
        texts[kRacewayIdResult] = raceway.id;
    }
    std::string circuits;
    for (const std::string& name : raceway.circuits) {
        circuits += (circuits.empty() ? "" : ", ") + name;
    }
    texts[kRacewayCircuits] = circuits.empty() ? c.name : circuits;

    std::vector<ResultValue> results(kResultCount);
    for (size_t i = 0; i < kResultCount; ++i) {
        results[i].text = std::move(texts[i]);
    }
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

    void learn(int pass, long row, const InputValues& values) override
    {
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
        {.label = "Raceway ID"},
        {.label = "Raceway Circuits"},
    };
}

}  // namespace

Outcome CircuitOutcome(const InputValues& values, const Circuit& circuit,
                       const CircuitResult& result, bool traced)
{
    Outcome outcome;
    outcome.shown = ShownInputs(values, circuit);
    outcome.results = ResultTexts(circuit, result);
    outcome.report = {"CIRCUIT CHECK", Utf8ToWindows1252(Report(circuit, result)), kTrailer};
    if (traced) {
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
