#pragma once

// The Phase (DC / 1 / 2 / 3) and Watt/Kilo choices of the Ohm's-law and motor pages. They are
// check boxes that the page checks itself: a click only tells the page, which checks the box and
// clears the others of its group, so exactly one box of each group is checked.

#include "phase.h"

#include <QCheckBox>
#include <QGroupBox>

#include <array>
#include <initializer_list>

// A check box that does not change its own state when clicked.
class SelectorBox : public QCheckBox
{
    Q_OBJECT

public:
    SelectorBox(const QString& text, const QString& name, QWidget* parent);

protected:
    void nextCheckState() override {}
};

class PhaseSelector : public QGroupBox
{
    Q_OBJECT

public:
    // The boxes of `phases` (all four unless given), `columns` to a row.
    explicit PhaseSelector(QWidget* parent, int columns = 2,
                           std::initializer_list<tavo::Phase> phases = {
                               tavo::Phase::DC, tavo::Phase::Single, tavo::Phase::Two,
                               tavo::Phase::Three});

    tavo::Phase phase() const { return m_phase; }
    void setPhase(tavo::Phase phase);
    // Null for a phase this group does not offer.
    SelectorBox* box(tavo::Phase phase) const { return m_boxes[static_cast<size_t>(phase)]; }
    // The boxes only; the group frame stays enabled.
    void setBoxesEnabled(bool enabled);

signals:
    void clicked(tavo::Phase phase);

private:
    std::array<SelectorBox*, 4> m_boxes{};
    tavo::Phase m_phase = tavo::Phase::DC;
};

class PowerUnitSelector : public QGroupBox
{
    Q_OBJECT

public:
    explicit PowerUnitSelector(QWidget* parent);

    tavo::PowerUnit unit() const { return m_unit; }
    void setUnit(tavo::PowerUnit unit);
    SelectorBox* box(tavo::PowerUnit unit) const;
    void setBoxesEnabled(bool enabled);

signals:
    void clicked(tavo::PowerUnit unit);

private:
    SelectorBox* m_watts = nullptr;
    SelectorBox* m_kilo = nullptr;
    tavo::PowerUnit m_unit = tavo::PowerUnit::Watts;
};
