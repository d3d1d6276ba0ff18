// The page framework on a made-up calculator, for what no page of the program uses yet: a list in
// the Enter cycle, an input out of use, a result turning red and renamed, state of the page's own.

#include "colorstatic.h"
#include "describedpage.h"
#include "pagedriver.h"

#include "pagemessage.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

using namespace PageDriver;

namespace {

constexpr tavo::Option kModes[] = {{"ac", "&AC"}, {"dc", "&DC"}};
constexpr tavo::Option kSizes[] = {{"#14"}, {"#12"}, {"#10"}};

// Length, a mode, a size and a power factor; in DC the power factor is out of use, the length
// is in feet and the drop is named "Volt Drop"; a length above 100 shows the drop on red.
const tavo::Calculator kDemo{
    .name = "demo",
    .summary = "A calculator for the framework's tests",
    .inputs = {{.name = "length", .label = "&Length", .opening = "20", .reset = "20", .held = true},
               {.name = "mode",
                .kind = tavo::InputKind::OneOf,
                .label = "Mode",
                .opening = "ac",
                .reset = "ac",
                .options = kModes},
               {.name = "size",
                .kind = tavo::InputKind::Choice,
                .label = "&Size",
                .opening = "#14",
                .reset = "#14",
                .options = kSizes},
               {.name = "pf",
                .kind = tavo::InputKind::Percent,
                .label = "P&F",
                .opening = "85",
                .reset = "85",
                .limits = {100, 30, false}}},
    .results = {{.label = "Drop", .coloured = true}, {.label = "Amps", .group = "Line"}},
    .compute =
        [](const tavo::InputValues& values) {
            const bool dc = values[1].choice == 1;
            tavo::Outcome outcome;
            outcome.labels = {dc ? "&Feet" : ""};
            outcome.presence = {tavo::Presence::Shown, tavo::Presence::Shown, tavo::Presence::Shown,
                                dc ? tavo::Presence::Disabled : tavo::Presence::Shown};
            const double length = tavo::ParseNumber(values[0].text);
            outcome.results = {{.text = values[0].text,
                                .label = dc ? "Volt Drop" : "",
                                .colour = length > 100 ? tavo::kRed : tavo::kCyan},
                               {.text = std::string(kSizes[size_t(values[2].choice)].name)}};
            outcome.report = {"DEMO", "L=" + values[0].text + " PF=" + values[3].text, " "};
            return outcome;
        },
};

// A page with state of its own, as a page that collects selections keeps them: its calculation
// reports it.
class CollectingPage : public DescribedPage
{
public:
    explicit CollectingPage(const PageContext& context) : DescribedPage(context, nullptr, kDemo) {}
    std::string collected = " ";

protected:
    tavo::Outcome evaluate(const tavo::InputValues& values) const override
    {
        tavo::Outcome outcome = DescribedPage::evaluate(values);
        outcome.report.trailer = collected;
        return outcome;
    }
};

}  // namespace

class DescribedPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void buildsEveryKindOfControl();
    void listInTheEnterCycle();
    void inputOutOfUseIsSkippedAndDisabled();
    void resultRenamedAndColoured();
    void heldFieldAndReset();
    void pageStateReachesTheCalculation();

private:
    std::unique_ptr<ProgramUnderTest> m_program;
    std::unique_ptr<CollectingPage> m_page;
};

void DescribedPageTest::init()
{
    m_program = std::make_unique<ProgramUnderTest>();
    m_page =
        std::make_unique<CollectingPage>(PageContext{&m_program->services, &m_program->window()});
    auto* layout = new QVBoxLayout(m_page.get());
    for (const char* input : {"length", "size", "pf"}) {
        layout->addWidget(m_page->label(input));
        layout->addWidget(m_page->control(kDemo.inputIndex(input)));
    }
    layout->addWidget(m_page->boxes("mode"));
    for (int r = 0; r < m_page->resultCount(); ++r) {
        layout->addWidget(m_page->resultLabel(r));
        layout->addWidget(m_page->result(r));
    }
    m_page->show();
    m_page->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->open();
}

void DescribedPageTest::cleanup()
{
    m_page.reset();
    m_program.reset();
}

