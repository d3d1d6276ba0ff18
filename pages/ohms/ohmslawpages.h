#pragma once

// The Volts, Watts and Resistance tabs: each computes its quantity by three formulas.

#include "formulahostpage.h"

extern const FormulaHostDefinition kVoltsPage;
extern const FormulaHostDefinition kWattsPage;
extern const FormulaHostDefinition kResistancePage;
