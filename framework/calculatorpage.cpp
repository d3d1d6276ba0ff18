#include "calculatorpage.h"

#include "accessibility.h"
#include "pagemessage.h"
#include "readingorder.h"

CalculatorPage::CalculatorPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
    PrepareAccessibility();
}

void CalculatorPage::showPage()
{
    show();
    if (m_context.mainWindow) {
        m_context.mainWindow->update();
    }
}

void CalculatorPage::followReadingOrder()
{
    FollowReadingOrder(readingParts());
}

void CalculatorPage::setReport(const tavo::ReportLines& lines)
{
    m_report.setLines(lines);
    m_hasReport = true;
}

void CalculatorPage::saveReport(qintptr autoAdd, qintptr mode)
{
    if (!m_hasReport) {
        m_context.services->prompts->message(this, tr("Nothing to save or add!"));
        return;
    }
    // Save to a file when asked, write the hand-off file in every case, and tell the parent
    // window when the report is to reach the histories: always when added, after a save only
    // with auto-add. The report is the last recompute's, as it stands.
    ReportDesk* desk = m_context.services->reports;
    const bool saved = mode == PageMessages::kSaveToFile && desk->saveCalculation(this, m_report);
    // A report that could not be handed over must not reach the histories as an old one.
    if (desk->writeHandOff(this, m_report) &&
        (mode != PageMessages::kSaveToFile || (saved && autoAdd != 0))) {
        SendPageMessage(reportParent(), PageMessages::Registered(PageMessages::kPassReport));
    }
}

void CalculatorPage::printScreen()
{
    m_context.services->reports->printWindow(m_context.mainWindow);
}

void CalculatorPage::hidePage()
{
    hide();
}

bool CalculatorPage::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type < QEvent::User || type > QEvent::MaxUser) {
        return QWidget::event(event);
    }
    auto* message = dynamic_cast<PageMessage*>(event);
    if (!message) {
        return QWidget::event(event);
    }
    if (type == PageMessages::HidePage) {
        hidePage();
    } else if (type == PageMessages::Activate) {
        activatePage();
    } else if (type == PageMessages::Reset) {
        resetPage();
    } else if (type == PageMessages::PrintScreen) {
        printScreen();
    } else if (type == PageMessages::Registered(PageMessages::kEnterKey)) {
        enterKey();
    } else if (type == PageMessages::Registered(PageMessages::kSaveReport)) {
        saveReport(message->wParam(), message->lParam());
    } else if (!pageMessage(*message)) {
        return QWidget::event(event);
    }
    return true;
}
