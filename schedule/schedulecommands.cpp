#include "schedulecommands.h"

#include <QCoreApplication>

namespace {

QString Tr(const char* text)
{
    return QCoreApplication::translate("ScheduleCommands", text);
}

}  // namespace

EditCellsCommand::EditCellsCommand(ScheduleModel& model, QList<Cell> cells, const QString& text,
                                   QUndoCommand* parent)
    : QUndoCommand(text, parent), m_model(model), m_cells(std::move(cells))
{
}

void EditCellsCommand::redo()
{
    for (const Cell& cell : m_cells) {
        m_model.applyText(cell.row, cell.column, cell.after);
    }
}

void EditCellsCommand::undo()
{
    for (auto cell = m_cells.crbegin(); cell != m_cells.crend(); ++cell) {
        m_model.applyText(cell->row, cell->column, cell->before);
    }
}

InsertCircuitsCommand::InsertCircuitsCommand(ScheduleModel& model, int at,
                                             QList<ScheduleModel::Texts> rows, const QString& text,
                                             QUndoCommand* parent)
    : QUndoCommand(text, parent), m_model(model), m_at(at), m_rows(std::move(rows))
{
}

void InsertCircuitsCommand::redo()
{
    m_model.applyInsert(m_at, m_rows);
}

void InsertCircuitsCommand::undo()
{
    m_model.applyRemove(m_at, int(m_rows.size()));
}

RemoveCircuitsCommand::RemoveCircuitsCommand(ScheduleModel& model, int at, int count)
    : QUndoCommand(count == 1 ? Tr("Delete Circuit") : Tr("Delete Circuits")), m_model(model),
      m_at(at), m_count(count)
{
}

void RemoveCircuitsCommand::redo()
{
    m_removed = m_model.applyRemove(m_at, m_count);
}

void RemoveCircuitsCommand::undo()
{
    m_model.applyInsert(m_at, m_removed);
}

MoveCircuitsCommand::MoveCircuitsCommand(ScheduleModel& model, int from, int count, int to)
    : QUndoCommand(count == 1 ? Tr("Move Circuit") : Tr("Move Circuits")), m_model(model),
      m_from(from), m_count(count), m_to(to)
{
}

void MoveCircuitsCommand::redo()
{
    m_model.applyMove(m_from, m_count, m_to);
}

void MoveCircuitsCommand::undo()
{
    m_model.applyMove(m_to, m_count, m_from);
}
