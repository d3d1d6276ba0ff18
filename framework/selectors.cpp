#include "selectors.h"

#include <QGridLayout>

SelectorBox::SelectorBox(const QString& text, const QString& name, QWidget* parent)
    : QCheckBox(text, parent)
{
    setObjectName(name);
}

PhaseSelector::PhaseSelector(QWidget* parent, int columns,
                             std::initializer_list<tavo::Phase> phases)
    : QGroupBox(tr("Phase"), parent)
{
    setObjectName(QStringLiteral("phase"));
    const std::array<QString, 4> texts = {tr("&DC"), tr("&1"), tr("&2"), tr("&3")};
    const std::array<QString, 4> names = {"phaseDC", "phase1", "phase2", "phase3"};
    auto* grid = new QGridLayout(this);
    int position = 0;
    for (const tavo::Phase phase : phases) {
        const auto i = static_cast<size_t>(phase);
        auto* box = new SelectorBox(texts[i], names[i], this);
        m_boxes[i] = box;
        grid->addWidget(box, position / columns, position % columns);
        ++position;
        connect(box, &SelectorBox::clicked, this, [this, phase] { emit clicked(phase); });
    }
    setPhase(*phases.begin());
}

void PhaseSelector::setPhase(tavo::Phase phase)
{
    m_phase = phase;
    for (size_t i = 0; i < m_boxes.size(); ++i) {
        if (m_boxes[i]) {
            m_boxes[i]->setChecked(i == static_cast<size_t>(phase));
        }
    }
}

void PhaseSelector::setBoxesEnabled(bool enabled)
{
    for (SelectorBox* box : m_boxes) {
        if (box) {
            box->setEnabled(enabled);
        }
    }
}

PowerUnitSelector::PowerUnitSelector(QWidget* parent) : QGroupBox(tr("Watt/Kilo"), parent)
{
    setObjectName(QStringLiteral("powerUnit"));
    m_watts = new SelectorBox(tr("Wa&tts"), QStringLiteral("unitWatts"), this);
    m_kilo = new SelectorBox(tr("K&ilo"), QStringLiteral("unitKilo"), this);
    auto* layout = new QGridLayout(this);
    layout->addWidget(m_watts, 0, 0);
    layout->addWidget(m_kilo, 0, 1);
    connect(m_watts, &SelectorBox::clicked, this, [this] { emit clicked(tavo::PowerUnit::Watts); });
    connect(m_kilo, &SelectorBox::clicked, this, [this] { emit clicked(tavo::PowerUnit::Kilo); });
    setUnit(tavo::PowerUnit::Watts);
}

void PowerUnitSelector::setUnit(tavo::PowerUnit unit)
{
    m_unit = unit;
    m_watts->setChecked(unit == tavo::PowerUnit::Watts);
    m_kilo->setChecked(unit == tavo::PowerUnit::Kilo);
}

SelectorBox* PowerUnitSelector::box(tavo::PowerUnit unit) const
{
    return unit == tavo::PowerUnit::Kilo ? m_kilo : m_watts;
}

void PowerUnitSelector::setBoxesEnabled(bool enabled)
{
    m_watts->setEnabled(enabled);
    m_kilo->setEnabled(enabled);
}
