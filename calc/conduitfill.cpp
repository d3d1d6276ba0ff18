#include "conduitfill.h"

#include "numbertext.h"
#include "selections.h"

#include <algorithm>

namespace tavo {

namespace ConduitFillCalculator {

int FillPercent(unsigned long conductors)
{
    return conductors == 0 ? 0 : conductors == 1 ? 53 : conductors == 2 ? 31 : 40;
}

int FillIndex(int percent)
{
    using namespace ConduitUsableAreaTable;
    return percent == 40 ? Fill40 : percent == 53 ? Fill53 : Fill31;
}

TradeSize FindTradeSize(double area, int percent, int conduitType, UsableAreaLookup usableArea)
{
    TradeSize found;
    found.usableText = "0";
    if (conduitType < 0 || conduitType >= int(ConduitUsableAreaTable::kConduitTypes.size())) {
        return found;
    }
    const int fill = FillIndex(percent);
    const bool gaps = conduitType == ConduitUsableAreaTable::kPvcTypeEb;
    int size = 0;
    while (area > usableArea(conduitType, size, fill)) {
        const bool last = size + 1 >= ConduitUsableAreaTable::kTradeSizes;
        if (last || (!gaps && usableArea(conduitType, size + 1, fill) == 0)) {
            found.tooMany = true;
            found.beep = conduitType == 0;  // EMT
            return found;
        }
        ++size;
    }
    if (area == 0) {
        return found;
    }
    found.index = size;
    found.name = TradeSizeName(size);
    found.usableText = FormatDecimals(usableArea(conduitType, size, fill), 4);
    return found;
}

std::string ListLine(std::string_view countText, std::string_view wire, std::string_view insulation)
{
    std::string padded(wire);
    if (padded.size() < 9) {
        padded += std::string(3 * (9 - padded.size()), ' ');
    }
    return Selections::AlignedCount(countText, 90) + "\t  #" + padded + "\t  " +
           std::string(insulation);
}

}  // namespace ConduitFillCalculator

double SelectionArea(unsigned count, int wire, int insulation)
{
    return ConductorAreaTable::Area(wire, InsulationColumn(insulation)) * count;
}

bool ConduitSelections::add(std::string_view countText, int wire, int insulation)
{
    const unsigned conductors = ReadWholeNumber(countText);
    const double selected = SelectionArea(conductors, wire, insulation);
    if (!(selected > 0)) {
        return false;
    }
    m_count = std::min(m_count + conductors, 65535ul);
    m_area += selected;
    m_entries.push_back({std::string(countText), wire, insulation});
    return true;
}

std::vector<std::array<std::string, 3>> ConduitSelections::printed() const
{
    std::vector<std::array<std::string, 3>> lines;
    for (const Entry& entry : m_entries) {
        lines.push_back({entry.count,
                         std::string(ConductorAreaTable::kWireSizes[size_t(entry.wire)]),
                         std::string(kInsulations[size_t(entry.insulation)])});
    }
    return lines;
}

std::vector<std::string> ConduitSelections::lines() const
{
    std::vector<std::string> lines;
    for (const Entry& entry : m_entries) {
        lines.push_back(ConduitFillCalculator::ListLine(entry.count,
                                                        ConductorAreaTable::kWireSizes[entry.wire],
                                                        kInsulations[size_t(entry.insulation)]));
    }
    return lines;
}

namespace {

constexpr auto kWireOptions = OptionsOf(ConductorAreaTable::kWireSizes);
constexpr auto kInsulationOptions = OptionsOf(kInsulations);
constexpr auto kConduitOptions = OptionsOf(ConduitUsableAreaTable::kConduitTypes);
constexpr Selections::EntryList kEntryLists[] = {{"wire size", kWireOptions},
                                                 {"insulation", kInsulationOptions}};

enum Index : size_t {
    kConduit,
    kWire,
    kInsulation,
    kCount,
    kAdded,
};

}  // namespace

std::string ConduitSelections::Check(std::string_view text)
{
    return Selections::Refusal(text, kEntryLists);
}

ConduitSelections ConduitSelections::Read(std::string_view text)
{
    ConduitSelections selections;
    for (const Selections::Entry& entry : Selections::ReadEntries(text, kEntryLists)) {
        selections.add(entry.count, entry.chosen[0], entry.chosen[1]);
    }
    return selections;
}

Outcome ComputeConduitFill(const InputValues& values, const ConduitSelections& added)
{
    using namespace ConduitFillCalculator;
    const unsigned count = ReadWholeNumber(values[kCount].text);
    const int wire = values[kWire].choice;
    const int insulation = values[kInsulation].choice;
    const double current = SelectionArea(count, wire, insulation);
    const double total = current + added.area();
    const int percent = FillPercent(added.count() + count);
    const TradeSize size = FindTradeSize(std::max(total, 0.0), percent, values[kConduit].choice);

    Outcome outcome;
    const std::string currentText = FormatNumber(current);
    const std::string totalText = FormatNumber(total);
    const std::string percentText = std::to_string(percent);
    outcome.results = {{.text = percentText, .number = double(percent)},
                       {.text = currentText, .number = current},
                       {.text = totalText, .number = total},
                       {.text = size.name},
                       {.text = size.tooMany ? "Too Many Wires" : size.usableText}};
    outcome.list = added.lines();
    if (size.tooMany) {
        outcome.warning = "Too Many Conductors Have Been Selected!";
    }
    outcome.beeps = size.beep ? 1 : 0;
    outcome.report = {"MINIMUM CONDUIT SIZE",
                      "WIRE AREA TOTAL = " + totalText + "  MINIMUM CONDUIT SIZE = " + size.name,
                      kTrailer};

    const std::string wireText(ConductorAreaTable::kWireSizes[size_t(wire)]);
    SelectionSheet sheet{
        .company = "KORLATH DESIGNS LLC",
        .columns = "# WIRES      SIZE         INSULATION",
        .current = {values[kCount].text, "#" + wireText,
                    std::string(kInsulations[size_t(insulation)])},
        .currentTest = currentText,
        .results = {{{"REQUIRED CONDUIT SIZE", size.name},
                     {"TOTAL WIRE AREA", totalText},
                     {"PERCENT FILL", percentText}}},
        .stored = added.printed(),
    };
    outcome.sheet = sheet;
    return outcome;
}

namespace {

// On the command line the selections come as text.
Outcome ComputeFromText(const InputValues& values)
{
    return ComputeConduitFill(values, ConduitSelections::Read(values[kAdded].text));
}

}  // namespace

const Calculator kConduitFill{
    .name = "conduit",
    .summary = "Smallest conduit trade size for the conductors selected",
    .listLabel = "Selection List",
    .inputs = {{.name = "conduit",
                .kind = InputKind::Choice,
                .label = "Conduit &Type",
                .opening = kConduitOptions[0].name,
                .options = kConduitOptions},
               {.name = "wire",
                .kind = InputKind::Choice,
                .label = "&Wire Size",
                .opening = kWireOptions[0].name,
                .options = kWireOptions},
               {.name = "insulation",
                .kind = InputKind::Choice,
                .label = "&Insulation",
                .opening = kInsulationOptions[0].name,
                .options = kInsulationOptions},
               {.name = "count",
                .label = "# &Conductors",
                .opening = "0",
                .reset = "0",
                .limits = {500, 0, true, true},
                .live = true},
               {.name = "add",
                .kind = InputKind::Collected,
                .label = "Selection List",
                .check = ConduitSelections::Check}},
    .results = {{.label = "% Fill"},
                {.label = "Current Selection Area"},
                {.label = " Total Selection Area"},
                {.label = "Conduit Size", .coloured = true},
                {.label = "Conduit Usable Area"}},
    .compute = ComputeFromText,
};

}  // namespace tavo
