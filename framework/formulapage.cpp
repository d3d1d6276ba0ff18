#include "formulapage.h"

#include "dcolabel.h"
#include "dialogunits.h"
#include "formula.h"
#include "pagewidgets.h"
#include "valuefield.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

constexpr std::string_view kPowerFactor = "pf";
constexpr std::string_view kSign = "X";

}  // namespace

FormulaPage::FormulaPage(const PageContext& context, FormulaHost& host, QWidget* parent,
                         const tavo::Calculator& formula)
    : DescribedPage(context, parent, formula, Controls::FieldsOnly), m_host(host),
      m_hasPower(formula.inputIndex(tavo::kPhaseInput) >= 0)
{
    if (!m_hasPower) {
        return;
    }
    m_multiplierSign = makeSign(QStringLiteral("X"));
    m_multiplierDisplay = new QLineEdit(QStringLiteral("1."), this);
    m_multiplierDisplay->setObjectName(QStringLiteral("multiplier"));
    m_multiplierDisplay->setReadOnly(true);
    m_multiplierDisplay->setAlignment(Qt::AlignCenter);
    m_multiplierDisplay->setAccessibleName(tr("Multiplier"));
    m_multiplierDisplay->setFixedSize(
        DialogUnits(this).size(26, 12).expandedTo(m_multiplierDisplay->minimumSizeHint()));
    m_multiplierLabel = new QLabel(tr("Multiplier"), this);
}

tavo::InputValue FormulaPage::suppliedValue(int index) const
{
    const std::string_view name = calculator().inputs[size_t(index)].name;
    const tavo::PowerChoice power = m_host.powerChoice();
    if (name == tavo::kPhaseInput) {
        return {{}, static_cast<int>(power.phase)};
    }
    if (name == tavo::kPowerUnitInput) {
        return {{}, static_cast<int>(power.unit)};
    }
    return DescribedPage::suppliedValue(index);
}

void FormulaPage::display(const tavo::Outcome& outcome)
{
    DescribedPage::display(outcome);
    if (m_hasPower) {
        const tavo::Phase phase = m_host.powerChoice().phase;
        m_multiplierDisplay->setText(QString::fromStdString(tavo::MultiplierText(phase)));
        const bool multiplied = tavo::PhaseLevel(phase) >= 2;
        for (QWidget* part :
             {static_cast<QWidget*>(m_multiplierSign), static_cast<QWidget*>(m_multiplierDisplay),
              static_cast<QWidget*>(m_multiplierLabel)}) {
            part->setVisible(multiplied);
        }
    }
    m_host.showOutcome(outcome);
}

QLabel* FormulaPage::makeSign(const QString& text)
{
    auto* sign = new QLabel(text, this);
    sign->setAlignment(Qt::AlignCenter);
    return sign;
}

QWidget* FormulaPage::makeBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("fractionBar"));
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Plain);
    bar->setLineWidth(1);
    return bar;
}

QList<QWidget*> FormulaPage::fractionRow(const std::vector<std::string_view>& tokens)
{
    QList<QWidget*> row;
    for (const std::string_view token : tokens) {
        if (token == kPowerTerms) {
            // The power factor with its label ("X   PF"), then "X", the multiplier, "Multiplier".
            row += {label(kPowerFactor), field(kPowerFactor), m_multiplierSign, m_multiplierDisplay,
                    m_multiplierLabel};
        } else if (field(token)) {
            row += {label(token), field(token)};
        } else {
            row += token == kSign ? makeSign(UiText(token)) : new QLabel(UiText(token), this);
        }
    }
    return row;
}

