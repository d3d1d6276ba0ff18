#include "reportprinter.h"

#include "numbertext.h"
#include "services.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace {

// Text is placed by the top-left corner of its line, as the printer draws it.
void DrawAt(QPainter& painter, int x, int top, const QString& text)
{
    painter.drawText(x, top + painter.fontMetrics().ascent(), text);
}

}  // namespace

ReportPrinter::ReportPrinter(PrinterChooser& printers, Prompts& prompts)
    : m_printers(printers), m_prompts(prompts)
{
}

QFont ReportPrinter::Font()
{
    QFont font(QStringLiteral("DejaVu Sans Mono"), 9);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

int ReportPrinter::CountX(const QString& count, int charWidth)
{
    const double value = tavo::ParseNumber(count.toStdString());
    if (value < 10) {
        return 3 * charWidth;
    }
    return value < 100 ? 2 * charWidth : charWidth;
}

int ReportPrinter::StoredLinesPerPage(int pageHeight, int lineHeight)
{
    int lines = 0;
    while ((10 + 2 * lines) * lineHeight + lineHeight <= pageHeight) {
        ++lines;
    }
    return std::max(1, lines);
}

int ReportPrinter::Print(QWidget* owner, const PrintLayout& source)
{
    PrintRequest request;
    request.collate = true;
    request.copies = 1;
    request.pageRange = true;
    std::unique_ptr<QPrinter> printer = m_printers.choose(owner, request);
    if (!printer) {
        return 1;
    }
    const PrintLayout layout = source.limited();
    // Copies are made here, page by page, so that collation applies to every page.
    const int copies = std::max(1, printer->copyCount());
    const bool collate = printer->collateCopies();
    printer->setCopyCount(1);
    printer->setDocName(owner->windowTitle().left(3));

    owner->setEnabled(false);
    QPainter painter;
    bool ok = painter.begin(printer.get());
    if (ok) {
        painter.setFont(Font());
        const QFontMetrics metrics = painter.fontMetrics();
        const int lineHeight = metrics.height() + metrics.leading();
        const int charWidth = metrics.averageCharWidth();
        const int perPage = StoredLinesPerPage(printer->height(), lineHeight);
        const int pages = std::max(1, (layout.stored.count() + perPage - 1) / perPage);
        const int outer = collate ? copies : pages;
        const int inner = collate ? pages : copies;
        bool first = true;
        for (int i = 0; ok && i < outer; ++i) {
            for (int j = 0; ok && j < inner; ++j) {
                if (!first) {
                    ok = printer->newPage();
                }
                first = false;
                if (ok) {
                    drawPage(painter, layout, collate ? j : i, perPage, lineHeight, charWidth);
                }
            }
        }
        ok = painter.end() && ok;
    }
    owner->setEnabled(true);
    if (!ok) {
        m_prompts.warning(owner, QCoreApplication::translate(
                                     "ReportPrinter", "The report could not be printed: the "
                                                      "printer or file could not be opened."));
        return 0;
    }
    return 1;
}

void ReportPrinter::drawPage(QPainter& painter, const PrintLayout& layout, int page,
                             int linesPerPage, int lineHeight, int charWidth) const
{
    const int l = lineHeight;
    const int c = charWidth;
    DrawAt(painter, 32 * c, l, layout.companyLine);
    DrawAt(painter, 10, 5 * l, layout.columnHeader);
    if (page == 0) {
        if (tavo::ParseNumber(layout.currentLineTest.toStdString()) != 0) {
            DrawAt(painter, CountX(layout.currentCount, c), 8 * l, layout.currentCount);
            DrawAt(painter, 13 * c, 8 * l, layout.currentSize);
            DrawAt(painter, 28 * c, 8 * l, layout.currentInsulation);
        }
        for (int i = 0; i < 3; ++i) {
            DrawAt(painter, 45 * c, (8 + 2 * i) * l, layout.labels[i]);
            DrawAt(painter, 70 * c, (8 + 2 * i) * l, layout.values[i]);
        }
    }
    const auto& lines = layout.stored.lines();
    const int first = page * linesPerPage;
    const int last = std::min<int>(int(lines.size()), first + linesPerPage);
    for (int index = first; index < last; ++index) {
        const SelectionLine& line = lines[size_t(index)];
        const int top = (10 + 2 * (index - first)) * l;
        DrawAt(painter, CountX(line.count, c), top, line.count);
        DrawAt(painter, 13 * c, top, QStringLiteral("#") + line.size);
        DrawAt(painter, 28 * c, top, line.insulation);
    }
}
