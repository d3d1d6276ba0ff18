#pragma once

// The Amps tab: current from volts and ohms ("E/R"), from watts and volts ("P/E") or from watts
// and ohms ("P/R").

#include "formulahostpage.h"

extern const FormulaHostDefinition kAmpsPage;
