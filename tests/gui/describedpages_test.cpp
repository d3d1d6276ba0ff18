// What every page built from a description does alike, checked once over every calculator: the
// Enter cycle, the reset texts, the report through the chain, the names a screen reader reads.

#include "describedpages.h"
#include "reporttexts.h"

#include <QLabel>
#include <QScrollBar>

using namespace PageDriver;

namespace {

// A phase to set on the host of a formula with power, or none to leave the page as it opened.
constexpr int kAsOpened = -1;

// A formula whose host shows the phase.
bool HasHostPhase(const tavo::Calculator& calculator)
{
    return DescribedPlaces().value(UiText(calculator.name)).formulaTab >= 0 &&
           calculator.inputIndex(tavo::kPhaseInput) >= 0;
}

// The opening values, with the host's phase where the formula has one.
tavo::InputValues ValuesIn(const tavo::Calculator& calculator, int phase)
{
    tavo::InputValues values = tavo::OpeningValues(calculator);
    if (HasHostPhase(calculator) && phase >= 0) {
        values[size_t(calculator.inputIndex(tavo::kPhaseInput))].choice = phase;
    }
    return values;
}

// The inputs in the Enter cycle that a user reaches in `phase`, in their order.
QStringList ExpectedCycle(const tavo::Calculator& calculator, int phase)
{
    const tavo::Outcome outcome = tavo::Evaluate(calculator, ValuesIn(calculator, phase));
    QStringList cycle;
    for (size_t i = 0; i < calculator.inputs.size(); ++i) {
        if (calculator.inputs[i].isField() && outcome.presence[i] == tavo::Presence::Shown) {
            cycle.append(UiText(calculator.inputs[i].name));
        }
    }
    return cycle;
}

}  // namespace

class DescribedPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void enterWalksTheCycle_data();
    void enterWalksTheCycle();
    void resetTexts_data();
    void resetTexts();
    void reportReachesTheHistories_data();
    void reportReachesTheHistories();
    void everyControlHasItsName_data();
    void everyControlHasItsName();
    void closedWithAFocusedField_data();
    void closedWithAFocusedField();

private:
    static void everyCalculator();
    DescribedPage* open(const QString& calculator, int phase = kAsOpened);

    PageRun m_program;
};

void DescribedPagesTest::everyCalculator()
{
    QTest::addColumn<QString>("calculator");
    for (const tavo::Calculator* calculator : tavo::TabCalculators()) {
        QTest::newRow(calculator->name.data()) << UiText(calculator->name);
    }
}

DescribedPage* DescribedPagesTest::open(const QString& calculator, int phase)
{
    m_program.start(DescribedPlaces().value(calculator).tab);
    DescribedPage* page = OpenDescribed(*m_program, calculator);
    if (HasHostPhase(page->calculator()) && phase >= 0) {
        ClickChoice(HostOf(page)->phaseSelector(), phase);
    }
    return page;
}

void DescribedPagesTest::enterWalksTheCycle_data()
{
    QTest::addColumn<QString>("calculator");
    QTest::addColumn<int>("phase");
    for (const tavo::Calculator* calculator : tavo::TabCalculators()) {
        const QString name = UiText(calculator->name);
        if (HasHostPhase(*calculator)) {
            QTest::addRow("%s in DC", qPrintable(name)) << name << int(tavo::Phase::DC);
            QTest::addRow("%s single phase", qPrintable(name)) << name << int(tavo::Phase::Single);
        } else {
            QTest::addRow("%s", qPrintable(name)) << name << kAsOpened;
        }
    }
}

void DescribedPagesTest::enterWalksTheCycle()
{
    QFETCH(QString, calculator);
    QFETCH(int, phase);
    DescribedPage* page = open(calculator, phase);
    const QStringList cycle = ExpectedCycle(page->calculator(), phase);
    if (cycle.isEmpty()) {
        // A page without fields has no use for Enter: the focus stays where it is.
        QWidget* before = QApplication::focusWidget();
        m_program->pressEnter();
        QCOMPARE(QApplication::focusWidget(), before);
        m_program.finish();
        return;
    }
    if (page->calculator().converts) {
        // A converter converts from the box that has the focus, which keeps it.
        page->field(cycle.first().toStdString())->edit()->setFocus();
        m_program->pressEnter();
        QCOMPARE(Focused(), cycle.first());
        m_program.finish();
        return;
    }
    // The first field has the focus; Enter goes round the cycle and back to it.
    QCOMPARE(Focused(), cycle.first());
    for (int step = 1; step <= 2 * cycle.size(); ++step) {
        m_program->pressEnter();
        QCOMPARE(Focused(), cycle[step % cycle.size()]);
    }
    m_program.finish();
}

void DescribedPagesTest::resetTexts_data()
{
    everyCalculator();
}

