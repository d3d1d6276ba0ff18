#include "describedpage.h"

#include "choiceboxes.h"
#include "colorstatic.h"
#include "dialogunits.h"
#include "pagewidgets.h"
#include "reporttexts.h"
#include "valuefield.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

// A list and, where it takes typing, its edit carry one spoken name.
void NameList(QComboBox* list, const QString& spoken)
{
    list->setAccessibleName(spoken);
    if (QLineEdit* edit = list->lineEdit()) {
        edit->setAccessibleName(spoken);
    }
}

// List lines line up their columns with tabs. Each column starts at its own position; the spaces
// that pad a column for another font are not drawn, so the columns line up in any font.
class TabStopDelegate : public QStyledItemDelegate
{
public:
    TabStopDelegate(QList<int> columns, QObject* parent)
        : QStyledItemDelegate(parent), m_columns(std::move(columns))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override
    {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QStringList parts = item.text.split(QLatin1Char('\t'));
        item.text.clear();
        const QWidget* view = option.widget;
        QStyle* style = view ? view->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, view);
        const QRect area = style->subElementRect(QStyle::SE_ItemViewItemText, &item, view);
        painter->save();
        painter->setPen(item.palette.color(
            item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        const QFontMetrics metrics(item.font);
        int x = area.left() + 2;
        for (int i = 0; i < parts.size(); ++i) {
            if (i > 0) {
                const int column = area.left() + 2 + m_columns.value(i - 1, 0);
                x = std::max(column, x + metrics.horizontalAdvance(QLatin1Char(' ')));
            }
            QString text = parts[i];
            while (text.endsWith(QLatin1Char(' '))) {
                text.chop(1);
            }
            painter->drawText(QRect(x, area.top(), area.right() - x, area.height()),
                              Qt::AlignLeft | Qt::AlignVCenter, text);
            x += metrics.horizontalAdvance(text);
        }
        painter->restore();
    }

private:
    QList<int> m_columns;
};

}  // namespace

DescribedPage::DescribedPage(const PageContext& context, QWidget* parent,
                             const tavo::Calculator& calculator, Controls controls)
    : CalculatorPage(context, parent), m_calculator(calculator)
{
    setObjectName(UiText(calculator.name));
    m_inputs.resize(calculator.inputs.size());
    m_presence.assign(calculator.inputs.size(), tavo::Presence::Shown);
    for (int i = 0; i < static_cast<int>(calculator.inputs.size()); ++i) {
        buildInput(i, controls);
        setValue(i, calculator.inputs[size_t(i)].opening);
    }
    if (controls == Controls::All) {
        buildResults();
        buildListBox();
    }
}

DescribedPage::~DescribedPage()
{
    // Controls losing the focus while the page goes away must not recompute a half-destroyed page.
    for (const InputControls& input : m_inputs) {
        for (QObject* control :
             {static_cast<QObject*>(input.field), static_cast<QObject*>(input.list),
              static_cast<QObject*>(input.boxes)}) {
            if (control) {
                control->disconnect(this);
            }
        }
        if (input.field) {
            input.field->edit()->removeEventFilter(this);
        }
        if (input.list) {
            input.list->removeEventFilter(this);
        }
    }
}

