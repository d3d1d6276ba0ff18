#include "csvtext.h"

namespace tavo {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool NeedsQuotes(std::string_view text)
{
    return text.find_first_of(",\"\r\n") != std::string_view::npos;
}

}  // namespace

std::optional<CsvTable> ReadCsv(std::string_view bytes, std::string* error)
{
    CsvTable table;
    if (bytes.starts_with(kByteOrderMark)) {
        table.byteOrderMark = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    const auto fail = [&](size_t line, const std::string& why) -> std::optional<CsvTable> {
        if (error) {
            *error = "not CSV at line " + std::to_string(line) + ": " + why;
        }
        return std::nullopt;
    };
    bool lineBreakSeen = false;
    size_t line = 1;
    size_t i = 0;
    CsvRow row;
    CsvField field;
    bool inRow = false;  // the current row has begun: a field or a comma read
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '"') {
            if (field.quoted || !field.text.empty()) {
                return fail(line, "a quote inside a field that is not quoted");
            }
            // A quoted field: up to its closing quote; "" is one quote.
            field.quoted = true;
            inRow = true;
            ++i;
            const size_t startLine = line;
            for (;;) {
                if (i >= bytes.size()) {
                    return fail(startLine, "a quoted field is never closed");
                }
                if (bytes[i] == '"') {
                    if (i + 1 < bytes.size() && bytes[i + 1] == '"') {
                        field.text += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                if (bytes[i] == '\n') {
                    ++line;
                }
                field.text += bytes[i++];
            }
            if (i < bytes.size() && bytes[i] != ',' && bytes[i] != '\r' && bytes[i] != '\n') {
                return fail(line, "text after a quoted field");
            }
            continue;
        }
        if (c == ',') {
            row.push_back(std::move(field));
            field = {};
            inRow = true;
            ++i;
            continue;
        }
        if (c == '\r' || c == '\n') {
            const bool crlf = c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
            if (!lineBreakSeen) {
                table.lineBreak = crlf ? "\r\n" : std::string(1, c);
                lineBreakSeen = true;
            }
            // A line with nothing on it is no row, as tavo-calc's batch reads it.
            if (inRow || !field.text.empty()) {
                row.push_back(std::move(field));
                table.rows.push_back(std::move(row));
            }
            field = {};
            row = {};
            inRow = false;
            i += crlf ? 2 : 1;
            ++line;
            continue;
        }
        if (field.quoted) {
            return fail(line, "text after a quoted field");
        }
        field.text += c;
        inRow = true;
        ++i;
    }
    table.finalLineBreak = !inRow;
    if (inRow) {
        row.push_back(std::move(field));
        table.rows.push_back(std::move(row));
    }
    return table;
}

void AppendCsvField(std::string& out, std::string_view text, bool quoted)
{
    if (!quoted && !NeedsQuotes(text)) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        out += c;
        if (c == '"') {
            out += '"';
        }
    }
    out += '"';
}

std::string WriteCsv(const CsvTable& table)
{
    std::string out(table.byteOrderMark ? kByteOrderMark : "");
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const CsvRow& row = table.rows[r];
        for (size_t f = 0; f < row.size(); ++f) {
            if (f > 0) {
                out += ',';
            }
            AppendCsvField(out, row[f].text, row[f].quoted);
        }
        if (r + 1 < table.rows.size() || table.finalLineBreak) {
            out += table.lineBreak;
        }
    }
    return out;
}

}  // namespace tavo
