#include "formula.h"

#include "numbertext.h"

namespace tavo {

namespace {

constexpr Option kPhaseOptions[] = {{"dc", "&DC"}, {"1", "&1"}, {"2", "&2"}, {"3", "&3"}};
constexpr Option kPowerUnitOptions[] = {{"watts", "Wa&tts"}, {"kilo", "K&ilo"}};
constexpr std::string_view kPowerFactorInput = "pf";

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

PowerChoice PowerOf(const Calculator& formula, const InputValues& values)
{
    return PowerAt(values, formula.inputIndex(kPhaseInput), formula.inputIndex(kPowerUnitInput));
}

Calculator Formula(FormulaSpec spec)
{
    Calculator formula{.name = spec.name, .summary = spec.summary, .inputs = spec.fields};
    if (spec.power != FormulaPower::None) {
        formula.inputs.push_back(kPhaseChoice);
    }
    if (spec.power == FormulaPower::PhaseAndUnit) {
        formula.inputs.push_back(kPowerUnitChoice);
    }
    formula.results = {{.label = spec.result, .coloured = spec.colouredResult}};
    const size_t fieldCount = spec.fields.size();
    formula.compute = [fieldCount, spec, phase = formula.inputIndex(kPhaseInput),
                       unit = formula.inputIndex(kPowerUnitInput)](const InputValues& values) {
        const PowerChoice power = PowerAt(values, phase, unit);
        const bool dc = power.phase == Phase::DC;
        const bool kilo = power.unit == PowerUnit::Kilo;
        Outcome outcome;
        outcome.labels.resize(values.size());
        outcome.presence.resize(values.size(), Presence::Shown);
        FieldTexts texts;
        for (size_t i = 0; i < fieldCount; ++i) {
            const Input& field = spec.fields[i];
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
        const FormulaResult result = spec.arithmetic(texts, power);
        outcome.shown = texts;
        ResultValue shown{.text = result.text};
        if (spec.resultFollowsUnit) {
            shown.label = kilo ? "Kilo" : "Watts";
        }
        outcome.results = {shown};
        outcome.report = result.report;
        return outcome;
    };
    return formula;
}

std::string PowerTermsHeader(PowerChoice power)
{
    const int level = PhaseLevel(power.phase);
    std::string terms;
    if (level >= 1) {
        terms += " x PF";
    }
    if (level >= 2) {
        terms += " x " + MultiplierText(power.phase);
    }
    return terms;
}

std::string PowerTermsBody(PowerChoice power, std::string_view pfText)
{
    const int level = PhaseLevel(power.phase);
    std::string terms;
    if (level >= 1) {
        terms += " x ";
        terms += pfText;
    }
    if (level >= 2) {
        terms += " x " + MultiplierText(power.phase);
    }
    return terms;
}

FormulaResult MakeResult(double value)
{
    FormulaResult result;
    result.value = value;
    result.text = FormatNumber(value);
    return result;
}

}  // namespace tavo
