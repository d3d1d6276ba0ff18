#include "ohmslawpages.h"
#include "pagedriver.h"

#include <QLabel>

using namespace PageDriver;
using tavo::Phase;
using tavo::PowerUnit;

class WattsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void selectorsEnabledOnEveryTab();
    void kiloScalesTheResultAndNamesIt();
    void threePhaseKiloExample();
    void dcForcesThePowerFactor();
    void voltsSquaredOverZeroOhms();

private:
    FormulaHostPage* host() const
    {
        return qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Watts));
    }
    ValueField* field(int tab, const char* name) const { return host()->subPage(tab)->field(name); }
    QString result() const { return host()->resultDisplay()->text(); }
    QString resultName() const { return host()->findChild<QLabel*>("resultName")->text(); }

    PageDriver::PageRun m_program;
};

void WattsPageTest::init()
{
    m_program.start(Tabs::Watts);
}

void WattsPageTest::cleanup()
{
    m_program.finish();
}

void WattsPageTest::selectorsEnabledOnEveryTab()
{
    QCOMPARE(host()->formulaTabs()->tabText(0), QStringLiteral("E*I"));
    QCOMPARE(host()->formulaTabs()->tabText(1), QStringLiteral("R*I"));
    QCOMPARE(host()->formulaTabs()->tabText(2), QStringLiteral("E/R"));
    for (int tab : {0, 1, 2, 0}) {
        OpenFormula(host(), tab);
        for (Phase p : {Phase::DC, Phase::Single, Phase::Two, Phase::Three}) {
            QVERIFY(host()->phaseSelector()->box(p)->isEnabled());
        }
        QVERIFY(host()->powerUnitSelector()->box(PowerUnit::Kilo)->isEnabled());
    }
}

void WattsPageTest::kiloScalesTheResultAndNamesIt()
{
    QCOMPARE(resultName(), QStringLiteral("Watts"));
    Type(field(0, "volts"), "120");
    Type(field(0, "amps"), "10");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("1200."));
    ClickUnit(host()->powerUnitSelector(), PowerUnit::Kilo);
    QCOMPARE(result(), QStringLiteral("1.2"));
    QCOMPARE(resultName(), QStringLiteral("Kilo"));
    QCOMPARE(host()->resultDisplay()->accessibleName(), QStringLiteral("Kilo"));
    ClickUnit(host()->powerUnitSelector(), PowerUnit::Watts);
    QCOMPARE(result(), QStringLiteral("1200."));
    QCOMPARE(resultName(), QStringLiteral("Watts"));
}

void WattsPageTest::threePhaseKiloExample()
{
    ClickPhase(host()->phaseSelector(), Phase::Three);
    ClickUnit(host()->powerUnitSelector(), PowerUnit::Kilo);
    Type(field(0, "volts"), "480");
    Type(field(0, "amps"), "100");
    Type(field(0, "pf"), "90");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("74.8224"));
    QCOMPARE(host()->subPage(0)->report().header(), "WATTS=VOLTS x AMPS x PF x 1.732     ");
    QCOMPARE(host()->subPage(0)->report().body(), "74.8224=480 x 100 x 90 x 1.732");
}

void WattsPageTest::dcForcesThePowerFactor()
{
    ClickPhase(host()->phaseSelector(), Phase::Single);
    Type(field(0, "pf"), "50");
    Type(field(0, "volts"), "120");
    Type(field(0, "amps"), "10");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("600."));
    ClickPhase(host()->phaseSelector(), Phase::DC);
    QCOMPARE(Shown(field(0, "pf")), QStringLiteral("100."));
    QVERIFY(!field(0, "pf")->isVisible());
    QCOMPARE(result(), QStringLiteral("1200."));
}

void WattsPageTest::voltsSquaredOverZeroOhms()
{
    OpenFormula(host(), 2);
    Type(field(2, "volts"), "120");
    Type(field(2, "ohms"), "0");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("0."));
    Type(field(2, "ohms"), "12");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("1200."));
    QCOMPARE(host()->subPage(2)->report().body(), "1200.=(120 ^ 2 ) \xF7 12");
}

QTEST_MAIN(WattsPageTest)
#include "wattspage_test.moc"
