#include "ohmslawpages.h"
#include "pagedriver.h"

#include <QLabel>
#include <QScrollBar>

using namespace PageDriver;
using tavo::Phase;
using tavo::PowerUnit;

class ResistancePageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void tabsAndResultDisplay();
    void voltsOverZeroAmps();
    void kiloWattsInTheDenominator();
    void threePhaseExample();
    void halfAnAmpAsTypedOrStepped();

private:
    FormulaHostPage* host() const
    {
        return qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Resistance));
    }
    ValueField* field(int tab, const char* name) const { return host()->subPage(tab)->field(name); }
    QString result() const { return host()->resultDisplay()->text(); }

    PageDriver::PageRun m_program;
};

void ResistancePageTest::init()
{
    m_program.start(Tabs::Resistance);
}

void ResistancePageTest::cleanup()
{
    m_program.finish();
}

void ResistancePageTest::tabsAndResultDisplay()
{
    QCOMPARE(host()->formulaTabs()->tabText(0), QStringLiteral("E/I"));
    QCOMPARE(host()->formulaTabs()->tabText(1), QStringLiteral("E/P"));
    QCOMPARE(host()->formulaTabs()->tabText(2), QStringLiteral("P/I"));
    QCOMPARE(host()->findChild<QLabel*>("resultName")->text(), QStringLiteral("Ohms"));
    QVERIFY(host()->resultDisplay()->alignment() & Qt::AlignRight);
    QCOMPARE(result(), QStringLiteral("0."));
    QVERIFY(!host()->phaseSelector()->box(Phase::DC)->isEnabled());
}

void ResistancePageTest::voltsOverZeroAmps()
{
    Type(field(0, "volts"), "120");
    Type(field(0, "amps"), "0");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("0."));
    Type(field(0, "amps"), "10");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("12."));
    QCOMPARE(host()->subPage(0)->report().body(), "12.=120\xF7"
                                                  "10");
}

void ResistancePageTest::kiloWattsInTheDenominator()
{
    OpenFormula(host(), 1);
    ClickPhase(host()->phaseSelector(), Phase::Single);
    ClickUnit(host()->powerUnitSelector(), PowerUnit::Kilo);
    QCOMPARE(host()->subPage(1)->findChild<QLabel*>("wattsLabel")->text(), QStringLiteral("&Kilo"));
    Type(field(1, "volts"), "120");
    Type(field(1, "pf"), "90");
    Type(field(1, "watts"), "2");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("6.48"));
}

void ResistancePageTest::threePhaseExample()
{
    OpenFormula(host(), 1);
    ClickPhase(host()->phaseSelector(), Phase::Three);
    Type(field(1, "volts"), "480");
    Type(field(1, "pf"), "90");
    Type(field(1, "watts"), "10000");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("35.914752"));
    QCOMPARE(host()->subPage(1)->report().header(), "OHMS=(VOLTS^2  x PF x 1.732)\xF7 WATTS     ");
    QCOMPARE(host()->subPage(1)->report().body(), "35.914752= (480^2  x 90 x 1.732) \xF7 10000");
}

void ResistancePageTest::halfAnAmpAsTypedOrStepped()
{
    OpenFormula(host(), 2);
    Type(field(2, "watts"), "100");
    Type(field(2, "amps"), "0.5");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("400."));
    QCOMPARE(host()->subPage(2)->report().body(), "400.=100\xF7 (0.5^2)");
    Type(field(2, "amps"), "1.5");
    field(2, "amps")->spinner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Shown(field(2, "amps")), QStringLiteral(".5"));
    QCOMPARE(host()->subPage(2)->report().body(), "400.=100\xF7 (.5^2)");
}

QTEST_MAIN(ResistancePageTest)
#include "resistancepage_test.moc"
