#include "formulapage.h"

#include "dialogunits.h"
#include "formulahostpage.h"
#include "reporttexts.h"
#include "valuefield.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString Latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

}  // namespace

FormulaPage::FormulaPage(const PageContext& context, FormulaHostPage* host,
                         const tavo::FormulaDefinition& formula)
    : FieldPage(context, host), m_host(host), m_formula(formula)
{
    setObjectName(Latin1(formula.id));
    for (const tavo::FormulaInput& input : formula.inputs) {
        const QString name = Latin1(input.name);
        ValueField* field = nullptr;
        switch (input.kind) {
        case tavo::InputKind::PowerFactor:
            field = new PfField(name, this);
            addPowerFactorPart(field);
            break;
        case tavo::InputKind::Percent:
            field = new ValueField(name, this, tavo::kPercentFieldLimits);
            break;
        case tavo::InputKind::Value:
            field = new ValueField(name, this);
            break;
        }
        addField(field);
    }
    if (formula.usesPower) {
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
}

ValueField* FormulaPage::field(std::string_view name) const
{
    for (size_t i = 0; i < m_formula.inputs.size(); ++i) {
        if (m_formula.inputs[i].name == name) {
            return field(int(i));
        }
    }
    return nullptr;
}

QLabel* FormulaPage::makeWattsLabel(ValueField* buddy)
{
    m_wattsLabel = makeLabel(tr("&Watts"), buddy);
    m_wattsLabel->setObjectName(QStringLiteral("wattsLabel"));
    return m_wattsLabel;
}

QLabel* FormulaPage::makeSign(const QString& text)
{
    auto* sign = new QLabel(text, this);
    sign->setAlignment(Qt::AlignCenter);
    return sign;
}

QWidget* FormulaPage::makeFractionBar()
{
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("fractionBar"));
    bar->setFrameShape(QFrame::HLine);
    bar->setFrameShadow(QFrame::Plain);
    bar->setLineWidth(1);
    return bar;
}

void FormulaPage::addPowerFactorPart(QWidget* widget)
{
    m_powerFactorParts.append(widget);
}

QList<QWidget*> FormulaPage::powerTail(const QString& pfLabel)
{
    ValueField* pf = field("pf");
    QLabel* label = makeLabel(pfLabel, pf);
    addPowerFactorPart(label);
    return {label, pf, multiplierSign(), multiplierDisplay(), multiplierLabel()};
}

QList<FormulaPage::Term> FormulaPage::powerTerms()
{
    ValueField* pf = field("pf");
    QLabel* sign = makeSign(QStringLiteral("X"));
    QLabel* label = makeLabel(tr("&PF"), pf);
    addPowerFactorPart(sign);
    addPowerFactorPart(label);
    return {{nullptr, sign},
            {label, pf},
            {nullptr, multiplierSign()},
            {multiplierLabel(), multiplierDisplay()}};
}

void FormulaPage::layOutFraction(const QList<QWidget*>& numerator,
                                 const QList<QWidget*>& denominator, QWidget* lead, QWidget* corner)
{
    // Numerator and denominator share columns, so their first label and field line up; the bar
    // spans the wider of the two.
    const DialogUnits du(this);
    auto* fraction = new QGridLayout;
    fraction->setHorizontalSpacing(du.x(3));
    fraction->setVerticalSpacing(du.y(2));
    auto place = [fraction](const QList<QWidget*>& widgets, int row) {
        for (int column = 0; column < widgets.size(); ++column) {
            const Qt::Alignment align =
                column == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter;
            fraction->addWidget(widgets[column], row, column, align);
        }
    };
    place(numerator, 0);
    m_fractionBar = makeFractionBar();
    fraction->addWidget(m_fractionBar, 1, 0, 1,
                        int(std::max(numerator.size(), denominator.size())));
    place(denominator, 2);
    placeFormula(fraction, lead, corner);
}

