#pragma once

// The Conduit tab: the smallest trade size of a conduit type that holds the conductors added to
// the Selection List and the current selection, at the fill that their number allows.

#include "calculator.h"
#include "conduittables.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

namespace ConduitFillCalculator {

// 0 for no conductors, 53 for one, 31 for two, 40 for more.
int FillPercent(unsigned long conductors);
// The usable-area column of a fill percentage: 31 and any other value search the 31 column.
int FillIndex(int percent);

struct TradeSize
{
    int index = 0;
    std::string name = "None";  // "None" for no area and when no size holds it
    std::string usableText;     // the usable area of the size found, "0" for no area
    bool tooMany = false;       // no size of the type holds the area
    bool beep = false;          // EMT beeps by itself when it has no size for the area
};

// The usable area of a conduit type's trade size at a fill index: the tab's table, or another
// edition's.
using UsableAreaLookup = double (*)(int conduitType, int tradeSize, int fill);

// The first trade size of `conduitType` whose usable area at the fill holds `area`. PVC Type EB
// has gaps in its sizes and is walked over them; any other type ends at its first missing size.
TradeSize FindTradeSize(double area, int percent, int conduitType,
                        UsableAreaLookup usableArea = ConduitUsableAreaTable::UsableArea);

// A line of the Selection List: count, a tab, "#" and the wire size padded for the list's
// proportional font, a tab, the insulation.
std::string ListLine(std::string_view countText, std::string_view wire,
                     std::string_view insulation);

}  // namespace ConduitFillCalculator

// The conductors added with "More Conductors": kept by the page, read from a text on the command
// line.
class ConduitSelections
{
public:
    struct Entry
    {
        std::string count;  // as typed
        int wire = 0;
        int insulation = 0;
    };

    // The current selection with its count as typed; false when its area is 0, and nothing is
    // added.
    bool add(std::string_view countText, int wire, int insulation);
    void clear() { *this = {}; }

    unsigned long count() const { return m_count; }
    double area() const { return m_area; }
    const std::vector<Entry>& entries() const { return m_entries; }
    std::vector<std::string> lines() const;
    // Count, wire size and insulation for each, as the selection report prints them.
    std::vector<std::array<std::string, 3>> printed() const;

    // "COUNT,WIRE,INSULATION;...", wire and insulation by text or position: why it cannot be
    // read, or empty.
    static std::string Check(std::string_view text);
    // Every entry added in turn; those the page would refuse are refused.
    static ConduitSelections Read(std::string_view text);

private:
    unsigned long m_count = 0;
    double m_area = 0;
    std::vector<Entry> m_entries;
};

// The area of `count` conductors of a wire size in an insulation's list position.
double SelectionArea(unsigned count, int wire, int insulation);

// The outcome for the inputs and what has been added, as the page shows it.
Outcome ComputeConduitFill(const InputValues& values, const ConduitSelections& added);

extern const Calculator kConduitFill;

}  // namespace tavo
