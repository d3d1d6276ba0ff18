#include "boxfill.h"
#include "conduitfill.h"
#include "mainwindow.h"
#include "pagetable.h"
#include "pdfwords.h"
#include "reportprinter.h"
#include "screenprinter.h"
#include "testsupport.h"

#include <QFile>
#include <QFontMetrics>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

PrintLayout SampleLayout()
{
    PrintLayout layout;
    layout.companyLine = "KORLATH";
    layout.columnHeader = "COUNT";
    layout.currentCount = "7";
    layout.currentSize = "#12";
    layout.currentInsulation = "THHN";
    layout.currentLineTest = "7";
    layout.labels[0] = "REQUIRED";
    layout.values[0] = "3/4";
    layout.labels[1] = "AREA";
    layout.values[1] = ".2133";
    layout.stored.add({"42", "10", "XHHW"});
    layout.stored.add({"120", "8", "TW"});
    return layout;
}

}  // namespace

Q_DECLARE_METATYPE(PrintLayout)

class PrintingTest : public QObject
{
    Q_OBJECT

private slots:
    void pictureScaling_data();
    void pictureScaling();
    void printScreenPrintsTheWindowPicture();
    void cancelledPrintScreenPrintsNothing();
    void printScreenIntoAnUnwritableFile();
    void reportLayoutPositions();
    void pageReportsKeepTheirColumns_data();
    void pageReportsKeepTheirColumns();
    void currentLineLeftOutWhenItsTestReadsZero();
    void copiesCollatedOrNot_data();
    void copiesCollatedOrNot();
    void longListsContinueOnMorePages();
    void cancelledReportIsNotAFailure();
    void failedReportJobReturnsZeroAndEnablesThePage();
    void countPositions_data();
    void countPositions();
    void selectionListKeepsEveryLine();
};

void PrintingTest::pictureScaling_data()
{
    QTest::addColumn<QSize>("window");
    QTest::addColumn<QSize>("page");
    QTest::addColumn<int>("printerDpi");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("600 dpi scales by 6")
        << QSize(500, 300) << QSize(5100, 6600) << 600 << QRect(0, 0, 3000, 1800);
    QTest::newRow("300 dpi scales by 3")
        << QSize(500, 300) << QSize(2550, 3300) << 300 << QRect(0, 0, 1500, 900);
    QTest::newRow("whole-number ratio")
        << QSize(100, 100) << QSize(2000, 2000) << 200 << QRect(0, 0, 200, 200);
    QTest::newRow("too wide fits the width")
        << QSize(1000, 400) << QSize(2550, 3300) << 300 << QRect(0, 0, 2550, 1020);
    QTest::newRow("too tall is cut to the page")
        << QSize(300, 2000) << QSize(2550, 3300) << 300 << QRect(0, 0, 900, 3300);
}

void PrintingTest::pictureScaling()
{
    QFETCH(QSize, window);
    QFETCH(QSize, page);
    QFETCH(int, printerDpi);
    QFETCH(QRect, expected);
    QCOMPARE(ScreenPictureRect(window, page, printerDpi, printerDpi, 96, 96), expected);
}

void PrintingTest::printScreenPrintsTheWindowPicture()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    ProgramUnderTest program;
    program.openTab(Tabs::Amps);
    program.printers.pdfPath = program.file("screen.pdf");
    QTest::mouseClick(program.window().findChild<QPushButton*>("printScreen"), Qt::LeftButton);
    QVERIFY(QFile::exists(program.printers.pdfPath));
    QCOMPARE(PageCount(program.printers.pdfPath), 1);
    QVERIFY(Run("pdfinfo", {program.printers.pdfPath}).contains("Print Screen"));
    // One image of the window's size, placed at 300 dpi times the whole-number ratio.
    const QStringList lines = Run("pdfimages", {"-list", program.printers.pdfPath}).split('\n');
    QVERIFY2(lines.size() >= 3, qPrintable(lines.join('\n')));
    const QStringList columns = lines[2].simplified().split(' ');
    const QSize size = program.window().size();
    QCOMPARE(columns[3].toInt(), size.width());
    QCOMPARE(columns[4].toInt(), size.height());
    const int scale = 300 / program.window().logicalDpiX();
    QCOMPARE(columns[12].toInt(), 300 / scale);  // x-ppi
    QCOMPARE(columns[13].toInt(), 300 / scale);  // y-ppi
}

