// The Ground tab: each list drives its own results only, all on cyan.

#include "colorstatic.h"
#include "describedpages.h"
#include "groundpage.h"

#include <QLabel>

using namespace PageDriver;

class GroundPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::Ground); }
    void cleanup() { m_program.finish(); }

    void opensOnTheFirstEntries();
    void eachListDrivesItsOwnResults();
    void activationFocusesTheFirstList();

private:
    GroundPage* page() const
    {
        return qobject_cast<GroundPage*>(m_program->window().page(Tabs::Ground));
    }
    QStringList results() const { return ResultTexts(page()); }

    PageRun m_program;
};

void GroundPageTest::opensOnTheFirstEntries()
{
    QCOMPARE(page()->list("copper")->count(), 22);
    QCOMPARE(page()->list("aluminum")->itemText(21), QStringLiteral("1100 Mill"));
    QCOMPARE(page()->list("rating")->count(), 21);
    QCOMPARE(results(), (QStringList{"8", "6", "14", "12"}));
    QCOMPARE(page()->resultLabel(0)->text(), QStringLiteral("Use Coppper Size"));
    for (int i = 0; i < page()->resultCount(); ++i) {
        QCOMPARE(qobject_cast<ColorStatic*>(page()->result(i))->color(), QColor(0, 255, 255));
    }
}

void GroundPageTest::eachListDrivesItsOwnResults()
{
    page()->list("copper")->setCurrentIndex(13);   // 400 Mill
    page()->list("aluminum")->setCurrentIndex(7);  // 00
    QCOMPARE(results(), (QStringList{"0", "2", "14", "12"}));
    page()->list("rating")->setCurrentIndex(20);  // 6000
    QCOMPARE(results(), (QStringList{"0", "2", "800 MCM", "1200 MCM"}));
    QCOMPARE(page()->report().body(), "COPPER ELECTRODE  0  ALUMINUM ELECTRODE  2  COPPER EQUIP.  "
                                      "800 MCM  ALUMINUM EQUIP.  1200 MCM");
}

void GroundPageTest::activationFocusesTheFirstList()
{
    page()->list("rating")->setFocus();
    m_program->openTab(Tabs::Ground);
    QCOMPARE(Focused(), QStringLiteral("copper"));
}

QTEST_MAIN(GroundPageTest)
#include "groundpage_test.moc"
