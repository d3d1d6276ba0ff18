#include "colorstatic.h"
#include "pagedriver.h"
#include "transformerpage.h"

#include <QLabel>
#include <QScrollBar>

using namespace PageDriver;
using tavo::Phase;
using tavo::PowerUnit;

class TransformerPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensInWattsAndSinglePhase();
    void currents_data();
    void currents();
    void unitNamesTheRating();
    void spinnerPageDownStopsAtZero();
    void activationFocusesTheRating();

private:
    TransformerPage* page() const
    {
        return qobject_cast<TransformerPage*>(m_program->window().page(Tabs::Xformer));
    }
    ValueField* field(const char* name) const { return page()->findChild<ValueField*>(name); }
    ChoiceBoxes* unit() const { return page()->boxes("unit"); }
    ChoiceBoxes* phase() const { return page()->boxes("phase"); }
    // The phase boxes of this page: 1 and 3.
    static constexpr int kSingle = 0;
    static constexpr int kThree = 1;
    QString amps(const char* name) const { return page()->findChild<ColorStatic*>(name)->text(); }

    PageDriver::PageRun m_program;
};

void TransformerPageTest::init()
{
    m_program.start(Tabs::Xformer);
}

void TransformerPageTest::cleanup()
{
    m_program.finish();
}

void TransformerPageTest::opensInWattsAndSinglePhase()
{
    QVERIFY(unit()->box(PowerUnit::Watts)->isChecked());
    QVERIFY(!unit()->box(PowerUnit::Kilo)->isChecked());
    QCOMPARE(phase()->count(), 2);
    QCOMPARE(phase()->box(kSingle)->text(), QStringLiteral("&1"));
    QCOMPARE(phase()->box(kThree)->text(), QStringLiteral("&3"));
    QVERIFY(phase()->box(kSingle)->isChecked());
    QVERIFY(!phase()->box(kThree)->isChecked());
    QCOMPARE(page()->findChild<QLabel*>("ratingLabel")->text(), QStringLiteral("&Watts"));
    QCOMPARE(Focused(), QStringLiteral("rating"));
    QCOMPARE(amps("primaryAmps"), QStringLiteral("0."));
    QCOMPARE(amps("secondaryAmps"), QStringLiteral("0."));
    QCOMPARE(page()->findChild<ColorStatic*>("primaryAmps")->color(), QColor(0, 255, 255));
    QCOMPARE(field("primary")->edit()->accessibleName(), QStringLiteral("Primary Voltage"));
    QCOMPARE(field("secondary")->edit()->accessibleName(), QStringLiteral("Secondary Voltage"));
}

void TransformerPageTest::currents_data()
{
    QTest::addColumn<bool>("kilo");
    QTest::addColumn<bool>("three");
    QTest::addColumn<QString>("rating");
    QTest::addColumn<QString>("ep");
    QTest::addColumn<QString>("es");
    QTest::addColumn<QString>("ip");
    QTest::addColumn<QString>("is");
    QTest::newRow("single phase kilo") << true << false << "10"
                                       << "480"
                                       << "240"
                                       << "20.83333333"
                                       << "41.66666667";
    QTest::newRow("three phase kilo") << true << true << "10"
                                      << "480"
                                      << "208"
                                      << "12.02848345"
                                      << "27.75803873";
    QTest::newRow("no secondary voltage") << true << false << "10"
                                          << "480"
                                          << "0"
                                          << "20.83333333"
                                          << "0.";
    QTest::newRow("no primary voltage") << true << true << "10"
                                        << "0"
                                        << "208"
                                        << "0."
                                        << "0.";
    QTest::newRow("negative rating") << false << false << "-100"
                                     << "480"
                                     << "240"
                                     << "0."
                                     << "0.";
}

void TransformerPageTest::currents()
{
    QFETCH(bool, kilo);
    QFETCH(bool, three);
    QFETCH(QString, rating);
    QFETCH(QString, ep);
    QFETCH(QString, es);
    QFETCH(QString, ip);
    QFETCH(QString, is);
    if (kilo) {
        ClickUnit(unit(), PowerUnit::Kilo);
    }
    if (three) {
        ClickChoice(phase(), kThree);
    }
    Type(field("rating"), rating);
    Type(field("primary"), ep);
    Type(field("secondary"), es);
    m_program->pressEnter();
    QCOMPARE(amps("primaryAmps"), ip);
    QCOMPARE(amps("secondaryAmps"), is);
}

void TransformerPageTest::unitNamesTheRating()
{
    ClickUnit(unit(), PowerUnit::Kilo);
    QCOMPARE(page()->findChild<QLabel*>("ratingLabel")->text(), QStringLiteral("&Kilo"));
    QCOMPARE(field("rating")->edit()->accessibleName(), QStringLiteral("Kilo"));
    QCOMPARE(Focused(), QStringLiteral("rating"));
    ClickUnit(unit(), PowerUnit::Watts);
    QCOMPARE(page()->findChild<QLabel*>("ratingLabel")->text(), QStringLiteral("&Watts"));
}

void TransformerPageTest::spinnerPageDownStopsAtZero()
{
    Type(field("secondary"), "5");
    field("secondary")->spinner()->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(Shown(field("secondary")), QStringLiteral("0."));
    field("rating")->spinner()->triggerAction(QAbstractSlider::SliderToMinimum);
    QCOMPARE(Shown(field("rating")), QStringLiteral("32000."));
}

void TransformerPageTest::activationFocusesTheRating()
{
    field("secondary")->edit()->setFocus();
    field("rating")->edit()->setText("10");
    m_program->openTab(Tabs::Xformer);
    QCOMPARE(Focused(), QStringLiteral("rating"));
    QCOMPARE(amps("primaryAmps"), QStringLiteral("0."));  // no recompute
}

QTEST_MAIN(TransformerPageTest)
#include "transformerpage_test.moc"