void PrintingTest::cancelledPrintScreenPrintsNothing()
{
    ProgramUnderTest program;
    program.openTab(Tabs::Amps);
    QTest::mouseClick(program.window().findChild<QPushButton*>("printScreen"), Qt::LeftButton);
    QCOMPARE(program.printers.requests.size(), 1);
    QVERIFY(program.prompts.warnings.isEmpty());
    QVERIFY(!program.reports->printWindow(&program.window()));
}

void PrintingTest::printScreenIntoAnUnwritableFile()
{
    ProgramUnderTest program;
    program.openTab(Tabs::Amps);
    program.printers.pdfPath = program.file("missing/screen.pdf");
    QVERIFY(!program.reports->printWindow(&program.window()));
    QCOMPARE(program.prompts.warnings.size(), 1);
}

void PrintingTest::reportLayoutPositions()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("report.pdf");
    QWidget owner;
    ReportPrinter printer(printers, prompts);
    QCOMPARE(printer.Print(&owner, SampleLayout()), 1);
    QVERIFY(owner.isEnabled());
    QCOMPARE(printers.requests.size(), 1);
    QVERIFY(printers.requests[0].collate);
    QVERIFY(printers.requests[0].pageRange);
    const QList<Word> words = Words(printers.pdfPath);
    const Metrics m = PrinterMetrics(300);
    struct Expected
    {
        const char* text;
        double x;
        double y;
    };
    const double px = 72.0 / 300;
    const Expected expected[] = {
        {"KORLATH", 32 * m.charWidth, m.lineHeight},
        {"COUNT", 10 * px, 5 * m.lineHeight},
        {"7", 3 * m.charWidth, 8 * m.lineHeight},
        {"#12", 13 * m.charWidth, 8 * m.lineHeight},
        {"THHN", 28 * m.charWidth, 8 * m.lineHeight},
        {"REQUIRED", 45 * m.charWidth, 8 * m.lineHeight},
        {"3/4", 70 * m.charWidth, 8 * m.lineHeight},
        {"AREA", 45 * m.charWidth, 10 * m.lineHeight},
        {".2133", 70 * m.charWidth, 10 * m.lineHeight},
        {"42", 2 * m.charWidth, 10 * m.lineHeight},
        {"#10", 13 * m.charWidth, 10 * m.lineHeight},
        {"XHHW", 28 * m.charWidth, 10 * m.lineHeight},
        {"120", m.charWidth, 12 * m.lineHeight},
        {"#8", 13 * m.charWidth, 12 * m.lineHeight},
        {"TW", 28 * m.charWidth, 12 * m.lineHeight},
    };
    for (const Expected& e : expected) {
        const QList<Word> found = Find(words, e.text);
        QVERIFY2(found.size() == 1, e.text);
        QVERIFY2(
            qAbs(found[0].x - e.x) < 1.0,
            qPrintable(
                QStringLiteral("%1 at x %2, expected %3").arg(e.text).arg(found[0].x).arg(e.x)));
        // The word box starts at the font's top, a little below the line's top.
        QVERIFY2(
            found[0].y >= e.y - 0.5 && found[0].y < e.y + m.lineHeight / 2,
            qPrintable(
                QStringLiteral("%1 at y %2, expected %3").arg(e.text).arg(found[0].y).arg(e.y)));
    }
}

void PrintingTest::pageReportsKeepTheirColumns_data()
{
    QTest::addColumn<PrintLayout>("layout");
    tavo::InputValues conduit = tavo::OpeningValues(tavo::kConduitFill);
    conduit[size_t(tavo::kConduitFill.inputIndex("count"))].text = "3";
    conduit[size_t(tavo::kConduitFill.inputIndex("wire"))].choice = 23;  // 1000 kcmil
    tavo::ConduitSelections selections;
    QVERIFY(selections.add("12", 0, 4));
    QTest::newRow("Conduit") << PrintLayout::From(
        *tavo::ComputeConduitFill(conduit, selections).sheet);
    tavo::InputValues box = tavo::OpeningValues(tavo::kBoxFill);
    box[size_t(tavo::kBoxFill.inputIndex("count"))].text = "2";
    tavo::BoxSelections boxes;
    QVERIFY(boxes.add("4", 1));
    QTest::newRow("Boxes") << PrintLayout::From(*tavo::ComputeBoxFill(box, boxes).sheet);
}

