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
