#pragma once

// The Ground tab: the grounding electrode conductor for the largest service conductor, in copper
// and in aluminum, and the smallest equipment grounding conductor for the rating of the
// overcurrent device ahead of a circuit. Every result is a text from a table.

#include "calculator.h"

#include <array>
#include <string_view>

namespace tavo {

namespace GroundingElectrodeTable {

// "Largest Copper Service Conductor" and "Largest Aluminum Service Conductor", in their order.
inline constexpr std::array<std::string_view, 22> kServiceConductors = {
    "8",        "6",        "4",         "3",         "2",        "1",
    "0",        "00",       "000",       "0000",      "250 Mill", "300 Mill",
    "350 Mill", "400 Mill", "500 Mill",  "600 Mill",  "700 Mill", "750 Mill",
    "800 Mill", "900 Mill", "1000 Mill", "1100 Mill",
};
inline constexpr int kGroups = 6;

// The group 0 to 5 of a service conductor; group 0 for a position outside the list.
int Group(int serviceIndex);
// The electrode conductor of a group; empty outside 0 to 5.
std::string_view Copper(int group);
std::string_view Aluminum(int group);

}  // namespace GroundingElectrodeTable

namespace EquipmentGroundTable {

// "Overcurrent Device Rating", amperes, in its order.
inline constexpr std::array<std::string_view, 21> kRatings = {
    "15",  "20",   "30",   "40",   "60",   "100",  "200",  "300",  "400",  "500",  "600",
    "800", "1000", "1200", "1600", "2000", "2500", "3000", "4000", "5000", "6000",
};

// The conductor for a rating's position; empty outside the list.
std::string_view Copper(int rating);
std::string_view Aluminum(int rating);

}  // namespace EquipmentGroundTable

extern const Calculator kGround;

}  // namespace tavo