// A page's report is laid out in character columns: each word of a text printed at a column
// starts at its own character's column, and no word runs into the next ("REQUIRED CONDUIT
// SIZE" and its value, the column header over its columns).
void PrintingTest::pageReportsKeepTheirColumns()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    QFETCH(PrintLayout, layout);
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("report.pdf");
    QWidget owner;
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, layout), 1);
    const QList<Word> words = Words(printers.pdfPath);
    const Metrics m = PrinterMetrics(300);
    const auto expectAt = [&](const QString& text, double x, double y) {
        qsizetype column = 0;
        for (const QString& part : text.split(u' ')) {
            if (!part.isEmpty()) {
                const auto found = std::find_if(words.begin(), words.end(), [&](const Word& w) {
                    return w.text == part && qAbs(w.y - y) < m.lineHeight / 2;
                });
                QVERIFY2(found != words.end(), qPrintable(part + QStringLiteral(" in ") + text));
                QVERIFY2(qAbs(found->x - (x + column * m.charWidth)) < m.charWidth / 3,
                         qPrintable(QStringLiteral("%1 at %2, expected %3")
                                        .arg(part)
                                        .arg(found->x)
                                        .arg(x + column * m.charWidth)));
            }
            column += part.size() + 1;
        }
    };
    expectAt(layout.companyLine, 32 * m.charWidth, m.lineHeight);
    expectAt(layout.columnHeader, 10 * 72.0 / 300, 5 * m.lineHeight);
    for (int i = 0; i < 3; ++i) {
        expectAt(layout.labels[i], 45 * m.charWidth, (8 + 2 * i) * m.lineHeight);
        expectAt(layout.values[i], 70 * m.charWidth, (8 + 2 * i) * m.lineHeight);
    }
    // Words of one line keep at least half a character between them.
    QList<Word> sorted = words;
    std::sort(sorted.begin(), sorted.end(), [](const Word& a, const Word& b) {
        return std::pair(qRound(a.y), a.x) < std::pair(qRound(b.y), b.x);
    });
    for (qsizetype i = 1; i < sorted.size(); ++i) {
        if (qAbs(sorted[i].y - sorted[i - 1].y) < 1) {
            QVERIFY2(
                sorted[i - 1].xMax + m.charWidth / 2 <= sorted[i].x,
                qPrintable(sorted[i - 1].text + QStringLiteral(" runs into ") + sorted[i].text));
        }
    }
}

void PrintingTest::currentLineLeftOutWhenItsTestReadsZero()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("report.pdf");
    QWidget owner;
    PrintLayout layout = SampleLayout();
    layout.currentLineTest = "0";
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, layout), 1);
    const QList<Word> words = Words(printers.pdfPath);
    QVERIFY(Find(words, "7").isEmpty());
    QVERIFY(Find(words, "THHN").isEmpty());
    QVERIFY(Find(words, "#12").isEmpty());
    const Metrics m = PrinterMetrics(300);
    const QList<Word> first = Find(words, "42");
    QCOMPARE(first.size(), 1);
    QVERIFY(qAbs(first[0].y - 10 * m.lineHeight) < m.lineHeight / 2);
    QCOMPARE(Find(words, "REQUIRED").size(), 1);
}

void PrintingTest::copiesCollatedOrNot_data()
{
    QTest::addColumn<bool>("collate");
    QTest::newRow("collated") << true;
    QTest::newRow("not collated") << false;
}

void PrintingTest::copiesCollatedOrNot()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    QFETCH(bool, collate);
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("report.pdf");
    printers.copies = 2;
    printers.collate = collate;
    QWidget owner;
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, SampleLayout()), 1);
    QCOMPARE(PageCount(printers.pdfPath), 2);
    const QList<Word> words = Words(printers.pdfPath);
    QCOMPARE(Find(words, "KORLATH").size(), 2);
    QCOMPARE(Find(words, "120").size(), 2);
}

