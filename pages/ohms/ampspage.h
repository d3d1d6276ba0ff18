#pragma once

// The Amps tab: current from volts and ohms ("E/R"), from watts and volts ("P/E") or from watts
// and ohms ("P/R").

#include "formulahostpage.h"
#include "formulapage.h"

class AmpsPage : public FormulaHostPage
{
    Q_OBJECT

public:
    AmpsPage(const PageContext& context, QWidget* parent);

protected:
    FormulaPage* createSubPage(int tab) override;
};

// "E/R": volts over ohms, direct current only.
class AmpsVoltsOhmsPage : public FormulaPage
{
    Q_OBJECT

public:
    AmpsVoltsOhmsPage(const PageContext& context, FormulaHostPage* host);
};

// "P/E": watts over volts, power factor and multiplier.
class AmpsWattsVoltsPage : public FormulaPage
{
    Q_OBJECT

public:
    AmpsWattsVoltsPage(const PageContext& context, FormulaHostPage* host);
};

// "P/R": the square root of watts over ohms, power factor and multiplier.
class AmpsWattsOhmsPage : public FormulaPage
{
    Q_OBJECT

public:
    AmpsWattsOhmsPage(const PageContext& context, FormulaHostPage* host);
};
