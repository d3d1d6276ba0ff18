#include "selectionprint.h"

#include "printlayout.h"
#include "reportprinter.h"

void PrintSelections(QWidget* owner, const PageContext& context, const tavo::SelectionSheet& sheet)
{
    ReportPrinter printer(*context.services->printers, *context.services->prompts);
    printer.Print(owner, PrintLayout::From(sheet));
}
