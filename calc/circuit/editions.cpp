#include "editions.h"

#include "ampacity.h"
#include "conduittables.h"
#include "ground.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cmath>
#include <vector>

namespace tavo::circuit {

namespace {

// ---- The cells that the 2023 edition changed ----

// Table 310.16.
struct AmpacityCell
{
    Cmil size;
    Metal metal;
    int column;
    int amperes;
};
constexpr std::array<AmpacityCell, 15> kAmpacity2023 = {{
    {4110, Metal::Copper, 60, 15},
    {6530, Metal::Copper, 60, 20},
    {52620, Metal::Copper, 90, 115},
    {83690, Metal::Copper, 90, 145},
    {600000, Metal::Copper, 60, 350},
    {1500000, Metal::Copper, 60, 525},
    {2000000, Metal::Copper, 60, 555},
    {6530, Metal::Aluminum, 60, 15},
    {16510, Metal::Aluminum, 60, 35},
    {26240, Metal::Aluminum, 90, 55},
    {300000, Metal::Aluminum, 60, 195},
    {300000, Metal::Aluminum, 90, 260},
    {700000, Metal::Aluminum, 60, 315},
    {700000, Metal::Aluminum, 90, 425},
    {800000, Metal::Aluminum, 90, 445},
}};

// Table 310.15(B)(1)(1): a row's upper ends in °C and °F, and either the Ampacity tab's row whose
// factors it keeps or factors of its own (0: none). Each row starts one degree above the last.
struct AmbientRow2023
{
    int highC;
    int highF;
    int tabRow;  // -1: factors of its own
    std::array<double, 3> factors;
};
constexpr std::array<AmbientRow2023, 16> kAmbient2023 = {{
    {10, 50, -1, {1.29, 1.20, 1.15}},
    {15, 59, -1, {1.22, 1.15, 1.12}},
    {20, 68, -1, {1.15, 1.11, 1.08}},
    {25, 77, 0, {}},
    {30, 86, 1, {}},
    {35, 95, 2, {}},
    {40, 104, 3, {}},
    {45, 113, 4, {}},
    {50, 122, 5, {}},
    {55, 131, 6, {}},
    {60, 140, 7, {}},
    {65, 149, -1, {0, 0.47, 0.65}},
    {70, 158, 8, {}},
    {75, 167, -1, {0, 0, 0.50}},
    {80, 176, 9, {}},
    {85, 185, -1, {0, 0, 0.29}},
}};

// The °C rows that the Ampacity tab's °F rows stand for, by their upper ends; the first starts at
// 21 °C.
constexpr std::array<int, 10> kAmbientHighC2008 = {25, 30, 35, 40, 45, 50, 55, 60, 70, 80};

// Table 240.6(A), 2023; 2008 is the same list from 15 A.
constexpr std::array<int, 38> kStandardRatings = {
    10,  15,  20,  25,   30,   35,   40,   45,   50,   60,   70,   80,   90,
    100, 110, 125, 150,  175,  200,  225,  250,  300,  350,  400,  450,  500,
    600, 700, 800, 1000, 1200, 1600, 2000, 2500, 3000, 4000, 5000, 6000,
};

// Table 250.122: 2023 has no 30 A and 40 A rows, and these aluminum conductors.
constexpr std::array<int, 2> kGroundingRowsNotIn2023 = {30, 40};
struct GroundingCell
{
    int rating;
    Cmil size;
};
constexpr std::array<GroundingCell, 3> kGroundingAluminum2023 = {{
    {4000, 750000},
    {5000, 1250000},
    {6000, 1250000},
}};

// Chapter 9 Table 5: THW and THHW from 14 to 8 AWG have the TW areas in 2023.
constexpr int kThwColumn = 6;
struct AreaCell
{
    Cmil size;
    double area;
};
constexpr std::array<AreaCell, 4> kThwAreas2023 = {{
    {4110, 0.0139},
    {6530, 0.0181},
    {10380, 0.0243},
    {16510, 0.0437},
}};

// Chapter 9 Table 4: Intermediate Metal (type 1) and Rigid Metal (type 2) cells.
struct UsableCell
{
    int type;
    int tradeSize;
    int fill;
    double area;
};
constexpr std::array<UsableCell, 7> kUsable2023 = {{
    {1, 3, ConduitUsableAreaTable::Fill40, 0.659},
    {1, 4, ConduitUsableAreaTable::Fill40, 0.890},
    {1, 3, ConduitUsableAreaTable::Fill53, 0.873},
    {1, 4, ConduitUsableAreaTable::Fill31, 0.690},
    {1, 4, ConduitUsableAreaTable::Fill53, 1.179},
    {1, 5, ConduitUsableAreaTable::Fill53, 1.924},
    {2, 7, ConduitUsableAreaTable::Fill53, 3.974},
}};

// ---- The tabs' tables, read by size ----

int ColumnIndex(int column)
{
    return column == 60 ? 0 : column == 75 ? 1 : column == 90 ? 2 : -1;
}

std::optional<int> TabAmpacity(Metal metal, Cmil size, int column)
{
    const int row = TableIndex(size);
    const int index = ColumnIndex(column);
    if (row < 0 || index < 0 || (metal == Metal::Aluminum && row == 0)) {
        return std::nullopt;
    }
    const int amperes = metal == Metal::Copper
                            ? AmpacityCalculator::CopperAmpacity(row, index)
                            : AmpacityCalculator::AluminumAmpacity(row - 1, index);
    return amperes > 0 ? std::optional<int>(amperes) : std::nullopt;
}

int Number(std::string_view text)
{
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// The Ground tab's equipment grounding table, by rating, for one edition and metal.
std::vector<GroundingRow> GroundingRows(Edition edition, Metal metal)
{
    using namespace EquipmentGroundTable;
    std::vector<GroundingRow> rows;
    for (size_t i = 0; i < kRatings.size(); ++i) {
        const int rating = Number(kRatings[i]);
        if (edition == Edition::Nec2023 &&
            std::find(kGroundingRowsNotIn2023.begin(), kGroundingRowsNotIn2023.end(), rating) !=
                kGroundingRowsNotIn2023.end()) {
            continue;
        }
        const std::string_view text = metal == Metal::Copper ? Copper(int(i)) : Aluminum(int(i));
        GroundingRow row{rating, TableSize(text).value_or(0)};
        if (edition == Edition::Nec2023 && metal == Metal::Aluminum) {
            for (const GroundingCell& cell : kGroundingAluminum2023) {
                if (cell.rating == rating) {
                    row.size = cell.size;
                }
            }
        }
        rows.push_back(row);
    }
    return rows;
}

std::string Band(int low, int high, std::string_view unit)
{
    if (low == INT_MIN) {
        return std::to_string(high) + " or less " + std::string(unit);
    }
    return std::to_string(low) + "-" + std::to_string(high) + " " + std::string(unit);
}

}  // namespace

std::string_view EditionName(Edition edition)
{
    return edition == Edition::Nec2023 ? "2023" : "2008";
}

Edition OtherEdition(Edition edition)
{
    return edition == Edition::Nec2023 ? Edition::Nec2008 : Edition::Nec2023;
}

std::string_view MetalName(Metal metal)
{
    return metal == Metal::Copper ? "copper" : "aluminum";
}

std::optional<int> TableAmpacity(Edition edition, Metal metal, Cmil size, int column)
{
    // Both editions' tables laid out once, by edition, metal, Table 8 size and column; 0: none.
    static const std::vector<int> tables = [] {
        std::vector<int> cells;
        for (const Edition e : {Edition::Nec2023, Edition::Nec2008}) {
            for (const Metal m : {Metal::Copper, Metal::Aluminum}) {
                for (const Cmil s : TableSizes()) {
                    for (const int c : {60, 75, 90}) {
                        std::optional<int> amperes = TabAmpacity(m, s, c);
                        for (const AmpacityCell& cell : kAmpacity2023) {
                            if (e == Edition::Nec2023 && amperes && cell.size == s &&
                                cell.metal == m && cell.column == c) {
                                amperes = cell.amperes;
                            }
                        }
                        cells.push_back(amperes.value_or(0));
                    }
                }
            }
        }
        return cells;
    }();
    const int row = TableIndex(size);
    const int index = ColumnIndex(column);
    if (row < 0 || index < 0) {
        return std::nullopt;
    }
    const size_t rows = TableSizes().size();
    const int amperes =
        tables[((size_t(edition) * 2 + size_t(metal)) * rows + size_t(row)) * 3 + size_t(index)];
    return amperes > 0 ? std::optional<int>(amperes) : std::nullopt;
}

AmbientRow AmbientCorrection(Edition edition, double ambient, bool fahrenheit, int rating)
{
    const int index = ColumnIndex(rating);
    const double degrees = std::ceil(ambient);
    const std::string_view unit = fahrenheit ? "°F" : "°C";
    AmbientRow found;
    if (edition == Edition::Nec2023) {
        int low = INT_MIN;
        for (const AmbientRow2023& row : kAmbient2023) {
            const int high = fahrenheit ? row.highF : row.highC;
            if (degrees <= high) {
                const double factor =
                    row.tabRow >= 0
                        ? AmpacityCalculator::AmbientTemperatureFactor(row.tabRow, index)
                        : row.factors[size_t(index)];
                found.label = Band(low, high, unit);
                found.factor = factor > 0 ? std::optional<double>(factor) : std::nullopt;
                return found;
            }
            low = high + 1;
        }
    } else {
        for (size_t row = 0; row < kAmbientHighC2008.size(); ++row) {
            // The tab's rows are named by their °F bands, "70-77".
            const std::string_view band = AmpacityCalculator::kAmbients[row];
            const int high =
                fahrenheit ? Number(band.substr(band.find('-') + 1)) : kAmbientHighC2008[row];
            if (degrees <= high) {
                const int low = fahrenheit ? Number(band)
                                : row == 0 ? 21
                                           : kAmbientHighC2008[row - 1] + 1;
                const double factor = AmpacityCalculator::AmbientTemperatureFactor(int(row), index);
                found.label = Band(low, high, unit);
                found.factor = factor > 0 ? std::optional<double>(factor) : std::nullopt;
                return found;
            }
        }
    }
    found.aboveTable = true;
    return found;
}

std::span<const int> StandardRatings(Edition edition)
{
    return edition == Edition::Nec2023 ? std::span<const int>(kStandardRatings)
                                       : std::span<const int>(kStandardRatings).subspan(1);
}

std::span<const GroundingRow> GroundingTable(Edition edition, Metal metal)
{
    static const std::array<std::vector<GroundingRow>, 4> tables = {
        GroundingRows(Edition::Nec2023, Metal::Copper),
        GroundingRows(Edition::Nec2023, Metal::Aluminum),
        GroundingRows(Edition::Nec2008, Metal::Copper),
        GroundingRows(Edition::Nec2008, Metal::Aluminum),
    };
    return tables[(edition == Edition::Nec2023 ? 0 : 2) + (metal == Metal::Copper ? 0 : 1)];
}

std::optional<GroundingRow> GroundingTableRow(Edition edition, Metal metal, double device)
{
    for (const GroundingRow& row : GroundingTable(edition, metal)) {
        // Within the last bits of the arithmetic, a device of a row's rating is in that row.
        if (device <= row.rating * (1 + 1e-9)) {
            return row;
        }
    }
    return std::nullopt;
}

double ConductorArea(Edition edition, Cmil size, int insulation)
{
    const int column = InsulationColumn(insulation);
    if (edition == Edition::Nec2023 && column == kThwColumn) {
        for (const AreaCell& cell : kThwAreas2023) {
            if (cell.size == size) {
                return cell.area;
            }
        }
    }
    // The Conduit tab's rows by their sizes, read once.
    static const std::vector<Cmil> rows = [] {
        std::vector<Cmil> sizes;
        for (const std::string_view name : ConductorAreaTable::kWireSizes) {
            sizes.push_back(TableSize(name).value_or(0));
        }
        return sizes;
    }();
    const auto row = std::find(rows.begin(), rows.end(), size);
    return row == rows.end() ? 0 : ConductorAreaTable::Area(int(row - rows.begin()), column);
}

double UsableArea2008(int racewayType, int tradeSize, int fill)
{
    return ConduitUsableAreaTable::UsableArea(racewayType, tradeSize, fill);
}

double UsableArea2023(int racewayType, int tradeSize, int fill)
{
    for (const UsableCell& cell : kUsable2023) {
        if (cell.type == racewayType && cell.tradeSize == tradeSize && cell.fill == fill) {
            return cell.area;
        }
    }
    return UsableArea2008(racewayType, tradeSize, fill);
}

double UsableArea(Edition edition, int racewayType, int tradeSize, int fill)
{
    return edition == Edition::Nec2023 ? UsableArea2023(racewayType, tradeSize, fill)
                                       : UsableArea2008(racewayType, tradeSize, fill);
}

}  // namespace tavo::circuit
