#pragma once

// A tab page that carries formula sub-pages on an inner tab control, a result display and the
// Phase and Watt/Kilo selectors: the Amps, Volts, Watts and Resistance pages. Sub-pages are
// created on the first selection of their tab and then kept with their inputs.

#include "calculatorpage.h"
#include "phase.h"

#include <QEvent>
#include <QString>
#include <QStringList>

#include <initializer_list>

#include <vector>

class FormulaPage;
namespace tavo {
struct FormulaDefinition;
}
class PhaseSelector;
class PowerUnitSelector;
class QLabel;
class QLineEdit;
class QTabWidget;

// What sets one host page apart from the others.
struct FormulaHostTraits
{
    QString resultName;                  // "Amps"; a sub-page's formula may rename it
    bool selectorsOffOnFirstTab = true;  // the formula without power disables the selectors
    bool recomputeAfterSwitch = false;   // recompute once more after a tab switch or tab click
    bool recomputeOnActivate = true;     // a sub-page recomputes when it is activated
    bool hasPowerUnit = true;            // a Watt/Kilo group beside the Phase group
    bool sunkenResultName = false;       // the result name drawn as a sunken field
    bool colorResult = false;            // the result is a ColorStatic
    bool wideFormulas = false;           // formulas across the page, the result below them
    Qt::Alignment resultAlignment = Qt::AlignCenter;
};

class FormulaHostPage : public CalculatorPage
{
    Q_OBJECT

public:
    FormulaHostPage(const PageContext& context, QWidget* parent, FormulaHostTraits traits);
    ~FormulaHostPage() override;

    const FormulaHostTraits& traits() const { return m_traits; }
    tavo::PowerChoice powerChoice() const;
    // DC and Watts, as every formula tab's first visit sets them.
    void resetSelectors();
    void showResult(const QString& text);
    void setResultName(const QString& name);

    PhaseSelector* phaseSelector() const { return m_phase; }
    PowerUnitSelector* powerUnitSelector() const { return m_unit; }
    QTabWidget* formulaTabs() const { return m_tabs; }
    QLineEdit* resultDisplay() const { return m_result; }
    FormulaPage* subPage(int tab) const;
    FormulaPage* activeSubPage() const;

protected:
    // Inserts a tab for each formula, labelled as the formula is, and opens the first; the last
    // step of a host's construction.
    void addFormulaTabs(std::initializer_list<const tavo::FormulaDefinition*> formulas);
    virtual FormulaPage* createSubPage(int tab) = 0;

    void activatePage() override;
    void resetPage() override;
    void printScreen() override;
    void enterKey() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;
    bool pageMessage(PageMessage& message) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void switchToTab(int tab);
    void onTabClicked();
    void onPhaseClicked(tavo::Phase phase);
    void onUnitClicked(tavo::PowerUnit unit);
    void forwardToActive(QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);

    FormulaHostTraits m_traits;
    QLabel* m_resultName = nullptr;
    QLineEdit* m_result = nullptr;
    PhaseSelector* m_phase = nullptr;
    PowerUnitSelector* m_unit = nullptr;
    QTabWidget* m_tabs = nullptr;
    std::vector<FormulaPage*> m_subPages;
    int m_active = -1;
};
