#include "csvbatch.h"

#include "json.h"
#include "run.h"
#include "windows1252.h"

#include <csv.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <deque>
#include <iostream>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string_view>
#include <thread>

namespace tavo::cli {

namespace {

constexpr size_t kChunk = 1 << 16;
constexpr size_t kRowsPerChunk = 1024;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Whether a field holds a comma, a quote or a line break. Every byte is looked at, without an
// early end, so that the compiler can look at many at a time.
bool NeedsQuotes(std::string_view text)
{
    bool any = false;
    for (const char c : text) {
        any |= (c == ',') | (c == '"') | (c == '\r') | (c == '\n');
    }
    return any;
}

// CSV fields appended to a text, quoting only the fields that need it, so that what came in
// plain goes out plain.
class CsvText
{
public:
    explicit CsvText(std::string& out) : m_out(out) {}

    void field(std::string_view text)
    {
        if (m_rowStarted) {
            m_out += ',';
        }
        m_rowStarted = true;
        if (!NeedsQuotes(text)) {
            m_out += text;
            return;
        }
        m_out += '"';
        for (char c : text) {
            m_out += c;
            if (c == '"') {
                m_out += '"';
            }
        }
        m_out += '"';
    }
    void endRow(std::string_view lineBreak)
    {
        m_out += lineBreak;
        m_rowStarted = false;
    }

private:
    std::string& m_out;
    bool m_rowStarted = false;
};

// The rows of a CSV file, one call each: libcsv in strict mode, as RFC 4180 has it (a quote only
// around a field, and every quoted field closed), spaces kept as part of their field.
class CsvReader
{
public:
    // Each row's fields, in buffers that the next row reuses, and the byte that ended it.
    // The fields may be swapped out: the reader refills whatever buffers it is left with.
    using OnRow = void (*)(std::span<std::string> fields, int terminator, void* context);

    // Reads `in` from its start; empty, or why it could not be read. `rows` counts the rows
    // after the header for the messages.
    std::string read(std::FILE* in, const std::string& name, OnRow onRow, void* context)
    {
        m_onRow = onRow;
        m_context = context;
        m_rows = 0;
        m_count = 0;
        m_headerSeen = false;
        m_byteOrderMark = false;
        m_stopped = false;
        csv_parser parser;
        csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
        csv_set_space_func(&parser, [](unsigned char) { return 0; });
        std::vector<char> chunk(kChunk);
        bool first = true;
        std::string failure;
        for (;;) {
            const size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
            if (got == 0) {
                if (std::ferror(in)) {
                    failure = "cannot read " + name + ": " + std::strerror(errno);
                }
                break;
            }
            std::string_view bytes(chunk.data(), got);
            if (first && bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
                bytes.remove_prefix(kByteOrderMark.size());
                m_byteOrderMark = true;
            }
            first = false;
            if (csv_parse(&parser, bytes.data(), bytes.size(), OnField, OnRowEnd, this) !=
                bytes.size()) {
                failure = name + ": not CSV after row " + std::to_string(m_rows) +
                          ": a quote inside a field that is not quoted, or after a quoted one";
                break;
            }
            if (m_stopped) {
                break;
            }
        }
        if (failure.empty() && !m_stopped && csv_fini(&parser, OnField, OnRowEnd, this) != 0) {
            failure = name + " ends inside a quoted field";
        }
        csv_free(&parser);
        return failure;
    }

    // No more rows are wanted: the reading ends after this one.
    void stop() { m_stopped = true; }
    bool byteOrderMark() const { return m_byteOrderMark; }
    long rows() const { return m_rows; }

private:
    static void OnField(void* data, size_t length, void* self)
    {
        auto* reader = static_cast<CsvReader*>(self);
        // Each field into the room the same field had in the row before.
        if (reader->m_count == reader->m_fields.size()) {
            reader->m_fields.emplace_back();
        }
        reader->m_fields[reader->m_count++].assign(data ? static_cast<const char*>(data) : "",
                                                   length);
    }
    static void OnRowEnd(int terminator, void* self)
    {
        auto* reader = static_cast<CsvReader*>(self);
        if (!reader->m_stopped) {
            reader->m_onRow(std::span(reader->m_fields).first(reader->m_count), terminator,
                            reader->m_context);
            if (reader->m_headerSeen) {
                ++reader->m_rows;
            }
            reader->m_headerSeen = true;
        }
        reader->m_count = 0;
    }

