#include "sizes.h"

#include "ampacity.h"
#include "calculator.h"
#include "numbertext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <vector>

namespace tavo::circuit {

namespace {

// Chapter 9 Table 8: the area of each gauge, 14 AWG to 4/0 AWG; kcmil sizes are 1,000 circular
// mils per kcmil.
struct Gauge
{
    std::string_view name;  // as the tables write it
    std::string_view awg;   // as the check names it
    Cmil area;
};
constexpr std::array<Gauge, 13> kGauges = {{
    {"14", "14", 4110},
    {"12", "12", 6530},
    {"10", "10", 10380},
    {"8", "8", 16510},
    {"6", "6", 26240},
    {"4", "4", 41740},
    {"3", "3", 52620},
    {"2", "2", 66360},
    {"1", "1", 83690},
    {"0", "1/0", 105600},
    {"00", "2/0", 133100},
    {"000", "3/0", 167800},
    {"0000", "4/0", 211600},
}};

// A whole number without a leading zero; none otherwise.
std::optional<long> Digits(std::string_view text)
{
    if (text.empty() || text.size() > 6 || text.front() == '0' ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::optional<Cmil> GaugeArea(std::string_view text, bool typed)
{
    for (const Gauge& gauge : kGauges) {
        if (text == gauge.name || (typed && text == gauge.awg)) {
            return gauge.area;
        }
    }
    return std::nullopt;
}

// A number and the word after it, if any: "250 MCM" is 250 and "MCM".
std::optional<Cmil> SizeWithUnit(std::string_view text, bool typed)
{
    text = TrimSpaces(text);
    size_t end = 0;
    while (end < text.size() && text[end] != ' ' &&
           !(typed && end > 0 && std::isalpha(static_cast<unsigned char>(text[end])) &&
             std::isdigit(static_cast<unsigned char>(text[end - 1])))) {
        ++end;
    }
    const std::string_view number = text.substr(0, end);
    const std::string_view unit = TrimSpaces(text.substr(end));
    if (const std::optional<Cmil> gauge = GaugeArea(number, typed)) {
        return unit.empty() || (typed && SameLetters(unit, "AWG")) ? gauge : std::nullopt;
    }
    const std::optional<long> kcmil = Digits(number);
    if (!kcmil || *kcmil < 250) {
        return std::nullopt;
    }
    const bool named = SameLetters(unit, "MCM") || SameLetters(unit, "Mill") ||
                       (typed && SameLetters(unit, "kcmil"));
    return unit.empty() || named ? std::optional<Cmil>(*kcmil * 1000) : std::nullopt;
}

}  // namespace

std::span<const Cmil> TableSizes()
{
    static const std::vector<Cmil> sizes = [] {
        std::vector<Cmil> areas;
        for (const std::string_view name : AmpacityCalculator::kCopperSizes) {
            areas.push_back(*TableSize(name));
        }
        return areas;
    }();
    return sizes;
}

int TableIndex(Cmil size)
{
    const std::span<const Cmil> sizes = TableSizes();
    const auto found = std::lower_bound(sizes.begin(), sizes.end(), size);
    return found == sizes.end() || *found != size ? -1 : int(found - sizes.begin());
}

std::string SizeName(Cmil size)
{
    for (const Gauge& gauge : kGauges) {
        if (gauge.area == size) {
            return std::string(gauge.awg) + " AWG";
        }
    }
    return std::to_string(size / 1000) + " kcmil";
}

std::optional<Cmil> TableSize(std::string_view text)
{
    if (text.starts_with("# ")) {
        text.remove_prefix(2);
    }
    for (const std::string_view kind : {" Strand", " Solid"}) {
        if (text.ends_with(kind)) {
            text.remove_suffix(kind.size());
        }
    }
    return SizeWithUnit(text, false);
}

std::optional<Cmil> TypedSize(std::string_view text)
{
    text = TrimSpaces(text);
    if (text.starts_with('#')) {
        text.remove_prefix(1);
    }
    return SizeWithUnit(text, true);
}

}  // namespace tavo::circuit
