#include "formulahostpage.h"

#include "choiceboxes.h"
#include "colorstatic.h"
#include "dialogunits.h"
#include "formula.h"
#include "pagemessage.h"
#include "pagewidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

bool HasInput(const tavo::Calculator& formula, std::string_view name)
{
    return formula.inputIndex(name) >= 0;
}

}  // namespace

FormulaHostPage::FormulaHostPage(const PageContext& context, QWidget* parent,
                                 const FormulaHostDefinition& definition)
    : CalculatorPage(context, parent), m_definition(definition)
{
    setObjectName(QString::fromLatin1(definition.objectName));
    for (const FormulaTab& tab : definition.tabs) {
        const tavo::Calculator* formula = tavo::FindCalculator(tab.formula);
        Q_ASSERT_X(formula, "FormulaHostPage", "a tab names a calculator that is not described");
        m_formulas.push_back(formula);
    }
    const DialogUnits du(this);
    const tavo::Result& result = m_formulas.front()->results.front();
    m_resultName = new QLabel(UiText(result.label), this);
    m_resultName->setObjectName(QStringLiteral("resultName"));
    m_resultName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (definition.sunkenResultName) {
        m_resultName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_resultName->setAlignment(Qt::AlignCenter);
    }
    auto* equals = new QLabel(QStringLiteral("="), this);
    equals->setAlignment(Qt::AlignCenter);
    m_result = MakeResultDisplay(this, m_resultName->text(), result.coloured);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setAlignment(definition.resultAlignment | Qt::AlignVCenter);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("formulaTabs"));
    m_tabs->tabBar()->installEventFilter(this);
    m_phase = new ChoiceBoxes(tavo::kPhaseChoice, this, definition.wideFormulas ? 4 : 2);
    m_unit = new ChoiceBoxes(tavo::kPowerUnitChoice, this);
    m_unit->setVisible(std::any_of(m_formulas.begin(), m_formulas.end(), [](auto* formula) {
        return HasInput(*formula, tavo::kPowerUnitInput);
    }));

    if (definition.wideFormulas) {
        // Long formulas: the Phase group at the top right, the formulas across the page and the
        // result under them.
        m_phase->setGeometry(du.rect(196, 0, 160, 34));
        m_tabs->setGeometry(du.rect(6, 36, 350, 98));
        m_resultName->setGeometry(du.rect(96, 140, 82, 12));
        equals->setGeometry(du.rect(180, 140, 8, 12));
        m_result->setGeometry(du.rect(190, 139, 70, 13));
    } else {
        m_resultName->setGeometry(du.rect(112, 58, 62, 12));
        equals->setGeometry(du.rect(176, 58, 8, 12));
        m_result->setGeometry(du.rect(186, 57, 60, 13));
        m_tabs->setGeometry(du.rect(92, 82, 246, 73));
        // The Watt/Kilo group is as high as its title, frame and one whole row of boxes, and
        // ends with the formulas.
        m_phase->setGeometry(du.rect(6, 76, 80, 44));
        m_unit->setGeometry(du.rect(6, 121, 80, 34));
    }
    m_result->setText(QStringLiteral("0."));

    for (ChoiceBoxes* selector : {m_phase, m_unit}) {
        connect(selector, &ChoiceBoxes::clicked, this,
                [this, selector](int option) { onSelectorClicked(selector, option); });
    }
    for (const FormulaTab& tab : definition.tabs) {
        auto* container = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(container, UiText(tab.label));
    }
    m_subPages.assign(definition.tabs.size(), nullptr);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FormulaHostPage::switchToTab);
    switchToTab(0);
}

FormulaHostPage::~FormulaHostPage()
{
    // Tabs and selectors go before this page; nothing they emit on the way may reach it.
    m_tabs->disconnect(this);
    m_tabs->tabBar()->removeEventFilter(this);
    m_phase->disconnect(this);
    m_unit->disconnect(this);
    // A formula tab recomputes when its field loses the focus, and shows the outcome here: it
    // goes while this page is still whole.
    for (FormulaPage*& page : m_subPages) {
        delete page;
        page = nullptr;
    }
}

QList<QWidget*> FormulaHostPage::readingParts()
{
    // Long formulas: Phase at the top, the formulas, the result under them. Otherwise the
    // result at the top, then the column of Phase and Watt/Kilo, then the formulas beside it.
    if (m_definition.wideFormulas) {
        return {m_phase, m_tabs, m_result};
    }
    return {m_result, m_phase, m_unit, m_tabs};
}

tavo::PowerChoice FormulaHostPage::powerChoice() const
{
    return {static_cast<tavo::Phase>(m_phase->current()),
            static_cast<tavo::PowerUnit>(m_unit->current())};
}

