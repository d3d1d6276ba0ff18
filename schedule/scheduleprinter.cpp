#include "scheduleprinter.h"

#include "circuit/circuitcheck.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <set>

using namespace tavo::circuit;

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("SchedulePrinter", text);
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The table's columns: a few inputs that say which circuit it is, and the main results.
struct PrintColumn
{
    const char* heading;
    int input = -1;    // an input's column, or
    int result = -1;   // a result's
    double width = 1;  // share of the page's width
};

const PrintColumn kColumns[] = {
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Circuit"), int(kCircuitName), -1, 1.2},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Load"), int(kLoad), -1, 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "System"), int(kSystem), -1, 0.6},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Volts"), int(kVolts), -1, 0.6},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Length"), int(kLength), -1, 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Raceway ID"), int(kRacewayId), -1, 0.9},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Status"), -1, int(kStatus), 2.4},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "OCPD"), -1, int(kOcpdResult), 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Size"), -1, int(kSizeResult), 1.1},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Decided By"), -1, int(kDecidedBy), 1.3},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Ampacity"), -1, int(kAmpacity), 0.8},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Margin"), -1, int(kAmpacityMargin), 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Drop %"), -1, int(kVoltDropPercent), 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Margin"), -1, int(kVoltDropMargin), 0.7},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "EGC"), -1, int(kEgcResult), 1.2},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Raceway"), -1, int(kRacewayResult), 1.6},
    {QT_TRANSLATE_NOOP("SchedulePrinter", "Fill %"), -1, int(kRacewayFill), 0.6},
};

// Lays out page after page: the heading of each, the body below it.
class Pages
{
public:
    Pages(QPrinter& printer, QPainter& painter, const CircuitSheet& sheet,
          const SchedulePrintout& printout)
        : m_printer(printer), m_painter(painter), m_printout(printout)
    {
        const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
        m_area = QRectF(0, 0, page.width(), page.height());
        m_points = printer.resolution() / 72.0;
        std::set<std::string> editions;
        for (size_t r = 0; r < sheet.rowCount(); ++r) {
            if (!sheet.outcome(r).edition.empty()) {
                editions.insert(sheet.outcome(r).edition);
            }
        }
        for (const std::string& edition : editions) {
            m_editions += (m_editions.isEmpty() ? "" : ", ") + FromUtf8(edition);
        }
        if (m_editions.isEmpty()) {
            m_editions = QStringLiteral("2023");
        }
    }

    QFont font(double points, bool bold = false) const
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        return font;
    }

    // The top of the body of a new page, its heading drawn.
    double startPage()
    {
        if (m_pageNumber > 0 && !m_printer.newPage()) {
            m_failed = true;
        }
        ++m_pageNumber;
        m_painter.setFont(font(9, true));
        const double line = QFontMetricsF(m_painter.font(), &m_printer).height();
        const QString heading = Tr("Circuit schedule: %1").arg(m_printout.title);
        const QString right =
            Tr("Edition %1    %2").arg(m_editions, m_printout.date.toString(Qt::ISODate));
        m_painter.drawText(QRectF(m_area.left(), m_area.top(), m_area.width(), line),
                           Qt::AlignLeft | Qt::AlignVCenter, heading);
        m_painter.drawText(QRectF(m_area.left(), m_area.top(), m_area.width(), line),
                           Qt::AlignRight | Qt::AlignVCenter, right);
        m_painter.setFont(font(7));
        m_painter.drawText(QRectF(m_area.left(), m_area.bottom() - line, m_area.width(), line),
                           Qt::AlignHCenter | Qt::AlignVCenter, Tr("Page %1").arg(m_pageNumber));
        m_painter.drawLine(QPointF(m_area.left(), m_area.top() + line * 1.2),
                           QPointF(m_area.right(), m_area.top() + line * 1.2));
        return m_area.top() + line * 1.6;
    }

    double bottom() const { return m_area.bottom() - m_points * 16; }
    const QRectF& area() const { return m_area; }
    double points() const { return m_points; }
    bool failed() const { return m_failed; }

private:
    QPrinter& m_printer;
    QPainter& m_painter;
    const SchedulePrintout& m_printout;
    QRectF m_area;
    double m_points = 1;
    QString m_editions;
    int m_pageNumber = 0;
    bool m_failed = false;
};

