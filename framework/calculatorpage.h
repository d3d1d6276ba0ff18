#pragma once

// The contract between the main window and every tab page: the page messages arrive through
// event() and are handed to the virtual handlers below; a page overrides what it has a use for.

#include "dialogunits.h"
#include "reporttext.h"
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

    // Where the main window's emblem sits, at the top left of every page; a page keeps its own
    // controls out of it.
    static QRect EmblemArea(const DialogUnits& du) { return du.rect(6, 0, 37, 33); }
    // How far a page with `margin` to its left edge indents what shares the emblem's height.
    static int EmblemIndent(const DialogUnits& du, int margin)
    {
        return EmblemArea(du).right() + 1 + du.x(3) - margin;
    }
    // How far a page with `margin` above moves what starts under the emblem.
    static int EmblemDrop(const DialogUnits& du, int margin)
    {
        return EmblemArea(du).bottom() + 1 + du.y(2) - margin;
    }

    // Has Tab walk the page in its reading order; called once the page is built.
    void followReadingOrder();

    const PageContext& context() const { return m_context; }
    // The report of the page's last recompute, as a save or Add To Histories hands it over.
    const tavo::ReportText& report() const { return m_report; }

protected:
    bool event(QEvent* event) override;

    virtual void hidePage();
    virtual void activatePage() {}
    virtual void resetPage() {}
    // Prints a picture of the main window.
    virtual void printScreen();
    virtual void enterKey() {}
    // Hands over the report of the last recompute; a page that has none says so.
    virtual void saveReport(qintptr autoAdd, qintptr mode);
    // Registered messages other than the ones above; true when handled.
    virtual bool pageMessage(PageMessage& /*message*/) { return false; }

    // Kept at every recompute.
    void setReport(const tavo::ReportLines& lines);
    // The page's parts in reading order: the page itself, read along its layout, unless a page
    // placed by hand says otherwise.
    virtual QList<QWidget*> readingParts() { return {this}; }
    // The window told of a report for the histories: the main window for a tab page.
    virtual QObject* reportParent() const { return parentWidget(); }

private:
    PageContext m_context;
    tavo::ReportText m_report;
    bool m_hasReport = false;
};
