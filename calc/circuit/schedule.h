#pragma once

// A schedule: a list of circuits, of which those that name the same raceway_id run in one
// raceway. Their current-carrying conductors add up for every circuit's adjustment factor, and
// the raceway is sized once for all of their conductors. The rows of one raceway need not be next
// to each other: a schedule is read in passes, so that a file of any length is checked with
// memory for its raceways only.
//
//   pass 1  count(row, circuit)   for every circuit: what each raceway holds
//   pass 2  size(row, circuit)    for every circuit, when sharesRaceways(): their conductors
//           finishSizing()
//   then    check(row, circuit)   for every circuit, in any order, on any thread

#include "check.h"

#include <array>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace tavo::circuit {

class Schedule
{
public:
    // With the traces of the results (and the other edition's results they compare with).
    explicit Schedule(bool traced) : m_traced(traced) {}

    void count(long row, const Circuit& circuit);
    bool sharesRaceways() const { return m_shares; }
    void size(long row, const Circuit& circuit);
    void finishSizing();
    CircuitResult check(long row, const Circuit& circuit) const;

private:
    // What one raceway_id's circuits share, in one edition's tables.
    struct Sized
    {
        std::vector<Conductors> conductors;   // the phase and neutral conductors of all
        std::optional<Conductors> grounding;  // the largest grounding conductor
        double groundingArea = 0;
        std::string noSize;  // a circuit without a conductor size
        Raceway raceway;
    };

    struct Shared
    {
        long rows = 0;     // circuits that name it
        long singles = 0;  // of them, those of one set
        long ownCurrentCarrying = 0;
        long givenCurrentCarrying = 0;
        int type = -1;
        RacewayColumn column = RacewayColumn::Pvc;
        Edition edition = Edition::Nec2023;
        bool twoTypes = false;
        bool twoColumns = false;
        bool twoEditions = false;
        std::vector<std::string> circuits;  // the circuits of one set, in their order
        // By edition: only those the schedule is checked in, since a schedule may name many.
        std::array<std::unique_ptr<Sized>, 2> sized;

        bool shared() const { return rows >= 2 && singles >= 2; }
        long currentCarrying() const;
        // Why its circuits cannot share it, or empty.
        std::string conflict(const std::string& id) const;
    };

    CircuitResult checkIn(const Circuit& circuit, Edition edition, bool traced,
                          const CircuitResult* other) const;

    bool m_traced;
    bool m_shares = false;
    std::unordered_map<std::string, Shared> m_raceways;
};

// A schedule held in memory, as a window holds it: one result per circuit, in order, none for a
// row that could not be read (it takes no part). Row numbers count from 1.
std::vector<std::optional<CircuitResult>>
CheckSchedule(std::span<const std::optional<Circuit>> circuits, bool traced);

}  // namespace tavo::circuit
