#pragma once

// The Boxes tab: conductors added to the Selections list with "Add Selection", the minimum box
// volume they need beside a standard box chosen for reference, and the printed selection report.

#include "boxfill.h"
#include "describedpage.h"

class QPushButton;

class BoxFillPage : public DescribedPage
{
    Q_OBJECT

public:
    BoxFillPage(const PageContext& context, QWidget* parent);

    const tavo::BoxSelections& selections() const { return m_selections; }

protected:
    void resetPage() override;
    void enterKey() override;

private:
    void addSelection();

    tavo::BoxSelections m_selections;
    QPushButton* m_add = nullptr;
    QPushButton* m_print = nullptr;
};
