#pragma once

// The Conduit tab: conductors added to a Selection List with "More Conductors", the smallest
// trade size of the chosen conduit that holds them, a warning while none does, and the printed
// selection report.

#include "conduitfill.h"
#include "describedpage.h"
#include "toomanyconductorsdialog.h"

#include <QPointer>

class QPushButton;

class ConduitFillPage : public DescribedPage
{
    Q_OBJECT

public:
    ConduitFillPage(const PageContext& context, QWidget* parent);

    const tavo::ConduitSelections& selections() const { return m_selections; }
    // The open warning, hidden or not; null when none is open.
    TooManyConductorsDialog* tooManyWarning() const { return m_tooMany.data(); }

protected:
    void display(const tavo::Outcome& outcome) override;
    bool spinnerAllowed() const override { return !m_tooMany; }
    void resetPage() override;
    void enterKey() override;

private:
    void addSelection();

    tavo::ConduitSelections m_selections;
    QPointer<TooManyConductorsDialog> m_tooMany;
    QPushButton* m_more = nullptr;
    QPushButton* m_print = nullptr;
};
