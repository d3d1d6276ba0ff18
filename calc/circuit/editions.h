#pragma once

// The code tables of the circuit check, in two editions: 2023, the current one, and 2008, the
// tables the Ampacity, Ground, Volt Drop and Conduit tabs show. The 2008 tables are the tabs' own;
// the 2023 tables are the tabs' cells with the cells that the 2023 edition changed put in their
// place, so that no cell is written down twice.

#include "sizes.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavo::circuit {

enum class Edition {
    Nec2023,
    Nec2008,
};

// "2023", "2008".
std::string_view EditionName(Edition edition);
Edition OtherEdition(Edition edition);

enum class Metal {
    Copper,
    Aluminum,
};

std::string_view MetalName(Metal metal);  // "copper", "aluminum"

// Table 310.16: amperes at 30 °C, not more than three current-carrying conductors, in the 60, 75
// or 90 °C column; none where the table has no value (14 AWG aluminum) or no such size.
std::optional<int> TableAmpacity(Edition edition, Metal metal, Cmil size, int column);

// A row of the ambient temperature correction table (2023: Table 310.15(B)(1)(1)).
struct AmbientRow
{
    std::string label;             // "26-30 °C", "78-86 °F", "10 or less °C"
    std::optional<double> factor;  // none where a conductor of the rating may not be used
    bool aboveTable = false;       // no row is that warm; there is no factor either
};

// The row for an ambient rounded up to a whole degree in its own unit; below the first row the
// first row.
AmbientRow AmbientCorrection(Edition edition, double ambient, bool fahrenheit, int rating);

// 240.6(A): the standard ampere ratings of fuses and inverse-time breakers, without the ratings
// for fuses only; 2023 starts at 10 A, 2008 at 15 A.
std::span<const int> StandardRatings(Edition edition);

// A row of Table 250.122: the device rating it is for, "not exceeding", and the conductor.
struct GroundingRow
{
    int rating = 0;
    Cmil size = 0;
};

// The smallest row at or above the device; none above the last row.
std::optional<GroundingRow> GroundingTableRow(Edition edition, Metal metal, double device);
// The table's rows, in order, with the conductors of one metal.
std::span<const GroundingRow> GroundingTable(Edition edition, Metal metal);

// Chapter 9 Table 5: the area of one conductor, square inches, by insulation (a position in the
// Conduit tab's list); 0 where it is not made or beyond the table.
double ConductorArea(Edition edition, Cmil size, int insulation);

// Chapter 9 Table 4: the usable area of a raceway type's trade size at a fill (the Conduit tab's
// indexes), square inches; 0 where there is none.
double UsableArea(Edition edition, int racewayType, int tradeSize, int fill);
// The same as functions of the Conduit tab's trade-size search.
double UsableArea2023(int racewayType, int tradeSize, int fill);
double UsableArea2008(int racewayType, int tradeSize, int fill);

}  // namespace tavo::circuit
