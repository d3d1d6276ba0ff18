#include "boxfill.h"

#include "numbertext.h"
#include "selections.h"

namespace tavo {

namespace BoxFillCalculator {

namespace {

constexpr std::array<double, 5> kVolumes = {2.0, 2.25, 2.5, 3.0, 5.0};

}  // namespace

double ConductorVolume(int wire)
{
    return wire >= 0 && wire < int(kVolumes.size()) ? kVolumes[size_t(wire)] : 0;
}

std::string ListLine(std::string_view countText, std::string_view wire)
{
    return Selections::AlignedCount(countText, 100) + "        #" + std::string(wire);
}

}  // namespace BoxFillCalculator

namespace {

using namespace BoxFillCalculator;

constexpr auto kBoxOptions = [] {
    std::array<Option, kBoxes.size()> options{};
    for (size_t i = 0; i < kBoxes.size(); ++i) {
        options[i] = {kBoxes[i].name};
    }
    return options;
}();
constexpr auto kWireOptions = OptionsOf(kWireSizes);
constexpr Selections::EntryList kEntryLists[] = {{"wire size", kWireOptions}};

enum Index : size_t {
    kBox,
    kWire,
    kCount,
    kAdded,
};

}  // namespace

bool BoxSelections::add(std::string_view countText, int wire)
{
    const unsigned count = ReadWholeNumber(countText);
    if (count == 0 || ConductorVolume(wire) == 0) {
        return false;
    }
    m_volume += count * ConductorVolume(wire);
    m_entries.push_back({std::string(countText), wire});
    return true;
}

std::vector<std::string> BoxSelections::lines() const
{
    std::vector<std::string> lines;
    for (const Entry& entry : m_entries) {
        lines.push_back(ListLine(entry.count, kWireSizes[size_t(entry.wire)]));
    }
    return lines;
}

std::vector<std::array<std::string, 3>> BoxSelections::printed() const
{
    std::vector<std::array<std::string, 3>> lines;
    for (const Entry& entry : m_entries) {
        lines.push_back({entry.count, std::string(kWireSizes[size_t(entry.wire)]), ""});
    }
    return lines;
}

std::string BoxSelections::Check(std::string_view text)
{
    return Selections::Refusal(text, kEntryLists);
}

BoxSelections BoxSelections::Read(std::string_view text)
{
    BoxSelections selections;
    for (const Selections::Entry& entry : Selections::ReadEntries(text, kEntryLists)) {
        selections.add(entry.count, entry.chosen[0]);
    }
    return selections;
}

Outcome ComputeBoxFill(const InputValues& values, const BoxSelections& added)
{
    const int wire = values[kWire].choice;
    const double current = ReadWholeNumber(values[kCount].text) * ConductorVolume(wire);
    const std::string currentText = FormatNumber(current);
    const std::string minimumText = FormatNumber(added.volume() + current);
    Outcome outcome;
    outcome.results = {{.text = std::string(kBoxes[size_t(values[kBox].choice)].volume)},
                       {.text = currentText, .number = current},
                       {.text = minimumText, .number = added.volume() + current}};
    outcome.list = added.lines();
    outcome.report = {"MINIMUM BOX SIZE CALCULATION     ",
                      "MINIMUM BOX SIZE=" + minimumText + " Cu. Inch", kTrailer};
    // A typed wire size that names no size of the list is printed as typed.
    const std::string wireText =
        wire >= 0 ? std::string(kWireSizes[size_t(wire)]) : values[kWire].text;
    SelectionSheet sheet{.company = "KORLATH DESIGNS",
                         .columns = "# WIRES      SIZE",
                         .current = {values[kCount].text, "#" + wireText, ""},
                         .currentTest = currentText,
                         .results = {{{"REQUIRED BOX SIZE", minimumText}, {"", ""}, {"", ""}}},
                         .stored = added.printed()};
    outcome.sheet = sheet;
    return outcome;
}

const Calculator kBoxFill{
    .name = "boxfill",
    .summary = "Box volume for the conductors selected, beside a standard box",
    .listLabel = "Selections",
    .inputs = {ListInput("box", "Standard &Box Size And Type", kBoxOptions),
               {.name = "wire",
                .kind = InputKind::Choice,
                .label = "&Wire Size",
                .opening = kWireOptions[0].name,
                .reset = kWireOptions[0].name,
                .options = kWireOptions,
                .editable = true},
               {.name = "count",
                .label = "&Number Of Conductors",
                .opening = "0",
                .reset = "0",
                .limits = {32000, 0, true, true}},
               {.name = "add",
                .kind = InputKind::Collected,
                .label = "Selections",
                .check = BoxSelections::Check}},
    .results = {{.label = "Min. Standard Box Capacity"},
                {.label = "Current Selection"},
                {.label = "Minimum Box Size CUIN", .coloured = true}},
    .compute =
        [](const InputValues& values) {
            return ComputeBoxFill(values, BoxSelections::Read(values[kAdded].text));
        },
};

}  // namespace tavo