void DescribedPage::buildInput(int index, Controls controls)
{
    const tavo::Input& input = m_calculator.inputs[size_t(index)];
    InputControls& built = m_inputs[size_t(index)];
    const QString name = UiText(input.name);
    const QString spoken = QString::fromStdString(tavo::SpokenName(input.label, input.group));
    if (input.isField()) {
        built.field = input.kind == tavo::InputKind::Percent
                          ? new PfField(name, this, input.limits)
                          : new ValueField(name, this, input.limits);
        built.field->setAccessibleLabel(spoken);
        built.field->edit()->installEventFilter(this);
        m_cycle.push_back(index);
        ValueField* field = built.field;
        connect(field, &ValueField::focusLost, this, [this, index, field] {
            // A box typed into and left is what a converter converts from.
            if (field->edit()->isModified()) {
                setSource(index, tavo::Edited::Typed);
            }
            recompute();
        });
        connect(field, &ValueField::spinnerAction, this,
                [this, field, index](tavo::ScrollCode code) {
                    if (!spinnerAllowed()) {
                        return;
                    }
                    readFields();
                    field->step(code);
                    setSource(index, tavo::Edited::Stepped);
                    recompute();
                });
        if (input.live) {
            connect(field->edit(), &QLineEdit::textEdited, this, &DescribedPage::recompute);
        }
    } else if (controls == Controls::FieldsOnly || input.kind == tavo::InputKind::Collected) {
        return;  // the host shows it, or the page collects it with its own buttons
    } else if (input.kind == tavo::InputKind::Choice) {
        built.list = new QComboBox(this);
        built.list->setObjectName(name);
        for (const tavo::Option& option : input.options) {
            built.list->addItem(UiText(option.caption()));
        }
        built.list->installEventFilter(this);
        connect(built.list, &QComboBox::currentIndexChanged, this, [this, index] {
            sendBackAfter(index);
            recompute();
        });
        if (input.editable) {
            // A typed text that names an entry chooses it; any other chooses nothing.
            built.list->setEditable(true);
            built.list->setInsertPolicy(QComboBox::NoInsert);
            built.list->setCompleter(nullptr);
            built.list->lineEdit()->setObjectName(name + QStringLiteral("Edit"));
            connect(built.list, &QComboBox::editTextChanged, this,
                    [this, index](const QString& text) {
                        QComboBox* list = m_inputs[size_t(index)].list;
                        const int named = list->findText(text, Qt::MatchFixedString);
                        if (named >= 0 && named != list->currentIndex()) {
                            const QSignalBlocker quiet(list);
                            list->setCurrentIndex(named);
                        }
                        recompute();
                    });
        }
        NameList(built.list, spoken);
    } else {
        built.boxes = new ChoiceBoxes(input, this);
        connect(built.boxes, &ChoiceBoxes::clicked, this,
                [this, index](int option) { onBoxClicked(index, option); });
        return;  // the group's frame carries its label
    }
    built.label = new QLabel(UiText(input.label), this);
    built.label->setObjectName(name + QStringLiteral("Label"));
    built.label->setBuddy(control(index));
}

void DescribedPage::buildListBox()
{
    if (m_calculator.listLabel.empty()) {
        return;
    }
    m_listBox = new QListWidget(this);
    m_listBox->setObjectName(QStringLiteral("listBox"));
    const DialogUnits du(this);
    m_listBox->setItemDelegate(new TabStopDelegate({du.x(28), du.x(80)}, m_listBox));
    m_listBox->setAccessibleName(QString::fromStdString(tavo::SpokenName(m_calculator.listLabel)));
    m_listBoxLabel = new QLabel(UiText(m_calculator.listLabel), this);
    m_listBoxLabel->setBuddy(m_listBox);
}

void DescribedPage::buildResults()
{
    for (const tavo::Result& result : m_calculator.results) {
        const QString name = QString::fromStdString(tavo::SpokenName(result.label, result.group));
        m_results.push_back(MakeResultDisplay(this, name, result.coloured));
        m_resultLabels.push_back(new QLabel(UiText(result.label), this));
    }
}

const DescribedPage::InputControls& DescribedPage::controls(std::string_view name) const
{
    static const InputControls kNone;
    const int index = m_calculator.inputIndex(name);
    return index >= 0 ? m_inputs[size_t(index)] : kNone;
}

ValueField* DescribedPage::field(std::string_view name) const
{
    return controls(name).field;
}

QComboBox* DescribedPage::list(std::string_view name) const
{
    return controls(name).list;
}

ChoiceBoxes* DescribedPage::boxes(std::string_view name) const
{
    return controls(name).boxes;
}

QLabel* DescribedPage::label(std::string_view name) const
{
    return controls(name).label;
}