    OnRow m_onRow = nullptr;
    void* m_context = nullptr;
    std::vector<std::string> m_fields;
    size_t m_count = 0;
    long m_rows = 0;
    bool m_headerSeen = false;
    bool m_byteOrderMark = false;
    bool m_stopped = false;
};

// What every row of a batch shares: the calculator, the header and what its columns are.
struct BatchShape
{
    const Calculator& calculator;
    bool json = false;
    const BatchPlan* plan = nullptr;
    std::vector<std::string> header = {};
    std::string lineBreak = "\r\n";
    size_t resultCount = 0;
};

// Why a header cannot be taken: an input named twice. Empty when it can.
std::string HeaderRefusal(const Calculator& calculator, const std::vector<std::string>& header)
{
    const std::vector<int> columns = InputReader(calculator, header, false).columns();
    for (size_t i = 0; i < columns.size(); ++i) {
        if (columns[i] >= 0 && std::find(columns.begin(), columns.begin() + long(i), columns[i]) !=
                                   columns.begin() + long(i)) {
            return "the column \"" + Printable(header[i]) + "\" is given twice";
        }
    }
    return {};
}

// One row's text, as a worker makes it: its own reader, values and run, kept from row to row.
class RowFormatter
{
public:
    explicit RowFormatter(const BatchShape& shape)
        : m_shape(shape), m_reader(shape.calculator, shape.header, false)
    {
    }

    // Appends the row's line to `out`; false when the row could not be calculated.
    bool format(std::span<const std::string> fields, long row, std::string& out)
    {
        const Calculator& calculator = m_shape.calculator;
        std::string error;
        if (fields.size() > m_shape.header.size()) {
            error = "the row has " + std::to_string(fields.size()) + " fields, the header " +
                    std::to_string(m_shape.header.size());
        }
        if (error.empty()) {
            error = m_reader.read(fields, m_resolved);
        }
        if (error.empty()) {
            const Completion completion = m_shape.json ? Completion::Whole : Completion::Texts;
            Outcome outcome = m_shape.plan
                                  ? Evaluate(
                                        calculator, m_resolved.values,
                                        [&](const InputValues& values) {
                                            return m_shape.plan->compute(row, values, m_shape.json);
                                        },
                                        completion)
                                  : Evaluate(calculator, m_resolved.values, completion);
            ToRun(calculator, m_resolved, std::move(outcome), m_run, completion);
            error = m_run.refusal;
        }
        if (!error.empty()) {
            failedRow(fields, row, error, out);
            return false;
        }
        if (m_shape.json) {
            out += JsonLine(calculator, m_run);
            return true;
        }
        CsvText csv(out);
        writeInputs(fields, csv);
        for (const auto& [name, text] : m_run.results) {
            csv.field(text);
        }
        m_utf8.clear();
        AppendWindows1252AsUtf8(m_utf8, m_run.report.header);
        csv.field(m_utf8);
        m_utf8.clear();
        AppendWindows1252AsUtf8(m_utf8, m_run.report.body);
        AppendWindows1252AsUtf8(m_utf8, m_run.report.trailer);
        csv.field(m_utf8);
        csv.field("");
        csv.endRow(m_shape.lineBreak);
        return true;
    }

private:
    // The row as it came, filled out to the header's width.
    void writeInputs(std::span<const std::string> fields, CsvText& csv) const
    {
        for (const std::string& field : fields) {
            csv.field(field);
        }
        for (size_t i = fields.size(); i < m_shape.header.size(); ++i) {
            csv.field("");
        }
    }

    void failedRow(std::span<const std::string> fields, long row, const std::string& error,
                   std::string& out) const
    {
        if (m_shape.json) {
            out += "{\"calculator\": " + JsonString(m_shape.calculator.name) +
                   ", \"row\": " + std::to_string(row) + ", \"error\": " + JsonString(error) +
                   "}\n";
            return;
        }
        CsvText csv(out);
        writeInputs(fields, csv);
        for (size_t i = 0; i < m_shape.resultCount + 2; ++i) {
            csv.field("");
        }
        csv.field(error);
        csv.endRow(m_shape.lineBreak);
    }

