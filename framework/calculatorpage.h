#pragma once

// The contract between the main window and every tab page: the page messages arrive through
// event() and are handed to the virtual handlers below; a page overrides what it has a use for.

#include "services.h"

#include <QWidget>

class PageMessage;

namespace tavo {
class ReportText;
}

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

    // The page side of a report request: save it to a file when `mode` is 0, write the hand-off
    // file in every case, and tell the parent window when the report is to reach the
    // histories (always for mode 1, for a save only with `autoAdd`).
    void deliverReport(const tavo::ReportText& report, qintptr autoAdd, qintptr mode);
    // Prints a picture of the main window.
    void printMainWindow();
    // The window told of a report for the histories: the main window for a tab page.
    virtual QObject* reportParent() const { return parentWidget(); }

private:
    PageContext m_context;
};
