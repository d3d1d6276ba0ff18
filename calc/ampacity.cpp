#include "ampacity.h"

#include "numbertext.h"

#include <string>

namespace tavo {

namespace AmpacityCalculator {

namespace {

using Ampacities = std::array<int, 3>;  // 60 C, 75 C, 90 C

constexpr std::array<Ampacities, 28> kCopper = {{
    {20, 20, 25},    {25, 25, 30},    {30, 35, 40},    {40, 50, 55},    {55, 65, 75},
    {70, 85, 95},    {85, 100, 110},  {95, 115, 130},  {110, 130, 150}, {125, 150, 170},
    {145, 175, 195}, {165, 200, 225}, {195, 230, 260}, {215, 255, 290}, {240, 285, 320},
    {260, 310, 350}, {280, 335, 380}, {320, 380, 430}, {355, 420, 475}, {385, 460, 520},
    {400, 475, 535}, {410, 490, 555}, {435, 520, 585}, {455, 545, 615}, {495, 590, 665},
    {520, 625, 705}, {545, 650, 735}, {560, 665, 750},
}};

constexpr std::array<Ampacities, 27> kAluminum = {{
    {20, 20, 25},    {25, 30, 35},    {30, 40, 45},    {40, 50, 60},    {55, 65, 75},
    {65, 75, 85},    {75, 90, 100},   {85, 100, 115},  {100, 120, 135}, {115, 135, 150},
    {130, 155, 175}, {150, 180, 205}, {170, 205, 230}, {190, 230, 255}, {210, 250, 280},
    {225, 270, 305}, {260, 310, 350}, {285, 340, 385}, {310, 375, 420}, {320, 385, 435},
    {330, 395, 450}, {355, 425, 480}, {375, 445, 500}, {405, 485, 545}, {435, 520, 585},
    {455, 545, 615}, {470, 560, 630},
}};

constexpr std::array<int, 7> kAdjustments = {100, 80, 70, 50, 45, 40, 35};

// The ambient factors, with the fourth column of zeros the table has always carried.
constexpr std::array<std::array<double, 4>, 10> kFactors = {{
    {1.08, 1.05, 1.04, 0},
    {1.0, 1.0, 1.0, 0},
    {0.91, 0.94, 0.96, 0},
    {0.82, 0.88, 0.91, 0},
    {0.71, 0.82, 0.87, 0},
    {0.58, 0.75, 0.82, 0},
    {0.41, 0.67, 0.76, 0},
    {0, 0.58, 0.71, 0},
    {0, 0.33, 0.58, 0},
    {0, 0, 0.41, 0},
}};

template <typename Table>
int Cell(const Table& table, int row, int insulation)
{
    const bool inside = row >= 0 && row < int(table.size()) && insulation >= 0 && insulation < 3;
    return inside ? table[size_t(row)][size_t(insulation)] : 0;
}

}  // namespace

int CopperAmpacity(int size, int insulation)
{
    return Cell(kCopper, size, insulation);
}

int AluminumAmpacity(int size, int insulation)
{
    return Cell(kAluminum, size, insulation);
}

int ConductorCountAdjustment(int count)
{
    return count >= 0 && count < int(kAdjustments.size()) ? kAdjustments[size_t(count)] : 0;
}

double AmbientTemperatureFactor(int ambient, int insulation)
{
    const bool inside =
        ambient >= 0 && ambient < int(kFactors.size()) && insulation >= 0 && insulation < 3;
    return inside ? kFactors[size_t(ambient)][size_t(insulation)] : 0;
}

Row Compute(Metal metal, int size, int count, int ambient, int insulation)
{
    const double ampacity = metal == Metal::Copper ? CopperAmpacity(size, insulation)
                                                   : AluminumAmpacity(size, insulation);
    Row row;
    row.percent = ConductorCountAdjustment(count);
    row.factor = AmbientTemperatureFactor(ambient, insulation);
    row.maxAmpacity = row.factor * ampacity * (row.percent * 0.01);
    return row;
}

}  // namespace AmpacityCalculator

namespace {

using namespace AmpacityCalculator;

constexpr auto kCopperOptions = OptionsOf(kCopperSizes);
// The aluminum sizes start one later, at "12".
constexpr auto kAluminumOptions = [] {
    std::array<Option, kCopperSizes.size() - 1> options{};
    for (size_t i = 0; i < options.size(); ++i) {
        options[i] = {kCopperSizes[i + 1]};
    }
    return options;
}();
constexpr auto kCountOptions = OptionsOf(kConductorCounts);
constexpr auto kAmbientOptions = OptionsOf(kAmbients);
constexpr auto kInsulationOptions = OptionsOf(kInsulations);

// The three results of a row, as the page shows them; "None" three times without a factor.
std::array<ResultValue, 3> Shown(const Row& row)
{
    if (!(row.factor > 0)) {
        return {{{.text = "None"}, {.text = "None"}, {.text = "None"}}};
    }
    return {{{.text = FormatNumber(row.percent), .number = row.percent},
             {.text = FormatNumber(row.factor), .number = row.factor},
             {.text = FormatNumber(row.maxAmpacity), .number = row.maxAmpacity}}};
}

// A list of one row: its spoken name carries the row's metal, since both rows read alike.
Input RowList(std::string_view name, std::string_view label, std::string_view metal,
              std::span<const Option> options)
{
    Input input = ListInput(name, label, options);
    input.group = metal;
    return input;
}

Outcome ComputeAmpacity(const InputValues& values)
{
    Outcome outcome;
    std::string body;
    for (const Metal metal : {Metal::Copper, Metal::Aluminum}) {
        const size_t at = metal == Metal::Copper ? 0 : 4;
        const int size = values[at].choice;
        const int count = values[at + 1].choice;
        const int insulation = values[at + 3].choice;
        const auto shown = Shown(Compute(metal, size, count, values[at + 2].choice, insulation));
        outcome.results.insert(outcome.results.end(), shown.begin(), shown.end());
        const std::string_view sizeText = metal == Metal::Copper
                                              ? kCopperOptions[size_t(size)].name
                                              : kAluminumOptions[size_t(size)].name;
        body += std::string(metal == Metal::Copper ? "COPPER" : " ALUM") +
                " QTY=" + std::string(kConductorCounts[size_t(count)]) + " SIZE=#" +
                std::string(sizeText) + " INSUL=" + std::string(kInsulations[size_t(insulation)]) +
                " AMPS=" + shown[2].text;
    }
    outcome.report = {"CONDUCTOR AMPACITY", body, kTrailer};
    return outcome;
}

}  // namespace

const Calculator kAmpacity{
    .name = "ampacity",
    .summary = "Copper and aluminum ampacity, corrected for conductors together and ambient",
    .inputs = {ListInput("cu.size", "Size &Copper", kCopperOptions),
               RowList("cu.count", "# Co&nductors", "Copper", kCountOptions),
               RowList("cu.ambient", "Am&bient Temp F", "Copper", kAmbientOptions),
               RowList("cu.insulation", "&Ins. Temp Rating", "Copper", kInsulationOptions),
               ListInput("al.size", "Size &Aluminum", kAluminumOptions),
               RowList("al.count", "# Con&ductors", "Aluminum", kCountOptions),
               RowList("al.ambient", "Ambien&t Temp F", "Aluminum", kAmbientOptions),
               RowList("al.insulation", "Ins. Temp &Rating", "Aluminum", kInsulationOptions)},
    .results = {{.label = "% Multiplier", .group = "Copper"},
                {.label = "Temp Multiplier", .group = "Copper"},
                {.label = "Max. Ampacity", .group = "Copper", .coloured = true},
                {.label = "% Multiplier", .group = "Aluminum"},
                {.label = "Temp Multiplier", .group = "Aluminum"},
                {.label = "Max. Ampacity", .group = "Aluminum", .coloured = true}},
    .compute = ComputeAmpacity,
};

}  // namespace tavo