    const BatchShape& m_shape;
    InputReader m_reader;
    Resolved m_resolved;
    Run m_run;
    std::string m_utf8;
};

// Rows worked out on every core and written in their order: the reading thread gathers rows
// into chunks, each chunk is formatted by one worker, and the reading thread writes finished
// chunks as they come due. A few chunks are in flight at most, so memory stays flat.
class Pipeline
{
public:
    Pipeline(const BatchShape& shape, std::FILE* out) : m_out(out)
    {
        const unsigned cores = std::max(1u, std::min(4u, std::thread::hardware_concurrency()));
        for (unsigned i = 0; i < cores; ++i) {
            m_workers.emplace_back([this, &shape] { work(shape); });
        }
        m_limit = cores * 2;
    }
    ~Pipeline() { finish(); }
    Pipeline(const Pipeline&) = delete;
    Pipeline& operator=(const Pipeline&) = delete;

    // The row's fields are taken, and buffers of an earlier row left in their place.
    void add(std::span<std::string> fields, long row)
    {
        if (!m_filling) {
            m_filling = takeChunk();
            m_filling->firstRow = row;
        }
        Chunk& chunk = *m_filling;
        if (chunk.rows == chunk.widths.size()) {
            chunk.widths.emplace_back();
        }
        chunk.widths[chunk.rows++] = fields.size();
        for (std::string& field : fields) {
            if (chunk.used == chunk.fields.size()) {
                chunk.fields.emplace_back();
            }
            chunk.fields[chunk.used++].swap(field);
        }
        if (chunk.rows == kRowsPerChunk) {
            submit();
        }
    }

    // Writes every row given; false when the output could not be written.
    bool finish()
    {
        if (m_filling) {
            submit();
        }
        {
            std::unique_lock lock(m_mutex);
            m_closing = true;
        }
        m_work.notify_all();
        for (std::thread& worker : m_workers) {
            if (worker.joinable()) {
                worker.join();
            }
        }
        writeDue(true);
        return !m_writeFailed;
    }

    bool anyRowFailed() const { return m_anyRowFailed; }

private:
    struct Chunk
    {
        std::vector<std::string> fields;  // the rows' fields one after another, buffers reused
        std::vector<size_t> widths;       // each row's number of fields
        size_t rows = 0;
        size_t used = 0;
        long firstRow = 0;
        std::string out;
        bool done = false;
        bool anyFailed = false;
    };

    std::unique_ptr<Chunk> takeChunk()
    {
        std::unique_lock lock(m_mutex);
        if (m_spare.empty()) {
            return std::make_unique<Chunk>();
        }
        std::unique_ptr<Chunk> chunk = std::move(m_spare.back());
        m_spare.pop_back();
        return chunk;
    }

    void submit()
    {
        {
            std::unique_lock lock(m_mutex);
            m_order.push_back(m_filling.get());
            m_queue.push_back(std::move(m_filling));
        }
        m_work.notify_one();
        writeDue(false);
    }

    // Writes the chunks at the front of the order that are done; waits while too many are in
    // flight, or, with `all`, until every chunk is written.
    void writeDue(bool all)
    {
        std::unique_lock lock(m_mutex);
        for (;;) {
            while (!m_order.empty() && m_order.front()->done) {
                Chunk* chunk = m_order.front();
                m_order.pop_front();
                lock.unlock();
                if (!chunk->out.empty() && std::fwrite(chunk->out.data(), 1, chunk->out.size(),
                                                       m_out) != chunk->out.size()) {
                    m_writeFailed = true;
                }
                m_anyRowFailed = m_anyRowFailed || chunk->anyFailed;
                lock.lock();
                recycle(chunk);
            }
            const bool wait = all ? !m_order.empty() : m_order.size() >= m_limit;
            if (!wait) {
                return;
            }
            m_written.wait(lock);
        }
    }

    // A written chunk back to the spares (under the lock).
    void recycle(Chunk* written)
    {
        for (auto it = m_finished.begin(); it != m_finished.end(); ++it) {
            if (it->get() == written) {
                written->rows = written->used = 0;
                written->out.clear();
                written->done = written->anyFailed = false;
                m_spare.push_back(std::move(*it));
                m_finished.erase(it);
                return;
            }
        }
    }

