// The Volt Drop tab: lists refilled by mode and conductor, what is in use in each mode, the DC
// names, the red warning, its own Enter cycle in DC, clamping and Reset.

#include "colorstatic.h"
#include "describedpages.h"
#include "voltdroppage.h"

#include <QLabel>

using namespace PageDriver;

namespace {

QStringList Items(const QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i) {
        items.append(list->itemText(i));
    }
    return items;
}

enum Mode {
    DC,
    SinglePhase,
    ThreePhase,
};

}  // namespace

class VoltDropPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_program.start(Tabs::VoltDrop); }
    void cleanup() { m_program.finish(); }

    void listsFollowModeAndConductor();
    void inUseByMode();
    void dcSetsTheTemperatureBack();
    void warningColours();
    void enterCycleInDc();
    void typedValuesClamped_data();
    void typedValuesClamped();
    void resetGoesBackToSinglePhase();

private:
    VoltDropPage* page() const
    {
        return qobject_cast<VoltDropPage*>(m_program->window().page(Tabs::VoltDrop));
    }
    QComboBox* list(const char* name) const { return page()->list(name); }
    ValueField* field(const char* name) const { return page()->field(name); }
    void choose(Mode mode) const { ClickChoice(page()->boxes("mode"), int(mode)); }
    ColorStatic* coloured(int result) const
    {
        return qobject_cast<ColorStatic*>(page()->result(result));
    }

    PageRun m_program;
};

void VoltDropPageTest::listsFollowModeAndConductor()
{
    QCOMPARE(Items(list("conductor")), (QStringList{"Uncoated Copper", "Aluminum"}));
    QCOMPARE(list("size")->count(), 21);
    list("size")->setCurrentIndex(5);
    // Aluminum starts at "# 12", and the list goes back to its first entry.
    list("conductor")->setCurrentIndex(1);
    QCOMPARE(list("size")->count(), 20);
    QCOMPARE(list("size")->currentText(), QStringLiteral("# 12"));
    QVERIFY(page()->report().body().ends_with("SIZE=# 12 LOWEST=228.90062"));
    choose(DC);
    QCOMPARE(Items(list("conductor")),
             (QStringList{"Uncoated Copper", "Coated Copper", "Aluminum"}));
    QCOMPARE(list("conductor")->currentIndex(), 0);
    QCOMPARE(list("size")->count(), 36);
    QCOMPARE(list("size")->currentText(), QStringLiteral("# 18 Solid"));
    // In DC every conductor has the same sizes, and a new conductor still starts them over.
    list("size")->setCurrentIndex(6);
    list("conductor")->setCurrentIndex(1);
    QCOMPARE(list("size")->currentIndex(), 0);
    QCOMPARE(page()->report().body(), "PHASE=DC VOLTS=230 WIRE=Coated Copper LENGTH=20 AMPS=10 "
                                      "SIZE=# 18 Solid LOWEST=226.768");
    choose(ThreePhase);
    QCOMPARE(Items(list("conductor")), (QStringList{"Uncoated Copper", "Aluminum"}));
    QCOMPARE(list("size")->currentText(), QStringLiteral("# 14"));
    // The conduit is its own: no mode sends it back.
    list("conduit")->setCurrentIndex(2);
    choose(SinglePhase);
    QCOMPARE(list("conduit")->currentIndex(), 2);
}

void VoltDropPageTest::inUseByMode()
{
    const auto enabled = [this](const char* name) {
        return page()->control(page()->calculator().inputIndex(name))->isEnabled();
    };
    QVERIFY(enabled("pf") && enabled("conduit") && !enabled("temperature"));
    QVERIFY(!page()->label("temperature")->isEnabled());
    QCOMPARE(page()->resultLabel(2)->text(), QStringLiteral("Line To Neutral"));
    choose(DC);
    QVERIFY(!enabled("pf") && !enabled("conduit") && enabled("temperature"));
    QCOMPARE(ResultTexts(page()).mid(0, 2), (QStringList{"NA", "NA"}));
    QCOMPARE(page()->resultLabel(2)->text(), QStringLiteral("Volt Drop"));
    QCOMPARE(page()->resultLabel(3)->text(), QStringLiteral("% Volt Drop"));
    QCOMPARE(page()->result(3)->accessibleName(), QStringLiteral("% Volt Drop"));
    choose(ThreePhase);
    QVERIFY(enabled("pf") && enabled("conduit") && !enabled("temperature"));
    QCOMPARE(page()->resultLabel(3)->text(), QStringLiteral("% Neutral Volt Drop"));
    QCOMPARE(page()->result(3)->accessibleName(), QStringLiteral("% Neutral Volt Drop"));
    QCOMPARE(ResultTexts(page()),
             (QStringList{".92335", ".40146", ".53311", ".23179", "229.07665"}));
}

