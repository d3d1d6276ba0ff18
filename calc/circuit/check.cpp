#include "check.h"

#include "ampacity.h"
#include "conduitfill.h"
#include "conduittables.h"
#include "voltdrop.h"

#include <algorithm>
#include <cmath>

namespace tavo::circuit {

namespace {

// Every comparison with a limit allows for the last bits of the arithmetic: within one part in
// 10^9 of its limit a value counts as equal to it.
constexpr double kTolerance = 1e-9;

bool AtMost(double value, double limit)
{
    return value <= limit + std::abs(limit) * kTolerance;
}

bool AtLeast(double value, double limit)
{
    return value >= limit - std::abs(limit) * kTolerance;
}

std::optional<int> StandardAtLeast(Edition edition, double amperes)
{
    const std::span<const int> ratings = StandardRatings(edition);
    const auto found = std::partition_point(ratings.begin(), ratings.end(),
                                            [&](int rating) { return !AtLeast(rating, amperes); });
    return found == ratings.end() ? std::nullopt : std::optional<int>(*found);
}

// 240.4(D): the largest device on the small conductors.
std::optional<double> SmallConductorLimit(Metal metal, Cmil size)
{
    if (metal == Metal::Copper) {
        return size == 4110 ? 15 : size == 6530 ? 20 : size == 10380 ? 30 : std::optional<double>();
    }
    return size == 6530 ? 15 : size == 10380 ? 25 : std::optional<double>();
}

// The adjustment of Table 310.15(C)(1), by the Ampacity tab's bands: "1-3" 100 %, "4-6" 80 %...
int Adjustment(long count, std::string& band)
{
    const auto& bands = AmpacityCalculator::kConductorCounts;
    size_t found = 0;
    for (size_t i = 0; i < bands.size(); ++i) {
        const std::string_view text = bands[i];
        long lowest = 0;
        for (const char c : text.substr(0, text.find_first_not_of("0123456789"))) {
            lowest = lowest * 10 + (c - '0');
        }
        if (count >= lowest) {
            found = i;
        }
    }
    band = bands[found];
    return AmpacityCalculator::ConductorCountAdjustment(int(found));
}

// The Volt Drop tab's positions of a size in its lists.
int DropSizePosition(bool dc, bool aluminum, Cmil size)
{
    using namespace VoltDropCalculator;
    static const std::array<std::vector<Cmil>, 4> positions = [] {
        std::array<std::vector<Cmil>, 4> all;
        for (int list = 0; list < 4; ++list) {
            const bool inDc = list >= 2;
            const bool ofAluminum = list % 2 == 1;
            const int conductor =
                inDc ? (ofAluminum ? kDcAluminum : 0) : (ofAluminum ? kAcAluminum : 0);
            for (const Option& option : SizeList(inDc ? Mode::DC : Mode::SinglePhase, conductor)) {
                // Stranded sizes only: the solid ones are not candidates.
                const bool solid = option.name.ends_with("Solid");
                all[size_t(list)].push_back(solid ? 0 : TableSize(option.name).value_or(0));
            }
        }
        return all;
    }();
    const std::vector<Cmil>& list = positions[size_t((dc ? 2 : 0) + (aluminum ? 1 : 0))];
    const auto found = std::find(list.begin(), list.end(), size);
    return found == list.end() ? -1 : int(found - list.begin());
}

// The drop at a size, exactly as the Volt Drop tab works it out.
VoltDropCalculator::Drops DropAt(const Circuit& c, const Sizing& s, Cmil size)
{
    using namespace VoltDropCalculator;
    const bool dc = c.system == System::DC;
    const bool aluminum = c.material == Metal::Aluminum;
    Inputs in;
    in.mode = dc ? Mode::DC : c.system == System::ThreePhase ? Mode::ThreePhase : Mode::SinglePhase;
    in.conductor = dc ? (aluminum ? kDcAluminum : 0) : (aluminum ? kAcAluminum : 0);
    in.size = DropSizePosition(dc, aluminum, size);
    in.conduit = int(s.column);
    in.length = c.length;
    in.amps = s.loadAmps / c.sets;
    in.volts = c.volts;
    in.powerFactor = c.powerFactor;
    in.temperature = 75;
    return Compute(in);
}

Candidate Evaluate(const Circuit& c, const Sizing& s, Cmil size)
{
    Candidate k;
    k.size = size;
    k.table = TableAmpacity(s.edition, c.material, size, c.rating).value_or(0);
    k.termination = TableAmpacity(s.edition, c.material, size, s.terminations).value_or(0);
    k.corrected = k.table * *s.ambient.factor * (s.adjustment / 100.0);
    k.usable = c.sets * std::min(k.corrected, double(k.termination));
    const VoltDropCalculator::Drops drops = DropAt(c, s, size);
    const bool dc = c.system == System::DC;
    k.drop = dc ? drops.neutral : drops.line;
    k.dropPercent = dc ? drops.percentNeutral : drops.percentLine;
    // The tab's drop of one conductor is length x 0.001 x amps x Z (twice R in DC, out and back).
    const double perThousandFeet = c.length * 0.001 * (s.loadAmps / c.sets) * (dc ? 2 : 1);
    k.ohms = perThousandFeet > 0 ? drops.neutral / perThousandFeet : 0;

    const double continuous = double(c.sets) * k.termination;
    k.checks[0] = {Check::ContinuousLoad, AtLeast(continuous, s.designAmps), continuous,
                   s.designAmps};
    k.checks[1] = {Check::Ampacity, AtLeast(k.usable, s.loadAmps), k.usable, s.loadAmps};
    if (s.device) {
        const double device = *s.device;
        // 240.4(B): up to 800 A, the next standard rating above the ampacity.
        double limit = k.usable;
        if (AtMost(device, 800)) {
            limit = StandardAtLeast(s.edition, k.usable).value_or(k.usable);
            limit = std::max(limit, k.usable);
        }
        k.checks[2] = {Check::OvercurrentProtection, AtMost(device, limit), device, limit};
        const std::optional<double> small = SmallConductorLimit(c.material, size);
        k.checks[3] = small
                          ? SizeCheck{Check::SmallConductor, AtMost(device, *small), device, *small}
                          : SizeCheck{Check::SmallConductor, true, device, 0, false};
    } else {
        k.checks[2] = {Check::OvercurrentProtection, true, 0, 0, false};
        k.checks[3] = {Check::SmallConductor, true, 0, 0, false};
    }
    k.checks[4] = {Check::VoltageDrop, AtMost(k.dropPercent, c.maxDrop), k.dropPercent, c.maxDrop};
    return k;
}

// The sizes a grounding conductor of the metal comes in: Table 8's, from 14 AWG copper or 12 AWG
// aluminum.
std::span<const Cmil> GroundingSizes(Metal metal)
{
    return TableSizes().subspan(metal == Metal::Aluminum ? 1 : 0);
}

Grounding SizeGrounding(const Circuit& c, const Sizing& s)
{
    Grounding g;
    g.metal = c.egc.value_or(c.material);
    if (!s.device) {
        g.failed = true;
        g.why = "there is no overcurrent device to size it by";
        return g;
    }
    const std::optional<GroundingRow> row = GroundingTableRow(s.edition, g.metal, *s.device);
    if (!row) {
        g.failed = true;
        g.why = "the device is above the table's last row, " +
                std::to_string(GroundingTable(s.edition, g.metal).back().rating) + " A";
        return g;
    }
    g.row = *row;
    g.size = row->size;
    const Candidate& phase = *s.size();
    const Candidate* ampacity = s.ampacitySize ? &s.candidates[*s.ampacitySize] : nullptr;
    // 250.122(B): in proportion to the phase conductors made larger than ampacity needs.
    if (ampacity && phase.size > ampacity->size) {
        g.required = double(row->size) * double(phase.size) / double(ampacity->size);
        const std::span<const Cmil> sizes = GroundingSizes(g.metal);
        const auto larger = std::find_if(sizes.begin(), sizes.end(), [&](Cmil size) {
            return AtLeast(double(size), g.required);
        });
        if (larger == sizes.end()) {
            g.failed = true;
            g.why = "it would need " + Fixed(g.required, 1) +
                    " cmil, more than the largest size, " + SizeName(sizes.back());
            return g;
        }
        g.rule = GroundingRule::Increased;
        g.size = *larger;
        g.below = larger == sizes.begin() ? 0 : *(larger - 1);
    }
    // 250.122(A): never larger than the phase conductors of the same metal.
    if (g.metal == c.material && g.size > phase.size) {
        g.uncapped = g.size;
        g.rule = GroundingRule::Capped;
        g.size = phase.size;
    }
    return g;
}

}  // namespace

std::string SizeWithSets(int sets, Cmil size)
{
    return (sets > 1 ? std::to_string(sets) + " × " : std::string()) + SizeName(size);
}

RacewayColumn ColumnOf(const Circuit& c)
{
    if (c.racewayColumn) {
        return *c.racewayColumn;
    }
    // EMT, Intermediate Metal, Rigid Metal, Liquidtight Metal, Flex Metal.
    const bool steel =
        c.raceway == 0 || c.raceway == 1 || c.raceway == 2 || c.raceway == 5 || c.raceway == 9;
    return steel ? RacewayColumn::Steel : RacewayColumn::Pvc;
}

bool Candidate::passesAmpacity() const
{
    return checks[0].passed && checks[1].passed && checks[2].passed && checks[3].passed;
}

bool Candidate::passesAll() const
{
    return passesAmpacity() && checks[4].passed;
}

std::string Sizing::decidedBy() const
{
    if (!chosen) {
        return {};
    }
    if (sizeGiven) {
        return "given";
    }
    const Candidate* next = below();
    if (!next) {
        return "smallest size";
    }
    for (const SizeCheck& check : next->checks) {
        if (!check.passed) {
            return std::string(CheckName(check.check));
        }
    }
    return {};
}

Sizing SizeCircuit(const Circuit& c, long currentCarrying, Edition edition)
{
    Sizing s;
    s.edition = edition;
    s.sets = c.sets;
    s.loadAmps = LoadCurrent(c);
    const double continuous = c.continuous / 100;
    s.designAmps = s.loadAmps * (1 - continuous) + 1.25 * s.loadAmps * continuous;
    if (c.ocpd) {
        s.device = *c.ocpd;
        s.deviceGiven = true;
        s.deviceFails = !AtLeast(*c.ocpd, s.designAmps);
    } else if (const std::optional<int> rating = StandardAtLeast(edition, s.designAmps)) {
        s.device = *rating;
    } else {
        s.deviceFails = true;
    }
    s.terminalsAuto = !c.terminals;
    s.terminals = c.terminals ? *c.terminals : s.device && AtMost(*s.device, 100) ? 60 : 75;
    s.terminations = std::min(s.terminals, c.rating);
    s.currentCarrying = currentCarrying;
    s.adjustment = Adjustment(currentCarrying, s.countBand);
    s.ambient = AmbientCorrection(edition, c.ambient, c.fahrenheit, c.rating);
    s.column = ColumnOf(c);
    if (s.ambientFails()) {
        return s;
    }
    const std::span<const Cmil> sizes = CandidateSizes(c.system, c.material, c.sets);
    s.largest = sizes.back();
    s.sizeGiven = c.size.has_value();
    s.candidates.reserve(sizes.size());
    for (const Cmil size : sizes) {
        s.candidates.push_back(Evaluate(c, s, size));
        const Candidate& k = s.candidates.back();
        const size_t at = s.candidates.size() - 1;
        if (!s.ampacitySize && k.passesAmpacity()) {
            s.ampacitySize = at;
        }
        if (!s.chosen && (c.size ? size == *c.size : k.passesAll())) {
            s.chosen = at;
        }
        if (s.chosen && s.ampacitySize) {
            break;
        }
    }
    if (s.chosen) {
        s.grounding = SizeGrounding(c, s);
    }
    return s;
}

std::vector<Conductors> CircuitConductors(const Circuit& c, const Sizing& s)
{
    std::vector<Conductors> conductors;
    const Candidate* size = s.size();
    if (!size) {
        return conductors;
    }
    conductors.push_back({OwnCurrentCarrying(c.system), size->size, c.insulation, false});
    if (c.neutral) {
        conductors.push_back({1, size->size, c.insulation, false, true});
    }
    if (!s.grounding.failed) {
        conductors.push_back({1, s.grounding.size, c.insulation, true});
    }
    return conductors;
}

Raceway SizeRaceway(Edition edition, int type, const std::vector<Conductors>& conductors)
{
    using namespace ConduitFillCalculator;
    Raceway r;
    r.type = type;
    r.conductors = conductors;
    for (const Conductors& group : conductors) {
        const double area = ConductorArea(edition, group.size, group.insulation);
        if (!(area > 0)) {
            const std::string what = group.grounding ? "the grounding conductor, " : "";
            r.why = group.size > 1000000
                        ? what + SizeName(group.size) + " is beyond the conductor area table"
                        : std::string(kInsulations[size_t(group.insulation)]) + " is not made in " +
                              SizeName(group.size);
            r.failure = Check::Raceway;
            return r;
        }
        r.count += group.count;
        r.area += group.count * area;
    }
    r.limit = FillPercent(static_cast<unsigned long>(r.count));
    const UsableAreaLookup usable = edition == Edition::Nec2023 ? UsableArea2023 : UsableArea2008;
    // The limit allows for the last bits of the arithmetic, as every limit does.
    const TradeSize found = FindTradeSize(r.area / (1 + kTolerance), r.limit, type, usable);
    if (found.tooMany) {
        r.why = "no trade size of " +
                std::string(ConduitUsableAreaTable::kConduitTypes[size_t(type)]) + " holds " +
                Fixed(r.area, 4) + " in² at " + std::to_string(r.limit) + " %";
        r.failure = Check::Raceway;
        return r;
    }
    r.sized = true;
    r.tradeSize = found.index;
    r.usable = usable(type, found.index, FillIndex(r.limit));
    r.fill = r.area / (r.usable / (r.limit / 100.0)) * 100;
    return r;
}

std::string CircuitResult::status() const
{
    if (failed.empty()) {
        return "OK";
    }
    std::string text = "FAILS: ";
    for (size_t i = 0; i < failed.size(); ++i) {
        text += (i ? ", " : "") + std::string(CheckName(failed[i]));
    }
    if (sizing.noSizePasses()) {
        text += "; no size up to " + SizeWithSets(sizing.sets, sizing.largest) + " passes";
    }
    return text;
}

}  // namespace tavo::circuit
