#pragma once

// One formula sub-page of a FormulaHostPage: its fields, the multiplier display, the Enter order
// and the report of its last recompute. The arithmetic and report wording come from the
// formula's definition in the calculation library; a subclass only lays the controls out.

#include "fieldpage.h"
#include "formula.h"
#include "reporttext.h"

#include <QList>
#include <QString>

#include <string_view>

class FormulaHostPage;
class QLabel;
class QLineEdit;
class ValueField;

class FormulaPage : public FieldPage
{
    Q_OBJECT

public:
    FormulaPage(const PageContext& context, FormulaHostPage* host,
                const tavo::FormulaDefinition& formula);

    // Runs once, right after the host created the page: defaults, focus, first recompute.
    void initialise();
    // Reads the fields, applies the percentage rules and the phase, computes, shows the result
    // on the host and keeps the report.
    void recomputeFormula() { recompute(); }

    const tavo::FormulaDefinition& formula() const { return m_formula; }
    const tavo::ReportText& report() const { return m_report; }
    using FieldPage::field;
    ValueField* field(std::string_view name) const;

protected:
    // One label over one field, or a lone sign or text (label empty) in a row of terms.
    struct Term
    {
        QWidget* label = nullptr;
        QWidget* field = nullptr;
    };

    FormulaHostPage* host() const { return m_host; }

    using FieldPage::makeLabel;
    // The label of the watts input, which reads "Watts" or "Kilo" with the power unit.
    QLabel* makeWattsLabel(ValueField* buddy);
    QLabel* makeSign(const QString& text);
    // Hidden in DC with the power-factor field.
    void addPowerFactorPart(QWidget* widget);
    // The end of a formula line with power: "X   PF", the power factor, "X", the multiplier
    // and "Multiplier"; the power-factor part hides in DC, the multiplier below two phase.
    QList<QWidget*> powerTail(const QString& pfLabel = tr("X   &PF"));
    // The same as terms with their labels above: "X", PF, "X", Multiplier.
    QList<Term> powerTerms();
    // The page as a fraction: `numerator` over a bar over `denominator`, their first label and
    // field in line; `lead` (such as "Square Root Of") to its left, `corner` at the top left.
    void layOutFraction(const QList<QWidget*>& numerator, const QList<QWidget*>& denominator,
                        QWidget* lead = nullptr, QWidget* corner = nullptr);
    // The page as rows of terms, each label above its field, a bar between two rows.
    void layOutTerms(const QList<QList<Term>>& rows, QWidget* corner = nullptr);
    QWidget* fractionBar() const { return m_fractionBar; }

    QLabel* multiplierSign() const { return m_multiplierSign; }
    QLineEdit* multiplierDisplay() const { return m_multiplierDisplay; }
    QLabel* multiplierLabel() const { return m_multiplierLabel; }

    void compute() override;
    bool skippedByEnter(int index) const override;
    void activatePage() override;
    void resetPage() override;
    void printScreen() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;
    QObject* reportParent() const override;

private:
    QWidget* makeFractionBar();
    void placeFormula(QLayout* formula, QWidget* lead, QWidget* corner);

    FormulaHostPage* m_host;
    const tavo::FormulaDefinition& m_formula;
    QList<QWidget*> m_powerFactorParts;
    QLabel* m_wattsLabel = nullptr;
    QWidget* m_fractionBar = nullptr;
    QLabel* m_multiplierSign = nullptr;
    QLineEdit* m_multiplierDisplay = nullptr;
    QLabel* m_multiplierLabel = nullptr;
    tavo::ReportText m_report;
};