    void work(const BatchShape& shape)
    {
        RowFormatter formatter(shape);
        std::unique_lock lock(m_mutex);
        for (;;) {
            m_work.wait(lock, [this] { return !m_queue.empty() || m_closing; });
            if (m_queue.empty()) {
                return;
            }
            std::unique_ptr<Chunk> chunk = std::move(m_queue.front());
            m_queue.pop_front();
            lock.unlock();
            size_t at = 0;
            for (size_t row = 0; row < chunk->rows; ++row) {
                const auto fields = std::span(chunk->fields).subspan(at, chunk->widths[row]);
                at += chunk->widths[row];
                if (!formatter.format(fields, chunk->firstRow + long(row), chunk->out)) {
                    chunk->anyFailed = true;
                }
            }
            lock.lock();
            chunk->done = true;
            m_finished.push_back(std::move(chunk));
            m_written.notify_all();
        }
    }

    std::FILE* m_out;
    std::vector<std::thread> m_workers;
    size_t m_limit = 2;
    std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_written;
    std::deque<std::unique_ptr<Chunk>> m_queue;      // waiting for a worker
    std::deque<Chunk*> m_order;                      // every chunk not yet written, in order
    std::vector<std::unique_ptr<Chunk>> m_finished;  // formatted, not yet written
    std::vector<std::unique_ptr<Chunk>> m_spare;
    std::unique_ptr<Chunk> m_filling;
    bool m_closing = false;
    bool m_writeFailed = false;
    bool m_anyRowFailed = false;
};

// The last pass: the header written, every row through the pipeline.
struct OutputPass
{
    BatchShape& shape;
    CsvReader& reader;
    std::FILE* out;
    std::optional<Pipeline> pipeline = {};
    std::string fatal = {};

    static void OnRow(std::span<std::string> fields, int terminator, void* context)
    {
        auto* pass = static_cast<OutputPass*>(context);
        if (!pass->pipeline) {
            pass->header(fields, terminator);
            return;
        }
        pass->pipeline->add(fields, pass->reader.rows() + 1);
    }

    void header(std::span<const std::string> fields, int terminator)
    {
        shape.header.assign(fields.begin(), fields.end());
        fatal = HeaderRefusal(shape.calculator, shape.header);
        if (!fatal.empty()) {
            reader.stop();
            return;
        }
        shape.lineBreak = terminator == '\r' ? "\r\n" : "\n";
        const std::vector<std::string> results = ResultNames(shape.calculator);
        shape.resultCount = results.size();
        if (!shape.json) {
            std::string line(reader.byteOrderMark() ? kByteOrderMark : "");
            CsvText csv(line);
            for (const std::string& name : shape.header) {
                csv.field(name);
            }
            for (const std::string& name : results) {
                csv.field(name);
            }
            csv.field("report header");
            csv.field("report body");
            csv.field("error");
            csv.endRow(shape.lineBreak);
            std::fwrite(line.data(), 1, line.size(), out);
        }
        pipeline.emplace(shape, out);
    }

    // The result columns, named as the page names its results at the opening values.
    static std::vector<std::string> ResultNames(const Calculator& calculator)
    {
        Resolved opening;
        Resolve(calculator, {}, opening);
        std::vector<std::string> names;
        for (const auto& [name, text] : Calculate(calculator, opening).results) {
            names.push_back(name);
        }
        return names;
    }
};

// A pass before the last, for a calculator whose rows depend on one another: every row that
// can be read goes to the plan.
struct LearningPass
{
    const Calculator& calculator;
    BatchPlan& plan;
    CsvReader& reader;
    int pass;
    std::optional<InputReader> inputs = {};
    int keyColumn = -1;  // the column of the plan's key input
    Resolved resolved = {};
    std::string fatal = {};

