#pragma once

// The Ampacity tab: the largest current a copper or an aluminum conductor may carry, from its
// table ampacity, the number of current-carrying conductors together and the ambient
// temperature. Every input is a position in a fixed list.

#include "calculator.h"

#include <array>
#include <string_view>

namespace tavo {

namespace AmpacityCalculator {

inline constexpr std::array<std::string_view, 28> kCopperSizes = {
    "14",      "12",      "10",       "8",        "6",        "4",        "3",
    "2",       "1",       "0",        "00",       "000",      "0000",     "250 MCM",
    "300 MCM", "350 MCM", "400 MCM",  "500 MCM",  "600 MCM",  "700 MCM",  "750 MCM",
    "800 MCM", "900 MCM", "1000 MCM", "1250 MCM", "1500 MCM", "1750 MCM", "2000 MCM",
};
inline constexpr std::array<std::string_view, 7> kConductorCounts = {
    "1-3", "4-6", "7-9", "10-20", "21-30", "31-40", "41+",
};
inline constexpr std::array<std::string_view, 10> kAmbients = {
    "70-77",   "78-86",   "87-95",   "96-104",  "105-113",
    "114-122", "123-131", "132-140", "141-158", "159-176",
};
inline constexpr std::array<std::string_view, 3> kInsulations = {"60 C", "75 C", "90 C"};

// Amperes by size and insulation; the aluminum list is the copper one without "14", so its row
// 0 is "12". 0 outside the tables.
int CopperAmpacity(int size, int insulation);
int AluminumAmpacity(int size, int insulation);
// Per cent by the number of conductors.
int ConductorCountAdjustment(int count);
// By ambient range and insulation; 0 where the insulation may not be used at that ambient.
double AmbientTemperatureFactor(int ambient, int insulation);

struct Row
{
    double percent = 0;      // "% Multiplier"
    double factor = 0;       // "Temp Multiplier"
    double maxAmpacity = 0;  // "Max. Ampacity"
};

enum class Metal {
    Copper,
    Aluminum
};

Row Compute(Metal metal, int size, int count, int ambient, int insulation);

}  // namespace AmpacityCalculator

extern const Calculator kAmpacity;

}  // namespace tavo