QWidget* DescribedPage::control(int index) const
{
    const InputControls& input = m_inputs[size_t(index)];
    if (input.field) {
        return input.field->edit();
    }
    if (input.list) {
        return input.list;
    }
    return input.boxes ? input.boxes->box(input.boxes->current()) : nullptr;
}

void DescribedPage::setEnterCycle(std::initializer_list<std::string_view> inputs)
{
    m_cycle.clear();
    for (const std::string_view name : inputs) {
        const int index = m_calculator.inputIndex(name);
        if (index >= 0 && control(index)) {
            m_cycle.push_back(index);
        }
    }
    // Enter goes on from the input that has the focus now, or starts the cycle.
    const int focused = cyclePosition(focusWidget());
    m_nextFocus = focused >= 0 ? nextAfter(focused) : 0;
}

int DescribedPage::cyclePosition(const QObject* widget) const
{
    for (size_t position = 0; position < m_cycle.size(); ++position) {
        if (widget && control(m_cycle[position]) == widget) {
            return int(position);
        }
    }
    return -1;
}

void DescribedPage::attach(QWidget* part, std::string_view input)
{
    const int index = m_calculator.inputIndex(input);
    if (index >= 0) {
        m_inputs[size_t(index)].parts.append(part);
    }
}

void DescribedPage::setValue(int index, std::string_view value)
{
    const tavo::Input& input = m_calculator.inputs[size_t(index)];
    const InputControls& built = m_inputs[size_t(index)];
    if (built.field) {
        built.field->setText(FromWindows1252(std::string(value)));
        built.field->writeControl();
    } else if (built.list) {
        // The recompute that follows a change of value is the caller's.
        const QSignalBlocker quiet(built.list);
        const auto options = refill(index);
        built.list->setCurrentIndex(std::max(0, tavo::OptionIndex(options, value)));
    } else if (built.boxes) {
        built.boxes->setCurrent(std::max(0, input.optionIndex(value)));
    }
}

std::span<const tavo::Option> DescribedPage::refill(int index)
{
    const tavo::Input& input = m_calculator.inputs[size_t(index)];
    QComboBox* list = m_inputs[size_t(index)].list;
    const auto options = input.optionsAt(values());
    QStringList captions;
    for (const tavo::Option& option : options) {
        captions.append(UiText(option.caption()));
    }
    bool same = list->count() == captions.size();
    for (int i = 0; same && i < list->count(); ++i) {
        same = list->itemText(i) == captions[i];
    }
    if (!same) {
        const QSignalBlocker quiet(list);
        list->clear();
        list->addItems(captions);
    }
    return options;
}

void DescribedPage::sendBackAfter(int changed)
{
    const tavo::InputValues now = values();
    const auto chosen = [&](int index) {
        const tavo::Input& input = m_calculator.inputs[size_t(index)];
        const auto options = input.optionsAt(now);
        const int choice = now[size_t(index)].choice;
        const bool inside = !input.isField() && choice >= 0 && choice < int(options.size());
        return inside ? options[size_t(choice)].name : std::string_view();
    };
    // What the user set, and what each setting sent back in turn.
    std::vector<std::pair<std::string_view, std::string_view>> set = {
        {m_calculator.inputs[size_t(changed)].name, chosen(changed)}};
    for (int i = changed + 1; i < static_cast<int>(m_inputs.size()); ++i) {
        const tavo::Input& input = m_calculator.inputs[size_t(i)];
        const bool sentBack = std::any_of(set.begin(), set.end(), [&](const auto& setting) {
            return input.isResetBy(setting.first, setting.second);
        });
        if (!sentBack) {
            continue;
        }
        const std::string_view first = input.isField() ? input.reset.value_or(input.opening)
                                                       : input.optionsAt(values()).front().name;
        setValue(i, first);
        set.emplace_back(input.name, input.isField() ? std::string_view() : first);
    }
}

