#include "formulahostpage.h"

#include "colorstatic.h"
#include "dialogunits.h"
#include "formula.h"
#include "formulapage.h"
#include "pagemessage.h"
#include "selectors.h"

#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

FormulaHostPage::FormulaHostPage(const PageContext& context, QWidget* parent,
                                 FormulaHostTraits traits)
    : CalculatorPage(context, parent), m_traits(std::move(traits))
{
    const DialogUnits du(this);
    m_resultName = new QLabel(m_traits.resultName, this);
    m_resultName->setObjectName(QStringLiteral("resultName"));
    m_resultName->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (m_traits.sunkenResultName) {
        m_resultName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_resultName->setAlignment(Qt::AlignCenter);
    }
    auto* equals = new QLabel(QStringLiteral("="), this);
    equals->setAlignment(Qt::AlignCenter);
    m_result = m_traits.colorResult ? new ColorStatic(this) : new QLineEdit(this);
    m_result->setObjectName(QStringLiteral("result"));
    m_result->setReadOnly(true);
    m_result->setAlignment(m_traits.resultAlignment | Qt::AlignVCenter);
    m_result->setAccessibleName(m_traits.resultName);
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("formulaTabs"));
    m_tabs->tabBar()->installEventFilter(this);
    m_phase = new PhaseSelector(this, m_traits.wideFormulas ? 4 : 2);
    m_unit = new PowerUnitSelector(this);
    m_unit->setVisible(m_traits.hasPowerUnit);

    if (m_traits.wideFormulas) {
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
        m_phase->setGeometry(du.rect(6, 78, 80, 44));
        m_unit->setGeometry(du.rect(6, 124, 80, 31));
    }
    m_result->setText(QStringLiteral("0."));

    connect(m_phase, &PhaseSelector::clicked, this, &FormulaHostPage::onPhaseClicked);
    connect(m_unit, &PowerUnitSelector::clicked, this, &FormulaHostPage::onUnitClicked);
}

FormulaHostPage::~FormulaHostPage()
{
    // Tabs and selectors go before this page; nothing they emit on the way may reach it.
    m_tabs->disconnect(this);
    m_tabs->tabBar()->removeEventFilter(this);
    m_phase->disconnect(this);
    m_unit->disconnect(this);
}

tavo::PowerChoice FormulaHostPage::powerChoice() const
{
    return {m_phase->phase(), m_unit->unit()};
}

void FormulaHostPage::resetSelectors()
{
    m_phase->setPhase(tavo::Phase::DC);
    m_unit->setUnit(tavo::PowerUnit::Watts);
}

void FormulaHostPage::showResult(const QString& text)
{
    m_result->setText(text);
    m_result->setCursorPosition(0);
}

void FormulaHostPage::setResultName(const QString& name)
{
    if (m_resultName->text() != name) {
        m_resultName->setText(name);
        m_result->setAccessibleName(name);
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

void FormulaHostPage::addFormulaTabs(std::initializer_list<const tavo::FormulaDefinition*> formulas)
{
    QStringList labels;
    for (const tavo::FormulaDefinition* formula : formulas) {
        labels.append(
            QString::fromLatin1(formula->tabLabel.data(), qsizetype(formula->tabLabel.size())));
    }
    showResult(QStringLiteral("0."));
    resetSelectors();
    for (const QString& label : labels) {
        auto* container = new QWidget(m_tabs);
        auto* layout = new QVBoxLayout(container);
        layout->setContentsMargins(0, 0, 0, 0);
        m_tabs->addTab(container, label);
    }
    m_subPages.assign(size_t(labels.size()), nullptr);
    connect(m_tabs, &QTabWidget::currentChanged, this, &FormulaHostPage::switchToTab);
    switchToTab(0);
}

void FormulaHostPage::switchToTab(int tab)
{
    if (tab < 0 || tab >= static_cast<int>(m_subPages.size())) {
        return;
    }
    FormulaPage*& page = m_subPages[size_t(tab)];
    if (!page) {
        page = createSubPage(tab);
        m_tabs->widget(tab)->layout()->addWidget(page);
        page->initialise();
        page->show();
    }
    for (FormulaPage* other : m_subPages) {
        if (other && other != page) {
            SendPageMessage(other, PageMessages::HidePage);
        }
    }
    page->showPage();
    SendPageMessage(page, PageMessages::Activate);
    const bool enabled = !(m_traits.selectorsOffOnFirstTab && tab == 0);
    m_phase->setBoxesEnabled(enabled);
    m_unit->setBoxesEnabled(enabled);
    m_active = tab;
    if (m_traits.recomputeAfterSwitch) {
        page->recomputeFormula();
    }
}

void FormulaHostPage::onTabClicked()
{
    FormulaPage* page = activeSubPage();
    if (!page) {
        return;
    }
    SendPageMessage(page, PageMessages::Activate);
    if (m_traits.recomputeAfterSwitch) {
        page->recomputeFormula();
    }
}

void FormulaHostPage::onPhaseClicked(tavo::Phase phase)
{
    m_phase->setPhase(phase);
    if (FormulaPage* page = activeSubPage()) {
        page->recomputeFormula();
        SendPageMessage(page, PageMessages::Activate);
    }
}

void FormulaHostPage::onUnitClicked(tavo::PowerUnit unit)
{
    m_unit->setUnit(unit);
    if (FormulaPage* page = activeSubPage()) {
        page->recomputeFormula();
        SendPageMessage(page, PageMessages::Activate);
    }
}

void FormulaHostPage::forwardToActive(QEvent::Type type, qintptr wParam, qintptr lParam)
{
    SendPageMessage(activeSubPage(), type, wParam, lParam);
}

void FormulaHostPage::activatePage()
{
    forwardToActive(PageMessages::Activate);
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
    forwardToActive(PageMessages::Registered(PageMessages::kEnterKey));
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
