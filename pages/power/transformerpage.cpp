#include "transformerpage.h"

#include "colorstatic.h"
#include "dialogunits.h"
#include "reporttexts.h"
#include "selectors.h"
#include "transformer.h"
#include "valuefield.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>

namespace {

ColorStatic* MakeAmps(QWidget* parent, const QString& name, const QString& accessibleName)
{
    auto* amps = new ColorStatic(parent);
    amps->setObjectName(name);
    amps->setAccessibleName(accessibleName);
    amps->setFixedWidth(DialogUnits(parent).x(60));
    return amps;
}

}  // namespace

TransformerPage::TransformerPage(const PageContext& context, QWidget* parent)
    : FieldPage(context, parent)
{
    setObjectName(QStringLiteral("transformerPage"));
    const DialogUnits du(this);
    m_unit = new PowerUnitSelector(this);
    m_unit->setGeometry(du.rect(70, 4, 100, 36));
    m_phase = new PhaseSelector(this, 2, {tavo::Phase::Single, tavo::Phase::Three});
    m_phase->setGeometry(du.rect(190, 4, 100, 36));

    auto* primary = new QGroupBox(tr("Primary"), this);
    primary->setGeometry(du.rect(16, 48, 164, 76));
    auto* secondary = new QGroupBox(tr("Secondary"), this);
    secondary->setGeometry(du.rect(188, 48, 164, 76));

    m_rating = new ValueField(QStringLiteral("rating"), primary);
    m_primary = new ValueField(QStringLiteral("primary"), primary);
    m_secondary = new ValueField(QStringLiteral("secondary"), secondary);
    addField(m_rating);
    addField(m_primary);
    addField(m_secondary);
    m_primaryAmps = MakeAmps(primary, QStringLiteral("primaryAmps"), tr("Primary Amps"));
    m_secondaryAmps = MakeAmps(secondary, QStringLiteral("secondaryAmps"), tr("Secondary Amps"));

    m_ratingLabel = makeLabel(tr("&Watts"), m_rating);
    m_ratingLabel->setObjectName(QStringLiteral("ratingLabel"));
    auto* primaryGrid = new QGridLayout(primary);
    primaryGrid->addWidget(m_ratingLabel, 0, 0);
    primaryGrid->addWidget(m_rating, 0, 1);
    primaryGrid->addWidget(makeLabel(tr("&Voltage"), m_primary, tr("Primary")), 1, 0);
    primaryGrid->addWidget(m_primary, 1, 1);
    primaryGrid->addWidget(new QLabel(tr("Amps"), primary), 2, 0);
    primaryGrid->addWidget(m_primaryAmps, 2, 1);
    primaryGrid->setRowStretch(3, 1);
    primaryGrid->setColumnStretch(2, 1);
    auto* secondaryGrid = new QGridLayout(secondary);
    secondaryGrid->addWidget(makeLabel(tr("V&oltage"), m_secondary, tr("Secondary")), 0, 0);
    secondaryGrid->addWidget(m_secondary, 0, 1);
    secondaryGrid->addWidget(new QLabel(tr("Amps"), secondary), 1, 0);
    secondaryGrid->addWidget(m_secondaryAmps, 1, 1);
    secondaryGrid->setRowStretch(2, 1);
    secondaryGrid->setColumnStretch(2, 1);
    connect(m_unit, &PowerUnitSelector::clicked, this, [this](tavo::PowerUnit unit) {
        m_unit->setUnit(unit);
        showUnit();
        focusField(0);
        recompute();
    });
    connect(m_phase, &PhaseSelector::clicked, this, [this](tavo::Phase phase) {
        m_phase->setPhase(phase);
        focusField(0);
        recompute();
    });

    m_unit->setUnit(tavo::PowerUnit::Watts);
    m_phase->setPhase(tavo::Phase::Single);
    for (ValueField* field : {m_rating, m_primary, m_secondary}) {
        field->setText(QStringLiteral("0"));
        field->writeControl();
    }
    showUnit();
    focusField(0);
    recompute();
}

void TransformerPage::showUnit()
{
    const bool kilo = m_unit->unit() == tavo::PowerUnit::Kilo;
    m_ratingLabel->setText(kilo ? tr("&Kilo") : tr("&Watts"));
    m_rating->setAccessibleLabel(kilo ? tr("Kilo") : tr("Watts"));
}

void TransformerPage::compute()
{
    const int phase = m_phase->phase() == tavo::Phase::Three ? 3 : 1;
    const tavo::TransformerResult result = tavo::TransformerCurrents(
        ToWindows1252(m_rating->text()), m_unit->unit() == tavo::PowerUnit::Kilo, phase,
        ToWindows1252(m_primary->text()), ToWindows1252(m_secondary->text()));
    m_primaryAmps->setText(QString::fromStdString(result.primaryText));
    m_secondaryAmps->setText(QString::fromStdString(result.secondaryText));
    m_report.setLines(result.report);
}

void TransformerPage::activatePage()
{
    focusField(0);
}

void TransformerPage::resetPage()
{
    for (ValueField* field : {m_rating, m_primary, m_secondary}) {
        field->setText(QStringLiteral("0"));
        field->writeControl();
    }
    recompute();
    restoreFocus();
}

void TransformerPage::printScreen()
{
    printMainWindow();
}

void TransformerPage::saveReport(qintptr autoAdd, qintptr mode)
{
    deliverReport(m_report, autoAdd, mode);
}
