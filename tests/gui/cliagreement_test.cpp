// tavo-calc and the window give the same results and reports for the same inputs.

#include "colorstatic.h"
#include "motordatapage.h"
#include "pagedriver.h"
#include "reporttexts.h"
#include "transformerpage.h"

#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QProcess>

using namespace PageDriver;
using tavo::Phase;
using tavo::PowerUnit;

namespace {

using Inputs = QList<QPair<QString, QString>>;

QJsonObject RunCalc(const QString& calculator, const Inputs& inputs)
{
    QStringList arguments{calculator, QStringLiteral("--json")};
    for (const auto& [name, text] : inputs) {
        arguments.append(name + QLatin1Char('=') + text);
    }
    QProcess process;
    process.start(QStringLiteral(TAVO_CALC_PATH), arguments);
    process.waitForFinished(10000);
    return QJsonDocument::fromJson(process.readAllStandardOutput()).object();
}

struct PageState
{
    QJsonObject results;
    QString header;
    QString body;
};

}  // namespace

Q_DECLARE_METATYPE(Inputs)

class CliAgreementTest : public QObject
{
    Q_OBJECT

private slots:
    void formulas_data();
    void formulas();
    void transformer_data();
    void transformer();
    void motorData_data();
    void motorData();

private:
    static void compare(const PageState& page, const QJsonObject& cli);
};

void CliAgreementTest::compare(const PageState& page, const QJsonObject& cli)
{
    QVERIFY2(!cli.isEmpty(), "tavo-calc gave no JSON");
    QCOMPARE(cli["results"].toObject(), page.results);
    QCOMPARE(cli["report"].toObject()["header"].toString(), page.header);
    QCOMPARE(cli["report"].toObject()["body"].toString(), page.body);
}

void CliAgreementTest::formulas_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<int>("mainTab");
    QTest::addColumn<int>("formulaTab");
    QTest::addColumn<int>("phase");
    QTest::addColumn<bool>("kilo");
    QTest::addColumn<Inputs>("inputs");
    QTest::newRow("amps.pe three phase")
        << "amps.pe" << 2 << 1 << 3 << false
        << Inputs{{"watts", "10000"}, {"volts", "208"}, {"pf", "90"}};
    QTest::newRow("amps.pr clamped pf") << "amps.pr" << 2 << 2 << 2 << false
                                        << Inputs{{"watts", "5000"}, {"ohms", "4"}, {"pf", "150"}};
    QTest::newRow("volts.rxi") << "volts.rxi" << 3 << 0 << 0 << false
                               << Inputs{{"ohms", "10"}, {"amps", "12"}};
    QTest::newRow("volts.pr three phase")
        << "volts.pr" << 3 << 2 << 3 << false
        << Inputs{{"watts", "1000"}, {"ohms", "10"}, {"pf", "100"}};
    QTest::newRow("watts.ei kilo") << "watts.ei" << 1 << 0 << 3 << true
                                   << Inputs{{"volts", "480"}, {"amps", "100"}, {"pf", "90"}};
    QTest::newRow("watts.er single") << "watts.er" << 1 << 2 << 1 << false
                                     << Inputs{{"volts", "120"}, {"pf", "5"}, {"ohms", "12"}};
    QTest::newRow("ohms.ep three phase")
        << "ohms.ep" << 4 << 1 << 3 << false
        << Inputs{{"volts", "480"}, {"pf", "90"}, {"watts", "10000"}};
    QTest::newRow("ohms.pi typed text")
        << "ohms.pi" << 4 << 2 << 0 << false << Inputs{{"watts", "100abc"}, {"amps", ".5"}};
    QTest::newRow("motor.amps three phase")
        << "motor.amps" << 0 << 0 << 3 << false
        << Inputs{{"hp", "10"}, {"volts", "460"}, {"efficiency", "90"}, {"pf", "85"}};
    QTest::newRow("motor.hp clamped")
        << "motor.hp" << 0 << 1 << 2 << false
        << Inputs{{"volts", "230"}, {"amps", "10"}, {"efficiency", "5"}, {"pf", "100"}};
}

