#include "circuitinputs.h"

#include "conduittables.h"
#include "numbertext.h"
#include "voltdrop.h"
#include "windows1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

namespace tavo::circuit {

namespace {

constexpr Option kUnits[] = {{"amps"}, {"kva"}, {"kw"}};
constexpr Option kSystems[] = {{"dc"}, {"1"}, {"3"}};
constexpr Option kNoYes[] = {{"no"}, {"yes"}};
constexpr Option kMetals[] = {{"copper"}, {"aluminum"}};
constexpr Option kRatings[] = {{"60"}, {"75"}, {"90"}};
constexpr Option kTerminalRatings[] = {{"auto"}, {"60"}, {"75"}, {"90"}};
constexpr Option kTemperatureUnits[] = {{"C"}, {"F"}};
constexpr Option kRacewayMetals[] = {{"auto"}, {"pvc"}, {"aluminum"}, {"steel"}};
constexpr Option kGroundingMetals[] = {{"same"}, {"copper"}, {"aluminum"}};
constexpr Option kEditions[] = {{"2023"}, {"2008"}};
constexpr auto kInsulationOptions = OptionsOf(kInsulations);
constexpr auto kRacewayOptions = OptionsOf(ConduitUsableAreaTable::kConduitTypes);

Input Text(std::string_view name, std::string_view label, std::string_view byDefault,
           std::span<const Option> options = {})
{
    return {.name = name,
            .kind = InputKind::Text,
            .label = label,
            .byDefault = byDefault,
            .options = options};
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits only, with spaces around them.
std::optional<long> WholeCount(std::string_view text, long largest)
{
    text = TrimSpaces(text);
    if (text.empty() || text.size() > 9 || !std::all_of(text.begin(), text.end(), IsDigit)) {
        return std::nullopt;
    }
    long value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value <= largest ? std::optional<long>(value) : std::nullopt;
}

std::string Names(std::span<const Option> options)
{
    std::string names;
    for (const Option& option : options) {
        names += (names.empty() ? "" : ", ") + std::string(option.name);
    }
    return names;
}

// Reads the texts one by one; the first it cannot take is the refusal.
class Reader
{
public:
    Reader(std::span<const std::string_view> texts, Circuit& circuit)
        : m_texts(texts), m_circuit(circuit)
    {
    }

    const std::optional<Refusal>& refused() const { return m_refused; }

    // The text of an input, or none when it is empty and so takes its default.
    std::optional<std::string_view> given(InputIndex input)
    {
        const std::string_view text = input < m_texts.size() ? m_texts[input] : std::string_view();
        if (text.empty()) {
            m_circuit.defaults.push_back(input);
            return std::nullopt;
        }
        return text;
    }

    void number(InputIndex input, double& value, double lowest, double highest, bool lowestIn,
                std::string_view accepts)
    {
        const auto text = given(input);
        if (!text || m_refused) {
            return;
        }
        const std::optional<double> read = ParseWholeText(*text);
        const bool inside = read && (lowestIn ? *read >= lowest : *read > lowest) &&
                            *read <= highest && std::isfinite(*read);
        if (!inside) {
            refuse(input, std::string(accepts));
            return;
        }
        value = *read;
    }

    // The option named, in any case, by its position in `options`.
    void choice(InputIndex input, int& position, std::span<const Option> options)
    {
        const auto text = given(input);
        if (!text || m_refused) {
            return;
        }
        for (size_t i = 0; i < options.size(); ++i) {
            if (SameLetters(*text, options[i].name)) {
                position = int(i);
                return;
            }
        }
        refuse(input, "one of " + Names(options));
    }

    void refuse(InputIndex input, std::string reason)
    {
        if (!m_refused) {
            static const std::vector<Input> inputs = CircuitInputDescriptions();
            m_refused = Refusal{inputs[input].name, std::move(reason)};
        }
    }

private:
    std::span<const std::string_view> m_texts;
    Circuit& m_circuit;
    std::optional<Refusal> m_refused;
};

bool IsAuto(std::string_view text)
{
    return SameLetters(TrimSpaces(text), "auto");
}

std::vector<Cmil> Candidates(System system, Metal metal, int sets)
{
    using namespace VoltDropCalculator;
    const bool dc = system == System::DC;
    const bool aluminum = metal == Metal::Aluminum;
    const int conductor = dc ? (aluminum ? kDcAluminum : 0) : (aluminum ? kAcAluminum : 0);
    const Cmil smallest = sets > 1 ? 105600 : aluminum ? 6530 : 4110;
    std::vector<Cmil> sizes;
    for (const Option& option : SizeList(dc ? Mode::DC : Mode::SinglePhase, conductor)) {
        const std::optional<Cmil> size = TableSize(option.name);
        if (size && *size >= smallest && *size <= 1000000 && !option.name.ends_with("Solid")) {
            sizes.push_back(*size);
        }
    }
    return sizes;
}

std::string SizeList(std::span<const Cmil> sizes)
{
    std::string list;
    for (const Cmil size : sizes) {
        std::string name = SizeName(size);
        name.resize(name.find(' '));
        list += (list.empty() ? "" : ", ") + name;
    }
    return list;
}

}  // namespace

std::vector<Input> CircuitInputDescriptions()
{
    return {
        Text("load", "Load", "20"),
        Text("unit", "Load Unit", "amps", kUnits),
        Text("pf", "Power Factor %", "85"),
        Text("continuous", "Continuous %", "100"),
        Text("system", "System", "1", kSystems),
        Text("neutral", "Neutral", "no", kNoYes),
        Text("volts", "Volts", "240"),
        Text("length", "Length ft", "100"),
        Text("sets", "Sets", "1"),
        Text("material", "Material", "copper", kMetals),
        Text("rating", "Rating °C", "75", kRatings),
        Text("insulation", "Insulation", "THHN", kInsulationOptions),
        Text("terminals", "Terminals °C", "auto", kTerminalRatings),
        Text("ambient", "Ambient", "30"),
        Text("ambientunit", "Ambient Unit", "C", kTemperatureUnits),
        Text("ccc", "Current-Carrying", "auto"),
        Text("raceway", "Raceway Type", "EMT", kRacewayOptions),
        Text("racewaymetal", "Raceway Metal", "auto", kRacewayMetals),
        Text("maxdrop", "Max Drop %", "3"),
        Text("ocpd", "OCPD A", "auto"),
        Text("size", "Size To Check", "auto"),
        Text("egc", "EGC Metal", "same", kGroundingMetals),
        Text("edition", "Edition", "2023", kEditions),
        Text("circuit", "Circuit", ""),
        Text("raceway_id", "Raceway ID", ""),
    };
}

int OwnCurrentCarrying(System system)
{
    return system == System::ThreePhase ? 3 : 2;
}

double LoadCurrent(const Circuit& circuit)
{
    if (circuit.unit == LoadUnit::Amps) {
        return circuit.load;
    }
    const double phase = circuit.system == System::ThreePhase ? 1.732 : 1;
    const double factor = circuit.unit == LoadUnit::Kw && circuit.system != System::DC
                              ? circuit.powerFactor / 100
                              : 1;
    return 1000 * circuit.load / (phase * circuit.volts * factor);
}

std::span<const Cmil> CandidateSizes(System system, Metal metal, int sets)
{
    static const std::array<std::vector<Cmil>, 12> lists = [] {
        std::array<std::vector<Cmil>, 12> all;
        for (int s = 0; s < 3; ++s) {
            for (int m = 0; m < 2; ++m) {
                for (int parallel = 0; parallel < 2; ++parallel) {
                    all[size_t(s * 4 + m * 2 + parallel)] =
                        Candidates(System(s), Metal(m), parallel ? 2 : 1);
                }
            }
        }
        return all;
    }();
    return lists[size_t(int(system) * 4 + int(metal) * 2 + (sets > 1 ? 1 : 0))];
}

ReadCircuit Read(std::span<const std::string_view> texts, long row)
{
    ReadCircuit read;
    Circuit& c = read.circuit.emplace();
    c.defaults.reserve(kInputCount);
    Reader in(texts, c);
    in.number(kLoad, c.load, 0, HUGE_VAL, false, "a number greater than 0");
    int unit = 0;
    in.choice(kUnit, unit, kUnits);
    c.unit = LoadUnit(unit);
    in.number(kPowerFactor, c.powerFactor, 30, 100, true, "a number from 30 to 100");
    in.number(kContinuous, c.continuous, 0, 100, true, "a number from 0 to 100");
    int system = 1;
    in.choice(kSystem, system, kSystems);
    c.system = System(system);
    int neutral = 0;
    in.choice(kNeutral, neutral, kNoYes);
    c.neutral = neutral == 1;
    in.number(kVolts, c.volts, 0, 2000, false, "a number greater than 0, at most 2000");
    in.number(kLength, c.length, 0, HUGE_VAL, true, "a number of 0 or more");
    if (const auto text = in.given(kSets)) {
        const std::optional<long> sets = WholeCount(*text, 8);
        if (sets && *sets >= 1) {
            c.sets = int(*sets);
        } else {
            in.refuse(kSets, "a whole number from 1 to 8");
        }
    }
    int material = 0;
    in.choice(kMaterial, material, kMetals);
    c.material = Metal(material);
    int rating = 1;
    in.choice(kRating, rating, kRatings);
    c.rating = 60 + 15 * rating;
    in.choice(kInsulation, c.insulation, kInsulationOptions);
    int terminals = 0;
    in.choice(kTerminals, terminals, kTerminalRatings);
    if (terminals > 0) {
        c.terminals = 45 + 15 * terminals;
    }
    in.number(kAmbient, c.ambient, -HUGE_VAL, HUGE_VAL, true, "a number");
    int fahrenheit = 0;
    in.choice(kAmbientUnit, fahrenheit, kTemperatureUnits);
    c.fahrenheit = fahrenheit == 1;
    if (const auto text = in.given(kCcc); text && !IsAuto(*text)) {
        c.ccc = WholeCount(*text, 10000);
        if (!c.ccc) {
            in.refuse(kCcc, "auto or a whole number up to 10000");
        }
    }
    in.choice(kRaceway, c.raceway, kRacewayOptions);
    int column = 0;
    in.choice(kRacewayMetal, column, kRacewayMetals);
    if (column > 0) {
        c.racewayColumn = RacewayColumn(column - 1);
    }
    in.number(kMaxDrop, c.maxDrop, 0, HUGE_VAL, false, "a number greater than 0");
    if (const auto text = in.given(kOcpd); text && !IsAuto(*text)) {
        double ocpd = 0;
        in.number(kOcpd, ocpd, 0, HUGE_VAL, false, "auto or a number greater than 0");
        c.ocpd = ocpd;
    }
    const auto sizeText = in.given(kSize);
    int egc = 0;
    in.choice(kEgc, egc, kGroundingMetals);
    if (egc > 0) {
        c.egc = Metal(egc - 1);
    }
    int edition = 0;
    in.choice(kEdition, edition, kEditions);
    c.edition = Edition(edition);
    const auto name = in.given(kCircuitName);
    c.name = name ? Windows1252ToUtf8(*name) : std::to_string(row);
    if (const auto id = in.given(kRacewayId)) {
        c.racewayId = Windows1252ToUtf8(*id);
    }
    // What depends on other inputs comes last: a size is a candidate of the system, metal and
    // sets; a count is at least the circuit's own.
    if (sizeText && !IsAuto(*sizeText)) {
        const std::span<const Cmil> candidates = CandidateSizes(c.system, c.material, c.sets);
        c.size = TypedSize(*sizeText);
        if (!c.size ||
            std::find(candidates.begin(), candidates.end(), *c.size) == candidates.end()) {
            const std::string of = std::string(c.system == System::DC ? "DC" : "AC") + " " +
                                   std::string(MetalName(c.material)) +
                                   (c.sets > 1 ? " in parallel" : "");
            in.refuse(kSize, "auto or a conductor size of " + of + ": " + SizeList(candidates));
        }
    }
    if (!in.refused() && !std::isfinite(LoadCurrent(c))) {
        in.refuse(kLoad, "a load whose current at the volts is a finite number");
    }
    const long own = OwnCurrentCarrying(c.system);
    if (c.ccc && *c.ccc < own) {
        in.refuse(kCcc, "auto or at least " + std::to_string(own) +
                            ", the circuit's own current-carrying conductors");
    }
    if (in.refused()) {
        read.refused = in.refused();
        read.circuit.reset();
    }
    return read;
}

ReadCircuit Read(std::span<const std::string> texts, long row)
{
    std::array<std::string_view, kInputCount> views{};
    std::copy_n(texts.begin(), std::min(texts.size(), views.size()), views.begin());
    return Read(views, row);
}

ReadCircuit Read(const InputValues& values, long row)
{
    std::array<std::string_view, kInputCount> views{};
    for (size_t i = 0; i < std::min(values.size(), views.size()); ++i) {
        views[i] = values[i].text;
    }
    return Read(views, row);
}

std::vector<std::string> ShownInputs(const InputValues& values, const Circuit& circuit)
{
    static const std::vector<Input> inputs = CircuitInputDescriptions();
    std::vector<std::string> shown(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i) {
        const bool given = i < values.size() && !values[i].text.empty();
        shown[i] = given ? values[i].text : std::string(inputs[i].byDefault);
    }
    shown[kCircuitName] = Utf8ToWindows1252(circuit.name);
    return shown;
}

}  // namespace tavo::circuit
