#include "ohmslawpages.h"

#include "dcolabel.h"
#include "resistance.h"
#include "valuefield.h"
#include "volts.h"
#include "watts.h"

#include <QLabel>

namespace {

QString TabLabel(const tavo::FormulaDefinition& formula)
{
    return QString::fromLatin1(formula.tabLabel.data(), qsizetype(formula.tabLabel.size()));
}

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
    addFormulaTabs({TabLabel(tavo::kVoltsFromOhmsAndAmps), TabLabel(tavo::kVoltsFromWattsAndAmps),
                    TabLabel(tavo::kVoltsFromWattsAndOhms)});
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
    ValueField* pf = field("pf");
    QLabel* pfLabel = makeLabel(tr("X   &PF"), pf);
    addPowerFactorPart(pfLabel);
    layOutFraction({makeWattsLabel(watts), watts},
                   {makeLabel(tr("&Amps"), amps), amps, pfLabel, pf, multiplierSign(),
                    multiplierDisplay(), multiplierLabel()});
}

VoltsWattsOhmsPage::VoltsWattsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kVoltsFromWattsAndOhms)
{
    ValueField* watts = field("watts");
    ValueField* ohms = field("ohms");
    ValueField* pf = field("pf");
    QLabel* pfLabel = makeLabel(tr("&PF"), pf);
    addPowerFactorPart(pfLabel);
    layOutFraction({makeWattsLabel(watts), watts, makeSign(QStringLiteral("X")),
                    makeLabel(tr("&Ohms"), ohms), ohms},
                   {pfLabel, pf, multiplierSign(), multiplierDisplay(), multiplierLabel()},
                   new QLabel(tr("Square Root Of"), this));
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
    addFormulaTabs({TabLabel(tavo::kWattsFromVoltsAndAmps), TabLabel(tavo::kWattsFromOhmsAndAmps),
                    TabLabel(tavo::kWattsFromVoltsAndOhms)});
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
    ValueField* pf = field("pf");
    QLabel* pfSign = makeSign(QStringLiteral("X"));
    QLabel* pfLabel = makeLabel(tr("&PF"), pf);
    addPowerFactorPart(pfSign);
    addPowerFactorPart(pfLabel);
    layOutTerms({{{makeLabel(tr("&Voltage"), volts), volts},
                  {nullptr, makeSign(QStringLiteral("X"))},
                  {makeLabel(tr("&Amps"), amps), amps},
                  {nullptr, pfSign},
                  {pfLabel, pf},
                  {nullptr, multiplierSign()},
                  {multiplierLabel(), multiplierDisplay()}}});
}

WattsOhmsAmpsPage::WattsOhmsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kWattsFromOhmsAndAmps)
{
    ValueField* ohms = field("ohms");
    ValueField* amps = field("amps");
    ValueField* pf = field("pf");
    QLabel* pfSign = makeSign(QStringLiteral("X"));
    QLabel* pfLabel = makeLabel(tr("&PF"), pf);
    addPowerFactorPart(pfSign);
    addPowerFactorPart(pfLabel);
    layOutTerms({{{makeLabel(tr("&Ohms"), ohms), ohms},
                  {nullptr, makeSign(QStringLiteral("X"))},
                  {makeLabel(tr("&Amps²"), amps), amps},
                  {nullptr, pfSign},
                  {pfLabel, pf},
                  {nullptr, multiplierSign()},
                  {multiplierLabel(), multiplierDisplay()}}});
}

WattsVoltsOhmsPage::WattsVoltsOhmsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kWattsFromVoltsAndOhms)
{
    ValueField* volts = field("volts");
    ValueField* pf = field("pf");
    ValueField* ohms = field("ohms");
    QLabel* pfLabel = makeLabel(tr("X   &PF"), pf);
    addPowerFactorPart(pfLabel);
    layOutFraction({makeLabel(tr("&Voltage²"), volts), volts, pfLabel, pf, multiplierSign(),
                    multiplierDisplay(), multiplierLabel()},
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
    addFormulaTabs({TabLabel(tavo::kOhmsFromVoltsAndAmps), TabLabel(tavo::kOhmsFromVoltsAndWatts),
                    TabLabel(tavo::kOhmsFromWattsAndAmps)});
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
    ValueField* pf = field("pf");
    ValueField* watts = field("watts");
    QLabel* pfLabel = makeLabel(tr("X   &PF"), pf);
    addPowerFactorPart(pfLabel);
    layOutFraction({makeLabel(tr("&Voltage²"), volts), volts, pfLabel, pf, multiplierSign(),
                    multiplierDisplay(), multiplierLabel()},
                   {makeWattsLabel(watts), watts});
}

OhmsWattsAmpsPage::OhmsWattsAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kOhmsFromWattsAndAmps)
{
    ValueField* watts = field("watts");
    ValueField* amps = field("amps");
    ValueField* pf = field("pf");
    QLabel* pfLabel = makeLabel(tr("X   &PF"), pf);
    addPowerFactorPart(pfLabel);
    layOutFraction({makeWattsLabel(watts), watts},
                   {makeLabel(tr("&Amps²"), amps), amps, pfLabel, pf, multiplierSign(),
                    multiplierDisplay(), multiplierLabel()});
}
