#pragma once

// One calculation of tavo-calc: the inputs resolved as the page would take them, the results,
// and their plain and JSON texts. Shared by the single run and the CSV batch.

#include "calculator.h"
#include "reporttext.h"

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tavo::cli {

using NamedTexts = std::vector<std::pair<std::string, std::string>>;

// One calculation as the command line prints it: texts in UTF-8, the report as stored.
struct Run
{
    NamedTexts inputs;   // every input as the page shows it after the recompute
    NamedTexts results;  // named by the page's labels
    NamedTexts colors;   // of the results shown on a colour: "cyan", or "red" for a warning
    std::vector<std::string> list;  // the lines of the page's list box
    std::string warning;            // a warning the page shows in a window of its own
    tavo::ReportLines report;
    std::vector<std::string> trace;  // of a calculation that explains itself
    // Why the calculation refused an input, as the command line says it; empty when it did not.
    std::string refusal;
};

// Items separated by ", ".
template <typename Names>
std::string Joined(const Names& items)
{
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "" : ", ") + std::string(item);
    }
    return out;
}

std::vector<std::string_view> InputNames(const Calculator& calculator);
std::vector<std::string_view> OptionNames(std::span<const Option> options);

// A text as an error line can show it: bytes that are not UTF-8 and control characters as
// \xHH, so that every line printed is valid UTF-8 and nothing moves the terminal.
std::string Printable(std::string_view text);
// Why a text given on the command line cannot be taken; empty when it can.
std::string Refusal(std::string_view text);

// The values of one calculation: the rest keep the page's opening values, choices are read in
// input order, the field given last counts as typed last.
struct Resolved
{
    InputValues values;
    std::vector<std::string> given;  // each input's text as given, or its opening text
};

// Reads calculations from texts under names given once: a CSV file's header, or the names of
// the command line's INPUT=TEXT pairs. The names are looked up once; every row after that reuses
// the buffers of the row before, so a batch of a million rows allocates little.
class InputReader
{
public:
    // `strict`: a name that is not an input is refused (the command line); otherwise its texts
    // are carried past (a CSV file's other columns).
    InputReader(const Calculator& calculator, std::span<const std::string> names, bool strict);

    // The input of each name, -1 for one that is not an input.
    const std::vector<int>& columns() const { return m_columns; }

    // One row of texts in the names' order; a short row leaves the rest as they open. Empty, or
    // why the row cannot be taken. Given the same values as the row before, only the inputs of
    // the columns are set back to their opening values first.
    std::string read(std::span<const std::string> texts, Resolved& resolved);

private:
    const Calculator& m_calculator;
    std::vector<std::string> m_names;
    std::vector<int> m_columns;
    bool m_strict;
    Resolved m_opening;
    std::vector<bool> m_chosen;
    const Resolved* m_filled = nullptr;  // the values read into last
};

// The same for INPUT=TEXT pairs: empty, or why the pairs cannot be taken.
std::string Resolve(const Calculator& calculator, const NamedTexts& assignments,
                    Resolved& resolved);

Run Calculate(const Calculator& calculator, const Resolved& resolved);
// A run from an outcome already computed, into a run whose buffers are kept from the calculation
// before; with Completion::Texts only the results' texts, the list, the warning, the report and
// the trace (a batch row).
void ToRun(const Calculator& calculator, const Resolved& resolved, Outcome&& outcome, Run& run,
           Completion completion);

// "Label = text" lines, the list, the warning and the report, each line ending in "\n".
std::string PlainText(const Calculator& calculator, const Run& run);
// One JSON object on one line, "\n" included.
std::string JsonLine(const Calculator& calculator, const Run& run);

}  // namespace tavo::cli