void VoltDropPageTest::dcSetsTheTemperatureBack()
{
    choose(DC);
    Type(field("temperature"), QStringLiteral("20"));
    list("size")->setCurrentIndex(6);  // # 12 Solid
    QCOMPARE(ResultTexts(page())[2], QStringLiteral(".63485"));
    // Leaving DC leaves the field as it was, out of use; coming back sets 75 again.
    choose(SinglePhase);
    QCOMPARE(Shown(field("temperature")), QStringLiteral("20"));
    choose(DC);
    QCOMPARE(Shown(field("temperature")), QStringLiteral("75"));
}

void VoltDropPageTest::warningColours()
{
    const QColor red(255, 0, 0);
    QCOMPARE(coloured(1)->color(), ColorStatic::kCyan);
    Enter(*m_program, page(), {{"length", "400"}, {"amps", "30"}, {"volts", "208"}});
    QCOMPARE(coloured(1)->color(), red);
    QCOMPARE(coloured(3)->color(), red);
    QCOMPARE(coloured(4)->color(), ColorStatic::kCyan);
    QCOMPARE(coloured(1)->palette().color(QPalette::Base), red);
    // In DC the line is not computed: its field stays cyan while the drop is red.
    choose(DC);
    QCOMPARE(coloured(1)->color(), ColorStatic::kCyan);
    QCOMPARE(coloured(3)->color(), red);
    Enter(*m_program, page(), {{"length", "2"}});
    QCOMPARE(coloured(3)->color(), ColorStatic::kCyan);
}

void VoltDropPageTest::enterCycleInDc()
{
    choose(DC);
    QCOMPARE(Focused(), QStringLiteral("length"));
    QStringList visited;
    for (int step = 0; step < 5; ++step) {
        m_program->pressEnter();
        visited.append(Focused());
    }
    // The power factor is out of use in DC, so Enter passes it.
    QCOMPARE(visited, (QStringList{"amps", "temperature", "volts", "length", "amps"}));
}

void VoltDropPageTest::typedValuesClamped_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("pf above") << "pf"
                              << "150"
                              << "100";
    QTest::newRow("pf below") << "pf"
                              << "12"
                              << "30";
    QTest::newRow("negative length") << "length"
                                     << "-5"
                                     << "0";
    QTest::newRow("amps above") << "amps"
                                << "99999"
                                << "32000";
    QTest::newRow("volts inside") << "volts"
                                  << "480"
                                  << "480";
}

void VoltDropPageTest::typedValuesClamped()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Enter(*m_program, page(), {{name, typed}});
    QCOMPARE(Shown(field(qPrintable(name))), shown);
}

void VoltDropPageTest::resetGoesBackToSinglePhase()
{
    choose(DC);
    list("conductor")->setCurrentIndex(2);
    list("size")->setCurrentIndex(20);
    Enter(*m_program, page(), {{"length", "300"}, {"temperature", "40"}, {"volts", "24"}});
    choose(ThreePhase);
    list("conduit")->setCurrentIndex(2);
    Click(m_program->window().findChild<QPushButton*>("reset"));
    QVERIFY(page()->boxes("mode")->box(SinglePhase)->isChecked());
    QCOMPARE(list("conductor")->count(), 2);
    QCOMPARE(list("conductor")->currentIndex(), 0);
    QCOMPARE(list("size")->currentText(), QStringLiteral("# 14"));
    QCOMPARE(list("conduit")->currentText(), QStringLiteral("Steel"));
    for (const auto& [name, text] : {std::pair{"length", "20"},
                                     {"amps", "10"},
                                     {"volts", "230"},
                                     {"pf", "85"},
                                     {"temperature", "75"}}) {
        QCOMPARE(Shown(field(name)), QString::fromLatin1(text));
    }
    QVERIFY(!field("temperature")->edit()->isEnabled());
    QCOMPARE(page()->report().body(), "PHASE=1 VOLTS=230 WIRE=Uncoated Copper LENGTH=20 AMPS=10 "
                                      "SIZE=# 14 LOWEST=228.93062");
}

QTEST_MAIN(VoltDropPageTest)
#include "voltdroppage_test.moc"
