// The Conduit tab: the count taking effect as it is typed, More Conductors and its refusals, the
// too-many warning's life cycle, the spinner, Enter, Reset and the printed selection report.

#include "conduitfillpage.h"
#include "describedpages.h"
#include "invalidselectiondialog.h"
#include "pdfwords.h"

#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>

using namespace PageDriver;

class ConduitFillPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::Conduit); }
    void cleanup() { m_program.finish(); }

    void opensEmpty();
    void countTakesEffectAsTyped();
    void moreConductorsAddsALine();
    void refusedSelection_data();
    void refusedSelection();
    void warningLifeCycle();
    void warningResetButton();
    void spinnerKeepsTheCount_data();
    void spinnerKeepsTheCount();
    void enterShowsTheWholeCount();
    void printedReportContinuesOnASecondPage();
    void invalidSelectionNoticeWaitsForOk();

private:
    ConduitFillPage* page() const
    {
        return qobject_cast<ConduitFillPage*>(m_program->window().page(Tabs::Conduit));
    }
    QStringList results() const { return ResultTexts(page()); }
    QStringList lines() const { return ListLines(page()); }
    // Chooses the current selection and clicks More Conductors.
    void add(const QString& count, const QString& wire, const QString& insulation) const
    {
        AddSelections(page(), count + QLatin1Char(',') + wire + QLatin1Char(',') + insulation);
    }
    int beeps() const { return int(m_program->sounds.played.count(QStringLiteral("beep"))); }

    PageRun m_program;
};

void ConduitFillPageTest::opensEmpty()
{
    QCOMPARE(page()->list("wire")->count(), 24);
    QCOMPARE(page()->list("insulation")->count(), 24);
    QCOMPARE(page()->list("conduit")->count(), 12);
    QCOMPARE(page()->list("conduit")->currentText(), QStringLiteral("EMT"));
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
    QCOMPARE(results(), (QStringList{"0", "0.", "0.", "None", "0"}));
    QCOMPARE(page()->listBox()->accessibleName(), QStringLiteral("Selection List"));
    QCOMPARE(page()->listBoxLabel()->buddy(), page()->listBox());
    QCOMPARE(page()->result(2)->accessibleName(), QStringLiteral("Total Selection Area"));
}

void ConduitFillPageTest::countTakesEffectAsTyped()
{
    Choose(page(), tavo::kConduitFill.inputs[2], QStringLiteral("THHN"));
    Type(page()->field("count"), QStringLiteral("1"));
    QCOMPARE(results(), (QStringList{"53", ".0097", ".0097", "1/2 Inch", ".161"}));
    QTest::keyClicks(page()->field("count")->edit(), QStringLiteral("2"));  // 12
    QCOMPARE(results()[0], QStringLiteral("40"));
    QCOMPARE(page()->report().body(), "WIRE AREA TOTAL = .1164  MINIMUM CONDUIT SIZE = 1/2 Inch");
}

void ConduitFillPageTest::moreConductorsAddsALine()
{
    add("1", "14", "THHN");
    add("1", "14", "THHN");
    QCOMPARE(lines(), (QStringList{"    1\t  #14" + QString(21, ' ') + "\t  THHN",
                                   "    1\t  #14" + QString(21, ' ') + "\t  THHN"}));
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
    // Two conductors added: 31 per cent.
    QCOMPARE(results(), (QStringList{"31", "0.", ".0194", "1/2 Inch", ".094"}));
    QCOMPARE(beeps(), 2);
    QCOMPARE(m_program->prompts.invalidSelections, 0);
}

void ConduitFillPageTest::refusedSelection_data()
{
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("wire");
    QTest::addColumn<QString>("insulation");
    QTest::newRow("no conductors") << "0"
                                   << "14"
                                   << "THHN";
    QTest::newRow("not made in that size") << "3"
                                           << "12"
                                           << "ZF";
    QTest::newRow("negative count") << "-5"
                                    << "14"
                                    << "THHN";
}

