#include "formula.h"

#include "numbertext.h"

#include <algorithm>

namespace tavo {

namespace {

constexpr Option kPhaseOptions[] = {{"dc", "&DC"}, {"1", "&1"}, {"2", "&2"}, {"3", "&3"}};
constexpr Option kPowerUnitOptions[] = {{"watts", "Wa&tts"}, {"kilo", "K&ilo"}};
constexpr std::string_view kPowerFactorInput = "pf";
// A watts field, whose label reads "Watts" or "Kilo" with the power unit.
constexpr std::string_view kWattsInput = "watts";

PowerChoice PowerAt(const InputValues& values, int phase, int unit)
{
    PowerChoice power;
    if (phase >= 0 && size_t(phase) < values.size()) {
        power.phase = static_cast<Phase>(values[size_t(phase)].choice);
    }
    if (unit >= 0 && size_t(unit) < values.size()) {
        power.unit = static_cast<PowerUnit>(values[size_t(unit)].choice);
    }
    return power;
}

}  // namespace

constinit const Input kPhaseChoice{.name = kPhaseInput,
                                   .kind = InputKind::OneOf,
                                   .label = "Phase",
                                   .opening = "dc",
                                   .options = kPhaseOptions};
constinit const Input kPowerUnitChoice{.name = kPowerUnitInput,
                                       .kind = InputKind::OneOf,
                                       .label = "Watt/Kilo",
                                       .opening = "watts",
                                       .options = kPowerUnitOptions};

Input FormulaField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset)
{
    return {.name = name, .label = label, .opening = opening, .reset = reset};
}

Input PowerFactorField(std::string_view label, std::string_view opening,
                       std::optional<std::string_view> reset)
{
    return {.name = kPowerFactorInput,
            .kind = InputKind::Percent,
            .label = label,
            .opening = opening,
            .reset = reset,
            .limits = kPercentFieldLimits};
}

Input PercentField(std::string_view name, std::string_view label, std::string_view opening,
                   std::optional<std::string_view> reset)
{
    return {.name = name,
            .label = label,
            .opening = opening,
            .reset = reset,
            .limits = kPercentFieldLimits,
            .held = true};
}

FormulaTerms::FormulaTerms(std::span<const Input> fields, const std::vector<std::string>& texts,
                           PowerChoice power)
    : m_fields(fields), m_power(power)
{
    for (const std::string& text : texts) {
        m_numbers.push_back(ParseNumber(text));
    }
}

double FormulaTerms::operator[](std::string_view field) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_fields[i].name == field) {
            return m_numbers[i];
        }
    }
    return 0;
}

double FormulaTerms::multiplier() const
{
    return ParseNumber(MultiplierText(m_power.phase));
}

double FormulaTerms::kilo() const
{
    return KiloFactor(m_power.unit);
}

namespace {

// The terms a power formula adds as the phase level grows: " x PF" and the multiplier in the
// header, the power factor's text and the multiplier in the body.
std::string PowerTerms(PowerChoice power, bool header, std::string_view pfText)
{
    const int level = PhaseLevel(power.phase);
    std::string terms;
    if (level >= 1) {
        terms += header ? " x PF" : " x " + std::string(pfText);
    }
    if (level >= 2) {
        terms += " x " + MultiplierText(power.phase);
    }
    return terms;
}

// The report's text with its fields filled in.
std::string Fill(std::string_view pattern, bool header, std::span<const Input> fields,
                 const std::vector<std::string>& texts, const std::string& result,
                 PowerChoice power)
{
    const auto fieldText = [&](std::string_view name) -> std::string {
        for (size_t i = 0; i < fields.size(); ++i) {
            if (fields[i].name == name) {
                return texts[i];
            }
        }
        return {};
    };
    std::string text;
    size_t at = 0;
    while (at < pattern.size()) {
        const size_t open = pattern.find('{', at);
        const size_t close = pattern.find('}', open);
        if (open == std::string_view::npos || close == std::string_view::npos) {
            text += pattern.substr(at);
            break;
        }
        text += pattern.substr(at, open - at);
        const std::string_view key = pattern.substr(open + 1, close - open - 1);
        if (key == "result") {
            text += result;
        } else if (key == "power") {
            text += PowerTerms(power, header, fieldText(kPowerFactorInput));
        } else if (key == "multiplier") {
            text += MultiplierText(power.phase);
        } else {
            text += fieldText(key);
        }
        at = close + 1;
    }
    return text;
}

}  // namespace

Calculator Formula(FormulaDefinition definition)
{
    Calculator formula{
        .name = definition.name, .summary = definition.summary, .inputs = definition.fields};
    if (definition.power != FormulaPower::None) {
        formula.inputs.push_back(kPhaseChoice);
    }
    if (definition.power == FormulaPower::PhaseAndUnit) {
        formula.inputs.push_back(kPowerUnitChoice);
    }
    formula.results = {{.label = definition.result, .coloured = definition.colouredResult}};
    formula.compute = [definition, phase = formula.inputIndex(kPhaseInput),
                       unit = formula.inputIndex(kPowerUnitInput)](const InputValues& values) {
        const PowerChoice power = PowerAt(values, phase, unit);
        const bool dc = power.phase == Phase::DC;
        const bool kilo = power.unit == PowerUnit::Kilo;
        Outcome outcome;
        outcome.labels.resize(values.size());
        outcome.presence.resize(values.size(), Presence::Shown);
        std::vector<std::string> texts;
        for (size_t i = 0; i < definition.fields.size(); ++i) {
            const Input& field = definition.fields[i];
            texts.push_back(values[i].text);
            if (field.name == kPowerFactorInput && phase >= 0 && dc) {
                // In DC the power factor does not apply: it reads 100 per cent, out of sight.
                texts.back() = FormatNumber(100);
                outcome.presence[i] = Presence::Hidden;
            }
            if (field.name == kWattsInput && unit >= 0) {
                outcome.labels[i] = kilo ? "&Kilo" : "&Watts";
            }
        }
        double value = definition.value(FormulaTerms(definition.fields, texts, power));
        if (definition.resultFollowsUnit) {
            // Kilo turns the result into kilowatts.
            value *= kilo ? 0.001 : 1.0;
        }
        ResultValue result{.text = FormatNumber(value), .number = value};
        if (definition.resultFollowsUnit) {
            result.label = kilo ? "Kilo" : "Watts";
        }
        const FormulaReport& report = definition.reports[std::min<size_t>(
            size_t(PhaseLevel(power.phase)), definition.reports.size() - 1)];
        outcome.report = {
            Fill(report.header, true, definition.fields, texts, result.text, power) + kHeaderEnd,
            Fill(report.body, false, definition.fields, texts, result.text, power), kTrailer};
        outcome.shown = texts;
        outcome.results = {result};
        return outcome;
    };
    return formula;
}

}  // namespace tavo
