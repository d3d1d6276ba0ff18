#pragma once

// The Volts, Watts and Resistance tabs: each computes its quantity by three formulas.

#include "formulahostpage.h"

extern const FormulaHostSpec kVoltsPage;
extern const FormulaHostSpec kWattsPage;
extern const FormulaHostSpec kResistancePage;
