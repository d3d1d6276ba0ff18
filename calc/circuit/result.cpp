// A circuit's result from its sizing and raceway: the checks it fails and its trace.

#include "check.h"

#include "conduittables.h"

#include <algorithm>

namespace tavo::circuit {

namespace {

std::string Number(double value)
{
    return Fixed(value, 2);
}

std::string Cmils(double value)
{
    return Fixed(value, 1);
}

std::string Degrees(int degrees)
{
    return std::to_string(degrees) + " °C";
}

std::string SystemName(System system)
{
    return system == System::DC           ? "DC"
           : system == System::ThreePhase ? "three phase"
                                          : "single phase";
}

std::string DeviceText(const Sizing& s)
{
    return s.device ? Amperes(*s.device) : "none";
}

// Builds the steps of one circuit's trace in their order.
class TraceBuilder
{
public:
    TraceBuilder(const Circuit& circuit, const CircuitResult& result, std::vector<TraceStep>& steps)
        : m_c(circuit), m_r(result), m_s(result.sizing), m_steps(steps)
    {
    }

    void build(const CircuitResult* other)
    {
        edition();
        defaults();
        load();
        device();
        terminations();
        conductors();
        ambient();
        if (!m_s.ambientFails()) {
            racewayColumn();
            for (const Candidate& candidate : m_s.candidates) {
                this->candidate(candidate);
            }
            size();
            if (m_s.size()) {
                grounding();
                raceway();
            }
        }
        if (other) {
            otherEdition(*other);
        }
        add(Step::Status, "", false, m_r.status());
    }

private:
    TraceStep& add(Step step, std::string_view section, bool tables, std::string finding)
    {
        TraceStep& added = m_steps.emplace_back();
        added.step = step;
        added.section = section;
        added.edition = m_s.edition;
        added.tables = tables;
        added.finding = std::move(finding);
        return added;
    }

    void edition()
    {
        if (m_s.edition == Edition::Nec2023) {
            add(Step::Edition, "", true, "2023, the current edition's tables");
            return;
        }
        add(Step::Edition, "", true,
            "2008, the tables of the editions before 2011 that the tabs show; the rules are the "
            "current ones, notably 250.122(B), which no longer counts an increase made for the "
            "ambient or the conductor count");
    }

    void defaults()
    {
        if (m_c.defaults.empty()) {
            return;
        }
        const std::vector<Input> inputs = CircuitInputDescriptions();
        std::string finding = "not given, so taken as ";
        for (size_t i = 0; i < m_c.defaults.size(); ++i) {
            const InputIndex input = m_c.defaults[i];
            std::string value(inputs[input].byDefault);
            if (input == kCircuitName) {
                value = m_c.name + " (its row)";
            } else if (input == kRacewayId) {
                value = "none (a raceway of its own)";
            }
            finding += (i ? ", " : "") + std::string(inputs[input].name) + " = " + value;
        }
        add(Step::Defaults, "", false, std::move(finding));
    }

    void load()
    {
        const std::string load = Number(m_c.load);
        const std::string volts = Number(m_c.volts) + " V";
        const bool three = m_c.system == System::ThreePhase;
        std::string how;
        if (m_c.unit == LoadUnit::Amps) {
            how = "the load as given";
        } else {
            const bool kw = m_c.unit == LoadUnit::Kw;
            std::string below = three ? "1.732 × " + volts : volts;
            if (kw && m_c.system != System::DC) {
                below += " × " + Fixed(m_c.powerFactor / 100, 2);
            }
            if (below != volts) {
                below = "(" + below + ")";
            }
            how = "1000 × " + load + (kw ? " kW" : " kVA") + " / " + below + ", " +
                  SystemName(m_c.system);
        }
        add(Step::LoadCurrent, "", false, "I = " + Amperes(m_s.loadAmps) + ", " + how);
        const double c = m_c.continuous / 100;
        add(Step::DesignCurrent, "210.19(A)(1)(a), 215.2(A)(1)(a)", false,
            "Id = " + Amperes(m_s.loadAmps) + " × (1 − " + Fixed(c, 2) + ") + 1.25 × " +
                Amperes(m_s.loadAmps) + " × " + Fixed(c, 2) + " = " + Amperes(m_s.designAmps));
    }

    void device()
    {
        const std::string_view section = "240.6(A), 210.20(A), 215.3";
        std::string finding;
        if (m_s.deviceGiven) {
            finding = Amperes(*m_s.device) + " as given, " +
                      (m_s.deviceFails ? "below" : "at or above") + " the design current " +
                      Amperes(m_s.designAmps);
        } else if (m_s.device) {
            finding = Amperes(*m_s.device) +
                      ", the smallest standard rating at or above the design current " +
                      Amperes(m_s.designAmps);
        } else {
            finding = "none: no standard rating reaches the design current " +
                      Amperes(m_s.designAmps) + " (the largest is " +
                      Amperes(StandardRatings(m_s.edition).back()) + ")";
        }
        TraceStep& step = add(Step::Device, section, !m_s.deviceGiven, std::move(finding));
        if (m_s.device) {
            step.margin = Amperes(*m_s.device - m_s.designAmps);
        }
    }

