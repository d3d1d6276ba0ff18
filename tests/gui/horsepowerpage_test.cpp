#include "colorstatic.h"
#include "horsepowerpage.h"
#include "pagedriver.h"

#include <QLabel>
#include <QScrollBar>

using namespace PageDriver;
using tavo::Phase;

class HorsePowerPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnAmpsWithDefaults();
    void ampsInDC();
    void ampsThreePhaseExample();
    void horsePowerTwoPhase();
    void efficiencyAndPowerFactorClamped();
    void phaseChangesThePowerFactor();
    void efficiencySpinnerKeepsToItsRange();
    void horsePowerPageRecomputesOnKeysAndBeepsOnTab();

private:
    FormulaHostPage* host() const
    {
        return qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Motor));
    }
    ValueField* field(int tab, const char* name) const { return host()->subPage(tab)->field(name); }
    QString result() const { return host()->resultDisplay()->text(); }
    QString resultName() const { return host()->findChild<QLabel*>("resultName")->text(); }

    PageDriver::PageRun m_program;
};

void HorsePowerPageTest::init()
{
    m_program.start(Tabs::Motor);
}

void HorsePowerPageTest::cleanup()
{
    m_program.finish();
}

void HorsePowerPageTest::opensOnAmpsWithDefaults()
{
    QCOMPARE(host()->formulaTabs()->tabText(0), QStringLiteral("Amps"));
    QCOMPARE(host()->formulaTabs()->tabText(1), QStringLiteral("HP"));
    QCOMPARE(result(), QStringLiteral("0."));
    QCOMPARE(resultName(), QStringLiteral("Amps"));
    auto* colour = qobject_cast<ColorStatic*>(host()->resultDisplay());
    QVERIFY(colour);
    QCOMPARE(colour->color(), QColor(0, 255, 255));
    QVERIFY(!host()->powerUnitSelector()->isVisible());
    QCOMPARE(Shown(field(0, "hp")), QStringLiteral("0"));
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("100"));
    QCOMPARE(Shown(field(0, "pf")), QStringLiteral("100."));
    QCOMPARE(Focused(), QStringLiteral("hp"));
    OpenFormula(host(), 1);
    QCOMPARE(result(), QStringLiteral("0."));
    QCOMPARE(resultName(), QStringLiteral("Horsepower"));
    QCOMPARE(Focused(), QStringLiteral("volts"));
}

void HorsePowerPageTest::ampsInDC()
{
    Type(field(0, "hp"), "10");
    Type(field(0, "volts"), "230");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("32.43478261"));
    QCOMPARE(host()->subPage(0)->report().body(), "32.43478261=(10 x 746) \xF7 230 x 100");
}

void HorsePowerPageTest::ampsThreePhaseExample()
{
    ClickPhase(host()->phaseSelector(), Phase::Three);
    Type(field(0, "hp"), "10");
    Type(field(0, "volts"), "460");
    Type(field(0, "efficiency"), "90");
    Type(field(0, "pf"), "85");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("12.23972536"));
    QCOMPARE(host()->subPage(0)->report().header(),
             "AMPS=(HORSE POWER x 746) \xF7 VOLTS x EFFICIENCY x PF x 1.732     ");
}

void HorsePowerPageTest::horsePowerTwoPhase()
{
    OpenFormula(host(), 1);
    ClickPhase(host()->phaseSelector(), Phase::Two);
    Type(field(1, "volts"), "230");
    Type(field(1, "amps"), "10");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("6.166219839"));
    QCOMPARE(host()->subPage(1)->report().body(),
             "6.166219839=(230 x 10 x 100 x 100. x 2.) \xF7 746");
}

void HorsePowerPageTest::efficiencyAndPowerFactorClamped()
{
    ClickPhase(host()->phaseSelector(), Phase::Single);
    Type(field(0, "efficiency"), "5");
    Type(field(0, "pf"), "150");
    m_program->pressEnter();
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("10"));
    QCOMPARE(Shown(field(0, "pf")), QStringLiteral("100"));
    Type(field(0, "efficiency"), "150");
    m_program->pressEnter();
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("100"));
}

void HorsePowerPageTest::phaseChangesThePowerFactor()
{
    ClickPhase(host()->phaseSelector(), Phase::Single);
    Type(field(0, "pf"), "80");
    m_program->pressEnter();
    ClickPhase(host()->phaseSelector(), Phase::DC);
    QCOMPARE(Shown(field(0, "pf")), QStringLiteral("100."));
    QVERIFY(!field(0, "pf")->isVisible());
    ClickPhase(host()->phaseSelector(), Phase::Single);
    QCOMPARE(Shown(field(0, "pf")), QStringLiteral("100."));
    QVERIFY(field(0, "pf")->isVisible());
}

void HorsePowerPageTest::efficiencySpinnerKeepsToItsRange()
{
    QScrollBar* spinner = field(0, "efficiency")->spinner();
    spinner->triggerAction(QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("100."));
    spinner->triggerAction(QAbstractSlider::SliderToMaximum);
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("10."));
    spinner->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Shown(field(0, "efficiency")), QStringLiteral("10."));
}

void HorsePowerPageTest::horsePowerPageRecomputesOnKeysAndBeepsOnTab()
{
    OpenFormula(host(), 1);
    field(1, "volts")->edit()->setText("230");
    field(1, "amps")->edit()->setText("10");
    QCOMPARE(result(), QStringLiteral("0."));
    QTest::keyClick(host()->subPage(1), Qt::Key_Shift);
    QCOMPARE(result(), QStringLiteral("3.08310992"));
    m_program->sounds.played.clear();
    QTest::keyClick(field(1, "volts")->edit(), Qt::Key_Tab);
    QCOMPARE(m_program->sounds.played, QStringList{"beep"});
}

QTEST_MAIN(HorsePowerPageTest)
#include "horsepowerpage_test.moc"
