#pragma once

// The Motor tab: line current from horse power ("Amps") and horse power from current ("HP").

#include "formulahostpage.h"
#include "formulapage.h"

class HorsePowerPage : public FormulaHostPage
{
    Q_OBJECT

public:
    HorsePowerPage(const PageContext& context, QWidget* parent);

protected:
    FormulaPage* createSubPage(int tab) override;
};

// "Amps": (horse power x 746) over volts, efficiency, power factor and multiplier.
class MotorAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    MotorAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "HP": volts x amps x efficiency x power factor x multiplier over 746.
class MotorHorsePowerPage : public FormulaPage
{
    Q_OBJECT

public:
    MotorHorsePowerPage(const PageContext& context, FormulaHostPage* host);

protected:
    // Any key this page itself receives recomputes it.
    void keyPressEvent(QKeyEvent* event) override;
    // Moving on to the next control sounds the default beep first.
    bool focusNextPrevChild(bool next) override;
};
