#pragma once

// The Print button of the Conduit and Boxes tabs: the selection report through the print dialog.

#include "calculator.h"
#include "services.h"

class DescribedPage;
class QPushButton;

// The page's "Print" button: the report of its last recompute, then a recompute as after any
// command.
QPushButton* MakePrintButton(DescribedPage* page);
