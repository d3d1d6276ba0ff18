#include "floatinghistorywindow.h"
#include "historiespage.h"
#include "mainwindow.h"
#include "pagedriver.h"
#include "pagemessage.h"
#include "pagetable.h"
#include "reportsdialog.h"
#include "reporttext.h"
#include "testsupport.h"

#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

// The floating "Histories" window kept in step with the Histories list.
class FloatingWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void openedOnAnEmptyList();
    void openedAfterTwoHistoriesShowsBothInOrder();
    void laterHistoriesAreAddedAndTheWindowGrows();
    void openedTwiceGivesTheMessage();
    void fiftyFirstHistoryStartsOver();
    void eraseLeavesTheWindowAsItWas();
    void closedAndReopenedIsRefilled();
    void scrollingFollowsItsRules();
    void historiesOnTheHistoriesTabAreNotPassedOn();

private:
    void addHistory(const QString& header, const QString& body);
    void openFloating();
    FloatingHistoryWindow* floating() const { return m_program->window().floatingWindow(); }

    PageDriver::PageRun m_program;
};

void FloatingWindowTest::init()
{
    m_program.start(Tabs::Amps);
}

void FloatingWindowTest::cleanup()
{
    m_program.finish();
}

// A page handing a report over for the histories, as a formula page does.
void FloatingWindowTest::addHistory(const QString& header, const QString& body)
{
    tavo::ReportText report;
    report.setHeader(header.toStdString());
    report.setBody(body.toStdString());
    QVERIFY(m_program->reports->writeHandOff(nullptr, report));
    SendPageMessage(&m_program->window(), PageMessages::Registered(PageMessages::kPassReport));
    QCoreApplication::processEvents();
}

void FloatingWindowTest::openFloating()
{
    QTest::mouseClick(m_program->window().findChild<QPushButton*>("reports"), Qt::LeftButton);
    QTest::mouseClick(
        m_program->window().reportsDialog()->findChild<QPushButton*>("floatingWindow"),
        Qt::LeftButton);
    QCoreApplication::processEvents();  // its request to replay the list is posted
}

void FloatingWindowTest::openedOnAnEmptyList()
{
    openFloating();
    QVERIFY(floating());
    QVERIFY(floating()->isVisible());
    QCOMPARE(floating()->windowTitle(), QStringLiteral("Histories"));
    QCOMPARE(floating()->size(), QSize(200, 150));
    QCOMPARE(floating()->count(), 0);
    QCOMPARE(floating()->lineCount(), 1);
    QVERIFY(!m_program->window().reportsDialog()->isVisible());
    // Escape closes it, as its close box does.
    QTest::keyClick(floating()->verticalBar(), Qt::Key_Escape);
    QTRY_VERIFY(!floating());
}

void FloatingWindowTest::openedAfterTwoHistoriesShowsBothInOrder()
{
    addHistory("FIRST", "1=one");
    addHistory("SECOND", "2=two");
    openFloating();
    QCOMPARE(floating()->headers(), (QStringList{"FIRST", "SECOND"}));
    QCOMPARE(floating()->bodies(), (QStringList{"1=one", "2=two"}));
    QCOMPARE(floating()->lineCount(), 5);
    QCOMPARE(floating()->clientSize().height(), 4 * floating()->lineHeight());
    // Replaying went through the hand-off file; the list itself is unchanged.
    QCOMPARE(m_program->window().historiesPage()->list()->count(), 4);
}

void FloatingWindowTest::laterHistoriesAreAddedAndTheWindowGrows()
{
    addHistory("FIRST", "1");
    openFloating();
    const int line = floating()->lineHeight();
    QCOMPARE(floating()->clientSize().height(), 3 * line);
    addHistory("SECOND", "2");
    QCOMPARE(floating()->clientSize().height(), 4 * line);
    addHistory("A LONGER THIRD HEADER", "3");
    QCOMPARE(floating()->headers().last(), QStringLiteral("A LONGER THIRD HEADER"));
    QCOMPARE(floating()->clientSize().height(), 6 * line);
    QCOMPARE(floating()->clientSize().width(), 21 * floating()->charWidth());
    QCOMPARE(floating()->widestLine(), 21 * floating()->charWidth());
    QCOMPARE(floating()->verticalBar()->maximum(), 5);
    QCOMPARE(floating()->horizontalBar()->maximum(), 21);
}