void DescribedPageTest::buildsEveryKindOfControl()
{
    QCOMPARE(m_page->field("length")->edit()->text(), QStringLiteral("20"));
    QCOMPARE(m_page->list("size")->count(), 3);
    QCOMPARE(m_page->list("size")->currentText(), QStringLiteral("#14"));
    QCOMPARE(m_page->list("size")->accessibleName(), QStringLiteral("Size"));
    QCOMPARE(m_page->label("size")->buddy(), m_page->list("size"));
    QCOMPARE(m_page->boxes("mode")->box(1)->objectName(), QStringLiteral("modeDC"));
    QVERIFY(qobject_cast<PfField*>(m_page->field("pf")));
    QVERIFY(qobject_cast<ColorStatic*>(m_page->result(0)));
    QVERIFY(!qobject_cast<ColorStatic*>(m_page->result(1)));
    QCOMPARE(m_page->result(1)->accessibleName(), QStringLiteral("Line Amps"));
    QCOMPARE(m_page->result(1)->objectName(), QStringLiteral("lineAmps"));
    QCOMPARE(m_page->report().body(), "L=20 PF=85");
    QCOMPARE(Focused(), QStringLiteral("length"));
}

void DescribedPageTest::listInTheEnterCycle()
{
    m_page->setEnterCycle({"length", "size", "pf"});
    for (const char* next : {"size", "pf", "length", "size"}) {
        SendPageMessage(m_page.get(), PageMessages::Registered(PageMessages::kEnterKey));
        QCOMPARE(Focused(), QString::fromLatin1(next));
    }
    // A list chosen from recomputes at once.
    m_page->list("size")->setCurrentIndex(2);
    QCOMPARE(m_page->result(1)->text(), QStringLiteral("#10"));
}

void DescribedPageTest::inputOutOfUseIsSkippedAndDisabled()
{
    ClickChoice(m_page->boxes("mode"), 1);
    // A box click puts the focus on the first field and recomputes.
    QCOMPARE(Focused(), QStringLiteral("length"));
    QVERIFY(!m_page->field("pf")->isEnabled());
    QVERIFY(!m_page->label("pf")->isEnabled());
    QVERIFY(m_page->field("pf")->isVisible());
    QCOMPARE(m_page->label("length")->text(), QStringLiteral("&Feet"));
    QCOMPARE(m_page->field("length")->edit()->accessibleName(), QStringLiteral("Feet"));
    SendPageMessage(m_page.get(), PageMessages::Registered(PageMessages::kEnterKey));
    QCOMPARE(Focused(), QStringLiteral("length"));  // the power factor is passed over
}

void DescribedPageTest::resultRenamedAndColoured()
{
    auto* drop = qobject_cast<ColorStatic*>(m_page->result(0));
    QCOMPARE(drop->color(), QColor(0, 255, 255));
    Type(m_page->field("length"), QStringLiteral("150"));
    m_page->recompute();
    QCOMPARE(drop->color(), QColor(255, 0, 0));
    ClickChoice(m_page->boxes("mode"), 1);
    QCOMPARE(m_page->resultLabel(0)->text(), QStringLiteral("Volt Drop"));
    QCOMPARE(drop->accessibleName(), QStringLiteral("Volt Drop"));
    ClickChoice(m_page->boxes("mode"), 0);
    QCOMPARE(drop->accessibleName(), QStringLiteral("Drop"));
}

void DescribedPageTest::heldFieldAndReset()
{
    Type(m_page->field("length"), QStringLiteral("50000"));
    Type(m_page->field("pf"), QStringLiteral("5"));
    m_page->recompute();
    QCOMPARE(Shown(m_page->field("length")), QStringLiteral("32000"));
    QCOMPARE(Shown(m_page->field("pf")), QStringLiteral("30"));
    m_page->list("size")->setCurrentIndex(1);
    ClickChoice(m_page->boxes("mode"), 1);
    SendPageMessage(m_page.get(), PageMessages::Reset);
    QCOMPARE(Shown(m_page->field("length")), QStringLiteral("20"));
    QCOMPARE(Shown(m_page->field("pf")), QStringLiteral("85"));
    QCOMPARE(m_page->list("size")->currentIndex(), 0);
    QCOMPARE(m_page->boxes("mode")->current(), 0);
    QVERIFY(m_page->field("pf")->isEnabled());
}

void DescribedPageTest::pageStateReachesTheCalculation()
{
    QCOMPARE(m_page->report().trailer(), " ");
    m_page->collected = "3 ADDED";
    m_page->list("size")->setCurrentIndex(1);
    QCOMPARE(m_page->report().trailer(), "3 ADDED");
}

QTEST_MAIN(DescribedPageTest)
#include "describedpage_test.moc"
