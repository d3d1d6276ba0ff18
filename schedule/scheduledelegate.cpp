#include "scheduledelegate.h"

#include "circuit/circuitinputs.h"
#include "schedulemodel.h"

#include <QComboBox>

namespace {

const std::vector<tavo::Input>& Inputs()
{
    static const std::vector<tavo::Input> inputs = tavo::circuit::CircuitInputDescriptions();
    return inputs;
}

QString Text(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

}  // namespace

ScheduleDelegate::ScheduleDelegate(const ScheduleModel& model, QObject* parent)
    : QStyledItemDelegate(parent), m_model(model)
{
}

QWidget* ScheduleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                        const QModelIndex& index) const
{
    const int input = m_model.inputOf(index.column());
    if (input < 0 || Inputs()[size_t(input)].options.empty()) {
        return QStyledItemDelegate::createEditor(parent, option, index);
    }
    const tavo::Input& described = Inputs()[size_t(input)];
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("choiceEditor"));
    list->setAccessibleName(Text(tavo::SpokenName(described.label)));
    // The first entry leaves the cell empty: the input's default.
    list->addItem(tr("%1 (default)").arg(Text(described.byDefault)), QString());
    for (const tavo::Option& option : described.options) {
        list->addItem(Text(option.name), Text(option.name));
    }
    return list;
}

void ScheduleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) {
        QStyledItemDelegate::setEditorData(editor, index);
        return;
    }
    const QString text = index.data(Qt::EditRole).toString();
    int found = 0;
    for (int i = 1; i < list->count(); ++i) {
        if (list->itemData(i).toString().compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
            found = i;
        }
    }
    if (found == 0 && !text.isEmpty()) {
        // A text that names no entry stays what it is until the user picks another.
        list->addItem(text, text);
        found = list->count() - 1;
    }
    list->setCurrentIndex(found);
}

void ScheduleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                    const QModelIndex& index) const
{
    auto* list = qobject_cast<QComboBox*>(editor);
    if (!list) {
        QStyledItemDelegate::setModelData(editor, model, index);
        return;
    }
    model->setData(index, list->currentData().toString(), Qt::EditRole);
}
