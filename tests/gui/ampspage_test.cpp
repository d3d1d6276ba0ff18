#include "ampspage.h"
#include "choiceboxes.h"
#include "mainwindow.h"
#include "pagedriver.h"
#include "pagemessage.h"
#include "testsupport.h"
#include "valuefield.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

using tavo::Phase;
using tavo::PowerUnit;

// The Amps tab as a user drives it: clicks, typing, Enter, the spinners and Reset.
class AmpsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startsOnVoltsOverOhms();
    void typedValuesTakeEffectOnLeavingTheField();
    void wattsOverVoltsThreePhaseExample();
    void wattsOverOhmsTwoPhaseExample();
    void kiloScalesTheWattsInput();
    void firstVisitOfATabResetsTheSelectors();
    void voltsOverOhmsDisablesTheSelectors();
    void powerFactorHiddenAndForcedInDC();
    void multiplierShownFromTwoPhase();
    void powerFactorClamped_data();
    void powerFactorClamped();
    void resetTouchesOnlyTheVisibleFormula();
    void spinnerStepsAndRecomputes();
    void mainTabClickFocusesFirstInputAndRecomputes();
    void hugeResultInExponentForm();
    void inputsAndResultsHaveAccessibleNames();

private:
    FormulaHostPage* host() const;
    FormulaPage* sub(int tab) const;
    void openFormula(int tab);
    void clickPhase(Phase phase);
    void clickUnit(PowerUnit unit);
    void type(ValueField* field, const QString& text);
    ValueField* field(int tab, const char* name) const;
    QString result() const;

    PageDriver::PageRun m_program;
};

void AmpsPageTest::init()
{
    m_program.start(Tabs::Amps);
}

void AmpsPageTest::cleanup()
{
    m_program.finish();
}

FormulaHostPage* AmpsPageTest::host() const
{
    return qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Amps));
}

FormulaPage* AmpsPageTest::sub(int tab) const
{
    return host()->subPage(tab);
}

void AmpsPageTest::openFormula(int tab)
{
    QTabBar* bar = host()->formulaTabs()->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(tab).center());
    QCOMPARE(host()->formulaTabs()->currentIndex(), tab);
}

void AmpsPageTest::clickPhase(Phase phase)
{
    QTest::mouseClick(host()->phaseSelector()->box(phase), Qt::LeftButton);
}

void AmpsPageTest::clickUnit(PowerUnit unit)
{
    QTest::mouseClick(host()->powerUnitSelector()->box(unit), Qt::LeftButton);
}

void AmpsPageTest::type(ValueField* field, const QString& text)
{
    field->edit()->setFocus();
    field->edit()->selectAll();
    QTest::keyClicks(field->edit(), text);
}

ValueField* AmpsPageTest::field(int tab, const char* name) const
{
    return sub(tab)->field(name);
}

QString AmpsPageTest::result() const
{
    return host()->resultDisplay()->text();
}

void AmpsPageTest::startsOnVoltsOverOhms()
{
    QTabWidget* tabs = host()->formulaTabs();
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("E/R"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("P/E"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("P/R"));
    QVERIFY(sub(0));
    QVERIFY(!sub(1));
    QVERIFY(!sub(2));
    QCOMPARE(result(), QStringLiteral("0."));
    QCOMPARE(host()->findChild<QLabel*>("resultName")->text(), QStringLiteral("Amps"));
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("0."));
    QCOMPARE(field(0, "ohms")->edit()->text(), QStringLiteral("0."));
    QCOMPARE(sub(0)->report().header(), "AMPS=VOLTS \xF7 OHMS     ");
    QCOMPARE(sub(0)->report().body(), "0.=0. \xF7 0.");
    QCOMPARE(sub(0)->report().trailer(), " ");
    QVERIFY(sub(0)->findChild<QLabel*>("dcOnly")->isVisible());
    QCOMPARE(QApplication::focusWidget(), field(0, "volts")->edit());
}

void AmpsPageTest::typedValuesTakeEffectOnLeavingTheField()
{
    type(field(0, "volts"), "120");
    type(field(0, "ohms"), "10");
    QCOMPARE(result(), QStringLiteral("0."));  // typing alone does not recompute
    field(0, "volts")->edit()->setFocus();     // leaving ohms does
    QCOMPARE(result(), QStringLiteral("12."));
    QCOMPARE(sub(0)->report().body(), "12.=120 \xF7 10");
    type(field(0, "ohms"), "0");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("0."));
}

void AmpsPageTest::wattsOverVoltsThreePhaseExample()
{
    openFormula(1);
    clickPhase(Phase::Three);
    type(field(1, "watts"), "10000");
    type(field(1, "volts"), "208");
    type(field(1, "pf"), "90");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("30.84226525"));
    QCOMPARE(sub(1)->report().header(), "AMPS=WATTS \xF7 (VOLTS x PF x 1.732)     ");
    QCOMPARE(sub(1)->report().body(), "30.84226525=10000 \xF7 (208 x 90 x 1.732)");
}

