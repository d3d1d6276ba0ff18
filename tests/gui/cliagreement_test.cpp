// tavo-calc and the window give the same results, reports and shown inputs for the same inputs,
// for every calculator that has a page.

#include "colorstatic.h"
#include "describedpages.h"
#include "reporttexts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QProcess>

using namespace PageDriver;

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

}  // namespace

Q_DECLARE_METATYPE(Inputs)

class CliAgreementTest : public QObject
{
    Q_OBJECT

private slots:
    void everyCalculatorHasAPage();
    void sameTexts_data();
    void sameTexts();
};

void CliAgreementTest::everyCalculatorHasAPage()
{
    for (const tavo::Calculator* calculator : tavo::TabCalculators()) {
        QVERIFY2(DescribedPlaces().contains(UiText(calculator->name)), calculator->name.data());
    }
    QCOMPARE(DescribedPlaces().size(), qsizetype(tavo::TabCalculators().size()));
}

void CliAgreementTest::sameTexts_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<Inputs>("inputs");
    // Every calculator as it opens, and with every field and choice set.
    for (const tavo::Calculator* calculator : tavo::TabCalculators()) {
        const QString name = UiText(calculator->name);
        QTest::addRow("%s opening", qPrintable(name)) << name << Inputs{};
        Inputs all;
        int n = 0;
        for (const tavo::Input& input : calculator->inputs) {
            if (input.isField()) {
                all.append({UiText(input.name), QString::number(7 + 31 * n++)});
            } else if (input.isChoice()) {
                all.append({UiText(input.name), UiText(input.options.back().name)});
            }
        }
        QTest::addRow("%s all set", qPrintable(name)) << name << all;
    }
    QTest::newRow("amps.pe three phase")
        << "amps.pe" << Inputs{{"watts", "10000"}, {"volts", "208"}, {"pf", "90"}, {"phase", "3"}};
    QTest::newRow("amps.pr clamped pf")
        << "amps.pr" << Inputs{{"watts", "5000"}, {"ohms", "4"}, {"pf", "150"}, {"phase", "2"}};
    QTest::newRow("volts.pr three phase")
        << "volts.pr" << Inputs{{"watts", "1000"}, {"ohms", "10"}, {"pf", "100"}, {"phase", "3"}};
    QTest::newRow("watts.ei kilo")
        << "watts.ei"
        << Inputs{
               {"volts", "480"}, {"amps", "100"}, {"pf", "90"}, {"phase", "3"}, {"unit", "kilo"}};
    QTest::newRow("watts.er single pf below")
        << "watts.er" << Inputs{{"volts", "120"}, {"pf", "5"}, {"ohms", "12"}, {"phase", "1"}};
    QTest::newRow("ohms.ep three phase")
        << "ohms.ep" << Inputs{{"volts", "480"}, {"pf", "90"}, {"watts", "10000"}, {"phase", "3"}};
    QTest::newRow("ohms.pi typed text") << "ohms.pi" << Inputs{{"watts", "100abc"}, {"amps", ".5"}};
    QTest::newRow("motor.amps three phase")
        << "motor.amps"
        << Inputs{
               {"hp", "10"}, {"volts", "460"}, {"efficiency", "90"}, {"pf", "85"}, {"phase", "3"}};
    QTest::newRow("motor.hp clamped") << "motor.hp"
                                      << Inputs{{"volts", "230"},
                                                {"amps", "10"},
                                                {"efficiency", "5"},
                                                {"pf", "100"},
                                                {"phase", "2"}};
    QTest::newRow("xformer three phase kilo") << "xformer"
                                              << Inputs{{"rating", "10"},
                                                        {"unit", "kilo"},
                                                        {"phase", "3"},
                                                        {"primary", "480"},
                                                        {"secondary", "208"}};
    QTest::newRow("xformer single phase watts")
        << "xformer" << Inputs{{"rating", "2400"}, {"primary", "240"}, {"secondary", "120"}};
    QTest::newRow("voltdrop dc at 20 degrees")
        << "voltdrop"
        << Inputs{{"mode", "dc"}, {"size", "# 12 Solid"}, {"temperature", "20"}, {"amps", "15"}};
    QTest::newRow("voltdrop aluminum in steel")
        << "voltdrop" << Inputs{{"conductor", "Aluminum"}, {"size", "# 12"}, {"conduit", "Steel"}};
    QTest::newRow("voltdrop three phase red")
        << "voltdrop" << Inputs{{"mode", "3"}, {"length", "400"}, {"amps", "30"}, {"volts", "208"}};
    QTest::newRow("voltdrop no volts")
        << "voltdrop" << Inputs{{"volts", "0"}, {"length", "100"}, {"pf", "150"}};
    QTest::newRow("conduit selections")
        << "conduit"
        << Inputs{{"conduit", "Rigid Metal"},
                  {"add", "5,14,THHN;12,12,THW;120,10,THHN;0,8,RHH"},
                  {"wire", "8"},
                  {"insulation", "XHHW"},
                  {"count", "3"}};
    QTest::newRow("conduit too many") << "conduit"
                                      << Inputs{{"add", "3,1000 Mill,RHH"},
                                                {"wire", "1000 Mill"},
                                                {"insulation", "RHH"},
                                                {"count", "1"}};
    QTest::newRow("conduit EB gaps")
        << "conduit" << Inputs{{"conduit", "PVC Type EB"}, {"wire", "500 Mill"}, {"count", "2"}};
    QTest::newRow("boxfill selections") << "boxfill"
                                        << Inputs{{"box", "4-11/16 x 2-1/8 Square"},
                                                  {"add", "3,14;120,10"},
                                                  {"wire", "6"},
                                                  {"count", "2"}};
    QTest::newRow("boxfill typed wire") << "boxfill" << Inputs{{"wire", "7"}, {"count", "2"}};
    QTest::newRow("motordata 7-1/2 at 460")
        << "motordata" << Inputs{{"hp", "7-1/2"}, {"volts", "460"}};
}

