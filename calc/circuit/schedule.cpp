#include "schedule.h"

#include <algorithm>

namespace tavo::circuit {

namespace {

void AddConductors(std::vector<Conductors>& all, const Conductors& more)
{
    for (Conductors& group : all) {
        if (group.size == more.size && group.insulation == more.insulation &&
            group.grounding == more.grounding && group.neutral == more.neutral) {
            group.count += more.count;
            return;
        }
    }
    all.push_back(more);
}

}  // namespace

long Schedule::Shared::currentCarrying() const
{
    return std::max(ownCurrentCarrying, givenCurrentCarrying);
}

std::string Schedule::Shared::conflict(const std::string& id) const
{
    const std::string names = "raceway_id " + id + " names two ";
    if (twoTypes) {
        return names + "raceway types";
    }
    if (twoColumns) {
        return names + "raceway metals";
    }
    // Rows of two editions stay two when each is put in its other edition.
    if (twoEditions) {
        return names + "editions";
    }
    return {};
}

void Schedule::count(long, const Circuit& circuit)
{
    if (circuit.racewayId.empty()) {
        return;
    }
    Shared& shared = m_raceways[circuit.racewayId];
    ++shared.rows;
    if (circuit.sets > 1) {
        m_shares = m_shares || shared.shared();
        return;
    }
    const RacewayColumn column = ColumnOf(circuit);
    if (shared.singles == 0) {
        shared.type = circuit.raceway;
        shared.column = column;
        shared.edition = circuit.edition;
    }
    ++shared.singles;
    shared.twoTypes = shared.twoTypes || shared.type != circuit.raceway;
    shared.twoColumns = shared.twoColumns || shared.column != column;
    shared.twoEditions = shared.twoEditions || shared.edition != circuit.edition;
    shared.ownCurrentCarrying += OwnCurrentCarrying(circuit.system);
    shared.givenCurrentCarrying = std::max(shared.givenCurrentCarrying, circuit.ccc.value_or(0));
    shared.circuits.push_back(circuit.name);
    m_shares = m_shares || shared.shared();
}

void Schedule::size(long, const Circuit& circuit)
{
    if (circuit.racewayId.empty() || circuit.sets > 1) {
        return;
    }
    const auto found = m_raceways.find(circuit.racewayId);
    if (found == m_raceways.end() || !found->second.shared()) {
        return;
    }
    Shared& shared = found->second;
    for (const Edition edition : {Edition::Nec2023, Edition::Nec2008}) {
        if (edition != circuit.edition && !m_traced) {
            continue;
        }
        std::unique_ptr<Sized>& slot = shared.sized[size_t(edition)];
        if (!slot) {
            slot = std::make_unique<Sized>();
        }
        Sized& sized = *slot;
        if (!shared.conflict(circuit.racewayId).empty() || !sized.noSize.empty()) {
            continue;
        }
        const Sizing sizing = SizeCircuit(circuit, shared.currentCarrying(), edition);
        if (!sizing.size()) {
            sized.noSize = circuit.name;
            continue;
        }
        for (const Conductors& group : CircuitConductors(circuit, sizing)) {
            if (!group.grounding) {
                AddConductors(sized.conductors, group);
                continue;
            }
            // 250.122(C): one grounding conductor, the largest; of equal ones the larger area.
            const double area = ConductorArea(edition, group.size, group.insulation);
            if (!sized.grounding || group.size > sized.grounding->size ||
                (group.size == sized.grounding->size && area > sized.groundingArea)) {
                sized.grounding = group;
                sized.groundingArea = area;
            }
        }
    }
}

void Schedule::finishSizing()
{
    for (auto& [id, shared] : m_raceways) {
        if (!shared.shared()) {
            continue;
        }
        for (const Edition edition : {Edition::Nec2023, Edition::Nec2008}) {
            if (!shared.sized[size_t(edition)]) {
                continue;
            }
            Sized& sized = *shared.sized[size_t(edition)];
            if (!sized.noSize.empty()) {
                sized.raceway.why = "circuit " + sized.noSize + " has no conductor size";
                sized.raceway.failure = Check::Raceway;
            } else if (shared.conflict(id).empty() && !sized.conductors.empty()) {
                if (sized.grounding) {
                    sized.conductors.push_back(*sized.grounding);
                }
                sized.raceway = SizeRaceway(edition, shared.type, sized.conductors);
            }
            // The raceway keeps its own list; its id and circuits are the shared ones.
            std::vector<Conductors>().swap(sized.conductors);
        }
    }
}

CircuitResult Schedule::checkIn(const Circuit& circuit, Edition edition, bool traced,
                                const CircuitResult* other) const
{
    const auto found =
        circuit.racewayId.empty() ? m_raceways.end() : m_raceways.find(circuit.racewayId);
    const Shared* shared = found == m_raceways.end() ? nullptr : &found->second;
    const bool parallelRefused = shared && circuit.sets > 1 && shared->rows >= 2;
    const bool sharing = shared && !parallelRefused && shared->shared();
    if (!sharing) {
        // A raceway of its own, reported under its id when it names one.
        Alone alone = SizeAlone(circuit, edition);
        std::string why;
        if (parallelRefused) {
            why = "a circuit of " + std::to_string(circuit.sets) +
                  " parallel sets cannot share raceway_id " + circuit.racewayId;
        }
        return Finish(circuit, std::move(alone.sizing), std::move(alone.raceway), parallelRefused,
                      std::move(why), traced, other);
    }
    Sizing sizing = SizeCircuit(circuit, shared->currentCarrying(), edition);
    const std::string conflict = shared->conflict(circuit.racewayId);
    const Sized* sized = shared->sized[size_t(edition)].get();
    Raceway raceway = conflict.empty() && sized ? sized->raceway : Raceway{};
    if (!conflict.empty()) {
        raceway.why = conflict;
    }
    raceway.id = circuit.racewayId;
    raceway.circuits = shared->circuits;
    return Finish(circuit, std::move(sizing), std::move(raceway), !conflict.empty(), conflict,
                  traced, other);
}

CircuitResult Schedule::check(long, const Circuit& circuit) const
{
    if (!m_traced) {
        return checkIn(circuit, circuit.edition, false, nullptr);
    }
    const CircuitResult other = checkIn(circuit, OtherEdition(circuit.edition), false, nullptr);
    return checkIn(circuit, circuit.edition, true, &other);
}

std::vector<std::optional<CircuitResult>>
CheckSchedule(std::span<const std::optional<Circuit>> circuits, bool traced)
{
    Schedule schedule(traced);
    for (size_t i = 0; i < circuits.size(); ++i) {
        if (circuits[i]) {
            schedule.count(long(i) + 1, *circuits[i]);
        }
    }
    if (schedule.sharesRaceways()) {
        for (size_t i = 0; i < circuits.size(); ++i) {
            if (circuits[i]) {
                schedule.size(long(i) + 1, *circuits[i]);
            }
        }
        schedule.finishSizing();
    }
    std::vector<std::optional<CircuitResult>> results(circuits.size());
    for (size_t i = 0; i < circuits.size(); ++i) {
        if (circuits[i]) {
            results[i] = schedule.check(long(i) + 1, *circuits[i]);
        }
    }
    return results;
}

}  // namespace tavo::circuit
