#pragma once

// What the Conduit and Boxes tabs share about the selections they collect: the command line gives
// them as "COUNT,WIRE[,INSULATION];..." and both pages line up the counts of their list lines.

#include "calculator.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo::Selections {

// A list that an entry names an option of, after its count: "wire size" and its sizes.
struct EntryList
{
    std::string_view what;
    std::span<const Option> options;
};

// One entry: its count as typed and its options' positions, in the order of the lists.
struct Entry
{
    std::string count;
    std::vector<int> chosen;
};

// The entries of a collected text whose fields are "COUNT" and then one per list, by text or
// position; none, and why, when any entry cannot be read.
std::vector<Entry> ReadEntries(std::string_view text, std::span<const EntryList> lists,
                               std::string* why = nullptr);

// Why a collected text cannot be read; empty when it can.
std::string Refusal(std::string_view text, std::span<const EntryList> lists);

// The count text as typed, after the spaces that line up a list: four below 10, two below
// `noSpacesFrom`, none from there on.
std::string AlignedCount(std::string_view countText, unsigned noSpacesFrom);

}  // namespace tavo::Selections
