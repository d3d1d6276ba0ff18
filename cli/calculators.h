#pragma once

// Every calculator the command line offers, with its inputs, their defaults and choices.

#include "report.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tavo::cli {

struct CalculatorInput
{
    std::string name;
    std::string defaultText;
    std::vector<std::string> choices;  // empty: any text, read as the page reads it
};

using NamedTexts = std::vector<std::pair<std::string, std::string>>;

// Texts here are UTF-8; the report keeps the page's Windows-1252 bytes.
struct CalculatorRun
{
    NamedTexts inputs;   // every input as the page shows it after the recompute
    NamedTexts results;  // named by the page's labels
    ReportLines report;
};

struct Calculator
{
    std::string name;
    std::string summary;
    std::vector<CalculatorInput> inputs;
    // Takes one text per input, in the order of `inputs`; choices arrive as their canonical text.
    std::function<CalculatorRun(const std::vector<std::string>&)> run;
};

const std::vector<Calculator>& AllCalculators();

}  // namespace tavo::cli
