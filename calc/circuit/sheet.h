#pragma once

// A circuit schedule as a window holds it: rows of texts under named columns (the circuit
// check's inputs and the file's other columns), and every row's results, kept up to date. A
// change recomputes only what it touches: its row, and the rows of the raceways it leaves or
// joins. Opened from and saved to the CSV that `tavo-calc circuit --csv` reads and writes.

#include "calculator.h"
#include "check.h"
#include "csvtext.h"
#include "schedule.h"

#include <optional>
#include <string>
#include <vector>

namespace tavo::circuit {

// One row's results as the schedule shows them.
struct RowOutcome
{
    std::optional<Refusal> refused;    // an input the check cannot take
    int refusedColumn = -1;            // its column
    std::string error;                 // the refusal as the command line writes it
    std::vector<std::string> results;  // by the description's results; empty when refused
    std::string reportHeader;          // UTF-8
    std::string reportBody;
    bool ok = false;
    std::string racewayId;  // of a circuit that was read
    std::string edition;    // "2023" or "2008", of a circuit that was read
};

class CircuitSheet
{
public:
    using Texts = std::vector<std::string>;

    // A new schedule: every input of the check a column, no rows.
    CircuitSheet();
    // The table's header names the columns; the results' columns are left out, to be worked out
    // again. Inputs the file lacks become columns after its own.
    explicit CircuitSheet(const CsvTable& table);

    // The columns as given, then the results, as tavo-calc writes them; an input column the file
    // did not have is written only once it holds a text.
    CsvTable toCsv() const;

    size_t columnCount() const { return m_columns.size(); }
    size_t rowCount() const { return m_rows.size(); }
    const std::string& columnName(size_t column) const { return m_columns[column].name; }
    // The input of a column, -1 for one of the file's other columns.
    int inputOf(size_t column) const { return m_columns[column].input; }
    // Whether the column came from the file (not added for an input the file lacked).
    bool fromFile(size_t column) const { return m_columns[column].fromFile; }
    // The column of an input, -1 when there is none.
    int columnOf(size_t input) const;
    const std::string& text(size_t row, size_t column) const { return m_rows[row][column].text; }
    Texts rowTexts(size_t row) const;

    // Each change gives the rows whose results it changed, smallest first.
    std::vector<size_t> setText(size_t row, size_t column, std::string text);
    std::vector<size_t> insertRows(size_t at, const std::vector<Texts>& rows);
    std::vector<size_t> removeRows(size_t at, size_t count);
    // Moves `count` rows from `from` so that the first stands at `to` once moved.
    std::vector<size_t> moveRows(size_t from, size_t count, size_t to);

    const RowOutcome& outcome(size_t row) const { return m_outcomes[row]; }
    // The row's whole result, with the trace and the other edition's lines; none when refused.
    std::optional<CircuitResult> traced(size_t row) const;
    // The rows that share the row's raceway, itself included; empty when it has one of its own.
    std::vector<size_t> racewayRows(size_t row) const;

    // The result columns' names, "report header", "report body" and "error".
    static const std::vector<std::string>& ResultColumns();

private:
    struct Column
    {
        std::string name;
        int input = -1;
        bool fromFile = false;
        bool quotedName = false;
    };

    void addMissingInputs();
    // Reads the rows again, and works out the results of the rows and of every raceway they
    // are in or were in (`ids`).
    std::vector<size_t> recompute(std::vector<size_t> rows, std::vector<std::string> ids);
    // The rows from `first` on that are named by their row number.
    std::vector<size_t> numberedFrom(size_t first) const;
    void read(size_t row);
    InputValues values(size_t row) const;
    void checkAlone(size_t row);
    // The rows whose circuits name the raceway, and a schedule of them alone: raceways do not
    // depend on one another.
    std::vector<size_t> membersOf(const std::string& id) const;
    Schedule scheduleOf(const std::vector<size_t>& members, bool traced) const;

    std::vector<Column> m_columns;
    std::vector<std::vector<CsvField>> m_rows;
    std::vector<std::optional<Circuit>> m_circuits;
    std::vector<RowOutcome> m_outcomes;
    bool m_byteOrderMark = false;
    std::string m_lineBreak = "\r\n";
};

}  // namespace tavo::circuit
