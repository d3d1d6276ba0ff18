#pragma once

// The Motor tab: line current from horse power ("Amps") and horse power from current ("HP").

#include "formulahostpage.h"

extern const FormulaHostDefinition kHorsePowerPage;
