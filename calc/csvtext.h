#pragma once

// CSV as RFC 4180 has it, read whole and written back as it came: each field remembers whether
// it was quoted, the file its line breaks and byte-order mark, so that a schedule opened and
// saved again keeps its bytes. A quote is only allowed around a whole field, and every quoted
// field must be closed, as tavo-calc's batch reads CSV.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

struct CsvField
{
    std::string text;
    bool quoted = false;
};

using CsvRow = std::vector<CsvField>;

struct CsvTable
{
    std::vector<CsvRow> rows;  // the header first
    bool byteOrderMark = false;
    std::string lineBreak = "\r\n";  // of the first line; CR LF for an empty file
    bool finalLineBreak = true;      // the last row ended with a line break
};

// The table in `bytes`; none, with `error` saying where and why, when they are not CSV.
std::optional<CsvTable> ReadCsv(std::string_view bytes, std::string* error = nullptr);

// A field as CSV writes it: quoted when it was, or when it holds a comma, a quote or a line
// break, with each quote doubled.
void AppendCsvField(std::string& out, std::string_view text, bool quoted = false);

// The table's bytes, line breaks and byte-order mark as read.
std::string WriteCsv(const CsvTable& table);

}  // namespace tavo
