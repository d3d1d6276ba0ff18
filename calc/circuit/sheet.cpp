#include "sheet.h"

#include "circuitcheck.h"
#include "reporttext.h"
#include "schedule.h"
#include "windows1252.h"

#include <algorithm>
#include <unordered_map>

namespace tavo::circuit {

namespace {

const std::vector<Input>& Inputs()
{
    static const std::vector<Input> inputs = CircuitInputDescriptions();
    return inputs;
}

bool HoldsControlCharacter(std::string_view text)
{
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

void SortUnique(std::vector<size_t>& rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
}

}  // namespace

const std::vector<std::string>& CircuitSheet::ResultColumns()
{
    static const std::vector<std::string> columns = [] {
        std::vector<std::string> names;
        for (const Result& result : kCircuit.results) {
            names.push_back(SpokenName(result.label, result.group));
        }
        names.insert(names.end(), {"report header", "report body", "error"});
        return names;
    }();
    return columns;
}

CircuitSheet::CircuitSheet()
{
    addMissingInputs();
}

CircuitSheet::CircuitSheet(const CsvTable& table)
{
    m_byteOrderMark = table.byteOrderMark;
    m_lineBreak = table.lineBreak;
    if (table.rows.empty()) {
        addMissingInputs();
        return;
    }
    const std::vector<std::string>& results = ResultColumns();
    std::vector<int> kept;  // the file's field of each column
    std::vector<bool> taken(Inputs().size(), false);
    const CsvRow& header = table.rows.front();
    for (size_t f = 0; f < header.size(); ++f) {
        const std::string& name = header[f].text;
        if (std::find(results.begin(), results.end(), name) != results.end()) {
            continue;  // worked out again, never taken from the file
        }
        Column column{name, -1, true, header[f].quoted};
        for (size_t i = 0; i < Inputs().size(); ++i) {
            if (!taken[i] && Inputs()[i].name == name) {
                column.input = int(i);
                taken[i] = true;
            }
        }
        m_columns.push_back(column);
        kept.push_back(int(f));
    }
    for (size_t r = 1; r < table.rows.size(); ++r) {
        const CsvRow& fields = table.rows[r];
        // Fields past the header's width keep columns of their own, without a name.
        for (size_t f = header.size(); f < fields.size(); ++f) {
            if (std::find(kept.begin(), kept.end(), int(f)) == kept.end()) {
                m_columns.push_back({"", -1, true, false});
                kept.push_back(int(f));
            }
        }
        std::vector<CsvField> cells(m_columns.size());
        for (size_t c = 0; c < kept.size(); ++c) {
            if (size_t(kept[c]) < fields.size()) {
                cells[c] = fields[size_t(kept[c])];
            }
        }
        m_rows.push_back(std::move(cells));
    }
    for (std::vector<CsvField>& cells : m_rows) {
        cells.resize(m_columns.size());
    }
    addMissingInputs();
    std::vector<size_t> all(m_rows.size());
    for (size_t r = 0; r < all.size(); ++r) {
        all[r] = r;
    }
    m_circuits.resize(m_rows.size());
    m_outcomes.resize(m_rows.size());
    recompute(all, {});
}

void CircuitSheet::addMissingInputs()
{
    // The circuit's name first, then the other inputs in their order.
    std::vector<size_t> order{kCircuitName};
    for (size_t i = 0; i < Inputs().size(); ++i) {
        if (i != kCircuitName) {
            order.push_back(i);
        }
    }
    for (const size_t i : order) {
        if (columnOf(i) < 0) {
            m_columns.push_back({std::string(Inputs()[i].name), int(i), false, false});
        }
    }
    for (std::vector<CsvField>& cells : m_rows) {
        cells.resize(m_columns.size());
    }
}

int CircuitSheet::columnOf(size_t input) const
{
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].input == int(input)) {
            return int(c);
        }
    }
    return -1;
}

CircuitSheet::Texts CircuitSheet::rowTexts(size_t row) const
{
    Texts texts;
    for (const CsvField& cell : m_rows[row]) {
        texts.push_back(cell.text);
    }
    return texts;
}

