#pragma once

// Reading back what was printed to a PDF: every word with its page and position, as poppler's
// pdftotext places it, and the printer font's measures that the report printer lays out by.

#include "reportprinter.h"

#include <QFont>
#include <QFontMetrics>
#include <QList>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

namespace {

struct Word
{
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    double xMax = 0;  // where the word ends
};

inline QString Run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool HavePoppler()
{
    return !QStandardPaths::findExecutable("pdftotext").isEmpty() &&
           !QStandardPaths::findExecutable("pdfimages").isEmpty();
}

// Every word of the PDF with its page and top-left position in points.
inline QList<Word> Words(const QString& pdf)
{
    const QString html = Run("pdftotext", {"-bbox", pdf, "-"});
    QList<Word> words;
    int page = 0;
    static const QRegularExpression tag(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="[\d.]+">([^<]*)</word>)re");
    auto it = tag.globalMatch(html);
    while (it.hasNext()) {
        const auto match = it.next();
        if (match.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        words.append({page, match.captured(1).toDouble(), match.captured(2).toDouble(),
                      match.captured(4), match.captured(3).toDouble()});
    }
    return words;
}

inline QList<Word> Find(const QList<Word>& words, const QString& text)
{
    QList<Word> found;
    for (const Word& word : words) {
        if (word.text == text) {
            found.append(word);
        }
    }
    return found;
}

inline int PageCount(const QString& pdf)
{
    const QString info = Run("pdfinfo", {pdf});
    static const QRegularExpression pages(R"(Pages:\s+(\d+))");
    return pages.match(info).captured(1).toInt();
}

// The printer font's line height and character width, as the report printer measures them.
struct Metrics
{
    double lineHeight;
    double charWidth;
};

inline Metrics PrinterMetrics(int resolution)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(resolution);
    const QFontMetrics metrics(ReportPrinter::Font(), &printer);
    const double toPoints = 72.0 / resolution;
    return {(metrics.height() + metrics.leading()) * toPoints,
            metrics.averageCharWidth() * toPoints};
}

}  // namespace