void PrintingTest::longListsContinueOnMorePages()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdfimages, pdftotext)");
    }
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("report.pdf");
    QWidget owner;
    PrintLayout layout = SampleLayout();
    layout.stored.clear();
    for (int i = 0; i < 50; ++i) {
        layout.stored.add({QString::number(1000 + i), "14", "THWN"});
    }
    // Both copies, collated: every page of the first copy, then every page of the second.
    printers.copies = 2;
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, layout), 1);
    const QList<Word> words = Words(printers.pdfPath);
    const Metrics m = PrinterMetrics(300);
    QPrinter letter(QPrinter::HighResolution);
    letter.setResolution(300);
    letter.setPageSize(QPageSize(QPageSize::Letter));
    letter.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    const int perPage = ReportPrinter::StoredLinesPerPage(
        letter.height(), QFontMetrics(ReportPrinter::Font(), &letter).lineSpacing());
    QVERIFY(perPage < 50);
    const int pagesPerCopy = (50 + perPage - 1) / perPage;
    QCOMPARE(PageCount(printers.pdfPath), 2 * pagesPerCopy);
    for (int i = 0; i < 50; ++i) {
        const QList<Word> found = Find(words, QString::number(1000 + i));
        QCOMPARE(found.size(), 2);
        QCOMPARE(found[0].page, 1 + i / perPage);
        QCOMPARE(found[1].page, 1 + pagesPerCopy + i / perPage);
        QVERIFY(qAbs(found[0].y - (10 + 2 * (i % perPage)) * m.lineHeight) < m.lineHeight / 2);
    }
    // Every page opens with the company line and the column header; the results stay on page 1.
    QCOMPARE(Find(words, "KORLATH").size(), 2 * pagesPerCopy);
    QCOMPARE(Find(words, "COUNT").size(), 2 * pagesPerCopy);
    const QList<Word> required = Find(words, "REQUIRED");
    QCOMPARE(required.size(), 2);
    QCOMPARE(required[0].page, 1);
}

void PrintingTest::cancelledReportIsNotAFailure()
{
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    QWidget owner;
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, SampleLayout()), 1);
    QVERIFY(prompts.warnings.isEmpty());
}

void PrintingTest::failedReportJobReturnsZeroAndEnablesThePage()
{
    QTemporaryDir dir;
    RecordingPrompts prompts;
    PdfPrinterChooser printers;
    printers.pdfPath = dir.filePath("missing/report.pdf");
    QWidget owner;
    QCOMPARE(ReportPrinter(printers, prompts).Print(&owner, SampleLayout()), 0);
    QVERIFY(owner.isEnabled());
    QCOMPARE(prompts.warnings.size(), 1);
}

void PrintingTest::countPositions_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<int>("x");
    QTest::newRow("7") << "7" << 30;
    QTest::newRow("9.5") << "9.5" << 30;
    QTest::newRow("10") << "10" << 20;
    QTest::newRow("42") << "42" << 20;
    QTest::newRow("99") << "99" << 20;
    QTest::newRow("100") << "100" << 10;
    QTest::newRow("120") << "120" << 10;
    QTest::newRow("empty") << "" << 30;
}

void PrintingTest::countPositions()
{
    QFETCH(QString, count);
    QFETCH(int, x);
    QCOMPARE(ReportPrinter::CountX(count, 10), x);
}

void PrintingTest::selectionListKeepsEveryLine()
{
    SelectionPrintList list;
    for (int i = 0; i < 60; ++i) {
        list.add({QString::number(i), "12", "THHN"});
    }
    QCOMPARE(list.count(), 60);
    QCOMPARE(list.lines().back().count, QStringLiteral("59"));
    list.clear();
    list.add({QString(150, 'c'), "12", "THHN"});
    QCOMPARE(list.lines()[0].count.size(), 99);
    PrintLayout layout;
    layout.companyLine = QString(200, 'x');
    layout.values[0] = QString(20, 'v');
    QCOMPARE(layout.limited().companyLine.size(), 149);
    QCOMPARE(layout.limited().values[0].size(), 14);
}

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
