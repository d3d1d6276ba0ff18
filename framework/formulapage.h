#pragma once

// One formula's tab on a FormulaHostPage: its fields laid out as the formula reads, the
// multiplier display, the Enter cycle and the report of its last recompute. The phase and power
// unit come from the host, and the result goes back to it to be shown.

#include "describedpage.h"
#include "phase.h"

#include <QList>

#include <string_view>
#include <vector>

class QLabel;
class QLineEdit;

// What a formula's tab and the page that hosts it say to each other.
class FormulaHost
{
public:
    virtual ~FormulaHost() = default;
    // The phase and power unit chosen on the host.
    virtual tavo::PowerChoice powerChoice() const = 0;
    // The outcome of the tab's recompute, for the host's result display.
    virtual void showOutcome(const tavo::Outcome& outcome) = 0;
    // Where the tab's notice of a report for the histories goes.
    virtual QObject* reportReceiver() = 0;
};

// How a formula's tab lays out its terms. Each row lists, in reading order, input names (the
// input's label with its field), "X" for a sign, kPowerTerms for the power factor and the
// multiplier, and any other text as it stands ("746").
struct FormulaLayout
{
    enum class Form {
        Fraction,  // the first row over a bar over the second
        Rows,      // each term's label above it, a bar between rows
    };
    Form form = Form::Fraction;
    std::vector<std::vector<std::string_view>> rows;
    std::string_view lead = {};  // to the left of the formula: "Square Root Of"
};
inline constexpr std::string_view kPowerTerms = "*power";

class FormulaPage : public DescribedPage
{
    Q_OBJECT

public:
    FormulaPage(const PageContext& context, FormulaHost& host, QWidget* parent,
                const tavo::Calculator& formula);

    void layOut(const FormulaLayout& layout);

protected:
    tavo::InputValue suppliedValue(int index) const override;
    void display(const tavo::Outcome& outcome) override;
    QObject* reportParent() const override { return m_host.reportReceiver(); }

private:
    struct Term
    {
        QWidget* label = nullptr;
        QWidget* field = nullptr;
    };

    QLabel* makeSign(const QString& text);
    QList<QWidget*> fractionRow(const std::vector<std::string_view>& tokens);
    QList<Term> termsRow(const std::vector<std::string_view>& tokens);
    QWidget* makeBar();
    void layOutFraction(const FormulaLayout& layout);
    void layOutRows(const FormulaLayout& layout);
    void place(QLayout* formula, QWidget* lead);

    FormulaHost& m_host;
    bool m_hasPower = false;
    QLabel* m_multiplierSign = nullptr;
    QLineEdit* m_multiplierDisplay = nullptr;
    QLabel* m_multiplierLabel = nullptr;
};