void CliAgreementTest::formulas()
{
    QFETCH(QString, calculator);
    QFETCH(int, mainTab);
    QFETCH(int, formulaTab);
    QFETCH(int, phase);
    QFETCH(bool, kilo);
    QFETCH(Inputs, inputs);
    ProgramUnderTest program;
    auto* host = qobject_cast<FormulaHostPage*>(program.openTab(mainTab));
    QVERIFY(host);
    OpenFormula(host, formulaTab);
    FormulaPage* page = host->subPage(formulaTab);
    if (host->phaseSelector()->box(Phase::DC)->isEnabled()) {
        ClickPhase(host->phaseSelector(), Phase(phase));
        if (kilo) {
            ClickUnit(host->powerUnitSelector(), PowerUnit::Kilo);
        }
    }
    for (const auto& [name, text] : inputs) {
        Type(page->field(name.toStdString()), text);
    }
    program.pressEnter();
    PageState state;
    state.results[host->findChild<QLabel*>("resultName")->text()] = host->resultDisplay()->text();
    state.header = FromWindows1252(page->report().header());
    state.body = FromWindows1252(page->report().body());
    Inputs all = inputs;
    if (page->formula().usesPower) {
        all.append({"phase", phase == 0 ? QStringLiteral("dc") : QString::number(phase)});
    }
    if (page->formula().usesPower && page->formula().usesPowerUnit) {
        all.append({"unit", kilo ? QStringLiteral("kilo") : QStringLiteral("watts")});
    }
    const QJsonObject cli = RunCalc(calculator, all);
    compare(state, cli);
    // The fields show what the command line says they show.
    const QJsonObject shown = cli["inputs"].toObject();
    for (const auto& [name, text] : inputs) {
        QCOMPARE(Shown(page->field(name.toStdString())), shown[name].toString());
    }
}

void CliAgreementTest::transformer_data()
{
    QTest::addColumn<bool>("kilo");
    QTest::addColumn<bool>("three");
    QTest::addColumn<Inputs>("inputs");
    QTest::newRow("three phase") << true << true
                                 << Inputs{
                                        {"rating", "10"}, {"primary", "480"}, {"secondary", "208"}};
    QTest::newRow("single phase watts")
        << false << false << Inputs{{"rating", "2400"}, {"primary", "240"}, {"secondary", "120"}};
}

void CliAgreementTest::transformer()
{
    QFETCH(bool, kilo);
    QFETCH(bool, three);
    QFETCH(Inputs, inputs);
    ProgramUnderTest program;
    auto* page = qobject_cast<TransformerPage*>(program.openTab(5));
    if (kilo) {
        ClickUnit(page->powerUnitSelector(), PowerUnit::Kilo);
    }
    if (three) {
        ClickPhase(page->phaseSelector(), Phase::Three);
    }
    for (const auto& [name, text] : inputs) {
        Type(page->findChild<ValueField*>(name), text);
    }
    program.pressEnter();
    PageState state;
    state.results["Primary Amps"] = page->findChild<ColorStatic*>("primaryAmps")->text();
    state.results["Secondary Amps"] = page->findChild<ColorStatic*>("secondaryAmps")->text();
    state.header = FromWindows1252(page->report().header());
    state.body = FromWindows1252(page->report().body());
    Inputs all = inputs;
    all.append({QStringLiteral("unit"), kilo ? QStringLiteral("kilo") : QStringLiteral("watts")});
    all.append({QStringLiteral("phase"), three ? QStringLiteral("3") : QStringLiteral("1")});
    compare(state, RunCalc("xformer", all));
}

void CliAgreementTest::motorData_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("volts");
    QTest::newRow("1/2 at 230") << 0 << 230;
    QTest::newRow("7-1/2 at 460") << 7 << 460;
    QTest::newRow("150 at 230") << 19 << 230;
}

void CliAgreementTest::motorData()
{
    QFETCH(int, row);
    QFETCH(int, volts);
    ProgramUnderTest program;
    auto* page = qobject_cast<MotorDataPage*>(program.openTab(9));
    auto* list = page->findChild<QComboBox*>("horsePower");
    list->setCurrentIndex(row);
    ClickBox(page->findChild<SelectorBox*>(volts == 230 ? "volts230" : "volts460"));
    PageState state;
    const QStringList names = {"Motor Amps", "Breaker", "Starter Size", "Heater Amp", "Wire Size"};
    const QStringList objects = {"motorAmps", "breaker", "starterSize", "heaterAmp", "wireSize"};
    for (int i = 0; i < 5; ++i) {
        state.results[names[i]] = page->findChild<ColorStatic*>(objects[i])->text();
    }
    state.header = FromWindows1252(page->report().header());
    state.body = FromWindows1252(page->report().body());
    compare(state,
            RunCalc("motordata", {{"hp", list->currentText()}, {"volts", QString::number(volts)}}));
}

QTEST_MAIN(CliAgreementTest)
#include "cliagreement_test.moc"
