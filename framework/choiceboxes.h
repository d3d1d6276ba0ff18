#pragma once

// One of N: the Phase, Watt/Kilo and Voltage choices. They are check boxes that the page checks
// itself: a click only tells the page, which checks the box and clears the others of its group,
// so exactly one box of a group is checked.

#include <QCheckBox>
#include <QGroupBox>
#include <QList>

#include <type_traits>

namespace tavo {
struct Input;
}

// A check box that does not change its own state when clicked.
class SelectorBox : public QCheckBox
{
    Q_OBJECT

public:
    SelectorBox(const QString& text, const QString& name, QWidget* parent);

protected:
    void nextCheckState() override {}
};

class ChoiceBoxes : public QGroupBox
{
    Q_OBJECT

public:
    // A group titled with the input's label, one box per option, `columns` boxes to a row (all
    // in one row when 0). The group is named after the input and each box after the input and
    // its caption: "phase", "phaseDC", "volts460".
    ChoiceBoxes(const tavo::Input& input, QWidget* parent, int columns = 0);

    int count() const { return static_cast<int>(m_boxes.size()); }
    int current() const { return m_current; }
    void setCurrent(int index);
    // Null for a position the group does not have.
    SelectorBox* box(int index) const;
    template <typename Enum>
    requires std::is_enum_v<Enum> SelectorBox* box(Enum value) const
    {
        return box(static_cast<int>(value));
    }
    // The boxes only; the group frame stays enabled.
    void setBoxesEnabled(bool enabled);

signals:
    void clicked(int index);

private:
    QList<SelectorBox*> m_boxes;
    int m_current = 0;
};