void ConduitFillPageTest::refusedSelection()
{
    QFETCH(QString, count);
    QFETCH(QString, wire);
    QFETCH(QString, insulation);
    add(count, wire, insulation);
    QCOMPARE(m_program->prompts.invalidSelections, 1);
    QVERIFY(m_program->sounds.played.contains(QStringLiteral("SystemExclamation")));
    QVERIFY(lines().isEmpty());
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
    QCOMPARE(page()->selections().count(), 0ul);
}

void ConduitFillPageTest::warningLifeCycle()
{
    add("3", "1000 Mill", "RHH");
    QCOMPARE(results()[3], QStringLiteral("4 inch"));
    QVERIFY(!page()->tooManyWarning());
    const int before = beeps();
    Type(page()->field("count"), QStringLiteral("1"));
    QCOMPARE(results(), (QStringList{"40", "1.7719", "7.0876", "None", "Too Many Wires"}));
    TooManyConductorsDialog* warning = page()->tooManyWarning();
    QVERIFY(warning && warning->isVisible());
    QCOMPARE(warning->windowTitle(), QStringLiteral("Korlath Designs"));
    // EMT beeps for its failed search, and the warning once as it opens.
    QCOMPARE(beeps(), before + 2);
    // More typing: no second warning, no second opening beep.
    QTest::keyClicks(page()->field("count")->edit(), QStringLiteral("0"));  // 10
    QCOMPARE(page()->tooManyWarning(), warning);
    QCOMPARE(beeps(), before + 3);
    // While it is open the spinner does nothing.
    page()->field("count")->spinner()->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("10"));
    // Its close box only hides it: the page still counts it as open.
    warning->close();
    QVERIFY(!warning->isVisible());
    QCOMPARE(page()->tooManyWarning(), warning);
    // The main Reset then clears the current count only, and the warning goes.
    Click(m_program->window().findChild<QPushButton*>("reset"));
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
    QCOMPARE(lines().size(), 1);
    QVERIFY(!page()->tooManyWarning());
    QCOMPARE(results(), (QStringList{"40", "0.", "5.3157", "4 inch", "5.901"}));
    // A further Reset clears the page.
    Click(m_program->window().findChild<QPushButton*>("reset"));
    QVERIFY(lines().isEmpty());
    QCOMPARE(results(), (QStringList{"0", "0.", "0.", "None", "0"}));
    QCOMPARE(Focused(), QStringLiteral("count"));
}

void ConduitFillPageTest::warningResetButton()
{
    add("4", "1000 Mill", "RHH");  // accepted: its area is not 0
    QVERIFY(page()->tooManyWarning());
    QCOMPARE(lines().size(), 1);
    Type(page()->field("count"), QStringLiteral("2"));
    Click(page()->tooManyWarning()->findChild<QPushButton*>("reset"));
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
    QCOMPARE(lines().size(), 1);
    QVERIFY(!page()->tooManyWarning());
    // The added conductors alone still need a warning: it comes back at the next recompute.
    Type(page()->field("count"), QStringLiteral("0"));
    QVERIFY(page()->tooManyWarning());
}

void ConduitFillPageTest::spinnerKeepsTheCount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("shown");
    const int up = QAbstractSlider::SliderSingleStepSub;
    const int down = QAbstractSlider::SliderSingleStepAdd;
    const int pageUp = QAbstractSlider::SliderPageStepSub;
    const int pageDown = QAbstractSlider::SliderPageStepAdd;
    QTest::newRow("line up") << "7" << up << "8";
    QTest::newRow("line up at the top") << "500" << up << "500";
    QTest::newRow("line down at 0") << "0" << down << "0";
    QTest::newRow("page up near the top") << "490" << pageUp << "500";
    QTest::newRow("page down near 0") << "10" << pageDown << "0";
    QTest::newRow("typed above the range") << "600" << down << "599";
    QTest::newRow("typed text") << "abc" << up << "1";
}

