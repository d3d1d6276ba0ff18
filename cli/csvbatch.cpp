#include "csvbatch.h"

#include "json.h"
#include "run.h"
#include "windows1252.h"

#include <csv.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string_view>

namespace tavo::cli {

namespace {

constexpr size_t kChunk = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// CSV out, quoting only the fields that need it, so that what came in plain goes out plain.
class CsvWriter
{
public:
    explicit CsvWriter(std::FILE* out) : m_out(out) {}
    ~CsvWriter() { flush(); }
    CsvWriter(const CsvWriter&) = delete;
    CsvWriter& operator=(const CsvWriter&) = delete;

    void setLineBreak(std::string_view lineBreak) { m_lineBreak = lineBreak; }
    void raw(std::string_view bytes) { m_buffer += bytes; }
    void field(std::string_view text)
    {
        if (!m_rowStarted) {
            m_rowStarted = true;
        } else {
            m_buffer += ',';
        }
        if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
            m_buffer += text;
            return;
        }
        m_buffer += '"';
        for (char c : text) {
            m_buffer += c;
            if (c == '"') {
                m_buffer += '"';
            }
        }
        m_buffer += '"';
    }
    void endRow()
    {
        m_buffer += m_lineBreak;
        m_rowStarted = false;
        if (m_buffer.size() >= kChunk) {
            flush();
        }
    }
    void flush()
    {
        if (!m_buffer.empty() &&
            std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_out) != m_buffer.size()) {
            m_failed = true;
        }
        m_buffer.clear();
    }
    bool failed() const { return m_failed; }

private:
    std::FILE* m_out;
    std::string m_buffer;
    std::string m_lineBreak = "\r\n";
    bool m_rowStarted = false;
    bool m_failed = false;
};

class Batch
{
public:
    Batch(const Calculator& calculator, bool json, CsvWriter& writer)
        : m_calculator(calculator), m_json(json), m_writer(writer)
    {
        // The result columns are named as the page names its results at the opening values.
        Resolved opening;
        Resolve(calculator, {}, opening);
        for (const auto& [name, text] : Calculate(calculator, opening).results) {
            m_resultNames.push_back(name);
        }
    }

    void setByteOrderMark() { m_byteOrderMark = true; }
    bool anyRowFailed() const { return m_anyRowFailed; }
    const std::string& fatal() const { return m_fatal; }
    long rows() const { return m_rows; }

    static void OnField(void* data, size_t length, void* self)
    {
        auto* batch = static_cast<Batch*>(self);
        batch->m_fields.emplace_back(data ? static_cast<const char*>(data) : "", length);
    }
    static void OnRowEnd(int terminator, void* self)
    {
        auto* batch = static_cast<Batch*>(self);
        if (batch->m_fatal.empty()) {
            batch->row(terminator);
        }
        batch->m_fields.clear();
    }

private:
    void row(int terminator)
    {
        if (!m_headerRead) {
            header(terminator);
            return;
        }
        ++m_rows;
        NamedTexts assignments;
        for (size_t i = 0; i < m_fields.size() && i < m_columns.size(); ++i) {
            if (m_columns[i] >= 0) {
                assignments.emplace_back(m_header[i], m_fields[i]);
            }
        }
        std::string error;
        if (m_fields.size() > m_header.size()) {
            error = "the row has " + std::to_string(m_fields.size()) + " fields, the header " +
                    std::to_string(m_header.size());
        }
        Resolved resolved;
        if (error.empty()) {
            error = Resolve(m_calculator, assignments, resolved);
        }
        if (!error.empty()) {
            m_anyRowFailed = true;
            failedRow(error);
            return;
        }
        const Run run = Calculate(m_calculator, resolved);
        if (m_json) {
            m_writer.raw(JsonLine(m_calculator, run));
            return;
        }
        writeInputs();
        for (const auto& [name, text] : run.results) {
            m_writer.field(text);
        }
        m_writer.field(Windows1252ToUtf8(run.report.header));
        m_writer.field(Windows1252ToUtf8(run.report.body + run.report.trailer));
        m_writer.field("");
        m_writer.endRow();
    }

