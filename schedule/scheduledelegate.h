#pragma once

// How the schedule's cells are edited: an input with choices from a drop-down list whose first
// entry is its default, any other cell as a line of text. Enter commits, Escape cancels.

#include <QStyledItemDelegate>

class ScheduleModel;

class ScheduleDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    ScheduleDelegate(const ScheduleModel& model, QObject* parent);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    const ScheduleModel& m_model;
};
