#pragma once

// The circuit schedule as a table: one row a circuit, the sheet's columns (the circuit check's
// inputs and the file's other columns) and then the results, read-only. Every change goes
// through the undo stack, and recomputes only the rows it touches.

#include "circuit/sheet.h"

#include <QAbstractTableModel>
#include <QSet>
#include <QUndoStack>

class ScheduleModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    using Texts = tavo::circuit::CircuitSheet::Texts;

    explicit ScheduleModel(QObject* parent = nullptr);

    // A schedule in place of the one shown, its undo history cleared.
    void reset(tavo::circuit::CircuitSheet sheet);
    const tavo::circuit::CircuitSheet& sheet() const { return m_sheet; }
    QUndoStack* undoStack() { return &m_undo; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The columns in the order shown: the file's own, then the results, then the inputs the
    // file left to their defaults (a new schedule: every input, then the results).
    bool isResult(int column) const { return m_columns[size_t(column)].result >= 0; }
    // The sheet's column shown in a column, or -1 for a result.
    int sheetColumn(int column) const { return m_columns[size_t(column)].sheet; }
    // The input of a column, or -1.
    int inputOf(int column) const;
    // The column of a result, by the circuit check's results.
    int resultColumn(size_t result) const;
    // A row's texts by the columns shown, in the sheet's order.
    Texts sheetTexts(const QStringList& shown) const;

    // Each as one step of the undo history.
    void editCells(const QList<std::tuple<int, int, QString>>& cells, const QString& what);
    void insertCircuits(int at, const QList<Texts>& rows, const QString& what);
    void removeCircuits(int at, int count);
    void moveCircuits(int from, int count, int to);
    // A block of texts from the clipboard, its top left at `row`, `column`; rows past the end
    // become new circuits.
    void pasteBlock(int row, int column, const QList<QStringList>& block);

    // The rows of the row's shared raceway, shown marked; empty clears the marks.
    void markRaceway(int row);

    // Applied by the undo steps: the changes themselves, with the signals the views need.
    void applyText(int row, int column, const QString& text);
    void applyInsert(int at, const QList<Texts>& rows);
    QList<Texts> applyRemove(int at, int count);
    void applyMove(int from, int count, int to);

signals:
    // Some rows' results changed (the current row's trace may have to be shown again).
    void resultsChanged();

private:
    void resultsChangedIn(const std::vector<size_t>& rows);
    QString shownText(int row, int column) const;

    struct Column
    {
        int sheet = -1;
        int result = -1;
    };
    void arrange();

    tavo::circuit::CircuitSheet m_sheet;
    std::vector<Column> m_columns;
    int m_statusColumn = -1;
    QUndoStack m_undo;
    QSet<int> m_marked;
};
