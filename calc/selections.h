#pragma once

// What the Conduit and Boxes tabs share about the selections they collect: the command line gives
// them as "COUNT,WIRE[,INSULATION];..." and both pages line up the counts of their list lines.

#include <string>
#include <string_view>
#include <vector>

namespace tavo::Selections {

// The entries of a collected text, each cut at its commas, spaces kept; none for an empty text.
std::vector<std::vector<std::string>> Split(std::string_view text);

// The count text as typed, after the spaces that line up a list: four below 10, two below
// `noSpacesFrom`, none from there on.
std::string AlignedCount(std::string_view countText, unsigned noSpacesFrom);

}  // namespace tavo::Selections
