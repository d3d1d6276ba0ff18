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
#include <QScopedValueRollback>

FormulaPage::FormulaPage(const PageContext& context, FormulaHostPage* host,
                         const tavo::FormulaDefinition& formula)
    : CalculatorPage(context, host), m_host(host), m_formula(formula)
{
    setObjectName(QString::fromLatin1(formula.id.data(), qsizetype(formula.id.size())));
    for (const tavo::FormulaInput& input : formula.inputs) {
        const QString name = QString::fromLatin1(input.name.data(), qsizetype(input.name.size()));
        ValueField* field = input.kind == tavo::InputKind::PowerFactor ? new PfField(name, this)
                                                                       : new ValueField(name, this);
        const int index = static_cast<int>(m_fields.size());
        m_fields.push_back(field);
        connect(field, &ValueField::focusGained, this, [this, index] { onFocusGained(index); });
        connect(field, &ValueField::focusLost, this, &FormulaPage::recomputeFormula);
        connect(field, &ValueField::spinnerAction, this,
                [this, field](tavo::ScrollCode code) { onSpinnerAction(field, code); });
        if (input.kind == tavo::InputKind::PowerFactor) {
            addPowerFactorPart(field);
        }
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

FormulaPage::~FormulaPage()
{
    // Fields losing the focus while the page goes away must not recompute a half-destroyed page.
    for (ValueField* field : m_fields) {
        field->disconnect(this);
    }
}

ValueField* FormulaPage::field(std::string_view name) const
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (m_formula.inputs[i].name == name) {
            return m_fields[i];
        }
    }
    return nullptr;
}

QLabel* FormulaPage::makeLabel(const QString& text, ValueField* buddy)
{
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy->edit());
    buddy->setAccessibleLabel(QString(text).remove(QLatin1Char('&')).simplified());
    return label;
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
    m_powerFactorParts.push_back(widget);
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

    auto* line = new QHBoxLayout;
    line->setSpacing(du.x(4));
    line->addStretch();
    if (lead) {
        line->addWidget(lead);
    }
    line->addLayout(fraction);
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
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const std::string_view initial = m_formula.inputs[i].initialText;
        m_fields[i]->setText(QString::fromLatin1(initial.data(), qsizetype(initial.size())));
        m_fields[i]->writeControl();
    }
    if (m_wattsLabel) {
        m_wattsLabel->setText(tr("&Watts"));
    }
    m_nextFocus = 0;
    focusField(0);
    recomputeFormula();
}

void FormulaPage::readFields()
{
    for (ValueField* field : m_fields) {
        field->readControl();
    }
}

void FormulaPage::recomputeFormula()
{
    if (m_recomputing) {
        return;
    }
    const QScopedValueRollback guard(m_recomputing, true);
    readFields();
    std::vector<std::string> typed;
    typed.reserve(m_fields.size());
    for (ValueField* field : m_fields) {
        typed.push_back(ToWindows1252(field->text()));
    }
    const tavo::PowerChoice power =
        m_formula.usesPower ? m_host->powerChoice() : tavo::PowerChoice{};
    const tavo::FormulaOutcome outcome = tavo::EvaluateFormula(m_formula, typed, power);
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (outcome.shown[i] != typed[i]) {
            m_fields[i]->showText(FromWindows1252(outcome.shown[i]));
        }
        if (outcome.fields[i] != typed[i]) {
            m_fields[i]->setText(FromWindows1252(outcome.fields[i]));
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
        if (m_host->traits().resultNameFollowsUnit) {
            m_host->setResultName(kilo ? tr("Kilo") : tr("Watts"));
        }
    }
    m_report.setLines(outcome.result.report);
    m_host->showResult(QString::fromStdString(outcome.result.text));
}

void FormulaPage::activatePage()
{
    focusField(0);
    if (m_host->traits().recomputeOnActivate) {
        recomputeFormula();
    }
}

void FormulaPage::resetPage()
{
    for (size_t i = 0; i < m_fields.size(); ++i) {
        if (const auto reset = m_formula.inputs[i].resetText) {
            m_fields[i]->setText(QString::fromLatin1(reset->data(), qsizetype(reset->size())));
            m_fields[i]->writeControl();
        }
    }
    recomputeFormula();
    QWidget* last = focusWidget();
    if (last && isAncestorOf(last) && last->isVisibleTo(this)) {
        last->setFocus(Qt::OtherFocusReason);
    } else {
        focusField(0);
    }
}

void FormulaPage::enterKey()
{
    readFields();
    int target = m_nextFocus;
    if (!m_fields[size_t(target)]->isVisibleTo(this)) {
        target = nextAfter(target);
    }
    focusField(target);
    readFields();
    recomputeFormula();
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

void FormulaPage::onFocusGained(int index)
{
    m_nextFocus = nextAfter(index);
}

int FormulaPage::nextAfter(int index) const
{
    const int count = fieldCount();
    int next = (index + 1) % count;
    const bool dc = m_formula.usesPower && m_host->powerChoice().phase == tavo::Phase::DC;
    if (dc && m_formula.inputs[size_t(next)].kind == tavo::InputKind::PowerFactor) {
        next = (next + 1) % count;
    }
    return next;
}

void FormulaPage::focusField(int index)
{
    m_fields[size_t(index)]->edit()->setFocus(Qt::OtherFocusReason);
    // The focus may already be there, or the window not yet active: keep the cycle moving.
    m_nextFocus = nextAfter(index);
}

void FormulaPage::onSpinnerAction(ValueField* field, tavo::ScrollCode code)
{
    readFields();
    field->step(code);
    readFields();
    recomputeFormula();
}