void DescribedPagesTest::resetTexts()
{
    QFETCH(QString, calculator);
    DescribedPage* page = open(calculator, int(tavo::Phase::Single));
    const tavo::Calculator& described = page->calculator();
    for (const tavo::Input& input : described.inputs) {
        if (input.isField()) {
            Type(page->field(input.name), QStringLiteral("50"));
        } else if (page->list(input.name) || page->boxes(input.name)) {
            Choose(page, input, UiText(input.options.back().name));
        }
    }
    m_program->pressEnter();
    Click(m_program->window().findChild<QPushButton*>("reset"));
    tavo::InputValues expected;
    for (const tavo::Input& input : described.inputs) {
        const QString name = UiText(input.name);
        if (input.isField()) {
            const QString text = input.reset ? UiText(*input.reset) : QStringLiteral("50");
            QVERIFY2(Shown(page->field(input.name)) == text, qPrintable(name));
            expected.push_back({text.toStdString()});
            continue;
        }
        const int option =
            input.reset ? input.optionIndex(*input.reset) : int(input.options.size()) - 1;
        if (QComboBox* list = page->list(input.name)) {
            QVERIFY2(list->currentIndex() == option, qPrintable(name));
        } else if (ChoiceBoxes* boxes = page->boxes(input.name)) {
            QVERIFY2(boxes->current() == option, qPrintable(name));
            QVERIFY2(boxes->box(option)->isChecked(), qPrintable(name));
        }
        // The host's choices are the host's: Reset leaves them.
        expected.push_back(
            {{}, BoxesOf(page, input.name) ? BoxesOf(page, input.name)->current() : option});
    }
    // The page recomputed with what Reset gave it.
    const tavo::Outcome outcome = tavo::Evaluate(described, expected);
    QCOMPARE(FromWindows1252(page->report().body()), FromWindows1252(outcome.report.body));
    m_program.finish();
}

void DescribedPagesTest::reportReachesTheHistories_data()
{
    everyCalculator();
}

void DescribedPagesTest::reportReachesTheHistories()
{
    QFETCH(QString, calculator);
    DescribedPage* page = open(calculator, int(tavo::Phase::Three));
    QList<QPair<QString, QString>> inputs;
    int n = 0;
    for (const tavo::Input& input : page->calculator().inputs) {
        if (input.isField()) {
            inputs.append({UiText(input.name), QString::number(12 + 24 * n++)});
        }
    }
    Enter(*m_program, page, inputs);
    const QStringList added = AddToHistories(*m_program);
    QCOMPARE(added, (QStringList{FromWindows1252(page->report().header()),
                                 FromWindows1252(page->report().body())}));
    QVERIFY(!added.first().isEmpty());
    m_program.finish();
}

void DescribedPagesTest::everyControlHasItsName_data()
{
    everyCalculator();
}

void DescribedPagesTest::everyControlHasItsName()
{
    QFETCH(QString, calculator);
    DescribedPage* page = open(calculator, int(tavo::Phase::Single));
    const tavo::Calculator& described = page->calculator();
    const tavo::Outcome outcome =
        tavo::Evaluate(described, ValuesIn(described, int(tavo::Phase::Single)));
    for (size_t i = 0; i < described.inputs.size(); ++i) {
        const tavo::Input& input = described.inputs[i];
        const QString name = UiText(input.name);
        const QString spoken =
            QString::fromStdString(tavo::SpokenName(outcome.labels[i], input.group));
        if (ValueField* field = page->field(input.name)) {
            QCOMPARE(field->objectName(), name);
            QCOMPARE(field->edit()->accessibleName(), spoken);
            QCOMPARE(field->spinner()->accessibleName(), spoken + QStringLiteral(" spinner"));
        } else if (QComboBox* list = page->list(input.name)) {
            QCOMPARE(list->objectName(), name);
            QCOMPARE(list->accessibleName(), spoken);
        } else if (input.kind == tavo::InputKind::Collected) {
            continue;  // gathered by the page's own buttons, shown in its list box
        } else {
            ChoiceBoxes* boxes = BoxesOf(page, input.name);
            QVERIFY2(boxes, qPrintable(name));
            QCOMPARE(boxes->title(), UiText(outcome.labels[i]));
            for (int option = 0; option < boxes->count(); ++option) {
                QVERIFY(boxes->box(option)->text().contains(QLatin1Char('&')));
            }
            continue;
        }
        // A field or a list has its label, with a mnemonic, as its buddy's.
        QLabel* label = page->label(input.name);
        QVERIFY2(label, qPrintable(name));
        QCOMPARE(label->buddy(), page->control(int(i)));
        QVERIFY2(label->text().contains(QLatin1Char('&')), qPrintable(label->text()));
    }
    // Alt and a letter reaches one control only.
    QMap<QChar, QString> mnemonics;
    const auto mnemonic = [&](const QString& text) {
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (at >= 0 && at + 1 < text.size()) {
            const QChar key = text[at + 1].toLower();
            QVERIFY2(!mnemonics.contains(key),
                     qPrintable(text + QStringLiteral(" and ") + mnemonics.value(key)));
            mnemonics[key] = text;
        }
    };
    // Over the whole window: the page's labels and buttons and the window's own buttons.
    QWidget* window = &m_program->window();
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->isVisible() && label->buddy()) {
            mnemonic(label->text());
        }
    }
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->isVisible()) {
            mnemonic(button->text());
        }
    }
    const QMap<QString, QString> results = ShownResults(page);
    for (const tavo::ResultValue& result : outcome.results) {
        QVERIFY2(results.contains(QString::fromStdString(result.name)), result.name.c_str());
    }
    m_program.finish();
}

void DescribedPagesTest::closedWithAFocusedField_data()
{
    everyCalculator();
}

// The window goes while a field has the focus and a typed text: the field's loss of the focus
// must not reach a page, a field or a host that is already going (the sanitizer build checks).
void DescribedPagesTest::closedWithAFocusedField()
{
    QFETCH(QString, calculator);
    DescribedPage* page = open(calculator);
    for (const tavo::Input& input : page->calculator().inputs) {
        if (input.isField()) {
            Type(page->field(input.name), QStringLiteral("12"));
            QCOMPARE(Focused(), UiText(input.name));
            break;
        }
    }
    m_program->close();
    m_program.finish();
}

QTEST_MAIN(DescribedPagesTest)
#include "describedpages_test.moc"
