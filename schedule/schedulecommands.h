#pragma once

// The steps of a schedule's undo history: cells edited, circuits added, deleted and moved.

#include "schedulemodel.h"

#include <QUndoCommand>

#include <tuple>

// Texts put in cells: row, column and the text before and after.
class EditCellsCommand : public QUndoCommand
{
public:
    struct Cell
    {
        int row;
        int column;
        QString before;
        QString after;
    };

    EditCellsCommand(ScheduleModel& model, QList<Cell> cells, const QString& text,
                     QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    ScheduleModel& m_model;
    QList<Cell> m_cells;
};

class InsertCircuitsCommand : public QUndoCommand
{
public:
    InsertCircuitsCommand(ScheduleModel& model, int at, QList<ScheduleModel::Texts> rows,
                          const QString& text, QUndoCommand* parent = nullptr);
    void redo() override;
    void undo() override;

private:
    ScheduleModel& m_model;
    int m_at;
    QList<ScheduleModel::Texts> m_rows;
};

class RemoveCircuitsCommand : public QUndoCommand
{
public:
    RemoveCircuitsCommand(ScheduleModel& model, int at, int count);
    void redo() override;
    void undo() override;

private:
    ScheduleModel& m_model;
    int m_at;
    int m_count;
    QList<ScheduleModel::Texts> m_removed;
};

class MoveCircuitsCommand : public QUndoCommand
{
public:
    MoveCircuitsCommand(ScheduleModel& model, int from, int count, int to);
    void redo() override;
    void undo() override;

private:
    ScheduleModel& m_model;
    int m_from;
    int m_count;
    int m_to;
};