    void terminations()
    {
        const int terminals = m_s.terminals;
        const std::string how = m_c.terminals ? "as given"
                                : terminals == 60
                                    ? "auto: the device is 100 A or less"
                                    : "auto: the device is above 100 A or there is none";
        add(Step::Terminations, "110.14(C)(1)", false,
            "column " + Degrees(m_s.terminations) + ", the lower of the terminations " +
                Degrees(terminals) + " (" + how + ") and the conductors' " + Degrees(m_c.rating) +
                " rating");
    }

    void conductors()
    {
        const int own = OwnCurrentCarrying(m_c.system);
        std::string how;
        if (!m_r.raceway.id.empty() && m_r.raceway.circuits.size() > 1) {
            how = "in raceway " + m_r.raceway.id + " with its other circuits";
        } else if (m_c.ccc) {
            how = "as given";
        } else {
            how = "the circuit's own " + std::to_string(own) + " (" + SystemName(m_c.system) + ")";
        }
        std::string finding = std::to_string(m_s.currentCarrying) +
                              " current-carrying in the raceway, " + how + "; adjustment " +
                              std::to_string(m_s.adjustment) + " % for " + m_s.countBand;
        if (m_c.neutral) {
            finding += "; the neutral is not counted: count it in ccc where 310.15(E)(2) or (3) "
                       "makes it current-carrying";
        }
        if (m_c.sets > 1) {
            finding += "; each of the " + std::to_string(m_c.sets) +
                       " sets in a raceway of its own (310.10(G))";
        }
        add(Step::Conductors, "310.15(C)(1)", false, std::move(finding));
    }

    void ambient()
    {
        const std::string ambient = Number(m_c.ambient) + (m_c.fahrenheit ? " °F" : " °C");
        std::string finding;
        if (m_s.ambient.aboveTable) {
            finding = ambient + " is above the table's last row: no conductor may be used there";
        } else if (!m_s.ambient.factor) {
            finding = ambient + ", row " + m_s.ambient.label + ": no factor at the " +
                      Degrees(m_c.rating) + " rating, so no such conductor may be used there";
        } else {
            finding = ambient + ", row " + m_s.ambient.label + ": factor " +
                      Fixed(*m_s.ambient.factor, 2) + " at the " + Degrees(m_c.rating) + " rating";
        }
        add(Step::Ambient, "310.15(B)(1)", true, std::move(finding));
    }

    void racewayColumn()
    {
        static constexpr std::string_view kColumns[] = {"PVC", "Aluminum", "Steel"};
        const std::string raceway(ConduitUsableAreaTable::kConduitTypes[size_t(m_c.raceway)]);
        add(Step::RacewayColumn, "Chapter 9 Table 9", false,
            std::string(kColumns[size_t(m_s.column)]) +
                (m_c.racewayColumn ? " (as given)" : " (auto, for " + raceway + ")"));
    }

    void candidate(const Candidate& k)
    {
        std::string finding = SizeWithSets(m_c.sets, k.size) + ": T " + std::to_string(k.table) +
                              " A at " + Degrees(m_c.rating) + ", Tt " +
                              std::to_string(k.termination) + " A at " + Degrees(m_s.terminations) +
                              ", Ac " + Amperes(k.corrected) + ", Au " + Amperes(k.usable);
        if (k.ohms > 0) {
            finding += std::string(m_c.system == System::DC ? ", R " : ", Z ") + Fixed(k.ohms, 4) +
                       " Ω/1000 ft";
        }
        finding += ", drop " + Number(k.drop) + " V";
        TraceStep& step = add(Step::Candidate, "310.16", true, std::move(finding));
        for (const SizeCheck& check : k.checks) {
            step.checks.push_back(Described(check));
        }
    }

