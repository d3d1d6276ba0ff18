#include "transformer.h"

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

}  // namespace tavo
