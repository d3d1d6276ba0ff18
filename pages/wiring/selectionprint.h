#pragma once

// The Print button of the Conduit and Boxes tabs: the selection report through the print dialog.

#include "calculator.h"
#include "services.h"

class QWidget;

void PrintSelections(QWidget* owner, const PageContext& context, const tavo::SelectionSheet& sheet);