void FormulaPage::layOutTerms(const QList<QList<Term>>& rows, QWidget* corner)
{
    const DialogUnits du(this);
    auto* formula = new QVBoxLayout;
    formula->setSpacing(du.y(2));
    for (qsizetype r = 0; r < rows.size(); ++r) {
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(du.x(3));
        grid->setVerticalSpacing(du.y(1));
        for (qsizetype t = 0; t < rows[r].size(); ++t) {
            const Term& term = rows[r][t];
            if (term.label) {
                grid->addWidget(term.label, 0, int(t), Qt::AlignHCenter | Qt::AlignBottom);
            }
            grid->addWidget(term.field, 1, int(t), Qt::AlignCenter);
        }
        auto* line = new QHBoxLayout;
        line->addStretch();
        line->addLayout(grid);
        line->addStretch();
        formula->addLayout(line);
        if (r + 1 < rows.size()) {
            m_fractionBar = makeFractionBar();
            formula->addWidget(m_fractionBar);
        }
    }
    placeFormula(formula, nullptr, corner);
}

void FormulaPage::placeFormula(QLayout* formula, QWidget* lead, QWidget* corner)
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
    if (corner) {
        page->addWidget(corner, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    }
    page->addLayout(line, 0, 1, Qt::AlignVCenter);
    page->setColumnStretch(1, 1);
}

void FormulaPage::initialise()
{
    m_host->resetSelectors();
    for (int i = 0; i < fieldCount(); ++i) {
        field(i)->setText(Latin1(m_formula.inputs[size_t(i)].initialText));
        field(i)->writeControl();
    }
    if (m_wattsLabel) {
        m_wattsLabel->setText(tr("&Watts"));
    }
    focusField(0);
    recompute();
}

void FormulaPage::compute()
{
    std::vector<std::string> typed;
    typed.reserve(size_t(fieldCount()));
    for (int i = 0; i < fieldCount(); ++i) {
        typed.push_back(ToWindows1252(field(i)->text()));
    }
    const tavo::PowerChoice power =
        m_formula.usesPower ? m_host->powerChoice() : tavo::PowerChoice{};
    const tavo::FormulaOutcome outcome = tavo::EvaluateFormula(m_formula, typed, power);
    for (int i = 0; i < fieldCount(); ++i) {
        const size_t at = size_t(i);
        if (outcome.texts[at] != typed[at]) {
            field(i)->setText(FromWindows1252(outcome.texts[at]));
            field(i)->writeControl();
        }
    }
    if (m_formula.usesPower) {
        m_multiplierDisplay->setText(QString::fromStdString(outcome.multiplierText));
        const bool dc = power.phase == tavo::Phase::DC;
        for (QWidget* part : m_powerFactorParts) {
            part->setVisible(!dc);
        }
        const bool multiplied = tavo::PhaseLevel(power.phase) >= 2;
        m_multiplierSign->setVisible(multiplied);
        m_multiplierDisplay->setVisible(multiplied);
        m_multiplierLabel->setVisible(multiplied);
        const bool kilo = power.unit == tavo::PowerUnit::Kilo;
        if (m_wattsLabel) {
            m_wattsLabel->setText(kilo ? tr("&Kilo") : tr("&Watts"));
        }
    }
    m_host->setResultName(Latin1(tavo::ResultName(m_formula, power)));
    m_report.setLines(outcome.result.report);
    m_host->showResult(QString::fromStdString(outcome.result.text));
}

bool FormulaPage::skippedByEnter(int index) const
{
    // The power factor is hidden in DC.
    return m_formula.usesPower && m_host->powerChoice().phase == tavo::Phase::DC &&
           m_formula.inputs[size_t(index)].kind == tavo::InputKind::PowerFactor;
}

void FormulaPage::activatePage()
{
    focusField(0);
    if (m_host->traits().recomputeOnActivate) {
        recompute();
    }
}

void FormulaPage::resetPage()
{
    for (int i = 0; i < fieldCount(); ++i) {
        if (const auto reset = m_formula.inputs[size_t(i)].resetText) {
            field(i)->setText(Latin1(*reset));
            field(i)->writeControl();
        }
    }
    recompute();
    restoreFocus();
}

void FormulaPage::printScreen()
{
    printMainWindow();
}

void FormulaPage::saveReport(qintptr autoAdd, qintptr mode)
{
    // The report of the last recompute, as it stands.
    deliverReport(m_report, autoAdd, mode);
}

QObject* FormulaPage::reportParent() const
{
    return m_host;
}
