#include "horsepowerpage.h"

#include "horsepower.h"
#include "valuefield.h"

#include <QKeyEvent>
#include <QLabel>

HorsePowerPage::HorsePowerPage(const PageContext& context, QWidget* parent)
    : FormulaHostPage(context, parent, [] {
          FormulaHostTraits traits;
          traits.resultName = tr("Amps");
          traits.selectorsOffOnFirstTab = false;
          traits.recomputeAfterSwitch = false;
          traits.recomputeOnActivate = true;
          traits.hasPowerUnit = false;
          traits.colorResult = true;
          traits.wideFormulas = true;
          return traits;
      }())
{
    setObjectName(QStringLiteral("horsePowerPage"));
    addFormulaTabs({&tavo::kMotorAmps, &tavo::kMotorHorsePower});
}

FormulaPage* HorsePowerPage::createSubPage(int tab)
{
    if (tab == 0) {
        return new MotorAmpsPage(context(), this);
    }
    return new MotorHorsePowerPage(context(), this);
}

MotorAmpsPage::MotorAmpsPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kMotorAmps)
{
    ValueField* hp = field("hp");
    ValueField* volts = field("volts");
    ValueField* efficiency = field("efficiency");
    layOutTerms({{{makeLabel(tr("&Horse Power"), hp), hp},
                  {nullptr, makeSign(QStringLiteral("X"))},
                  {nullptr, new QLabel(QStringLiteral("746"), this)}},
                 QList<Term>{{makeLabel(tr("&Voltage"), volts), volts},
                             {nullptr, makeSign(QStringLiteral("X"))},
                             {makeLabel(tr("&Efficiency"), efficiency), efficiency}} +
                     powerTerms()});
}

MotorHorsePowerPage::MotorHorsePowerPage(const PageContext& context, FormulaHostPage* host)
    : FormulaPage(context, host, tavo::kMotorHorsePower)
{
    ValueField* volts = field("volts");
    ValueField* amps = field("amps");
    ValueField* efficiency = field("efficiency");
    layOutTerms({QList<Term>{{makeLabel(tr("&Voltage"), volts), volts},
                             {nullptr, makeSign(QStringLiteral("X"))},
                             {makeLabel(tr("&Amps"), amps), amps},
                             {nullptr, makeSign(QStringLiteral("X"))},
                             {makeLabel(tr("&Efficiency"), efficiency), efficiency}} +
                     powerTerms(),
                 {{nullptr, new QLabel(QStringLiteral("746"), this)}}});
}

void MotorHorsePowerPage::keyPressEvent(QKeyEvent* event)
{
    recompute();
    // The key goes on as it would have, to the main window for Enter.
    event->ignore();
}

bool MotorHorsePowerPage::focusNextPrevChild(bool next)
{
    context().services->sounds->beep();
    return FormulaPage::focusNextPrevChild(next);
}