tavo::InputValue DescribedPage::suppliedValue(int index) const
{
    return tavo::OpeningValues(m_calculator)[size_t(index)];
}

tavo::InputValues DescribedPage::values() const
{
    tavo::InputValues values;
    for (int i = 0; i < static_cast<int>(m_inputs.size()); ++i) {
        const InputControls& built = m_inputs[size_t(i)];
        if (built.field) {
            values.push_back({ToWindows1252(built.field->text())});
        } else if (built.list && m_calculator.inputs[size_t(i)].editable) {
            const QString text = built.list->currentText();
            const int named = built.list->findText(text, Qt::MatchFixedString);
            values.push_back({ToWindows1252(text), named});
        } else if (built.list) {
            values.push_back({{}, built.list->currentIndex()});
        } else if (built.boxes) {
            values.push_back({{}, built.boxes->current()});
        } else {
            values.push_back(suppliedValue(i));
        }
    }
    if (m_source >= 0) {
        values[size_t(m_source)].edited = m_sourceEdit;
    }
    return values;
}

void DescribedPage::readFields()
{
    for (const InputControls& input : m_inputs) {
        if (input.field) {
            input.field->readControl();
        }
    }
}

void DescribedPage::recompute()
{
    if (m_recomputing) {
        return;
    }
    const QScopedValueRollback guard(m_recomputing, true);
    readFields();
    display(evaluate(values()));
}

tavo::Outcome DescribedPage::evaluate(const tavo::InputValues& values) const
{
    return m_compute ? tavo::Evaluate(m_calculator, values, m_compute)
                     : tavo::Evaluate(m_calculator, values);
}

void DescribedPage::display(const tavo::Outcome& outcome)
{
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        const InputControls& input = m_inputs[i];
        if (input.field && ToWindows1252(input.field->text()) != outcome.shown[i]) {
            input.field->setText(FromWindows1252(outcome.shown[i]));
            input.field->writeControl();
        }
        const QString label = UiText(outcome.labels[i]);
        if (input.label && input.label->text() != label) {
            input.label->setText(label);
            const tavo::Input& described = m_calculator.inputs[i];
            const QString spoken =
                QString::fromStdString(tavo::SpokenName(outcome.labels[i], described.group));
            if (input.field) {
                input.field->setAccessibleLabel(spoken);
            } else if (input.list) {
                NameList(input.list, spoken);
            }
        }
        m_presence[i] = outcome.presence[i];
        const bool visible = outcome.presence[i] != tavo::Presence::Hidden;
        const bool enabled = outcome.presence[i] != tavo::Presence::Disabled;
        QList<QWidget*> widgets = input.parts;
        for (QWidget* widget :
             {static_cast<QWidget*>(input.field), static_cast<QWidget*>(input.list),
              static_cast<QWidget*>(input.boxes), static_cast<QWidget*>(input.label)}) {
            if (widget) {
                widgets.append(widget);
            }
        }
        for (QWidget* widget : widgets) {
            widget->setVisible(visible);
            widget->setEnabled(enabled);
        }
    }
    for (size_t r = 0; r < m_results.size(); ++r) {
        const tavo::ResultValue& value = outcome.results[r];
        m_results[r]->setText(QString::fromStdString(value.text));
        m_results[r]->setCursorPosition(0);
        if (auto* coloured = qobject_cast<ColorStatic*>(m_results[r])) {
            coloured->setColor(QColor(value.colour.red, value.colour.green, value.colour.blue));
        }
        const QString warning = UiText(value.warning);
        if (m_results[r]->accessibleDescription() != warning) {
            m_results[r]->setAccessibleDescription(warning);
        }
        const QString label = UiText(value.label);
        if (m_resultLabels[r]->text() != label) {
            m_resultLabels[r]->setText(label);
            m_results[r]->setAccessibleName(QString::fromStdString(value.name));
        }
    }
    if (m_listBox) {
        QStringList lines;
        for (const std::string& line : outcome.list) {
            lines.append(FromWindows1252(line));
        }
        QStringList shown;
        for (int i = 0; i < m_listBox->count(); ++i) {
            shown.append(m_listBox->item(i)->text());
        }
        if (shown != lines) {
            m_listBox->clear();
            m_listBox->addItems(lines);
            m_listBox->scrollToBottom();
        }
    }
    for (int i = 0; i < outcome.beeps; ++i) {
        context().services->sounds->beep();
    }
    setReport(outcome.report);
    m_outcome = outcome;
}