    void size()
    {
        std::string finding;
        const Candidate* size = m_s.size();
        if (!size) {
            const Candidate& largest = m_s.candidates.back();
            finding = "no size up to " + SizeWithSets(m_c.sets, m_s.largest) + " passes; " +
                      SizeWithSets(m_c.sets, largest.size) + " fails " + Failures(largest);
        } else if (m_s.sizeGiven) {
            finding = SizeWithSets(m_c.sets, size->size) + " as given, which " +
                      (size->passesAll() ? std::string("passes every check")
                                         : "fails " + Failures(*size));
        } else if (!m_s.below()) {
            finding = SizeWithSets(m_c.sets, size->size) + ", the smallest size";
        } else {
            finding = SizeWithSets(m_c.sets, size->size) + ", decided by " + m_s.decidedBy() +
                      ": " + SizeWithSets(m_c.sets, m_s.below()->size) + " fails " +
                      Failures(*m_s.below());
        }
        if (m_s.ampacitySize) {
            finding += "; the ampacity size is " +
                       SizeWithSets(m_c.sets, m_s.candidates[*m_s.ampacitySize].size);
        }
        TraceStep& step = add(Step::Size, "310.15, 240.4", false, std::move(finding));
        if (size) {
            step.margin = Amperes(size->usable - m_s.loadAmps) + " of ampacity, " +
                          Percent(m_c.maxDrop - size->dropPercent) + " of drop";
        }
    }

    void grounding()
    {
        const Grounding& g = m_s.grounding;
        const std::string metal(MetalName(g.metal));
        std::string finding;
        if (g.failed) {
            finding = "none: " + g.why;
        } else {
            finding = SizeName(g.size) + " " + metal + ", ";
            const std::string row =
                SizeName(g.row.size) + " from the " + std::to_string(g.row.rating) + " A row";
            if (g.rule == GroundingRule::Table) {
                finding += "table: " + row;
            } else {
                if (g.required > 0) {
                    const Candidate& phase = *m_s.size();
                    const Candidate& ampacity = m_s.candidates[*m_s.ampacitySize];
                    finding += "increased: " + row + " × " + SizeName(phase.size) + " / " +
                               SizeName(ampacity.size) + " = " + Cmils(double(g.row.size)) + " × " +
                               Cmils(double(phase.size)) + " / " + Cmils(double(ampacity.size)) +
                               " = " + Cmils(g.required) + " cmil";
                    if (g.below > 0) {
                        finding += "; " + SizeName(g.below) + " has " + Cmils(double(g.below));
                    }
                } else {
                    finding += "table: " + row;
                }
                if (g.rule == GroundingRule::Capped) {
                    finding += "; capped at the phase conductor, not " + SizeName(g.uncapped);
                }
            }
        }
        add(Step::GroundingConductor, "250.122(A), (B)", true, std::move(finding));
    }

    void raceway()
    {
        const Raceway& r = m_r.raceway;
        std::string finding;
        if (!r.id.empty()) {
            finding = "raceway " + r.id + " (";
            for (size_t i = 0; i < r.circuits.size(); ++i) {
                finding += (i ? ", " : "") + r.circuits[i];
            }
            finding += "): ";
        }
        if (m_r.racewayIdFails && r.circuits.size() <= 1 && !m_r.racewayIdWhy.empty()) {
            finding += m_r.racewayIdWhy + "; ";
        }
        if (!r.sized) {
            finding += "not sized: " + r.why;
            add(Step::Raceway, "Chapter 9 Tables 1, 4 and 5", true, std::move(finding));
            return;
        }
        finding += RacewayName(r) + " holds " + ConductorList(r) + ": " + Fixed(r.area, 4) +
                   " in² of " + Fixed(r.usable, 4) + " in² usable at " + std::to_string(r.limit) +
                   " % for " + std::to_string(r.count) + " conductors, fill " + Percent(r.fill);
        if (m_c.sets > 1 && r.circuits.size() <= 1) {
            finding += "; one of " + std::to_string(m_c.sets) + " like raceways";
        }
        TraceStep& step =
            add(Step::Raceway, "Chapter 9 Tables 1, 4 and 5", true, std::move(finding));
        step.margin = Fixed(r.usable - r.area, 4) + " in²";
    }

    void otherEdition(const CircuitResult& other)
    {
        const Edition edition = other.sizing.edition;
        const auto compare = [&](std::string_view what, const std::string& here,
                                 const std::string& there) {
            if (here != there) {
                TraceStep& step =
                    add(Step::OtherEdition, "", false,
                        std::string(what) + ": under " + std::string(EditionName(edition)) +
                            " this would be " + there);
                step.edition = edition;
            }
        };
        compare("size", SizeText(m_r), SizeText(other));
        compare("device", DeviceText(m_s), DeviceText(other.sizing));
        compare("grounding conductor", GroundingText(m_r), GroundingText(other));
        compare("raceway", RacewayText(m_r), RacewayText(other));
        compare("status", m_r.status(), other.status());
    }

    static std::string Failures(const Candidate& k)
    {
        std::string text;
        for (const SizeCheck& check : k.checks) {
            if (!check.passed) {
                text += (text.empty() ? "" : ", ") + std::string(CheckName(check.check));
            }
        }
        return text;
    }

