#include "ohmslawpages.h"

#include "dcolabel.h"
#include "resistance.h"
#include "valuefield.h"
#include "volts.h"
#include "watts.h"

#include <QLabel>

namespace {

FormulaHostTraits OhmsLawTraits(const QString& resultName)
{
    FormulaHostTraits traits;
    traits.resultName = resultName;
    traits.selectorsOffOnFirstTab = true;
    traits.recomputeAfterSwitch = true;
    traits.recomputeOnActivate = false;
    return traits;
}

}  // namespace

VoltsPage::VoltsPage(const PageContext& context, QWidget* parent)
    : FormulaHostPage(context, parent, OhmsLawTraits(tr("Volts")))
{
    setObjectName(QStringLiteral("voltsPage"));
    addFormulaTabs({&tavo::kVoltsFromOhmsAndAmps, &tavo::kVoltsFromWattsAndAmps,
                    &tavo::kVoltsFromWattsAndOhms});
}

FormulaPage* VoltsPage::createSubPage(int tab)
{
    switch (tab) {
    case 0:
        return new VoltsOhmsAmpsPage(context(), this);
    case 1:
        return new VoltsWattsAmpsPage(context(), this);
    default:
        return new VoltsWattsOhmsPage(context(), this);
    }
}

VoltsOhmsAmpsPage::VoltsOhmsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kVoltsFromOhmsAndAmps)
{
    ValueField* ohms = field("ohms");
    ValueField* amps = field("amps");
    layOutTerms({{{makeLabel(tr("&Ohms"), ohms), ohms},
                  {nullptr, makeSign(QStringLiteral("X"))},
                  {makeLabel(tr("&Amps"), amps), amps}}},
                new DcOnlyLabel(this));
}

VoltsWattsAmpsPage::VoltsWattsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kVoltsFromWattsAndAmps)
{
    ValueField* watts = field("watts");
    ValueField* amps = field("amps");
    layOutFraction({makeWattsLabel(watts), watts},
                   QList<QWidget*>{makeLabel(tr("&Amps"), amps), amps} + powerTail());
}

VoltsWattsOhmsPage::VoltsWattsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kVoltsFromWattsAndOhms)
{
    ValueField* watts = field("watts");
    ValueField* ohms = field("ohms");
    layOutFraction({makeWattsLabel(watts), watts, makeSign(QStringLiteral("X")),
                    makeLabel(tr("&Ohms"), ohms), ohms},
                   powerTail(tr("&PF")), new QLabel(tr("Square Root Of"), this));
    // In DC the formula reads as the square root of watts times ohms, without the bar.
    addPowerFactorPart(fractionBar());
}

WattsPage::WattsPage(const PageContext& context, QWidget* parent)
    : FormulaHostPage(context, parent, [] {
          FormulaHostTraits traits = OhmsLawTraits(tr("Watts"));
          traits.selectorsOffOnFirstTab = false;
          traits.sunkenResultName = true;
          return traits;
      }())
{
    setObjectName(QStringLiteral("wattsPage"));
    addFormulaTabs({&tavo::kWattsFromVoltsAndAmps, &tavo::kWattsFromOhmsAndAmps,
                    &tavo::kWattsFromVoltsAndOhms});
}

FormulaPage* WattsPage::createSubPage(int tab)
{
    switch (tab) {
    case 0:
        return new WattsVoltsAmpsPage(context(), this);
    case 1:
        return new WattsOhmsAmpsPage(context(), this);
    default:
        return new WattsVoltsOhmsPage(context(), this);
    }
}

WattsVoltsAmpsPage::WattsVoltsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kWattsFromVoltsAndAmps)
{
    ValueField* volts = field("volts");
    ValueField* amps = field("amps");
    layOutTerms({QList<Term>{{makeLabel(tr("&Voltage"), volts), volts},
                             {nullptr, makeSign(QStringLiteral("X"))},
                             {makeLabel(tr("&Amps"), amps), amps}} +
                 powerTerms()});
}

WattsOhmsAmpsPage::WattsOhmsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kWattsFromOhmsAndAmps)
{
    ValueField* ohms = field("ohms");
    ValueField* amps = field("amps");
    layOutTerms({QList<Term>{{makeLabel(tr("&Ohms"), ohms), ohms},
                             {nullptr, makeSign(QStringLiteral("X"))},
                             {makeLabel(tr("&Amps²"), amps), amps}} +
                 powerTerms()});
}

WattsVoltsOhmsPage::WattsVoltsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kWattsFromVoltsAndOhms)
{
    ValueField* volts = field("volts");
    ValueField* ohms = field("ohms");
    layOutFraction(QList<QWidget*>{makeLabel(tr("&Voltage²"), volts), volts} + powerTail(),
                   {makeLabel(tr("&Ohms"), ohms), ohms});
}

ResistancePage::ResistancePage(const PageContext& context, QWidget* parent)
    : FormulaHostPage(context, parent, [] {
          FormulaHostTraits traits = OhmsLawTraits(tr("Ohms"));
          traits.resultAlignment = Qt::AlignRight;
          return traits;
      }())
{
    setObjectName(QStringLiteral("resistancePage"));
    addFormulaTabs({&tavo::kOhmsFromVoltsAndAmps, &tavo::kOhmsFromVoltsAndWatts,
                    &tavo::kOhmsFromWattsAndAmps});
}

FormulaPage* ResistancePage::createSubPage(int tab)
{
    switch (tab) {
    case 0:
        return new OhmsVoltsAmpsPage(context(), this);
    case 1:
        return new OhmsVoltsWattsPage(context(), this);
    default:
        return new OhmsWattsAmpsPage(context(), this);
    }
}

OhmsVoltsAmpsPage::OhmsVoltsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kOhmsFromVoltsAndAmps)
{
    ValueField* volts = field("volts");
    ValueField* amps = field("amps");
    layOutFraction({makeLabel(tr("&Voltage"), volts), volts}, {makeLabel(tr("&Amps"), amps), amps},
                   nullptr, new DcOnlyLabel(this));
}

OhmsVoltsWattsPage::OhmsVoltsWattsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kOhmsFromVoltsAndWatts)
{
    ValueField* volts = field("volts");
    ValueField* watts = field("watts");
    layOutFraction(QList<QWidget*>{makeLabel(tr("&Voltage²"), volts), volts} + powerTail(),
                   {makeWattsLabel(watts), watts});
}

OhmsWattsAmpsPage::OhmsWattsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kOhmsFromWattsAndAmps)
{
    ValueField* watts = field("watts");
    ValueField* amps = field("amps");
    layOutFraction({makeWattsLabel(watts), watts},
                   QList<QWidget*>{makeLabel(tr("&Amps²"), amps), amps} + powerTail());
}
