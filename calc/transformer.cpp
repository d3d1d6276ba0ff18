#include "transformer.h"

#include "formula.h"
#include "numbertext.h"

namespace tavo {

namespace TransformerCalculator {

Currents Compute(double rating, bool kilo, int phase, double primaryVolts, double secondaryVolts)
{
    Currents currents;
    const double watts = kilo ? rating * 1000 : rating;
    const double divisor = phase == 3 ? primaryVolts * 1.732 : primaryVolts;
    if (!(rating > 0 && primaryVolts > 0)) {
        return currents;
    }
    currents.primary = watts / divisor;
    if (secondaryVolts > 0 && divisor > 0) {
        currents.secondary =
            phase == 3 ? currents.primary * primaryVolts / secondaryVolts : watts / secondaryVolts;
    }
    return currents;
}

}  // namespace TransformerCalculator

TransformerResult TransformerCurrents(std::string_view rating, bool kilo, int phase,
                                      std::string_view primaryVolts,
                                      std::string_view secondaryVolts)
{
    TransformerResult result;
    result.currents = TransformerCalculator::Compute(
        ParseNumber(rating), kilo, phase, ParseNumber(primaryVolts), ParseNumber(secondaryVolts));
    result.primaryText = FormatNumber(result.currents.primary);
    result.secondaryText = FormatNumber(result.currents.secondary);
    const std::string ip = result.primaryText;
    const std::string is = result.secondaryText;
    const std::string ep(primaryVolts);
    const std::string es(secondaryVolts);
    result.report.header =
        "TRANSFORMER Ip=(Es x Is)" + kDivide + "Ep Is=(Ep x Ip)" + kDivide + "Es ";
    result.report.body = ip + "=(" + es + "x" + is + ")" + kDivide + ep + "  " + is + "=(" + ep +
                         "x" + ip + ")" + kDivide + es;
    result.report.trailer = kTrailer;
    return result;
}

namespace {

constexpr Option kTransformerPhases[] = {{"1", "&1"}, {"3", "&3"}};

Input VoltageField(std::string_view name, std::string_view label, std::string_view group)
{
    return {.name = name, .label = label, .group = group, .opening = "0", .reset = "0"};
}

Outcome ComputeTransformer(const InputValues& values)
{
    const bool kilo = values[1].choice == static_cast<int>(PowerUnit::Kilo);
    const int phase = values[2].choice == 1 ? 3 : 1;
    const TransformerResult result =
        TransformerCurrents(values[0].text, kilo, phase, values[3].text, values[4].text);
    Outcome outcome;
    outcome.labels = {kilo ? "&Kilo" : "&Watts"};
    outcome.results = {{.text = result.primaryText, .number = result.currents.primary},
                       {.text = result.secondaryText, .number = result.currents.secondary}};
    outcome.report = result.report;
    return outcome;
}

}  // namespace

const Calculator kTransformer{
    .name = "xformer",
    .summary = "Transformer primary and secondary currents",
    .inputs = {{.name = "rating", .label = "&Watts", .opening = "0", .reset = "0"},
               kPowerUnitChoice,
               {.name = "phase",
                .kind = InputKind::OneOf,
                .label = "Phase",
                .opening = "1",
                .options = kTransformerPhases},
               VoltageField("primary", "&Voltage", "Primary"),
               VoltageField("secondary", "V&oltage", "Secondary")},
    .results = {{.label = "Amps", .group = "Primary", .coloured = true},
                {.label = "Amps", .group = "Secondary", .coloured = true}},
    .compute = ComputeTransformer,
};

}  // namespace tavo
