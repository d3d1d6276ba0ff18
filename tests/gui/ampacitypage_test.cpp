// The Ampacity tab: two rows that recompute on any list, "None" where the insulation has no factor.

#include "ampacitypage.h"
#include "colorstatic.h"
#include "describedpages.h"

#include <QLabel>

using namespace PageDriver;

class AmpacityPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::Ampacity); }
    void cleanup() { m_program.finish(); }

    void opensOnTheFirstEntries();
    void everyListRecomputesBothRows();

private:
    AmpacityPage* page() const
    {
        return qobject_cast<AmpacityPage*>(m_program->window().page(Tabs::Ampacity));
    }
    QStringList results() const { return ResultTexts(page()); }

    PageRun m_program;
};

void AmpacityPageTest::opensOnTheFirstEntries()
{
    QCOMPARE(page()->list("cu.size")->count(), 28);
    QCOMPARE(page()->list("al.size")->count(), 27);
    QCOMPARE(page()->list("al.size")->itemText(0), QStringLiteral("12"));
    QCOMPARE(results(), (QStringList{"100.", "1.08", "21.6", "100.", "1.08", "21.6"}));
    QVERIFY(qobject_cast<ColorStatic*>(page()->result(2)));
    QVERIFY(!qobject_cast<ColorStatic*>(page()->result(0)));
    QCOMPARE(page()->result(5)->accessibleName(), QStringLiteral("Aluminum Max. Ampacity"));
    QCOMPARE(page()->list("al.count")->accessibleName(), QStringLiteral("Aluminum # Conductors"));
    QCOMPARE(Focused(), QStringLiteral("cu.size"));  // a click on its tab puts the focus there
}

void AmpacityPageTest::everyListRecomputesBothRows()
{
    page()->list("cu.size")->setCurrentIndex(12);       // 0000
    page()->list("cu.insulation")->setCurrentIndex(2);  // 90 C
    page()->list("cu.count")->setCurrentIndex(3);       // 10-20
    page()->list("cu.ambient")->setCurrentIndex(3);     // 96-104
    QCOMPARE(results().mid(0, 3), (QStringList{"50.", ".91", "118.3"}));
    page()->list("al.ambient")->setCurrentIndex(7);  // 132-140 at 60 C
    QCOMPARE(results(), (QStringList{"50.", ".91", "118.3", "None", "None", "None"}));
    QCOMPARE(page()->report().body(), "COPPER QTY=10-20 SIZE=#0000 INSUL=90 C AMPS=118.3 ALUM "
                                      "QTY=1-3 SIZE=#12 INSUL=60 C AMPS=None");
}

QTEST_MAIN(AmpacityPageTest)
#include "ampacitypage_test.moc"
