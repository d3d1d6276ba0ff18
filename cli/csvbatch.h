#pragma once

// tavo-calc's batch: one calculation per row of a CSV file, as a designer checks a whole panel
// schedule at once.

#include "calculator.h"

#include <string>

namespace tavo::cli {

// Runs `calculator` for every row of the CSV file `path` ("-": the standard input), whose header
// names the inputs, and writes each row to the standard output with its results and report
// appended (or, with `json`, one JSON object a row). Rows stream through: memory does not grow
// with the file. 0 when every row was calculated, 1 when a row could not be (its "error" column
// says why), 2 when the file could not be read or the output written.
int RunCsvBatch(const Calculator& calculator, const std::string& path, bool json);

}  // namespace tavo::cli
