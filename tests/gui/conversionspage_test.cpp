// The Conversions tab: each group converts from the box typed into and left, stepped, or holding
// the focus at Enter; a new pair converts again from the side set last; Reset; one report.

#include "conversions.h"
#include "conversionspage.h"
#include "describedpages.h"

#include <QScrollBar>

using namespace PageDriver;

class ConversionsPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::Conversions); }
    void cleanup() { m_program.finish(); }

    void enterConvertsFromTheFocusedBox();
    void leavingATypedBoxConverts();
    void spinnersStepByOne();
    void newPairConvertsFromTheSideSetLast();
    void resetAndReport();

private:
    ConversionsPage* page() const
    {
        return qobject_cast<ConversionsPage*>(m_program->window().page(Tabs::Conversions));
    }
    ValueField* box(int group, const char* name) const { return page()->group(group)->field(name); }
    QString shown(int group, const char* name) const { return Shown(box(group, name)); }
    void step(int group, const char* name, QAbstractSlider::SliderAction action) const
    {
        box(group, name)->spinner()->triggerAction(action);
    }

    PageRun m_program;
};

void ConversionsPageTest::enterConvertsFromTheFocusedBox()
{
    QCOMPARE(Focused(), QStringLiteral("f"));
    QCOMPARE(shown(0, "c"), QStringLiteral("0"));  // opening converts nothing
    m_program->pressEnter();
    QCOMPARE(shown(0, "c"), QStringLiteral("0"));  // nor does Enter on a box not typed into
    Type(box(0, "f"), QStringLiteral("212"));
    m_program->pressEnter();
    QCOMPARE(shown(0, "c"), QStringLiteral("100."));
    QCOMPARE(shown(0, "f"), QStringLiteral("212"));
    QCOMPARE(Focused(), QStringLiteral("f"));
    Type(box(0, "c"), QStringLiteral("-17.7777"));
    m_program->pressEnter();
    QCOMPARE(shown(0, "f"), QStringLiteral("0"));
}

void ConversionsPageTest::leavingATypedBoxConverts()
{
    Type(box(1, "inches"), QStringLiteral("1"));
    box(1, "mils")->edit()->setFocus();
    QCOMPARE(shown(1, "mils"), QStringLiteral("1000."));
    QCOMPARE(shown(1, "mm"), QStringLiteral("25.4"));
    // Passing through a box without typing converts nothing.
    box(1, "mm")->edit()->setFocus();
    QCOMPARE(shown(1, "inches"), QStringLiteral("1"));
    Type(box(3, "width"), QStringLiteral("250"));
    Type(box(3, "thickness"), QStringLiteral("1000"));
    box(3, "diameter")->edit()->setFocus();
    QCOMPARE(page()->group(3)->result(1)->text(), QStringLiteral("318309.142"));
    QCOMPARE(page()->group(3)->result(1)->accessibleName(), QStringLiteral("CM Bus Bar"));
}

void ConversionsPageTest::spinnersStepByOne()
{
    Type(box(0, "f"), QStringLiteral("-459"));
    step(0, "f", QAbstractSlider::SliderSingleStepAdd);  // down
    QCOMPARE(shown(0, "f"), QStringLiteral("-459."));
    QCOMPARE(shown(0, "c"), QStringLiteral("-272.778"));
    step(0, "c", QAbstractSlider::SliderSingleStepSub);  // up
    QCOMPARE(shown(0, "c"), QStringLiteral("-271.778"));
    QCOMPARE(shown(0, "f"), QStringLiteral("-457.2"));
    // Lengths never step below 0.
    step(1, "mils", QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(shown(1, "mils"), QStringLiteral("0"));
    step(1, "mils", QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(shown(1, "mils"), QStringLiteral("1."));
    QCOMPARE(shown(1, "inches"), QStringLiteral(".001"));
    step(3, "diameter", QAbstractSlider::SliderSingleStepSub);
    QCOMPARE(page()->group(3)->result(0)->text(), QStringLiteral("1."));
}

void ConversionsPageTest::newPairConvertsFromTheSideSetLast()
{
    DescribedPage* metric = page()->group(2);
    Type(box(2, "right"), QStringLiteral("254"));
    m_program->pressEnter();
    QCOMPARE(shown(2, "left"), QStringLiteral("10."));
    Choose(metric, tavo::kConvertMetric.inputs[0], QStringLiteral("Feet <> Meters"));
    QCOMPARE(metric->result(0)->text(), QStringLiteral("Feet"));
    QCOMPARE(metric->result(1)->text(), QStringLiteral("Meters"));
    QCOMPARE(shown(2, "left"), QStringLiteral("833.333"));  // 254 m x 3.28084
}

void ConversionsPageTest::resetAndReport()
{
    Type(box(0, "f"), QStringLiteral("212"));
    Type(box(1, "inches"), QStringLiteral("1"));
    Type(box(2, "left"), QStringLiteral("2"));
    Choose(page()->group(2), tavo::kConvertMetric.inputs[0], QStringLiteral("Ounces <> Grams"));
    Type(box(3, "diameter"), QStringLiteral("100"));
    m_program->pressEnter();
    const QStringList added = AddToHistories(*m_program);
    QCOMPARE(added,
             (QStringList{"CONVERT ", "F=212 C=100. Ounces=2 Grams=56.699 Mils=1000. MM=25.4 "
                                      "In.=1 Rnd=10000. Bar=0"}));
    Click(m_program->window().findChild<QPushButton*>("reset"));
    for (int group = 0; group < 4; ++group) {
        for (const tavo::Input& input : page()->group(group)->calculator().inputs) {
            if (input.isField()) {
                QCOMPARE(Shown(page()->group(group)->field(input.name)), UiText(*input.reset));
            }
        }
    }
    QCOMPARE(page()->group(2)->result(0)->text(), QStringLiteral("Inches"));
    QCOMPARE(page()->group(3)->result(0)->text(), QStringLiteral("0"));
}

QTEST_MAIN(ConversionsPageTest)
#include "conversionspage_test.moc"
