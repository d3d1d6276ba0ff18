#pragma once

// The tables behind the Conduit tab: the cross-section area of one conductor by wire size and
// insulation, and the usable area of every conduit type and trade size at 31, 40 and 53 per cent
// fill. Areas are square inches; 0 means the combination is not made.

#include <array>
#include <string_view>

namespace tavo {

namespace ConductorAreaTable {

// The wire sizes, in the order of the rows.
inline constexpr std::array<std::string_view, 24> kWireSizes = {
    "14",       "12",       "10",       "8",        "6",        "4",        "3",        "2",
    "1",        "0",        "00",       "000",      "0000",     "250 Mill", "300 Mill", "350 Mill",
    "400 Mill", "500 Mill", "600 Mill", "700 Mill", "750 Mill", "800 Mill", "900 Mill", "1000 Mill",
};
inline constexpr int kColumns = 13;

// One conductor's area by row and column; 0 outside the table.
double Area(int row, int column);

}  // namespace ConductorAreaTable

// The insulations of the list, each sharing a column of the area table with others.
inline constexpr std::array<std::string_view, 24> kInsulations = {
    "RHH",      "RHW",      "XHHW", "XHH",  "THHN", "THWN",  "THWN-2", "FEP",
    "FEPB",     "PFA",      "ZF",   "ZFF",  "KF-1", "KFF-1", "THW",    "THHW",
    "BARE SOL", "BARE STR", "TFE",  "PFAH", "Z",    "ZW",    "KF-2",   "KFF-2",
};
// The column of an insulation's list position; -1 outside the list.
int InsulationColumn(int position);

namespace ConduitUsableAreaTable {

inline constexpr std::array<std::string_view, 12> kConduitTypes = {
    "EMT",           "Intermediate Metal", "Rigid Metal",        "PVC Schd. 80",
    "PVC Schd. 40",  "Liquidtight Metal",  "PVC Type A",         "PVC Type EB",
    "ENT Non Metal", "Flex Metal",         "Liquidtight LFNC-B", "Liquidtight LFNC-A",
};
inline constexpr int kTradeSizes = 12;
inline constexpr int kPvcTypeEb = 7;

// The fill index of each percentage.
enum Fill {
    Fill31 = 0,
    Fill40 = 1,
    Fill53 = 2,
};

// The usable area of a conduit type's trade size at a fill index; 0 outside the table.
double UsableArea(int conduitType, int tradeSize, int fill);

}  // namespace ConduitUsableAreaTable

// "1/2 Inch", "3/4 inch", ... "6 inch"; "None" outside 0 to 11.
std::string_view TradeSizeName(int index);

}  // namespace tavo