tavo::InputValue DescribedPage::valueOf(std::string_view name) const
{
    const int index = m_calculator.inputIndex(name);
    return index >= 0 ? values()[size_t(index)] : tavo::InputValue{};
}

void DescribedPage::setInput(std::string_view name, std::string_view value)
{
    const int index = m_calculator.inputIndex(name);
    if (index >= 0) {
        setValue(index, value);
    }
}

void DescribedPage::open()
{
    focusFirst();
    recompute();
}

void DescribedPage::focusFirst()
{
    if (!m_cycle.empty()) {
        focusInput(0);
    }
}

void DescribedPage::focusInput(int position)
{
    if (QWidget* target = control(m_cycle[size_t(position)])) {
        target->setFocus(Qt::OtherFocusReason);
    }
    // The focus may already be there, or the window not yet active: keep the cycle moving.
    m_nextFocus = nextAfter(position);
}

void DescribedPage::restoreFocus()
{
    QWidget* last = focusWidget();
    if (last && isAncestorOf(last) && last->isVisibleTo(this)) {
        last->setFocus(Qt::OtherFocusReason);
    } else {
        focusFirst();
    }
}

bool DescribedPage::inCycle(int position) const
{
    const int index = m_cycle[size_t(position)];
    const QWidget* target = control(index);
    return m_presence[size_t(index)] == tavo::Presence::Shown && target &&
           target->isVisibleTo(this);
}

int DescribedPage::nextAfter(int position) const
{
    const int count = static_cast<int>(m_cycle.size());
    int next = (position + 1) % count;
    for (int tries = 0; tries < count && !inCycle(next); ++tries) {
        next = (next + 1) % count;
    }
    return next;
}

bool DescribedPage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusIn) {
        if (const int position = cyclePosition(watched); position >= 0) {
            m_nextFocus = nextAfter(position);
        }
    }
    return CalculatorPage::eventFilter(watched, event);
}

void DescribedPage::onBoxClicked(int index, int option)
{
    m_inputs[size_t(index)].boxes->setCurrent(option);
    sendBackAfter(index);
    focusFirst();
    recompute();
}

void DescribedPage::activatePage()
{
    if (!m_cycle.empty()) {
        focusFirst();
    } else if (!m_inputs.empty() && control(0)) {
        control(0)->setFocus(Qt::OtherFocusReason);
    }
}

void DescribedPage::setSource(int index, tavo::Edited how)
{
    m_source = index;
    m_sourceEdit = how;
}

void DescribedPage::resetPage()
{
    // What the user set last is set no more: a converter converts from nothing.
    m_source = -1;
    for (size_t i = 0; i < m_inputs.size(); ++i) {
        if (const auto reset = m_calculator.inputs[i].reset) {
            setValue(int(i), *reset);
        }
    }
    recompute();
    restoreFocus();
}

void DescribedPage::enterKey()
{
    if (m_calculator.converts) {
        // A converter converts from the box that has the focus, as when it is left; the focus
        // stays.
        const int focused = cyclePosition(focusWidget());
        if (focused >= 0 &&
            m_inputs[size_t(m_cycle[size_t(focused)])].field->edit()->isModified()) {
            setSource(m_cycle[size_t(focused)], tavo::Edited::Typed);
        }
        recompute();
        return;
    }
    if (m_cycle.empty()) {
        return;
    }
    readFields();
    int target = m_nextFocus;
    if (!inCycle(target)) {
        target = nextAfter(target);
    }
    focusInput(target);
    recompute();
}
