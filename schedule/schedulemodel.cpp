#include "schedulemodel.h"

#include "circuit/circuitcheck.h"
#include "schedulecommands.h"

#include <QBrush>
#include <QColor>
#include <QFont>

using tavo::circuit::CircuitSheet;

namespace {

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string ToUtf8(const QString& text)
{
    return text.toStdString();
}

const std::vector<tavo::Input>& Inputs()
{
    static const std::vector<tavo::Input> inputs = tavo::circuit::CircuitInputDescriptions();
    return inputs;
}

const QColor kRefused(255, 214, 214);
const QColor kMarked(255, 246, 196);
const QColor kFails(176, 0, 0);
const QColor kDefault(110, 110, 110);

}  // namespace

ScheduleModel::ScheduleModel(QObject* parent) : QAbstractTableModel(parent)
{
    arrange();
}

void ScheduleModel::arrange()
{
    m_columns.clear();
    std::vector<Column> added;
    for (size_t c = 0; c < m_sheet.columnCount(); ++c) {
        (m_sheet.fromFile(c) ? m_columns : added).push_back({int(c), -1});
    }
    if (m_columns.empty()) {
        m_columns.swap(added);
    }
    for (size_t r = 0; r < tavo::kCircuit.results.size(); ++r) {
        m_columns.push_back({-1, int(r)});
    }
    m_columns.insert(m_columns.end(), added.begin(), added.end());
    m_statusColumn = resultColumn(tavo::circuit::kStatus);
}

int ScheduleModel::resultColumn(size_t result) const
{
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].result == int(result)) {
            return int(c);
        }
    }
    return -1;
}

ScheduleModel::Texts ScheduleModel::sheetTexts(const QStringList& shown) const
{
    Texts texts(m_sheet.columnCount());
    for (int c = 0; c < int(shown.size()) && c < columnCount(); ++c) {
        if (sheetColumn(c) >= 0) {
            texts[size_t(sheetColumn(c))] = ToUtf8(shown[c]);
        }
    }
    return texts;
}

void ScheduleModel::reset(CircuitSheet sheet)
{
    beginResetModel();
    m_sheet = std::move(sheet);
    arrange();
    m_marked.clear();
    endResetModel();
    m_undo.clear();
    emit resultsChanged();
}

int ScheduleModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_sheet.rowCount());
}

int ScheduleModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

int ScheduleModel::inputOf(int column) const
{
    return isResult(column) ? -1 : m_sheet.inputOf(size_t(sheetColumn(column)));
}

QString ScheduleModel::shownText(int row, int column) const
{
    const tavo::circuit::RowOutcome& outcome = m_sheet.outcome(size_t(row));
    if (isResult(column)) {
        const size_t result = size_t(m_columns[size_t(column)].result);
        if (outcome.refused) {
            // A row the check could not read says why where its status would be.
            return result == tavo::circuit::kStatus ? FromUtf8(outcome.error) : QString();
        }
        return result < outcome.results.size() ? FromUtf8(outcome.results[result]) : QString();
    }
    return FromUtf8(m_sheet.text(size_t(row), size_t(sheetColumn(column))));
}

QVariant ScheduleModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
    case Qt::ForegroundRole:
    case Qt::FontRole:
    case Qt::BackgroundRole:
    case Qt::ToolTipRole:
    case Qt::AccessibleDescriptionRole:
        break;
    default:
        return {};  // the view asks for many roles as it paints; these are all it is given
    }
    const int row = index.row();
    const int column = index.column();
    const tavo::circuit::RowOutcome& outcome = m_sheet.outcome(size_t(row));
    const bool refused =
        outcome.refused && !isResult(column) && outcome.refusedColumn == sheetColumn(column);
    if (role == Qt::BackgroundRole) {
        if (refused) {
            return QBrush(kRefused);
        }
        return m_marked.contains(row) ? QVariant(QBrush(kMarked)) : QVariant();
    }
    const int input = inputOf(column);
    const QString text = shownText(row, column);
    // An empty input stands for its default, shown as such.
    const bool byDefault = input >= 0 && text.isEmpty();
    QString defaultText;
    if (byDefault) {
        defaultText = input == int(tavo::circuit::kCircuitName)
                          ? QString::number(row + 1)
                          : FromUtf8(std::string(Inputs()[size_t(input)].byDefault));
    }
    const bool status = column == m_statusColumn;
    const bool fails = status && (outcome.refused || !outcome.ok);
    switch (role) {
    case Qt::DisplayRole:
        return byDefault ? defaultText : text;
    case Qt::EditRole:
        return text;
    case Qt::ForegroundRole:
        if (fails) {
            return QBrush(kFails);
        }
        return byDefault ? QVariant(QBrush(kDefault)) : QVariant();
    case Qt::FontRole:
        if (byDefault || fails) {
            QFont font;
            font.setItalic(byDefault);
            font.setBold(fails);
            return font;
        }
        return {};
    case Qt::ToolTipRole:
        if (refused) {
            return FromUtf8(outcome.refused->reason);
        }
        if (byDefault) {
            return tr("Default: %1").arg(defaultText);
        }
        return text.isEmpty() ? QVariant() : QVariant(text);
    case Qt::AccessibleDescriptionRole:
        if (refused) {
            return tr("Refused: %1").arg(FromUtf8(outcome.refused->reason));
        }
        if (byDefault) {
            return tr("default");
        }
        if (m_marked.contains(row) && column == 0) {
            return tr("shares the selected circuit's raceway");
        }
        return {};
    default:
        return {};
    }
}

