#include "ohmslawpages.h"
#include "pagedriver.h"

#include <QLabel>

using namespace PageDriver;
using tavo::Phase;
using tavo::PowerUnit;

class VoltsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsAndSelectors();
    void ohmsTimesAmps();
    void wattsOverAmpsWithKilo();
    void wattsOverAmpsTwoPhaseClampsPowerFactor();
    void squareRootChangesFormFromDCToSinglePhase();
    void squareRootThreePhaseExample();

private:
    FormulaHostPage* host() const
    {
        return qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Volts));
    }
    ValueField* field(int tab, const char* name) const { return host()->subPage(tab)->field(name); }
    QString result() const { return host()->resultDisplay()->text(); }

    PageDriver::PageRun m_program;
};

void VoltsPageTest::init()
{
    m_program.start(Tabs::Volts);
}

void VoltsPageTest::cleanup()
{
    m_program.finish();
}

void VoltsPageTest::tabsAndSelectors()
{
    QTabWidget* tabs = host()->formulaTabs();
    QCOMPARE(tabs->tabText(0), QStringLiteral("RxI"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("P/I"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("P*R"));
    QCOMPARE(host()->findChild<QLabel*>("resultName")->text(), QStringLiteral("Volts"));
    QCOMPARE(result(), QStringLiteral("0."));
    QVERIFY(!host()->phaseSelector()->box(Phase::Three)->isEnabled());
    OpenFormula(host(), 1);
    QVERIFY(host()->phaseSelector()->box(Phase::Three)->isEnabled());
    QVERIFY(host()->powerUnitSelector()->box(PowerUnit::Kilo)->isEnabled());
}

void VoltsPageTest::ohmsTimesAmps()
{
    Type(field(0, "ohms"), "10");
    Type(field(0, "amps"), "12");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("120."));
    QCOMPARE(host()->subPage(0)->report().body(), "120.=10x12");
    Type(field(0, "amps"), "0");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("0."));
}

void VoltsPageTest::wattsOverAmpsWithKilo()
{
    OpenFormula(host(), 1);
    ClickUnit(host()->powerUnitSelector(), PowerUnit::Kilo);
    QCOMPARE(host()->subPage(1)->findChild<QLabel*>("wattsLabel")->text(), QStringLiteral("&Kilo"));
    Type(field(1, "watts"), "2.4");
    Type(field(1, "amps"), "20");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("120."));
}

void VoltsPageTest::wattsOverAmpsTwoPhaseClampsPowerFactor()
{
    OpenFormula(host(), 1);
    ClickPhase(host()->phaseSelector(), Phase::Two);
    Type(field(1, "watts"), "2400");
    Type(field(1, "amps"), "10");
    Type(field(1, "pf"), "150");
    m_program->pressEnter();
    QCOMPARE(Shown(field(1, "pf")), QStringLiteral("100"));
    QCOMPARE(host()->subPage(1)->findChild<QLineEdit*>("multiplier")->text(), QStringLiteral("2."));
    QCOMPARE(result(), QStringLiteral("120."));
}

void VoltsPageTest::squareRootChangesFormFromDCToSinglePhase()
{
    OpenFormula(host(), 2);
    FormulaPage* page = host()->subPage(2);
    QWidget* bar = page->findChild<QWidget*>("fractionBar");
    QVERIFY(!bar->isVisible());
    QVERIFY(!field(2, "pf")->isVisible());
    QCOMPARE(page->report().header(), "VOLTS=SQUARE ROOT OF(WATTS x OHMS)     ");
    ClickPhase(host()->phaseSelector(), Phase::Single);
    QVERIFY(bar->isVisible());
    QVERIFY(field(2, "pf")->isVisible());
    QCOMPARE(page->report().header(), "VOLTS=SQUARE ROOT OF((WATTS x OHMS) \xF7 PF)     ");
}

void VoltsPageTest::squareRootThreePhaseExample()
{
    OpenFormula(host(), 2);
    ClickPhase(host()->phaseSelector(), Phase::Three);
    Type(field(2, "watts"), "1000");
    Type(field(2, "ohms"), "10");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("75.98468303"));
    QCOMPARE(host()->subPage(2)->report().body(),
             "75.98468303= Square Root Of((1000 x 10) \xF7 (100. x 1.732))");
}

QTEST_MAIN(VoltsPageTest)
#include "voltspage_test.moc"