    static void OnRow(std::span<std::string> fields, int, void* context)
    {
        auto* learning = static_cast<LearningPass*>(context);
        if (!learning->inputs) {
            const std::vector<std::string> header(fields.begin(), fields.end());
            learning->fatal = HeaderRefusal(learning->calculator, header);
            if (!learning->fatal.empty()) {
                learning->reader.stop();
                return;
            }
            learning->inputs.emplace(learning->calculator, header, false);
            const std::vector<int>& columns = learning->inputs->columns();
            const auto key = std::find(columns.begin(), columns.end(), learning->plan.keyInput());
            learning->keyColumn = key == columns.end() ? -1 : int(key - columns.begin());
            return;
        }
        // A row without its key (or a file without that column) teaches nothing.
        const bool keyed =
            learning->plan.keyInput() < 0 ||
            (learning->keyColumn >= 0 && size_t(learning->keyColumn) < fields.size() &&
             !fields[size_t(learning->keyColumn)].empty());
        if (keyed && fields.size() <= learning->inputs->columns().size() &&
            learning->inputs->read(fields, learning->resolved).empty()) {
            learning->plan.learn(learning->pass, learning->reader.rows() + 1,
                                 learning->resolved.values);
        }
    }
};

// Whether a file can be read again from its start: a regular file, not a pipe or a terminal.
bool Rereadable(std::FILE* file)
{
    struct stat status = {};
    return fstat(fileno(file), &status) == 0 && S_ISREG(status.st_mode);
}

// What `source` (named `name`) holds, copied to a temporary file of its own, for a batch that
// reads its rows more than once; `source` is closed unless it is the standard input.
std::FILE* CopyOf(std::FILE* source, const std::string& name, std::string& failure)
{
    std::FILE* copy = std::tmpfile();
    if (!copy) {
        failure = "cannot make a temporary file for " + name + ": " + std::strerror(errno);
    }
    std::vector<char> chunk(kChunk);
    while (copy) {
        const size_t got = std::fread(chunk.data(), 1, chunk.size(), source);
        if (got == 0) {
            if (std::ferror(source)) {
                failure = "cannot read " + name + ": " + std::strerror(errno);
                std::fclose(copy);
                copy = nullptr;
            }
            break;
        }
        if (std::fwrite(chunk.data(), 1, got, copy) != got) {
            failure = "cannot copy " + name + ": " + std::strerror(errno);
            std::fclose(copy);
            copy = nullptr;
        }
    }
    if (source != stdin) {
        std::fclose(source);
    }
    return copy;
}

}  // namespace

int RunCsvBatch(const Calculator& calculator, const std::string& path, bool json)
{
    const bool standardInput = path == "-";
    const std::string name = standardInput ? std::string("the standard input") : Printable(path);
    std::unique_ptr<BatchPlan> plan = calculator.plan ? calculator.plan(json) : nullptr;
    std::string failure;
    std::FILE* in = standardInput ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) {
        failure = "cannot read " + name + ": " + std::strerror(errno);
    } else if (plan && !Rereadable(in)) {
        // The rows are read once for each pass: a pipe is kept in a file first.
        in = CopyOf(in, name, failure);
    }
    if (!in) {
        std::cerr << "tavo-calc: " << failure << "\n";
        return 2;
    }
    CsvReader reader;
    std::string fatal;
    for (int pass = 0; plan && failure.empty() && fatal.empty() && pass < plan->passes(); ++pass) {
        std::rewind(in);
        LearningPass learning{calculator, *plan, reader, pass};
        failure = reader.read(in, name, LearningPass::OnRow, &learning);
        fatal = learning.fatal;
        plan->endPass(pass);
    }
    BatchShape shape{calculator, json, plan.get()};
    bool anyRowFailed = false;
    bool written = true;
    if (failure.empty() && fatal.empty()) {
        if (plan) {
            std::rewind(in);
        }
        OutputPass output{shape, reader, stdout};
        failure = reader.read(in, name, OutputPass::OnRow, &output);
        fatal = output.fatal;
        if (output.pipeline) {
            written = output.pipeline->finish();
            anyRowFailed = output.pipeline->anyRowFailed();
        }
    }
    if (in != stdin) {
        std::fclose(in);
    }
    std::fflush(stdout);
    if (!fatal.empty()) {
        failure = name + ": " + fatal;
    }
    if (!written || std::ferror(stdout)) {
        failure = "cannot write the results: " + std::string(std::strerror(errno));
    }
    if (!failure.empty()) {
        std::cerr << "tavo-calc: " << failure << "\n";
        return 2;
    }
    return anyRowFailed ? 1 : 0;
}

}  // namespace tavo::cli
