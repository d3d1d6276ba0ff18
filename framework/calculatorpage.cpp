#include "calculatorpage.h"

#include "pagemessage.h"

CalculatorPage::CalculatorPage(const PageContext& context, QWidget* parent)
    : QWidget(parent), m_context(context)
{
}

void CalculatorPage::showPage()
{
    show();
    if (m_context.mainWindow) {
        m_context.mainWindow->update();
    }
}

void CalculatorPage::deliverReport(const tavo::ReportText& report, qintptr autoAdd, qintptr mode)
{
    ReportDesk* desk = m_context.services->reports;
    const bool saved = mode == 0 && desk->saveCalculation(this, report);
    // A report that could not be handed over must not reach the histories as an old one.
    if (desk->writeHandOff(this, report) && (mode != 0 || (saved && autoAdd != 0))) {
        SendPageMessage(reportParent(), PageMessages::Registered(PageMessages::kPassReport));
    }
}

void CalculatorPage::printMainWindow()
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
