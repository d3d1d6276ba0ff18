#include "ground.h"

#include <string>

namespace tavo {

namespace GroundingElectrodeTable {

namespace {

// The last service conductor of each group: "2", "0", "000", "350 Mill", "600 Mill", "1100 Mill".
constexpr std::array<int, kGroups> kLastOfGroup = {4, 6, 8, 12, 15, 21};
constexpr std::array<std::string_view, kGroups> kCopper = {"8", "6", "4", "2", "0", "00"};
constexpr std::array<std::string_view, kGroups> kAluminum = {"6", "4", "2", "0", "000", "0000"};

}  // namespace

int Group(int serviceIndex)
{
    if (serviceIndex < 0 || serviceIndex >= int(kServiceConductors.size())) {
        return 0;
    }
    int group = 0;
    while (serviceIndex > kLastOfGroup[size_t(group)]) {
        ++group;
    }
    return group;
}

std::string_view Copper(int group)
{
    return group >= 0 && group < kGroups ? kCopper[size_t(group)] : std::string_view();
}

std::string_view Aluminum(int group)
{
    return group >= 0 && group < kGroups ? kAluminum[size_t(group)] : std::string_view();
}

}  // namespace GroundingElectrodeTable

namespace EquipmentGroundTable {

namespace {

// "Copper Wire Size" and "Alum. Or Copper Clad Size", row by row in the order of the ratings.
constexpr std::array<std::array<std::string_view, 2>, kRatings.size()> kSizes = {{
    {"14", "12"},
    {"12", "10"},
    {"10", "8"},
    {"10", "8"},
    {"10", "8"},
    {"8", "6"},
    {"6", "4"},
    {"4", "2"},
    {"3", "1"},
    {"2", "0"},
    {"1", "00"},
    {"0", "000"},
    {"00", "0000"},
    {"000", "250 MCM"},
    {"0000", "350 MCM"},
    {"250 MCM", "400 MCM"},
    {"350 MCM", "600 MCM"},
    {"400 MCM", "600 MCM"},
    {"500 MCM", "800 MCM"},
    {"700 MCM", "1200 MCM"},
    {"800 MCM", "1200 MCM"},
}};

std::string_view Cell(int rating, size_t column)
{
    return rating >= 0 && rating < int(kSizes.size()) ? kSizes[size_t(rating)][column]
                                                      : std::string_view();
}

}  // namespace

std::string_view Copper(int rating)
{
    return Cell(rating, 0);
}

std::string_view Aluminum(int rating)
{
    return Cell(rating, 1);
}

}  // namespace EquipmentGroundTable

namespace {

constexpr auto kServiceOptions = OptionsOf(GroundingElectrodeTable::kServiceConductors);
constexpr auto kRatingOptions = OptionsOf(EquipmentGroundTable::kRatings);

Outcome ComputeGround(const InputValues& values)
{
    using namespace GroundingElectrodeTable;
    const std::string copper(Copper(Group(values[0].choice)));
    const std::string aluminum(Aluminum(Group(values[1].choice)));
    const std::string copperEquipment(EquipmentGroundTable::Copper(values[2].choice));
    const std::string aluminumEquipment(EquipmentGroundTable::Aluminum(values[2].choice));
    Outcome outcome;
    outcome.results = {{.text = copper},
                       {.text = aluminum},
                       {.text = copperEquipment},
                       {.text = aluminumEquipment}};
    outcome.report = {"GROUND ELECTRODE   EQUIPMENT GROUND" + kHeaderEnd,
                      "COPPER ELECTRODE  " + copper + "  ALUMINUM ELECTRODE  " + aluminum +
                          "  COPPER EQUIP.  " + copperEquipment + "  ALUMINUM EQUIP.  " +
                          aluminumEquipment,
                      kTrailer};
    return outcome;
}

}  // namespace

const Calculator kGround{
    .name = "ground",
    .summary = "Grounding electrode and equipment grounding conductor sizes",
    .inputs = {ListInput("copper", "Largest &Copper Service Conductor", kServiceOptions),
               ListInput("aluminum", "Largest &Aluminum Service Conductor", kServiceOptions),
               ListInput("rating", "&Overcurrent Device Rating", kRatingOptions)},
    // The page's own spelling, "Coppper", as it stands.
    .results = {{.label = "Use Coppper Size", .coloured = true},
                {.label = "Use Aluminum Size", .coloured = true},
                {.label = "Copper Wire Size", .coloured = true},
                {.label = "Alum. Or Copper Clad Size", .coloured = true}},
    .compute = ComputeGround,
};

}  // namespace tavo
