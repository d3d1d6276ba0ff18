#pragma once

// One formula sub-page of a FormulaHostPage: its fields, the multiplier display, the Enter order
// and the report of its last recompute. The arithmetic and report wording come from the
// formula's definition in the calculation library; a subclass only lays the controls out.

#include "calculatorpage.h"
#include "formula.h"
#include "numbertext.h"
#include "reporttext.h"

#include <QList>
#include <QString>

#include <string_view>
#include <vector>

class FormulaHostPage;
class QLabel;
class QLineEdit;
class ValueField;

class FormulaPage : public CalculatorPage
{
    Q_OBJECT

public:
    FormulaPage(const PageContext& context, FormulaHostPage* host,
                const tavo::FormulaDefinition& formula);
    ~FormulaPage() override;

    // Runs once, right after the host created the page: defaults, focus, first recompute.
    void initialise();
    // Reads the fields, applies the power-factor rule and the phase, computes, shows the result
    // on the host and keeps the report.
    void recomputeFormula();

    const tavo::FormulaDefinition& formula() const { return m_formula; }
    const tavo::ReportText& report() const { return m_report; }
    ValueField* field(int index) const { return m_fields[size_t(index)]; }
    ValueField* field(std::string_view name) const;
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    int nextFocusIndex() const { return m_nextFocus; }

protected:
    FormulaHostPage* host() const { return m_host; }

    // A label for a field, with its mnemonic and the field as buddy.
    QLabel* makeLabel(const QString& text, ValueField* buddy);
    // The label of the watts input, which reads "Watts" or "Kilo" with the power unit.
    QLabel* makeWattsLabel(ValueField* buddy);
    QLabel* makeSign(const QString& text);
    // The line between numerator and denominator.
    QWidget* makeFractionBar();
    // Hidden in DC with the power-factor field.
    void addPowerFactorPart(QWidget* widget);
    // Lays the page out as a fraction: `numerator` over a bar over `denominator`, `lead` (such
    // as "Square Root Of") to its left and `corner` (such as a picture) in the top-left corner.
    void layOutFraction(const QList<QWidget*>& numerator, const QList<QWidget*>& denominator,
                        QWidget* lead = nullptr, QWidget* corner = nullptr);
    QWidget* fractionBar() const { return m_fractionBar; }

    QLabel* multiplierSign() const { return m_multiplierSign; }
    QLineEdit* multiplierDisplay() const { return m_multiplierDisplay; }
    QLabel* multiplierLabel() const { return m_multiplierLabel; }

    void activatePage() override;
    void resetPage() override;
    void enterKey() override;
    void printScreen() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;
    QObject* reportParent() const override;

private:
    void readFields();
    void onFocusGained(int index);
    void onSpinnerAction(ValueField* field, tavo::ScrollCode code);
    int nextAfter(int index) const;
    void focusField(int index);

    FormulaHostPage* m_host;
    const tavo::FormulaDefinition& m_formula;
    std::vector<ValueField*> m_fields;
    std::vector<QWidget*> m_powerFactorParts;
    QLabel* m_wattsLabel = nullptr;
    QWidget* m_fractionBar = nullptr;
    QLabel* m_multiplierSign = nullptr;
    QLineEdit* m_multiplierDisplay = nullptr;
    QLabel* m_multiplierLabel = nullptr;
    tavo::ReportText m_report;
    int m_nextFocus = 0;
    bool m_recomputing = false;
};
