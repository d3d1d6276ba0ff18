#include "choiceboxes.h"

#include "calculator.h"
#include "pagewidgets.h"

#include <QGridLayout>

SelectorBox::SelectorBox(const QString& text, const QString& name, QWidget* parent)
    : QCheckBox(text, parent)
{
    setObjectName(name);
}

ChoiceBoxes::ChoiceBoxes(const tavo::Input& input, QWidget* parent, int columns)
    : QGroupBox(UiText(input.label), parent)
{
    const QString name = UiText(input.name);
    setObjectName(name);
    auto* grid = new QGridLayout(this);
    const int perRow = columns > 0 ? columns : int(input.options.size());
    for (const tavo::Option& option : input.options) {
        const QString caption = UiText(option.caption());
        const QString boxName = name + QString(caption).remove(QLatin1Char('&')).remove(' ');
        auto* box = new SelectorBox(caption, boxName, this);
        const int index = count();
        grid->addWidget(box, index / perRow, index % perRow);
        m_boxes.append(box);
        connect(box, &SelectorBox::clicked, this, [this, index] { emit clicked(index); });
    }
    setCurrent(std::max(0, input.optionIndex(input.opening)));
}

void ChoiceBoxes::setCurrent(int index)
{
    m_current = index;
    for (int i = 0; i < count(); ++i) {
        m_boxes[i]->setChecked(i == index);
    }
}

SelectorBox* ChoiceBoxes::box(int index) const
{
    return index >= 0 && index < count() ? m_boxes[index] : nullptr;
}

void ChoiceBoxes::setBoxesEnabled(bool enabled)
{
    for (SelectorBox* box : m_boxes) {
        box->setEnabled(enabled);
    }
}
