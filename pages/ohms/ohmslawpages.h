#pragma once

// The Volts, Watts and Resistance tabs and their formula sub-pages.

#include "formulahostpage.h"
#include "formulapage.h"

class VoltsPage : public FormulaHostPage
{
    Q_OBJECT

public:
    VoltsPage(const PageContext& context, QWidget* parent);

protected:
    FormulaPage* createSubPage(int tab) override;
};

// "RxI": ohms times amps, direct current only.
class VoltsOhmsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    VoltsOhmsAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "P/I": watts over amps, power factor and multiplier.
class VoltsWattsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    VoltsWattsAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "P*R": the square root of watts times ohms over power factor and multiplier.
class VoltsWattsOhmsPage : public FormulaPage
{
    Q_OBJECT

public:
    VoltsWattsOhmsPage(const PageContext& context, FormulaHostPage* host);
};

class WattsPage : public FormulaHostPage
{
    Q_OBJECT

public:
    WattsPage(const PageContext& context, QWidget* parent);

protected:
    FormulaPage* createSubPage(int tab) override;
};

// "E*I": volts times amps, power factor and multiplier.
class WattsVoltsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    WattsVoltsAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "R*I": ohms times amps squared, power factor and multiplier.
class WattsOhmsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    WattsOhmsAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "E/R": volts squared, power factor and multiplier over ohms.
class WattsVoltsOhmsPage : public FormulaPage
{
    Q_OBJECT

public:
    WattsVoltsOhmsPage(const PageContext& context, FormulaHostPage* host);
};

class ResistancePage : public FormulaHostPage
{
    Q_OBJECT

public:
    ResistancePage(const PageContext& context, QWidget* parent);

protected:
    FormulaPage* createSubPage(int tab) override;
};

// "E/I": volts over amps, direct current only.
class OhmsVoltsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    OhmsVoltsAmpsPage(const PageContext& context, FormulaHostPage* host);
};

// "E/P": volts squared, power factor and multiplier over watts.
class OhmsVoltsWattsPage : public FormulaPage
{
    Q_OBJECT

public:
    OhmsVoltsWattsPage(const PageContext& context, FormulaHostPage* host);
};

// "P/I": watts over amps squared, power factor and multiplier.
class OhmsWattsAmpsPage : public FormulaPage
{
    Q_OBJECT

public:
    OhmsWattsAmpsPage(const PageContext& context, FormulaHostPage* host);
};