QList<FormulaPage::Term> FormulaPage::termsRow(const std::vector<std::string_view>& tokens)
{
    QList<Term> row;
    for (const std::string_view token : tokens) {
        if (token == kPowerTerms) {
            // "X" and the power factor under "PF", both hidden in DC; "X" and the multiplier.
            QLabel* sign = makeSign(QStringLiteral("X"));
            attach(sign, kPowerFactor);
            row += {{nullptr, sign},
                    {label(kPowerFactor), field(kPowerFactor)},
                    {nullptr, m_multiplierSign},
                    {m_multiplierLabel, m_multiplierDisplay}};
        } else if (field(token)) {
            row += {label(token), field(token)};
        } else {
            row += {nullptr,
                    token == kSign ? makeSign(UiText(token)) : new QLabel(UiText(token), this)};
        }
    }
    return row;
}

void FormulaPage::layOut(const FormulaLayout& layout)
{
    if (layout.form == FormulaLayout::Form::Fraction) {
        layOutFraction(layout);
    } else {
        layOutRows(layout);
    }
}

void FormulaPage::layOutFraction(const FormulaLayout& layout)
{
    // Numerator and denominator share columns, so their first label and field line up; the bar
    // spans the wider of the two.
    const DialogUnits du(this);
    auto* fraction = new QGridLayout;
    fraction->setHorizontalSpacing(du.x(3));
    fraction->setVerticalSpacing(du.y(2));
    const QList<QWidget*> numerator = fractionRow(layout.rows.at(0));
    const QList<QWidget*> denominator = fractionRow(layout.rows.at(1));
    auto putRow = [fraction](const QList<QWidget*>& widgets, int row) {
        for (int column = 0; column < widgets.size(); ++column) {
            const Qt::Alignment align =
                column == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
            fraction->addWidget(widgets[column], row, column, align);
        }
    };
    putRow(numerator, 0);
    QWidget* bar = makeBar();
    fraction->addWidget(bar, 1, 0, 1, int(std::max(numerator.size(), denominator.size())));
    putRow(denominator, 2);
    if (layout.rows.at(1) == std::vector<std::string_view>{kPowerTerms}) {
        // Over the power factor alone the bar goes with it: in DC the formula has no fraction.
        attach(bar, kPowerFactor);
    }
    place(fraction, layout.lead.empty() ? nullptr : new QLabel(UiText(layout.lead), this));
}

void FormulaPage::layOutRows(const FormulaLayout& layout)
{
    const DialogUnits du(this);
    auto* formula = new QVBoxLayout;
    formula->setSpacing(du.y(2));
    for (size_t r = 0; r < layout.rows.size(); ++r) {
        const QList<Term> terms = termsRow(layout.rows[r]);
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(du.x(3));
        grid->setVerticalSpacing(du.y(1));
        for (int t = 0; t < terms.size(); ++t) {
            if (terms[t].label) {
                grid->addWidget(terms[t].label, 0, t, Qt::AlignHCenter | Qt::AlignBottom);
            }
            grid->addWidget(terms[t].field, 1, t, Qt::AlignCenter);
        }
        auto* line = new QHBoxLayout;
        line->addStretch();
        line->addLayout(grid);
        line->addStretch();
        formula->addLayout(line);
        if (r + 1 < layout.rows.size()) {
            formula->addWidget(makeBar());
        }
    }
    place(formula, layout.lead.empty() ? nullptr : new QLabel(UiText(layout.lead), this));
}

void FormulaPage::place(QLayout* formula, QWidget* lead)
{
    const DialogUnits du(this);
    auto* line = new QHBoxLayout;
    line->setSpacing(du.x(4));
    line->addStretch();
    if (lead) {
        line->addWidget(lead);
    }
    line->addLayout(formula);
    line->addStretch();

    auto* page = new QGridLayout(this);
    page->setContentsMargins(du.x(3), du.y(2), du.x(3), du.y(2));
    if (!m_hasPower) {
        // The formulas without power work in direct current only, and say so.
        page->addWidget(new DcOnlyLabel(this), 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    page->addLayout(line, 0, 1, Qt::AlignVCenter);
    page->setColumnStretch(1, 1);
}
