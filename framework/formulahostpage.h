#pragma once

// A tab page that carries formula tabs on an inner tab control, a result display and the Phase
// and Watt/Kilo choices: the Amps, Volts, Watts, Resistance and Motor pages. A formula's tab is
// created on the first selection of its tab and then kept with its inputs.

#include "calculatorpage.h"
#include "formulapage.h"

#include <QEvent>
#include <QString>

#include <span>
#include <vector>

class ChoiceBoxes;
class QLabel;
class QLineEdit;
class QTabWidget;

// One formula's inner tab: its calculator's name, the tab's label and how the tab lays it out.
struct FormulaTab
{
    std::string_view formula;  // "amps.pe"
    const char* label = "";    // "P/E"
    FormulaLayout layout;
    // A tab with behaviour of its own; a plain FormulaPage when null.
    FormulaPage* (*create)(const PageContext&, FormulaHost&, QWidget*,
                           const tavo::Calculator&) = nullptr;
};

// What sets one host page apart from the others, besides its formulas.
struct FormulaHostDefinition
{
    const char* objectName = "";
    std::span<const FormulaTab> tabs;
    bool recomputeAfterSwitch = false;  // recompute once more after a tab switch or tab click
    bool recomputeOnActivate = true;    // a tab recomputes when it is activated
    bool sunkenResultName = false;      // the result name drawn as a sunken field
    bool wideFormulas = false;          // formulas across the page, the result below them
    Qt::Alignment resultAlignment = Qt::AlignCenter;
};

class FormulaHostPage : public CalculatorPage, private FormulaHost
{
    Q_OBJECT

public:
    FormulaHostPage(const PageContext& context, QWidget* parent,
                    const FormulaHostDefinition& definition);
    ~FormulaHostPage() override;

    tavo::PowerChoice powerChoice() const override;
    ChoiceBoxes* phaseSelector() const { return m_phase; }
    ChoiceBoxes* powerUnitSelector() const { return m_unit; }
    QTabWidget* formulaTabs() const { return m_tabs; }
    QLineEdit* resultDisplay() const { return m_result; }
    QLabel* resultName() const { return m_resultName; }
    FormulaPage* subPage(int tab) const;
    FormulaPage* activeSubPage() const;

protected:
    void activatePage() override;
    void resetPage() override;
    void printScreen() override;
    void enterKey() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;
    bool pageMessage(PageMessage& message) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QList<QWidget*> readingParts() override;

private:
    void showOutcome(const tavo::Outcome& outcome) override;
    QObject* reportReceiver() override { return this; }

    void switchToTab(int tab);
    // Activates a tab: the focus on its first input, and on pages that say so a recompute.
    void activate(FormulaPage* page);
    void onTabClicked();
    void onSelectorClicked(ChoiceBoxes* selector, int option);
    void forwardToActive(QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);

    const FormulaHostDefinition& m_definition;
    std::vector<const tavo::Calculator*> m_formulas;  // the calculator of each tab
    QLabel* m_resultName = nullptr;
    QLineEdit* m_result = nullptr;
    ChoiceBoxes* m_phase = nullptr;
    ChoiceBoxes* m_unit = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormulaPage*> m_subPages;
    int m_active = -1;
};