    const Circuit& m_c;
    const CircuitResult& m_r;
    const Sizing& m_s;
    std::vector<TraceStep>& m_steps;
};

}  // namespace

TraceCheck Described(const SizeCheck& check)
{
    const bool drop = check.check == Check::VoltageDrop;
    const auto text = [&](double value) { return drop ? Percent(value) : Amperes(value); };
    const bool atLeast = check.check == Check::ContinuousLoad || check.check == Check::Ampacity;
    return {check.check,       check.passed, text(check.value),
            text(check.limit), atLeast,      check.applies};
}

std::string RacewayName(const Raceway& r)
{
    std::string trade(TradeSizeName(r.tradeSize));
    // The Conduit tab writes its first size "1/2 Inch".
    if (const size_t inch = trade.find("Inch"); inch != std::string::npos) {
        trade[inch] = 'i';
    }
    return trade + " " + std::string(ConduitUsableAreaTable::kConduitTypes[size_t(r.type)]);
}

std::string ConductorList(const Raceway& r)
{
    std::string list;
    for (const Conductors& group : r.conductors) {
        list += (list.empty() ? "" : ", ") + std::to_string(group.count) + " × " +
                SizeName(group.size) + " " + std::string(kInsulations[size_t(group.insulation)]) +
                (group.grounding ? " (grounding)"
                 : group.neutral ? " (neutral)"
                                 : "");
    }
    return list;
}

std::string SizeText(const CircuitResult& result)
{
    const Candidate* size = result.sizing.size();
    return size ? SizeWithSets(result.sizing.sets, size->size) : "no size";
}

std::string GroundingText(const CircuitResult& result)
{
    const Grounding& g = result.sizing.grounding;
    if (!result.sizing.size() || g.failed) {
        return "none";
    }
    return SizeName(g.size) + " " + std::string(MetalName(g.metal));
}

std::string RacewayText(const CircuitResult& result)
{
    return result.raceway.sized ? RacewayName(result.raceway) : "none";
}

CircuitResult Finish(const Circuit& circuit, Sizing sizing, Raceway raceway, bool racewayIdFails,
                     std::string racewayIdWhy, bool traced, const CircuitResult* other)
{
    CircuitResult r;
    r.sizing = std::move(sizing);
    r.raceway = std::move(raceway);
    r.racewayIdFails = racewayIdFails;
    r.racewayIdWhy = std::move(racewayIdWhy);
    const Sizing& s = r.sizing;
    std::vector<Check>& failed = r.failed;
    if (s.deviceFails) {
        failed.push_back(Check::OvercurrentDevice);
    }
    if (s.ambientFails()) {
        failed.push_back(Check::Ambient);
    }
    // A given size is judged by its checks; with none passing, the largest candidate.
    const Candidate* judged = s.size()           ? s.size()
                              : s.noSizePasses() ? &s.candidates.back()
                                                 : nullptr;
    if (judged) {
        for (const SizeCheck& check : judged->checks) {
            if (!check.passed) {
                failed.push_back(check.check);
            }
        }
    }
    if (s.size() && s.grounding.failed) {
        failed.push_back(Check::GroundingConductor);
    }
    if (r.raceway.failure) {
        failed.push_back(*r.raceway.failure);
    }
    if (r.racewayIdFails) {
        failed.push_back(Check::RacewayId);
    }
    std::sort(failed.begin(), failed.end());
    failed.erase(std::unique(failed.begin(), failed.end()), failed.end());
    if (traced) {
        TraceBuilder(circuit, r, r.trace).build(other);
    }
    return r;
}

Alone SizeAlone(const Circuit& circuit, Edition edition)
{
    const long count = circuit.ccc.value_or(OwnCurrentCarrying(circuit.system));
    Alone alone{SizeCircuit(circuit, count, edition), {}};
    if (alone.sizing.size()) {
        alone.raceway =
            SizeRaceway(edition, circuit.raceway, CircuitConductors(circuit, alone.sizing));
    }
    alone.raceway.id = circuit.racewayId;
    alone.raceway.circuits = {circuit.name};
    return alone;
}

CircuitResult CheckAlone(const Circuit& circuit, Edition edition, bool traced)
{
    Alone alone = SizeAlone(circuit, edition);
    if (!traced) {
        return Finish(circuit, std::move(alone.sizing), std::move(alone.raceway), false, {}, false,
                      nullptr);
    }
    const CircuitResult other = CheckAlone(circuit, OtherEdition(edition), false);
    return Finish(circuit, std::move(alone.sizing), std::move(alone.raceway), false, {}, true,
                  &other);
}

CircuitResult CheckAlone(const Circuit& circuit, bool traced)
{
    return CheckAlone(circuit, circuit.edition, traced);
}

}  // namespace tavo::circuit