QVariant ScheduleModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        return role == Qt::DisplayRole ? QVariant(section + 1) : QVariant();
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole) {
        return {};
    }
    if (isResult(section)) {
        const tavo::Result& result =
            tavo::kCircuit.results[size_t(m_columns[size_t(section)].result)];
        return role == Qt::DisplayRole ? FromUtf8(std::string(result.label))
                                       : tr("Result: %1").arg(FromUtf8(std::string(result.label)));
    }
    const QString name = FromUtf8(m_sheet.columnName(size_t(sheetColumn(section))));
    const int input = inputOf(section);
    if (input < 0) {
        return role == Qt::DisplayRole ? name
                                       : tr("The file's column \"%1\", kept as text").arg(name);
    }
    const QString label = FromUtf8(std::string(Inputs()[size_t(input)].label));
    return role == Qt::DisplayRole ? label : tr("Input %1 (column \"%2\")").arg(label, name);
}

Qt::ItemFlags ScheduleModel::flags(const QModelIndex& index) const
{
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    const Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    return isResult(index.column()) ? flags : flags | Qt::ItemIsEditable;
}

bool ScheduleModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || isResult(index.column())) {
        return false;
    }
    const QString text = value.toString();
    if (text == shownText(index.row(), index.column())) {
        return true;
    }
    editCells({{index.row(), index.column(), text}}, tr("Edit"));
    return true;
}

void ScheduleModel::editCells(const QList<std::tuple<int, int, QString>>& cells,
                              const QString& what)
{
    QList<EditCellsCommand::Cell> changes;
    for (const auto& [row, column, text] : cells) {
        changes.append({row, column, shownText(row, column), text});
    }
    if (!changes.isEmpty()) {
        m_undo.push(new EditCellsCommand(*this, changes, what));
    }
}

void ScheduleModel::insertCircuits(int at, const QList<Texts>& rows, const QString& what)
{
    m_undo.push(new InsertCircuitsCommand(*this, at, rows, what));
}

void ScheduleModel::removeCircuits(int at, int count)
{
    if (count > 0) {
        m_undo.push(new RemoveCircuitsCommand(*this, at, count));
    }
}

void ScheduleModel::moveCircuits(int from, int count, int to)
{
    if (count > 0 && from != to) {
        m_undo.push(new MoveCircuitsCommand(*this, from, count, to));
    }
}

void ScheduleModel::pasteBlock(int row, int column, const QList<QStringList>& block)
{
    // One step: the new circuits first, then every cell of the block.
    auto* paste = new QUndoCommand(tr("Paste"));
    const int missing = row + int(block.size()) - rowCount();
    if (missing > 0) {
        new InsertCircuitsCommand(*this, rowCount(), QList<Texts>(missing), tr("Paste"), paste);
    }
    QList<EditCellsCommand::Cell> cells;
    for (int r = 0; r < int(block.size()); ++r) {
        const QStringList& texts = block[r];
        for (int c = 0; c < int(texts.size()) && column + c < columnCount(); ++c) {
            if (isResult(column + c)) {
                continue;  // worked out, never pasted over
            }
            const QString before =
                row + r < rowCount() ? shownText(row + r, column + c) : QString();
            cells.append({row + r, column + c, before, texts[c]});
        }
    }
    new EditCellsCommand(*this, cells, tr("Paste"), paste);
    m_undo.push(paste);
}

void ScheduleModel::markRaceway(int row)
{
    QSet<int> marked;
    if (row >= 0 && row < rowCount()) {
        for (const size_t r : m_sheet.racewayRows(size_t(row))) {
            marked.insert(int(r));
        }
    }
    if (marked == m_marked) {
        return;
    }
    const QSet<int> changed = marked + m_marked;
    m_marked = marked;
    for (const int r : changed) {
        emit dataChanged(index(r, 0), index(r, columnCount() - 1),
                         {Qt::BackgroundRole, Qt::AccessibleDescriptionRole});
    }
}

void ScheduleModel::applyText(int row, int column, const QString& text)
{
    const std::vector<size_t> changed =
        m_sheet.setText(size_t(row), size_t(sheetColumn(column)), ToUtf8(text));
    emit dataChanged(index(row, column), index(row, column));
    resultsChangedIn(changed);
}

void ScheduleModel::applyInsert(int at, const QList<Texts>& rows)
{
    beginInsertRows({}, at, at + int(rows.size()) - 1);
    const std::vector<size_t> changed =
        m_sheet.insertRows(size_t(at), std::vector<Texts>(rows.begin(), rows.end()));
    endInsertRows();
    resultsChangedIn(changed);
}

QList<ScheduleModel::Texts> ScheduleModel::applyRemove(int at, int count)
{
    QList<Texts> removed;
    for (int r = at; r < at + count; ++r) {
        removed.append(m_sheet.rowTexts(size_t(r)));
    }
    beginRemoveRows({}, at, at + count - 1);
    const std::vector<size_t> changed = m_sheet.removeRows(size_t(at), size_t(count));
    endRemoveRows();
    m_marked.clear();
    resultsChangedIn(changed);
    return removed;
}

void ScheduleModel::applyMove(int from, int count, int to)
{
    // Qt's destination is the row the block goes before, counted before the move.
    const int destination = to > from ? to + count : to;
    beginMoveRows({}, from, from + count - 1, {}, destination);
    const std::vector<size_t> changed = m_sheet.moveRows(size_t(from), size_t(count), size_t(to));
    endMoveRows();
    m_marked.clear();
    resultsChangedIn(changed);
}

void ScheduleModel::resultsChangedIn(const std::vector<size_t>& rows)
{
    // Runs of neighbouring rows as one signal each.
    for (size_t i = 0; i < rows.size();) {
        size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) {
            ++j;
        }
        emit dataChanged(index(int(rows[i]), 0), index(int(rows[j]), columnCount() - 1));
        i = j + 1;
    }
    emit resultsChanged();
}
