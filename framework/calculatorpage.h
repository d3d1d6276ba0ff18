#pragma once

// The contract between the main window and every tab page: the page messages arrive through
// event() and are handed to the virtual handlers below; a page overrides what it has a use for.

#include "services.h"

#include <QWidget>

class PageMessage;

class CalculatorPage : public QWidget
{
    Q_OBJECT

public:
    CalculatorPage(const PageContext& context, QWidget* parent);

    // Makes the page visible and has the main window repaint around it.
    virtual void showPage();

    const PageContext& context() const { return m_context; }

protected:
    bool event(QEvent* event) override;

    virtual void hidePage();
    virtual void activatePage() {}
    virtual void resetPage() {}
    virtual void printScreen() {}
    virtual void enterKey() {}
    virtual void saveReport(qintptr /*autoAdd*/, qintptr /*mode*/) {}
    // Registered messages other than the ones above; true when handled.
    virtual bool pageMessage(PageMessage& /*message*/) { return false; }

private:
    PageContext m_context;
};
