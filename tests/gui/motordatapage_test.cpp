#include "colorstatic.h"
#include "motordatapage.h"
#include "pagedriver.h"

#include <QComboBox>

using namespace PageDriver;

class MotorDataPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheFirstRowAt230();
    void rows_data();
    void rows();
    void activationFocusesTheList();

private:
    MotorDataPage* page() const
    {
        return qobject_cast<MotorDataPage*>(m_program->window().page(Tabs::MotorData));
    }
    QComboBox* list() const { return page()->findChild<QComboBox*>("hp"); }
    QStringList results() const;
    void choose(const QString& horsePower, int volts);

    PageDriver::PageRun m_program;
};

void MotorDataPageTest::init()
{
    m_program.start(Tabs::MotorData);
}

void MotorDataPageTest::cleanup()
{
    m_program.finish();
}

QStringList MotorDataPageTest::results() const
{
    QStringList texts;
    for (const char* name : {"motorAmps", "breaker", "starterSize", "heaterAmp", "wireSize"}) {
        texts.append(page()->findChild<ColorStatic*>(name)->text());
    }
    return texts;
}

void MotorDataPageTest::choose(const QString& horsePower, int volts)
{
    list()->setCurrentIndex(list()->findText(horsePower));
    ClickBox(page()->findChild<SelectorBox*>(volts == 230 ? "volts230" : "volts460"));
}

void MotorDataPageTest::opensOnTheFirstRowAt230()
{
    QCOMPARE(list()->count(), 20);
    QCOMPARE(list()->itemText(0), QStringLiteral("1/2"));
    QCOMPARE(list()->itemText(7), QStringLiteral("7-1/2"));
    QCOMPARE(list()->itemText(19), QStringLiteral("150"));
    QCOMPARE(list()->currentIndex(), 0);
    QVERIFY(page()->findChild<SelectorBox*>("volts230")->isChecked());
    QVERIFY(!page()->findChild<SelectorBox*>("volts460")->isChecked());
    QCOMPARE(page()->findChild<SelectorBox*>("volts460")->text().remove('&'),
             QStringLiteral("460 "));
    QCOMPARE(results(), (QStringList{"2", "15", "00", "3", "12"}));
}

void MotorDataPageTest::rows_data()
{
    QTest::addColumn<QString>("hp");
    QTest::addColumn<int>("volts");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("150 HP at 230")
        << "150" << 230 << QStringList{"360", "600", "6", "450", "700MCM"};
    QTest::newRow("150 HP at 460") << "150" << 460 << QStringList{"180", "300", "5", "225", "0000"};
    QTest::newRow("7-1/2 HP at 460") << "7-1/2" << 460 << QStringList{"11", "30", "1", "15", "12"};
    QTest::newRow("7-1/2 HP at 230") << "7-1/2" << 230 << QStringList{"22", "40", "1", "30", "10"};
    QTest::newRow("100 HP at 230")
        << "100" << 230 << QStringList{"248", "400", "5", "300", "350MCM"};
}

void MotorDataPageTest::rows()
{
    QFETCH(QString, hp);
    QFETCH(int, volts);
    QFETCH(QStringList, expected);
    choose(hp, volts);
    QCOMPARE(results(), expected);
    QCOMPARE(page()->boxes("volts")->current(), volts == 230 ? 0 : 1);
}

void MotorDataPageTest::activationFocusesTheList()
{
    m_program->openTab(Tabs::MotorData);
    QCOMPARE(Focused(), QStringLiteral("hp"));
}

QTEST_MAIN(MotorDataPageTest)
#include "motordatapage_test.moc"
