// tavo-calc: any TAVO calculator without a window, for scripts and quick checks. Every
// calculator comes from its description in the calculation library; nothing here knows one.

#include "csvbatch.h"
#include "listing.h"
#include "run.h"

#include <iostream>
#include <optional>
#include <string>
#include <vector>

using tavo::Calculator;
using namespace tavo::cli;

namespace {

constexpr int kUsageError = 2;

const char kUsage[] = "usage: tavo-calc --list\n"
                      "       tavo-calc NAME [--json] [INPUT=TEXT ...]\n"
                      "       tavo-calc NAME [--json] --csv FILE|-\n"
                      "       tavo-calc --help | --version\n";

int Fail(const std::string& message)
{
    std::cerr << "tavo-calc: " << message << "\n";
    return kUsageError;
}

void PrintList()
{
    for (const CalculatorListing& calculator : Listing()) {
        std::cout << calculator.name << "  " << calculator.summary << "\n";
        for (const InputListing& input : calculator.inputs) {
            std::cout << "    " << input.name << " = " << input.byDefault;
            if (!input.choices.empty()) {
                std::cout << "  (" << Joined(input.choices) << ")";
            }
            if (!input.follows.empty()) {
                std::cout << "; the list follows " << Joined(input.follows);
            }
            std::cout << "\n";
        }
    }
}

std::vector<std::string_view> CalculatorNames()
{
    std::vector<std::string_view> names;
    for (const Calculator* calculator : tavo::AllCalculators()) {
        names.push_back(calculator->name);
    }
    return names;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return kUsageError;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << kUsage;
        return 0;
    }
    if (args[0] == "--version") {
        std::cout << "tavo-calc " << TAVO_VERSION << "\n";
        return 0;
    }
    if (args[0] == "--list") {
        PrintList();
        return 0;
    }
    const Calculator* found = tavo::FindCalculator(args[0]);
    if (!found) {
        return Fail("unknown calculator \"" + Printable(args[0]) +
                    "\"; valid calculators: " + Joined(CalculatorNames()));
    }
    const Calculator& calculator = *found;
    const std::string inputNames = Joined(InputNames(calculator));
    bool json = false;
    std::optional<std::string> csv;
    NamedTexts assignments;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
            continue;
        }
        if (arg == "--csv") {
            if (i + 1 >= args.size()) {
                return Fail("--csv needs a file name, or - for the standard input");
            }
            csv = args[++i];
            continue;
        }
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            return Fail("expected INPUT=TEXT, got \"" + Printable(arg) + "\"; valid inputs of " +
                        std::string(calculator.name) + ": " + inputNames);
        }
        assignments.emplace_back(arg.substr(0, equals), arg.substr(equals + 1));
    }
    if (csv) {
        if (!assignments.empty()) {
            return Fail("with --csv the inputs come from the file's columns: " + inputNames);
        }
        return tavo::cli::RunCsvBatch(calculator, *csv, json);
    }
    Resolved resolved;
    if (const std::string why = Resolve(calculator, assignments, resolved); !why.empty()) {
        return Fail(why);
    }
    const Run run = Calculate(calculator, resolved);
    if (!run.refusal.empty()) {
        return Fail(run.refusal);
    }
    std::cout << (json ? JsonLine(calculator, run) : PlainText(calculator, run));
    return 0;
}