void AmpsPageTest::wattsOverOhmsTwoPhaseExample()
{
    openFormula(2);
    clickPhase(Phase::Two);
    type(field(2, "watts"), "5000");
    type(field(2, "ohms"), "4");
    type(field(2, "pf"), "85");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("27.11630723"));
    QCOMPARE(sub(2)->report().header(), "AMPS=SQUARE ROOT OF (WATTS \xF7 (OHMS x PF x 2.))     ");
    QCOMPARE(sub(2)->report().body(), "27.11630723=Square Root Of (5000 \xF7 (4 x 85 x 2.))");
}

void AmpsPageTest::kiloScalesTheWattsInput()
{
    openFormula(1);
    auto* label = sub(1)->findChild<QLabel*>("wattsLabel");
    QCOMPARE(label->text(), QStringLiteral("&Watts"));
    clickUnit(PowerUnit::Kilo);
    QCOMPARE(label->text(), QStringLiteral("&Kilo"));
    QVERIFY(host()->powerUnitSelector()->box(PowerUnit::Kilo)->isChecked());
    QVERIFY(!host()->powerUnitSelector()->box(PowerUnit::Watts)->isChecked());
    type(field(1, "watts"), "1.5");
    type(field(1, "volts"), "120");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("12.5"));
    QCOMPARE(sub(1)->report().body(), "12.5=1.5 \xF7 (120)");
    clickUnit(PowerUnit::Watts);
    QCOMPARE(result(), QStringLiteral(".0125"));
    QCOMPARE(label->text(), QStringLiteral("&Watts"));
}

void AmpsPageTest::firstVisitOfATabResetsTheSelectors()
{
    openFormula(1);
    clickPhase(Phase::Three);
    clickUnit(PowerUnit::Kilo);
    openFormula(2);
    QCOMPARE(host()->powerChoice().phase, Phase::DC);
    QCOMPARE(host()->powerChoice().unit, PowerUnit::Watts);
    QVERIFY(!field(2, "pf")->isVisible());
    // A second visit keeps what the user chose.
    clickPhase(Phase::Three);
    openFormula(1);
    openFormula(2);
    QCOMPARE(host()->powerChoice().phase, Phase::Three);
    for (Phase p : {Phase::DC, Phase::Single, Phase::Two, Phase::Three}) {
        QCOMPARE(host()->phaseSelector()->box(p)->isChecked(), p == Phase::Three);
    }
}

void AmpsPageTest::voltsOverOhmsDisablesTheSelectors()
{
    auto allEnabled = [this](bool enabled) {
        for (Phase p : {Phase::DC, Phase::Single, Phase::Two, Phase::Three}) {
            QCOMPARE(host()->phaseSelector()->box(p)->isEnabled(), enabled);
        }
        for (PowerUnit u : {PowerUnit::Watts, PowerUnit::Kilo}) {
            QCOMPARE(host()->powerUnitSelector()->box(u)->isEnabled(), enabled);
        }
        QVERIFY(host()->phaseSelector()->isEnabled());
        QVERIFY(host()->powerUnitSelector()->isEnabled());
    };
    allEnabled(false);
    openFormula(1);
    allEnabled(true);
    clickPhase(Phase::Three);
    type(field(1, "watts"), "1732");
    type(field(1, "volts"), "10");
    m_program->pressEnter();
    openFormula(0);
    allEnabled(false);
    QVERIFY(host()->phaseSelector()->box(Phase::Three)->isChecked());
    openFormula(1);
    allEnabled(true);
    QCOMPARE(sub(1)->findChild<QLineEdit*>("multiplier")->text(), QStringLiteral("1.732"));
    QCOMPARE(result(), QStringLiteral("100."));
}

void AmpsPageTest::powerFactorHiddenAndForcedInDC()
{
    openFormula(1);
    ValueField* pf = field(1, "pf");
    QVERIFY(!pf->isVisible());
    QCOMPARE(pf->edit()->text(), QStringLiteral("100."));
    clickPhase(Phase::Single);
    QVERIFY(pf->isVisible());
    QCOMPARE(pf->edit()->text(), QStringLiteral("100."));
    type(pf, "85");
    m_program->pressEnter();
    QCOMPARE(sub(1)->report().header(), "AMPS=WATTS \xF7 (VOLTS x PF)     ");
    clickPhase(Phase::DC);
    QVERIFY(!pf->isVisible());
    QCOMPARE(pf->edit()->text(), QStringLiteral("100."));
    QCOMPARE(sub(1)->report().header(), "AMPS=WATTS \xF7 (VOLTS)     ");
    clickPhase(Phase::Single);
    QCOMPARE(pf->edit()->text(), QStringLiteral("100."));
}

void AmpsPageTest::multiplierShownFromTwoPhase()
{
    openFormula(1);
    auto* multiplier = sub(1)->findChild<QLineEdit*>("multiplier");
    const QList<std::pair<Phase, QString>> steps = {
        {Phase::Single, "1."}, {Phase::Two, "2."}, {Phase::Three, "1.732"}, {Phase::DC, "1."}};
    for (const auto& [phase, text] : steps) {
        clickPhase(phase);
        QCOMPARE(multiplier->text(), text);
        QCOMPARE(multiplier->isVisible(), tavo::PhaseLevel(phase) >= 2);
    }
}