void FormulaHostPage::showOutcome(const tavo::Outcome& outcome)
{
    const tavo::ResultValue& result = outcome.results.front();
    m_result->setText(QString::fromStdString(result.text));
    m_result->setCursorPosition(0);
    const QString name = UiText(result.label);
    if (m_resultName->text() != name) {
        m_resultName->setText(name);
        m_result->setAccessibleName(QString::fromStdString(result.name));
    }
}

FormulaPage* FormulaHostPage::subPage(int tab) const
{
    return tab >= 0 && tab < static_cast<int>(m_subPages.size()) ? m_subPages[size_t(tab)]
                                                                 : nullptr;
}

FormulaPage* FormulaHostPage::activeSubPage() const
{
    return subPage(m_active);
}

void FormulaHostPage::switchToTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(m_subPages.size())) {
        return;
    }
    const FormulaTab& entry = m_definition.tabs[size_t(tab)];
    const tavo::Calculator& formula = *m_formulas[size_t(tab)];
    FormulaPage*& page = m_subPages[size_t(tab)];
    if (!page) {
        // A formula's first visit starts in DC and Watts, whatever another tab chose.
        m_phase->setCurrent(static_cast<int>(tavo::Phase::DC));
        m_unit->setCurrent(static_cast<int>(tavo::PowerUnit::Watts));
        QWidget* container = m_tabs->widget(tab);
        page = entry.create ? entry.create(context(), *this, container, formula)
                            : new FormulaPage(context(), *this, container, formula);
        page->layOut(entry.layout);
        container->layout()->addWidget(page);
        page->open();
        page->show();
        followReadingOrder();  // the new formula's fields after the row of tabs
    }
    for (FormulaPage* other : m_subPages) {
        if (other && other != page) {
            SendPageMessage(other, PageMessages::HidePage);
        }
    }
    page->showPage();
    activate(page);
    // A formula without power works in DC only: the choices are out of use while it is shown.
    const bool powered = HasInput(formula, tavo::kPhaseInput);
    m_phase->setBoxesEnabled(powered);
    m_unit->setBoxesEnabled(powered);
    m_active = tab;
    if (m_definition.recomputeAfterSwitch) {
        page->recompute();
    }
}

void FormulaHostPage::activate(FormulaPage* page)
{
    if (!page) {
        return;
    }
    SendPageMessage(page, PageMessages::Activate);
    if (m_definition.recomputeOnActivate) {
        page->recompute();
    }
}

void FormulaHostPage::onTabClicked()
{
    FormulaPage* page = activeSubPage();
    activate(page);
    if (page && m_definition.recomputeAfterSwitch) {
        page->recompute();
    }
}

void FormulaHostPage::onSelectorClicked(ChoiceBoxes* selector, int option)
{
    selector->setCurrent(option);
    if (FormulaPage* page = activeSubPage()) {
        page->recompute();
        activate(page);
    }
}

void FormulaHostPage::forwardToActive(QEvent::Type type, qintptr wParam, qintptr lParam)
{
    SendPageMessage(activeSubPage(), type, wParam, lParam);
}

void FormulaHostPage::activatePage()
{
    activate(activeSubPage());
}

void FormulaHostPage::resetPage()
{
    forwardToActive(PageMessages::Reset);
}

void FormulaHostPage::printScreen()
{
    forwardToActive(PageMessages::PrintScreen);
}

void FormulaHostPage::enterKey()
{
    forwardToActive(PageMessages::Registered(PageMessages::kEnterKey),
                    PageMessages::kEnterCharacter);
}

void FormulaHostPage::saveReport(qintptr autoAdd, qintptr mode)
{
    FormulaPage* page = activeSubPage();
    if (page && page->isVisibleTo(this)) {
        SendPageMessage(page, PageMessages::Registered(PageMessages::kSaveReport), autoAdd, mode);
    }
}

bool FormulaHostPage::pageMessage(PageMessage& message)
{
    if (message.type() == PageMessages::Registered(PageMessages::kPassReport)) {
        SendPageMessage(context().mainWindow, message.type(), 0, message.lParam());
        return true;
    }
    return false;
}

bool FormulaHostPage::eventFilter(QObject* watched, QEvent* event)
{
    // A click on the inner tabs, after any change of tab that the press made.
    if (watched == m_tabs->tabBar() && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            m_tabs->tabBar()->tabAt(mouse->position().toPoint()) >= 0) {
            onTabClicked();
        }
    }
    return CalculatorPage::eventFilter(watched, event);
}