CsvTable CircuitSheet::toCsv() const
{
    CsvTable table;
    table.byteOrderMark = m_byteOrderMark;
    table.lineBreak = m_lineBreak;
    std::vector<size_t> written;
    for (size_t c = 0; c < m_columns.size(); ++c) {
        const bool used = std::any_of(m_rows.begin(), m_rows.end(),
                                      [&](const auto& cells) { return !cells[c].text.empty(); });
        if (m_columns[c].fromFile || used) {
            written.push_back(c);
        }
    }
    CsvRow header;
    for (const size_t c : written) {
        header.push_back({m_columns[c].name, m_columns[c].quotedName});
    }
    for (const std::string& name : ResultColumns()) {
        header.push_back({name, false});
    }
    table.rows.push_back(std::move(header));
    for (size_t r = 0; r < m_rows.size(); ++r) {
        CsvRow row;
        for (const size_t c : written) {
            row.push_back(m_rows[r][c]);
        }
        const RowOutcome& outcome = m_outcomes[r];
        for (size_t i = 0; i < kCircuit.results.size(); ++i) {
            row.push_back({i < outcome.results.size() ? outcome.results[i] : std::string(), false});
        }
        row.push_back({outcome.reportHeader, false});
        row.push_back({outcome.reportBody, false});
        row.push_back({outcome.error, false});
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::vector<size_t> CircuitSheet::setText(size_t row, size_t column, std::string text)
{
    m_rows[row][column].text = std::move(text);
    if (m_columns[column].input < 0) {
        return {};
    }
    return recompute({row}, {});
}

std::vector<size_t> CircuitSheet::insertRows(size_t at, const std::vector<Texts>& rows)
{
    std::vector<size_t> changed;
    for (size_t k = 0; k < rows.size(); ++k) {
        std::vector<CsvField> cells(m_columns.size());
        for (size_t c = 0; c < cells.size() && c < rows[k].size(); ++c) {
            cells[c].text = rows[k][c];
        }
        m_rows.insert(m_rows.begin() + long(at + k), std::move(cells));
        m_circuits.insert(m_circuits.begin() + long(at + k), std::nullopt);
        m_outcomes.insert(m_outcomes.begin() + long(at + k), RowOutcome{});
        changed.push_back(at + k);
    }
    const std::vector<size_t> numbered = numberedFrom(at + rows.size());
    changed.insert(changed.end(), numbered.begin(), numbered.end());
    return recompute(changed, {});
}

std::vector<size_t> CircuitSheet::removeRows(size_t at, size_t count)
{
    std::vector<std::string> ids;
    for (size_t r = at; r < at + count; ++r) {
        ids.push_back(m_outcomes[r].racewayId);
    }
    const auto first = long(at);
    const auto last = long(at + count);
    m_rows.erase(m_rows.begin() + first, m_rows.begin() + last);
    m_circuits.erase(m_circuits.begin() + first, m_circuits.begin() + last);
    m_outcomes.erase(m_outcomes.begin() + first, m_outcomes.begin() + last);
    return recompute(numberedFrom(at), ids);
}

std::vector<size_t> CircuitSheet::moveRows(size_t from, size_t count, size_t to)
{
    const auto move = [&](auto& list) {
        if (to < from) {
            std::rotate(list.begin() + long(to), list.begin() + long(from),
                        list.begin() + long(from + count));
        } else {
            std::rotate(list.begin() + long(from), list.begin() + long(from + count),
                        list.begin() + long(to + count));
        }
    };
    move(m_rows);
    move(m_circuits);
    move(m_outcomes);
    const size_t low = std::min(from, to);
    const size_t high = std::max(from, to) + count;
    std::vector<size_t> changed;
    // The moved rows' raceways list their circuits in a new order; numbered rows are renamed.
    for (size_t r = low; r < high; ++r) {
        changed.push_back(r);
    }
    return recompute(changed, {});
}

std::vector<size_t> CircuitSheet::numberedFrom(size_t first) const
{
    const int name = columnOf(kCircuitName);
    std::vector<size_t> rows;
    for (size_t r = first; r < m_rows.size(); ++r) {
        if (name < 0 || m_rows[r][size_t(name)].text.empty()) {
            rows.push_back(r);
        }
    }
    return rows;
}

InputValues CircuitSheet::values(size_t row) const
{
    InputValues values(Inputs().size());
    for (size_t c = 0; c < m_columns.size(); ++c) {
        if (m_columns[c].input >= 0) {
            values[size_t(m_columns[c].input)].text = Utf8ToWindows1252(m_rows[row][c].text);
        }
    }
    return values;
}

void CircuitSheet::read(size_t row)
{
    RowOutcome& outcome = m_outcomes[row];
    outcome = RowOutcome{};
    m_circuits[row].reset();
    for (size_t c = 0; c < m_columns.size(); ++c) {
        const std::string& text = m_rows[row][c].text;
        if (m_columns[c].input >= 0 && HoldsControlCharacter(text)) {
            outcome.refused =
                Refusal{Inputs()[size_t(m_columns[c].input)].name, "holds a control character"};
            outcome.refusedColumn = int(c);
            outcome.error = "the text of " + m_columns[c].name + " holds a control character";
            return;
        }
    }
    ReadCircuit read = Read(values(row), long(row) + 1);
    if (!read.circuit) {
        outcome.refused = read.refused;
        const int input = kCircuit.inputIndex(read.refused->input);
        outcome.refusedColumn = input >= 0 ? columnOf(size_t(input)) : -1;
        const std::string given =
            outcome.refusedColumn >= 0 ? m_rows[row][size_t(outcome.refusedColumn)].text : "";
        outcome.error = "invalid " + std::string(read.refused->input) + " \"" + given +
                        "\" for circuit: " + read.refused->reason;
        return;
    }
    outcome.racewayId = read.circuit->racewayId;
    outcome.edition = EditionName(read.circuit->edition);
    m_circuits[row] = std::move(read.circuit);
}

namespace {

void Fill(RowOutcome& outcome, const InputValues& values, const Circuit& circuit,
          const CircuitResult& result)
{
    Outcome texts = CircuitOutcome(values, circuit, result, false);
    outcome.results.clear();
    for (ResultValue& value : texts.results) {
        outcome.results.push_back(std::move(value.text));
    }
    // As the report record keeps it, in UTF-8 as the command line writes it.
    outcome.reportHeader =
        Windows1252ToUtf8(ReportText::Kept(texts.report.header, ReportText::kHeaderSize));
    outcome.reportBody =
        Windows1252ToUtf8(ReportText::Kept(texts.report.body, ReportText::kBodySize)) +
        Windows1252ToUtf8(ReportText::Kept(texts.report.trailer, ReportText::kTrailerSize));
    outcome.ok = result.ok();
}

}  // namespace

void CircuitSheet::checkAlone(size_t row)
{
    const Circuit& circuit = *m_circuits[row];
    Fill(m_outcomes[row], values(row), circuit, CheckAlone(circuit, false));
}

Schedule CircuitSheet::scheduleOf(const std::vector<size_t>& members, bool traced) const
{
    Schedule schedule(traced);
    for (const size_t r : members) {
        schedule.count(long(r) + 1, *m_circuits[r]);
    }
    if (schedule.sharesRaceways()) {
        for (const size_t r : members) {
            schedule.size(long(r) + 1, *m_circuits[r]);
        }
        schedule.finishSizing();
    }
    return schedule;
}

std::vector<size_t> CircuitSheet::membersOf(const std::string& id) const
{
    std::vector<size_t> members;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (m_circuits[r] && m_circuits[r]->racewayId == id) {
            members.push_back(r);
        }
    }
    return members;
}

std::vector<size_t> CircuitSheet::recompute(std::vector<size_t> rows, std::vector<std::string> ids)
{
    for (const size_t r : rows) {
        ids.push_back(m_outcomes[r].racewayId);
        read(r);
        ids.push_back(m_outcomes[r].racewayId);
    }
    for (const size_t r : rows) {
        if (m_circuits[r] && m_circuits[r]->racewayId.empty()) {
            checkAlone(r);
        }
    }
    // The rows of every raceway touched, found in one pass, each raceway checked as one.
    std::unordered_map<std::string, std::vector<size_t>> raceways;
    for (const std::string& id : ids) {
        if (!id.empty()) {
            raceways[id];
        }
    }
    if (!raceways.empty()) {
        for (size_t r = 0; r < m_rows.size(); ++r) {
            if (m_circuits[r] && !m_circuits[r]->racewayId.empty()) {
                const auto found = raceways.find(m_circuits[r]->racewayId);
                if (found != raceways.end()) {
                    found->second.push_back(r);
                }
            }
        }
        for (const auto& [id, members] : raceways) {
            const Schedule schedule = scheduleOf(members, false);
            for (const size_t r : members) {
                Fill(m_outcomes[r], values(r), *m_circuits[r],
                     schedule.check(long(r) + 1, *m_circuits[r]));
                rows.push_back(r);
            }
        }
    }
    SortUnique(rows);
    return rows;
}

std::optional<CircuitResult> CircuitSheet::traced(size_t row) const
{
    if (!m_circuits[row]) {
        return std::nullopt;
    }
    const Circuit& circuit = *m_circuits[row];
    if (circuit.racewayId.empty()) {
        return CheckAlone(circuit, true);
    }
    return scheduleOf(membersOf(circuit.racewayId), true).check(long(row) + 1, circuit);
}

std::vector<size_t> CircuitSheet::racewayRows(size_t row) const
{
    const std::string& id = m_outcomes[row].racewayId;
    if (id.empty()) {
        return {};
    }
    std::vector<size_t> members = membersOf(id);
    return members.size() > 1 ? members : std::vector<size_t>{};
}

}  // namespace tavo::circuit
