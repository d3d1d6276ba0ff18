#pragma once

// The selection report of the conduit and box pages, printed at positions measured in the
// printer font's line height L and character width C.

#include "printlayout.h"

#include <QFont>

class PrinterChooser;
class Prompts;
class QPainter;
class QWidget;

class ReportPrinter
{
public:
    ReportPrinter(PrinterChooser& printers, Prompts& prompts);

    // Shows the print dialog and prints the layout; 1 when printed or cancelled, 0 when the
    // print job failed. The owner page is disabled while it prints.
    int Print(QWidget* owner, const PrintLayout& layout);

    // The report's font. Its columns are counted in characters, so every character is as wide
    // as the next: DejaVu Sans Mono, or the system's fixed-pitch font without it.
    static QFont Font();
    // The x position of a count: 3 C below 10, 2 C for 10..99, C from 100 on.
    static int CountX(const QString& count, int charWidth);
    // How many stored lines fit on one page, the first at 10 L and one every 2 L.
    static int StoredLinesPerPage(int pageHeight, int lineHeight);

private:
    void drawPage(QPainter& painter, const PrintLayout& layout, int page, int linesPerPage,
                  int lineHeight, int charWidth) const;

    PrinterChooser& m_printers;
    Prompts& m_prompts;
};