void AmpsPageTest::powerFactorClamped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("above 100") << "150"
                               << "100";
    QTest::newRow("below 10") << "5"
                              << "10";
    QTest::newRow("not a number") << "x"
                                  << "10";
    QTest::newRow("empty") << ""
                           << "10";
    QTest::newRow("inside") << "85"
                            << "85";
}

void AmpsPageTest::powerFactorClamped()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    openFormula(2);
    clickPhase(Phase::Single);
    ValueField* pf = field(2, "pf");
    type(pf, typed);
    if (typed.isEmpty()) {
        pf->edit()->clear();
    }
    m_program->pressEnter();
    QCOMPARE(pf->edit()->text(), shown);
}

void AmpsPageTest::resetTouchesOnlyTheVisibleFormula()
{
    type(field(0, "volts"), "120");
    type(field(0, "ohms"), "10");
    m_program->pressEnter();
    openFormula(2);
    clickPhase(Phase::Single);
    type(field(2, "watts"), "100");
    type(field(2, "ohms"), "2");
    type(field(2, "pf"), "50");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("10."));
    QTest::mouseClick(m_program->window().findChild<QPushButton*>("reset"), Qt::LeftButton);
    QCOMPARE(field(2, "watts")->edit()->text(), QStringLiteral("0"));
    QCOMPARE(field(2, "ohms")->edit()->text(), QStringLiteral("0"));
    QCOMPARE(field(2, "pf")->edit()->text(), QStringLiteral("50"));  // P/R keeps its PF
    QCOMPARE(result(), QStringLiteral("0."));
    QCOMPARE(host()->powerChoice().phase, Phase::Single);
    openFormula(0);
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("120"));
    QCOMPARE(field(0, "ohms")->edit()->text(), QStringLiteral("10"));
    QCOMPARE(result(), QStringLiteral("12."));
    QTest::mouseClick(m_program->window().findChild<QPushButton*>("reset"), Qt::LeftButton);
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("0"));
    QCOMPARE(sub(0)->report().body(), "0.=0 \xF7 0");
    openFormula(1);
    clickPhase(Phase::Two);
    type(field(1, "pf"), "85");
    QTest::mouseClick(m_program->window().findChild<QPushButton*>("reset"), Qt::LeftButton);
    QCOMPARE(field(1, "pf")->edit()->text(), QStringLiteral("100"));
    QCOMPARE(field(1, "watts")->edit()->text(), QStringLiteral("0"));
}

void AmpsPageTest::spinnerStepsAndRecomputes()
{
    type(field(0, "ohms"), "4");
    QScrollBar* volts = field(0, "volts")->spinner();
    for (int i = 0; i < 3; ++i) {
        volts->triggerAction(QAbstractSlider::SliderSingleStepSub);
    }
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("3."));
    QCOMPARE(result(), QStringLiteral(".75"));
    QCOMPARE(sub(0)->report().body(), ".75=3. \xF7 4");
    volts->setFocus();
    QTest::keyClick(volts, Qt::Key_Home);
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("32000."));
    QCOMPARE(result(), QStringLiteral("8000."));
    QTest::keyClick(volts, Qt::Key_End);
    QTest::keyClick(volts, Qt::Key_Down);
    QCOMPARE(field(0, "volts")->edit()->text(), QStringLiteral("0."));
    QCOMPARE(result(), QStringLiteral("0."));
}

void AmpsPageTest::mainTabClickFocusesFirstInputAndRecomputes()
{
    type(field(0, "volts"), "50");
    type(field(0, "ohms"), "5");
    QCOMPARE(result(), QStringLiteral("0."));
    // A click on the current main tab activates the page: focus on the first input, recompute.
    m_program->openTab(Tabs::Amps);
    QCOMPARE(QApplication::focusWidget(), field(0, "volts")->edit());
    QCOMPARE(result(), QStringLiteral("10."));
}

void AmpsPageTest::hugeResultInExponentForm()
{
    type(field(0, "volts"), "1e12");
    type(field(0, "ohms"), "1");
    m_program->pressEnter();
    QCOMPARE(result(), QStringLiteral("1.e+012"));
}

void AmpsPageTest::inputsAndResultsHaveAccessibleNames()
{
    // The host's result and a formula's multiplier are the host's and the formula's own.
    openFormula(1);
    clickPhase(Phase::Three);
    QCOMPARE(host()->resultDisplay()->accessibleName(), QStringLiteral("Amps"));
    QCOMPARE(sub(1)->findChild<QLineEdit*>("multiplier")->accessibleName(),
             QStringLiteral("Multiplier"));
    QVERIFY(host()->resultDisplay()->isReadOnly());
}

QTEST_MAIN(AmpsPageTest)
#include "ampspage_test.moc"