    void header(int terminator)
    {
        m_headerRead = true;
        m_header = m_fields;
        for (const std::string& name : m_header) {
            const int index = m_calculator.inputIndex(name);
            for (int earlier : m_columns) {
                if (index >= 0 && earlier == index) {
                    m_fatal = "the column \"" + Printable(name) + "\" is given twice";
                    return;
                }
            }
            m_columns.push_back(index);
        }
        m_writer.setLineBreak(terminator == '\r' ? "\r\n" : "\n");
        if (m_json) {
            return;
        }
        if (m_byteOrderMark) {
            m_writer.raw(kByteOrderMark);
        }
        for (const std::string& name : m_header) {
            m_writer.field(name);
        }
        for (const std::string& name : m_resultNames) {
            m_writer.field(name);
        }
        m_writer.field("report header");
        m_writer.field("report body");
        m_writer.field("error");
        m_writer.endRow();
    }

    // The row as it came, filled out to the header's width.
    void writeInputs()
    {
        for (const std::string& field : m_fields) {
            m_writer.field(field);
        }
        for (size_t i = m_fields.size(); i < m_header.size(); ++i) {
            m_writer.field("");
        }
    }

    void failedRow(const std::string& error)
    {
        if (m_json) {
            m_writer.raw("{\"calculator\": " + JsonString(m_calculator.name) + ", \"row\": " +
                         std::to_string(m_rows) + ", \"error\": " + JsonString(error) + "}\n");
            return;
        }
        writeInputs();
        for (size_t i = 0; i < m_resultNames.size() + 2; ++i) {
            m_writer.field("");
        }
        m_writer.field(error);
        m_writer.endRow();
    }

    const Calculator& m_calculator;
    bool m_json;
    CsvWriter& m_writer;
    std::vector<std::string> m_resultNames;
    std::vector<std::string> m_header;
    std::vector<int> m_columns;  // each column's input, or -1 for one carried through
    std::vector<std::string> m_fields;
    bool m_headerRead = false;
    bool m_byteOrderMark = false;
    bool m_anyRowFailed = false;
    long m_rows = 0;
    std::string m_fatal;
};

}  // namespace

int RunCsvBatch(const Calculator& calculator, const std::string& path, bool json)
{
    std::FILE* in = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
    const std::string name = path == "-" ? std::string("the standard input") : Printable(path);
    if (!in) {
        std::cerr << "tavo-calc: cannot read " << name << ": " << std::strerror(errno) << "\n";
        return 2;
    }
    CsvWriter writer(stdout);
    Batch batch(calculator, json, writer);
    csv_parser parser;
    // Strict, as RFC 4180 has it: a quote only around a field, and every quoted field closed.
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    // Spaces are part of a field: a column carried through keeps them.
    csv_set_space_func(&parser, [](unsigned char) { return 0; });
    std::vector<char> chunk(kChunk);
    bool first = true;
    std::string failure;
    for (;;) {
        size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        if (got == 0) {
            if (std::ferror(in)) {
                failure = "cannot read " + name + ": " + std::strerror(errno);
            }
            break;
        }
        std::string_view bytes(chunk.data(), got);
        if (first && bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            bytes.remove_prefix(kByteOrderMark.size());
            batch.setByteOrderMark();
        }
        first = false;
        if (csv_parse(&parser, bytes.data(), bytes.size(), Batch::OnField, Batch::OnRowEnd,
                      &batch) != bytes.size()) {
            failure = name + ": not CSV after row " + std::to_string(batch.rows()) +
                      ": a quote inside a field that is not quoted, or after a quoted one";
            break;
        }
        if (!batch.fatal().empty()) {
            break;
        }
    }
    if (failure.empty() && batch.fatal().empty() &&
        csv_fini(&parser, Batch::OnField, Batch::OnRowEnd, &batch) != 0) {
        failure = name + " ends inside a quoted field";
    }
    csv_free(&parser);
    if (in != stdin) {
        std::fclose(in);
    }
    writer.flush();
    std::fflush(stdout);
    if (!batch.fatal().empty()) {
        failure = name + ": " + batch.fatal();
    }
    if (writer.failed() || std::ferror(stdout)) {
        failure = "cannot write the results: " + std::string(std::strerror(errno));
    }
    if (!failure.empty()) {
        std::cerr << "tavo-calc: " << failure << "\n";
        return 2;
    }
    return batch.anyRowFailed() ? 1 : 0;
}

}  // namespace tavo::cli
