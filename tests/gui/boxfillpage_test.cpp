// The Boxes tab: Add Selection and its refusals, a typed wire size, the reference box, Enter,
// Reset and the printed selection report.

#include "boxfillpage.h"
#include "describedpages.h"
#include "pdfwords.h"

#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace PageDriver;

class BoxFillPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::Boxes); }
    void cleanup() { m_program.finish(); }

    void addSelectionKeepsTheMinimum();
    void refusedSelection_data();
    void refusedSelection();
    void referenceBoxChangesNothingElse();
    void spinnerKeepsTheCount();
    void resetClearsTheSelections();
    void printedReport();

private:
    BoxFillPage* page() const
    {
        return qobject_cast<BoxFillPage*>(m_program->window().page(Tabs::Boxes));
    }
    QStringList results() const { return ResultTexts(page()); }
    QStringList lines() const { return ListLines(page()); }
    void add(const QString& count, const QString& wire) const
    {
        AddSelections(page(), count + QLatin1Char(',') + wire);
    }
    void enter(const QString& count, const QString& wire) const
    {
        Enter(*m_program, page(), {{"wire", wire}, {"count", count}});
    }

    PageRun m_program;
};

void BoxFillPageTest::addSelectionKeepsTheMinimum()
{
    enter("3", "14");
    QCOMPARE(results(), (QStringList{"12.5", "6.", "6."}));
    add("3", "14");
    QCOMPARE(lines(), QStringList{"    3        #14"});
    QCOMPARE(results(), (QStringList{"12.5", "0.", "6."}));
    QCOMPARE(page()->list("wire")->currentText(), QStringLiteral("14"));
    enter("2", "6");
    QCOMPARE(results(), (QStringList{"12.5", "10.", "16."}));
    QCOMPARE(page()->report().body(), "MINIMUM BOX SIZE=16. Cu. Inch");
    add("120", "10");
    QCOMPARE(lines().last(), QStringLiteral("120        #10"));
    QCOMPARE(results()[2], QStringLiteral("306."));
    // A beep for the click, one more for the stored selection.
    QCOMPARE(m_program->sounds.played.count(QStringLiteral("beep")), 4);
}

void BoxFillPageTest::refusedSelection_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("wire");
    QTest::newRow("no conductors") << "0"
                                   << "12";
    QTest::newRow("negative count") << "-3"
                                    << "12";
    QTest::newRow("typed size of no box table") << "4"
                                                << "7";
}

void BoxFillPageTest::refusedSelection()
{
    QFETCH(QString, count);
    QFETCH(QString, wire);
    add(count, wire);
    QCOMPARE(m_program->prompts.invalidSelections, 1);
    QVERIFY(m_program->sounds.played.contains(QStringLiteral("SystemExclamation")));
    QVERIFY(lines().isEmpty());
    QCOMPARE(results(), (QStringList{"12.5", "0.", "0."}));
}

void BoxFillPageTest::referenceBoxChangesNothingElse()
{
    // A typed size that names an entry selects it.
    enter("2", "10");
    QCOMPARE(page()->list("wire")->currentIndex(), 2);
    QCOMPARE(results()[2], QStringLiteral("5."));
    Choose(page(), tavo::kBoxFill.inputs[0], QStringLiteral("4-11/16 x 2-1/8 Square"));
    QCOMPARE(results(), (QStringList{"42.0", "5.", "5."}));
    QCOMPARE(page()->list("box")->accessibleName(), QStringLiteral("Standard Box Size And Type"));
}

void BoxFillPageTest::spinnerKeepsTheCount()
{
    QScrollBar* spinner = page()->field("count")->spinner();
    spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("1"));
    QCOMPARE(results()[1], QStringLiteral("2."));
    Type(page()->field("count"), QStringLiteral("31990"));
    spinner->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("32000"));
    spinner->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("32000"));  // top: the largest count
    Type(page()->field("count"), QStringLiteral("5"));
    spinner->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
}

void BoxFillPageTest::resetClearsTheSelections()
{
    add("3", "14");
    Choose(page(), tavo::kBoxFill.inputs[0], QStringLiteral("3 x 2 x 2-3/4 Device"));
    enter("2", "8");
    Click(m_program->window().findChild<QPushButton*>("reset"));
    QVERIFY(lines().isEmpty());
    QCOMPARE(results(), (QStringList{"12.5", "0.", "0."}));
    QCOMPARE(page()->list("box")->currentIndex(), 0);
    QCOMPARE(page()->list("wire")->currentText(), QStringLiteral("14"));
    QVERIFY(page()->outcome().sheet->stored.empty());
}

void BoxFillPageTest::printedReport()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdftotext, pdfinfo)");
    }
    QTemporaryDir dir;
    m_program->printers.pdfPath = dir.filePath("boxes.pdf");
    add("3", "12");
    add("42", "6");
    enter("7", "10");
    Click(page()->findChild<QPushButton*>("print"));
    const QList<Word> words = Words(m_program->printers.pdfPath);
    const Metrics m = PrinterMetrics(m_program->printers.resolution);
    const auto at = [&](const QString& text, double column, double line) {
        const QList<Word> found = Find(words, text);
        QVERIFY2(found.size() == 1, qPrintable(text));
        QVERIFY2(qAbs(found[0].x - column * m.charWidth) < m.charWidth, qPrintable(text));
        QVERIFY2(qAbs(found[0].y - line * m.lineHeight) < m.lineHeight / 2, qPrintable(text));
    };
    at("KORLATH", 32, 1);
    at("7", 3, 8);  // the current line
    at("#10", 13, 8);
    at("3", 3, 10);
    at("#12", 13, 10);
    at("42", 2, 12);
    at("#6", 13, 12);
    at("REQUIRED", 45, 8);
    at("234.25", 70, 8);
}

QTEST_MAIN(BoxFillPageTest)
#include "boxfillpage_test.moc"
