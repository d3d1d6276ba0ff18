// CSV read and written back as it came, and the schedule sheet over it: its columns, results
// worked out again, and the rows each change recomputes.

#include "circuit/circuitcheck.h"
#include "circuit/sheet.h"
#include "csvtext.h"

#include <gtest/gtest.h>

using namespace tavo;
using namespace tavo::circuit;

namespace {

CsvTable Read(const std::string& bytes)
{
    std::string error;
    const std::optional<CsvTable> table = ReadCsv(bytes, &error);
    EXPECT_TRUE(table) << error;
    return table.value_or(CsvTable{});
}

TEST(Csv, EveryByteComesBack)
{
    for (const std::string& bytes : {
             std::string("a,b\r\n1,2\r\n"),
             std::string("\xEF\xBB\xBF"
                         "a,\"b\"\n\"x, y\",\"say \"\"hi\"\"\"\n"),
             std::string("a,b\n\"two\nlines\",\n3,"),
             std::string("only\r\n"),
             std::string(""),
         }) {
        SCOPED_TRACE(bytes);
        EXPECT_EQ(WriteCsv(Read(bytes)), bytes);
    }
    const CsvTable table = Read("a,\"b\"\n\"x, y\",\n");
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_TRUE(table.rows[0][1].quoted);
    EXPECT_EQ(table.rows[1][0].text, "x, y");
    EXPECT_EQ(table.rows[1][1].text, "");
    EXPECT_EQ(table.lineBreak, "\n");
    // Blank lines are no rows, as the batch reads them; a line of a comma is one.
    EXPECT_EQ(Read("a\n\n1\n,\n").rows.size(), 3u);
}

TEST(Csv, RefusesWhatTheBatchRefuses)
{
    for (const auto& [bytes, why] : std::vector<std::pair<std::string, std::string>>{
             {"a,b\n1,\"open\n", "not CSV at line 2: a quoted field is never closed"},
             {"a,b\n1,3/4\" pipe\n",
              "not CSV at line 2: a quote inside a field that is not quoted"},
             {"a\n\"x\"y\n", "not CSV at line 2: text after a quoted field"},
         }) {
        std::string error;
        EXPECT_FALSE(ReadCsv(bytes, &error)) << bytes;
        EXPECT_EQ(error, why);
    }
}

constexpr const char* kSchedule = "circuit,load,system,volts,length,raceway_id,note\r\n"
                                  "A,30,3,480,50,R1,\"first, of R1\"\r\n"
                                  "B,10,1,240,50,,\r\n"
                                  "C,30,3,480,50,R1,\r\n"
                                  "D,abc,1,240,50,,bad\r\n";

TEST(Sheet, ColumnsResultsAndTheFileBackAsItWas)
{
    const CircuitSheet sheet(Read(kSchedule));
    // The file's seven columns, then every input it lacks.
    ASSERT_EQ(sheet.columnCount(), 7u + 19u);
    EXPECT_EQ(sheet.columnName(6), "note");
    EXPECT_EQ(sheet.inputOf(6), -1);
    EXPECT_EQ(sheet.inputOf(1), int(kLoad));
    EXPECT_FALSE(sheet.fromFile(7));
    EXPECT_EQ(sheet.outcome(0).results[kRacewayCircuits], "A, C");
    EXPECT_EQ(sheet.outcome(1).results[kRacewayCircuits], "B");
    EXPECT_EQ(sheet.outcome(3).error, "invalid load \"abc\" for circuit: a number greater than 0");
    EXPECT_EQ(sheet.outcome(3).refusedColumn, 1);
    EXPECT_EQ(sheet.racewayRows(2), (std::vector<size_t>{0, 2}));
    EXPECT_TRUE(sheet.racewayRows(1).empty());

    // Saved: every line as it came, the results after it; opened again, the same bytes.
    const std::string saved = WriteCsv(sheet.toCsv());
    std::string original(kSchedule);
    for (size_t at = 0, line = 0; at < original.size(); ++line) {
        const size_t end = original.find("\r\n", at);
        size_t savedAt = 0;
        for (size_t k = 0; k < line; ++k) {
            savedAt = saved.find("\r\n", savedAt) + 2;
        }
        EXPECT_EQ(saved.substr(savedAt, end - at), original.substr(at, end - at)) << line;
        at = end + 2;
    }
    const CircuitSheet reopened(Read(saved));
    EXPECT_EQ(reopened.columnCount(), sheet.columnCount());  // the results left out again
    EXPECT_EQ(WriteCsv(reopened.toCsv()), saved);
}

TEST(Sheet, AChangeRecomputesItsRowAndItsRaceways)
{
    CircuitSheet sheet(Read(kSchedule));
    // Another column: nothing to work out.
    EXPECT_TRUE(sheet.setText(1, 6, "note").empty());
    // A circuit alone: its row.
    EXPECT_EQ(sheet.setText(1, 1, "12"), (std::vector<size_t>{1}));
    // A circuit of R1: both rows of R1.
    EXPECT_EQ(sheet.setText(0, 1, "40"), (std::vector<size_t>{0, 2}));
    // B joins R1: R1's rows and B, which now shares it.
    EXPECT_EQ(sheet.setText(1, 5, "R1"), (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(sheet.outcome(2).results[kRacewayCircuits], "A, B, C");
    // A refused text stops the row taking part; R1's other rows are worked out again.
    EXPECT_EQ(sheet.setText(1, 1, "twelve"), (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(sheet.outcome(0).results[kRacewayCircuits], "A, C");
}

TEST(Sheet, RowsNamedByTheirNumberFollowWhenRowsMove)
{
    CircuitSheet sheet(Read("load,raceway_id\n10,R\n20,R\n"));
    EXPECT_EQ(sheet.outcome(0).results[kRacewayCircuits], "1, 2");
    const std::vector<size_t> changed = sheet.insertRows(0, {{"5"}});
    EXPECT_EQ(changed, (std::vector<size_t>{0, 1, 2}));
    EXPECT_EQ(sheet.outcome(1).results[kRacewayCircuits], "2, 3");
    sheet.moveRows(2, 1, 0);
    EXPECT_EQ(sheet.text(0, 0), "20");
    EXPECT_EQ(sheet.outcome(0).results[kRacewayCircuits], "1, 3");
    sheet.removeRows(1, 1);
    EXPECT_EQ(sheet.rowCount(), 2u);
    EXPECT_EQ(sheet.outcome(1).results[kRacewayCircuits], "1, 2");
}

TEST(Sheet, TheTraceOfASharedRacewaysRow)
{
    const CircuitSheet sheet(Read(kSchedule));
    const std::optional<CircuitResult> traced = sheet.traced(2);
    ASSERT_TRUE(traced);
    EXPECT_EQ(traced->sizing.currentCarrying, 6);
    EXPECT_FALSE(traced->trace.empty());
    EXPECT_FALSE(sheet.traced(3));
}

}  // namespace