void FloatingWindowTest::openedTwiceGivesTheMessage()
{
    openFloating();
    FloatingHistoryWindow* first = floating();
    openFloating();
    QCOMPARE(m_program->prompts.messages, QStringList{"External history window is already open!"});
    QCOMPARE(floating(), first);
    QCOMPARE(m_program->window().findChildren<FloatingHistoryWindow*>().size(), 1);
}

void FloatingWindowTest::fiftyFirstHistoryStartsOver()
{
    openFloating();
    for (int i = 1; i <= 50; ++i) {
        addHistory(QStringLiteral("H%1").arg(i), QStringLiteral("B%1").arg(i));
    }
    QCOMPARE(floating()->count(), 50);
    addHistory("H51", "B51");
    QCOMPARE(floating()->count(), 1);
    QCOMPARE(floating()->headers(), QStringList{"H51"});
    QCOMPARE(floating()->lineCount(), 3);
    QCOMPARE(floating()->clientSize().height(), 3 * floating()->lineHeight());
    // The list itself has no such limit.
    QCOMPARE(m_program->window().historiesPage()->list()->count(), 102);
}

void FloatingWindowTest::eraseLeavesTheWindowAsItWas()
{
    addHistory("FIRST", "1");
    openFloating();
    QWidget* page = m_program->openTab(Tabs::Histories);
    QTest::mouseClick(page->findChild<QPushButton*>("erase"), Qt::LeftButton);
    QCOMPARE(m_program->window().historiesPage()->list()->count(), 0);
    QCOMPARE(floating()->headers(), QStringList{"FIRST"});
}

void FloatingWindowTest::closedAndReopenedIsRefilled()
{
    addHistory("FIRST", "1");
    openFloating();
    floating()->close();
    QTRY_VERIFY(!floating());
    addHistory("SECOND", "2");
    openFloating();
    QCOMPARE(floating()->headers(), (QStringList{"FIRST", "SECOND"}));
    QVERIFY(m_program->prompts.messages.isEmpty());
}

void FloatingWindowTest::scrollingFollowsItsRules()
{
    for (int i = 0; i < 10; ++i) {
        addHistory(QString(60, QLatin1Char('H')), QStringLiteral("B"));
    }
    openFloating();
    floating()->resize(150, 100);  // smaller than its text, so there is something to scroll
    QCoreApplication::processEvents();
    QScrollBar* v = floating()->verticalBar();
    QScrollBar* h = floating()->horizontalBar();
    v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(floating()->vScroll(), 1);
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    v->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(floating()->vScroll(), 0);  // never above the top
    v->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(floating()->vScroll(), floating()->clientSize().height() / floating()->lineHeight());
    for (int i = 0; i < 200; ++i) {
        h->triggerAction(QAbstractSlider::SliderPageStepAdd);
    }
    QCOMPARE(floating()->hScroll(), 100);  // the horizontal offset stops at 100
    h->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(floating()->hScroll(), 100);  // other actions do not scroll
    h->triggerAction(QAbstractSlider::SliderPageStepSub);
    QCOMPARE(floating()->hScroll(),
             100 - floating()->clientSize().width() / floating()->charWidth());
}

void FloatingWindowTest::historiesOnTheHistoriesTabAreNotPassedOn()
{
    m_program->openTab(Tabs::Histories);
    addHistory("IGNORED", "x");
    QCOMPARE(m_program->window().historiesPage()->list()->count(), 0);
}

QTEST_MAIN(FloatingWindowTest)
#include "floatingwindow_test.moc"