void CliAgreementTest::sameTexts()
{
    QFETCH(QString, calculator);
    QFETCH(Inputs, inputs);
    ProgramUnderTest program;
    DescribedPage* page = OpenDescribed(program, calculator);
    QVERIFY(page);
    Enter(program, page, inputs);
    const QJsonObject cli = RunCalc(calculator, InUse(page, inputs));
    QVERIFY2(!cli.isEmpty(), "tavo-calc gave no JSON");
    const QMap<QString, QString> shown = ShownResults(page);
    const QJsonObject results = cli["results"].toObject();
    QVERIFY(!results.isEmpty());
    for (auto result = results.begin(); result != results.end(); ++result) {
        QVERIFY2(shown.contains(result.key()), qPrintable(result.key()));
        QCOMPARE(shown[result.key()], result.value().toString());
    }
    // The list box holds the lines the command line lists.
    if (cli.contains("list")) {
        QStringList lines;
        for (const QJsonValue line : cli["list"].toArray()) {
            lines.append(line.toString());
        }
        QCOMPARE(ListLines(page), lines);
    }
    // Every result shown on a colour, on the colour the command line names.
    const QJsonObject colours = cli["colors"].toObject();
    for (const ColorStatic* display : ResultsPage(page)->findChildren<ColorStatic*>()) {
        const QString name = display->accessibleName();
        QVERIFY2(colours.contains(name), qPrintable(name));
        const QString colour = display->color() == QColor(255, 0, 0)    ? QStringLiteral("red")
                               : display->color() == ColorStatic::kCyan ? QStringLiteral("cyan")
                                                                        : display->color().name();
        QCOMPARE(colour, colours[name].toString());
    }
    QCOMPARE(colours.size(), qsizetype(ResultsPage(page)->findChildren<ColorStatic*>().size()));
    const QJsonObject report = cli["report"].toObject();
    QCOMPARE(FromWindows1252(page->report().header()), report["header"].toString());
    QCOMPARE(FromWindows1252(page->report().body()), report["body"].toString());
    QCOMPARE(FromWindows1252(page->report().trailer()), report["trailer"].toString());
    // The fields show what the command line says they show.
    const QJsonObject fields = cli["inputs"].toObject();
    for (const tavo::Input& input : page->calculator().inputs) {
        if (input.isField()) {
            QCOMPARE(Shown(page->field(input.name)), fields[UiText(input.name)].toString());
        }
    }
}

QTEST_MAIN(CliAgreementTest)
#include "cliagreement_test.moc"