QString CellText(const CircuitSheet& sheet, size_t row, const PrintColumn& column)
{
    const RowOutcome& outcome = sheet.outcome(row);
    if (column.input >= 0) {
        const int at = sheet.columnOf(size_t(column.input));
        const QString text = at >= 0 ? FromUtf8(sheet.text(row, size_t(at))) : QString();
        if (!text.isEmpty()) {
            return text;
        }
        // An empty input printed as the default it stands for.
        static const std::vector<tavo::Input> inputs = CircuitInputDescriptions();
        return column.input == int(kCircuitName)
                   ? QString::number(row + 1)
                   : FromUtf8(std::string(inputs[size_t(column.input)].byDefault));
    }
    if (outcome.refused) {
        return column.result == int(kStatus) ? FromUtf8(outcome.error) : QString();
    }
    return size_t(column.result) < outcome.results.size()
               ? FromUtf8(outcome.results[size_t(column.result)])
               : QString();
}

void PrintTable(Pages& pages, QPainter& painter, const CircuitSheet& sheet)
{
    double total = 0;
    for (const PrintColumn& column : kColumns) {
        total += column.width;
    }
    const QRectF area = pages.area();
    std::vector<double> widths;
    for (const PrintColumn& column : kColumns) {
        widths.push_back(area.width() * column.width / total);
    }
    const double pad = pages.points() * 2;
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const auto rowHeight = [&](const QStringList& texts) {
        const QFontMetricsF metrics(painter.font(), painter.device());
        double height = metrics.height();
        for (size_t c = 0; c < widths.size(); ++c) {
            const QRectF box(0, 0, widths[c] - 2 * pad, 1e6);
            height = std::max(height, metrics.boundingRect(box, flags, texts[int(c)]).height());
        }
        return height + 2 * pad;
    };
    const auto drawRow = [&](double top, const QStringList& texts, double height) {
        double left = area.left();
        for (size_t c = 0; c < widths.size(); ++c) {
            painter.drawText(QRectF(left + pad, top + pad, widths[c] - 2 * pad, height), flags,
                             texts[int(c)]);
            left += widths[c];
        }
        painter.drawLine(QPointF(area.left(), top + height), QPointF(area.right(), top + height));
    };
    QStringList headings;
    for (const PrintColumn& column : kColumns) {
        headings.append(Tr(column.heading));
    }
    const auto header = [&](double top) {
        painter.setFont(pages.font(7, true));
        const double height = rowHeight(headings);
        drawRow(top, headings, height);
        painter.setFont(pages.font(7));
        return top + height;
    };
    double top = header(pages.startPage());
    for (size_t r = 0; r < sheet.rowCount(); ++r) {
        QStringList texts;
        for (const PrintColumn& column : kColumns) {
            texts.append(CellText(sheet, r, column));
        }
        const double height = rowHeight(texts);
        if (top + height > pages.bottom()) {
            top = header(pages.startPage());
        }
        drawRow(top, texts, height);
        top += height;
    }
}

void PrintTraces(Pages& pages, QPainter& painter, const CircuitSheet& sheet)
{
    const QRectF area = pages.area();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    double top = pages.startPage();
    const auto paragraph = [&](const QString& text, const QFont& font, double indent) {
        painter.setFont(font);
        const QFontMetricsF metrics(font, painter.device());
        const QRectF box(area.left() + indent, 0, area.width() - indent, 1e6);
        const double height = metrics.boundingRect(box, flags, text).height();
        if (top + height > pages.bottom()) {
            top = pages.startPage();
        }
        painter.drawText(QRectF(box.left(), top, box.width(), height), flags, text);
        top += height + pages.points();
    };
    for (size_t r = 0; r < sheet.rowCount(); ++r) {
        const QString name = CellText(sheet, r, kColumns[0]);
        top += pages.points() * 4;
        paragraph(Tr("Circuit %1 (row %2)").arg(name).arg(r + 1), pages.font(9, true), 0);
        const std::optional<CircuitResult> result = sheet.traced(r);
        if (!result) {
            paragraph(FromUtf8(sheet.outcome(r).error), pages.font(7.5), pages.points() * 8);
            continue;
        }
        for (const TraceStep& step : result->trace) {
            paragraph(FromUtf8(TraceLine(step)), pages.font(7.5), pages.points() * 8);
        }
    }
}

}  // namespace

bool PrintSchedule(QPrinter& printer, const CircuitSheet& sheet, const SchedulePrintout& printout)
{
    printer.setPageOrientation(QPageLayout::Landscape);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    Pages pages(printer, painter, sheet, printout);
    PrintTable(pages, painter, sheet);
    PrintTraces(pages, painter, sheet);
    return painter.end() && !pages.failed();
}