void ConduitFillPageTest::spinnerKeepsTheCount()
{
    QFETCH(QString, typed);
    QFETCH(int, action);
    QFETCH(QString, shown);
    // Bare solid 14: room for 500 of them, so no warning stops the spinner.
    Choose(page(), tavo::kConduitFill.inputs[2], QStringLiteral("BARE SOL"));
    Type(page()->field("count"), typed);
    page()->field("count")->spinner()->triggerAction(QAbstractSlider::SliderAction(action));
    QCOMPARE(Shown(page()->field("count")), shown);
}

void ConduitFillPageTest::enterShowsTheWholeCount()
{
    Type(page()->field("count"), QStringLiteral(" 7"));
    m_program->pressEnter();
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("7"));
    QCOMPARE(beeps(), 1);
    Type(page()->field("count"), QStringLiteral("-5"));
    m_program->pressEnter();
    QCOMPARE(Shown(page()->field("count")), QStringLiteral("0"));
}

void ConduitFillPageTest::printedReportContinuesOnASecondPage()
{
    if (!HavePoppler()) {
        QSKIP("needs poppler-utils (pdftotext, pdfinfo)");
    }
    QTemporaryDir dir;
    m_program->printers.pdfPath = dir.filePath("conduit.pdf");
    Choose(page(), tavo::kConduitFill.inputs[0], QStringLiteral("PVC Type EB"));
    for (int i = 0; i < 55; ++i) {
        add(QString::number(101 + i), "14", "BARE SOL");
    }
    Choose(page(), tavo::kConduitFill.inputs[2], QStringLiteral("THHN"));
    Type(page()->field("count"), QStringLiteral("7"));
    Click(page()->findChild<QPushButton*>("print"));
    const QList<Word> words = Words(m_program->printers.pdfPath);
    QVERIFY(PageCount(m_program->printers.pdfPath) >= 2);
    const Metrics m = PrinterMetrics(m_program->printers.resolution);
    // The current line, then every stored one: count, "#" and size, insulation in their columns.
    const QList<Word> current = Find(words, "7");
    QVERIFY(!current.isEmpty());
    QVERIFY(qAbs(current[0].y - 8 * m.lineHeight) < m.lineHeight / 2);
    QVERIFY(qAbs(current[0].x - 3 * m.charWidth) < m.charWidth);
    int lastPage = 0;
    for (int i = 0; i < 55; ++i) {
        const QList<Word> found = Find(words, QString::number(101 + i));
        QCOMPARE(found.size(), 1);
        QVERIFY(qAbs(found[0].x - m.charWidth) < m.charWidth);  // from 100 on, at C
        lastPage = found[0].page;
    }
    QVERIFY(lastPage >= 2);
    QCOMPARE(Find(words, "#14").size(), 55 + 1);
    QVERIFY(qAbs(Find(words, "#14")[0].x - 13 * m.charWidth) < m.charWidth);
    QCOMPARE(Find(words, "KORLATH").size(), PageCount(m_program->printers.pdfPath));
    const QList<Word> required = Find(words, "REQUIRED");
    QCOMPARE(required.size(), 1);
    QVERIFY(qAbs(required[0].x - 45 * m.charWidth) < m.charWidth);
    QCOMPARE(Find(words, "PERCENT").size(), 1);
}

void ConduitFillPageTest::invalidSelectionNoticeWaitsForOk()
{
    InvalidSelectionDialog notice(&m_program->window());
    notice.show();
    QCOMPARE(notice.windowTitle(), QStringLiteral("Korlath Designs"));
    QStringList texts;
    for (const QLabel* line : notice.findChildren<QLabel*>()) {
        texts.append(line->text());
    }
    QCOMPARE(texts, (QStringList{"Invalid Number Of Wires Selected",
                                 "Or Invalid Insulation For Wire Size", "Please Re-enter"}));
    QTest::keyClick(&notice, Qt::Key_Escape);
    QVERIFY(notice.isVisible());
    QPushButton* ok = notice.findChild<QPushButton*>();
    QVERIFY(ok);
    Click(ok);
    QVERIFY(!notice.isVisible());
    QCOMPARE(notice.result(), int(QDialog::Accepted));
}

QTEST_MAIN(ConduitFillPageTest)
#include "conduitfillpage_test.moc"
