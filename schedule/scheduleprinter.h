#pragma once

// A schedule on paper: landscape pages of a table of every circuit with its main results, the
// header repeated on every page of it, then the trace of every circuit; the file name, the
// editions and the date at the top of every page, the page number at the foot.

#include "circuit/sheet.h"

#include <QDate>
#include <QString>

class QPrinter;

struct SchedulePrintout
{
    QString title;  // the file's name, or "Untitled schedule"
    QDate date;
};

// Prints onto a printer already set up (a PDF file or a real printer); false when it cannot.
bool PrintSchedule(QPrinter& printer, const tavo::circuit::CircuitSheet& sheet,
                   const SchedulePrintout& printout);
