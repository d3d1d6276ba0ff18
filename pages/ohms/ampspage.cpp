#include "ampspage.h"

#include "amps.h"
#include "dcolabel.h"
#include "valuefield.h"

#include <QLabel>

namespace {

FormulaHostTraits AmpsTraits()
{
    FormulaHostTraits traits;
    traits.resultName = AmpsPage::tr("Amps");
    traits.selectorsOffOnFirstTab = true;
    traits.recomputeAfterSwitch = false;
    traits.recomputeOnActivate = true;
    return traits;
}

}  // namespace

AmpsPage::AmpsPage(const PageContext& context, QWidget* parent)
    : FormulaHostPage(context, parent, AmpsTraits())
{
    setObjectName(QStringLiteral("ampsPage"));
    addFormulaTabs({&tavo::kAmpsFromVoltsAndOhms, &tavo::kAmpsFromWattsAndVolts,
                    &tavo::kAmpsFromWattsAndOhms});
}

FormulaPage* AmpsPage::createSubPage(int tab)
{
    switch (tab) {
    case 0:
        return new AmpsVoltsOhmsPage(context(), this);
    case 1:
        return new AmpsWattsVoltsPage(context(), this);
    default:
        return new AmpsWattsOhmsPage(context(), this);
    }
}

AmpsVoltsOhmsPage::AmpsVoltsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kAmpsFromVoltsAndOhms)
{
    ValueField* volts = field("volts");
    ValueField* ohms = field("ohms");
    layOutFraction({makeLabel(tr("&Voltage"), volts), volts}, {makeLabel(tr("&Ohms"), ohms), ohms},
                   nullptr, new DcOnlyLabel(this));
}

AmpsWattsVoltsPage::AmpsWattsVoltsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kAmpsFromWattsAndVolts)
{
    ValueField* watts = field("watts");
    ValueField* volts = field("volts");
    layOutFraction({makeWattsLabel(watts), watts},
                   QList<QWidget*>{makeLabel(tr("&Voltage"), volts), volts} + powerTail());
}

AmpsWattsOhmsPage::AmpsWattsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kAmpsFromWattsAndOhms)
{
    ValueField* watts = field("watts");
    ValueField* ohms = field("ohms");
    layOutFraction({makeWattsLabel(watts), watts},
                   QList<QWidget*>{makeLabel(tr("&Ohms"), ohms), ohms} + powerTail(),
                   new QLabel(tr("Square Root Of"), this));
}
