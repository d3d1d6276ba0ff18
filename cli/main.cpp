// tavo-calc: any TAVO calculator without a window, for scripts and quick checks.

#include "calculators.h"
#include "json.h"
#include "windows1252.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

using tavo::cli::AllCalculators;
using tavo::cli::Calculator;
using tavo::cli::CalculatorRun;
using tavo::cli::JsonString;

namespace {

constexpr int kUsageError = 2;

const char kUsage[] = "usage: tavo-calc --list\n"
                      "       tavo-calc NAME [--json] [INPUT=TEXT ...]\n";

std::string Joined(const std::vector<std::string>& items)
{
    std::string out;
    for (const std::string& item : items) {
        out += (out.empty() ? "" : ", ") + item;
    }
    return out;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A choice given by its text (any case) or by its position in the list.
std::optional<std::string> MatchChoice(const std::vector<std::string>& choices,
                                       const std::string& given)
{
    for (const std::string& choice : choices) {
        if (Lower(choice) == Lower(given)) {
            return choice;
        }
    }
    if (!given.empty() && std::all_of(given.begin(), given.end(), ::isdigit) && given.size() < 4) {
        const size_t position = std::stoul(given);
        if (position < choices.size()) {
            return choices[position];
        }
    }
    return std::nullopt;
}

int Fail(const std::string& message)
{
    std::cerr << "tavo-calc: " << message << "\n";
    return kUsageError;
}

void PrintList()
{
    for (const Calculator& calculator : AllCalculators()) {
        std::cout << calculator.name << "  " << calculator.summary << "\n";
        for (const auto& input : calculator.inputs) {
            std::cout << "    " << input.name << " = " << input.defaultText;
            if (!input.choices.empty()) {
                std::cout << "  (" << Joined(input.choices) << ")";
            }
            std::cout << "\n";
        }
    }
}

std::string Utf8(const std::string& report)
{
    return tavo::Windows1252ToUtf8(report);
}

void PrintPlain(const CalculatorRun& run)
{
    for (const auto& [label, text] : run.results) {
        std::cout << label << " = " << text << "\n";
    }
    std::cout << Utf8(run.report.header) << "\n"
              << Utf8(run.report.body + run.report.trailer) << "\n";
}

std::string JsonObject(const tavo::cli::NamedTexts& texts)
{
    std::string out = "{";
    for (const auto& [name, text] : texts) {
        out += (out.size() > 1 ? ", " : "") + JsonString(name) + ": " + JsonString(text);
    }
    return out + "}";
}

void PrintJson(const Calculator& calculator, const CalculatorRun& run)
{
    std::cout << "{\"calculator\": " << JsonString(calculator.name)
              << ", \"inputs\": " << JsonObject(run.inputs)
              << ", \"results\": " << JsonObject(run.results)
              << ", \"report\": {\"header\": " << JsonString(Utf8(run.report.header))
              << ", \"body\": " << JsonString(Utf8(run.report.body))
              << ", \"trailer\": " << JsonString(Utf8(run.report.trailer)) << "}}\n";
}

std::vector<std::string> CalculatorNames()
{
    std::vector<std::string> names;
    for (const Calculator& calculator : AllCalculators()) {
        names.push_back(calculator.name);
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
    if (args[0] == "--list") {
        PrintList();
        return 0;
    }
    const auto& all = AllCalculators();
    const auto found = std::find_if(all.begin(), all.end(),
                                    [&](const Calculator& c) { return c.name == args[0]; });
    if (found == all.end()) {
        return Fail("unknown calculator \"" + args[0] +
                    "\"; valid calculators: " + Joined(CalculatorNames()));
    }
    const Calculator& calculator = *found;
    std::vector<std::string> inputNames;
    std::vector<std::string> texts;
    for (const auto& input : calculator.inputs) {
        inputNames.push_back(input.name);
        texts.push_back(input.defaultText);
    }
    bool json = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
            continue;
        }
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            return Fail("expected INPUT=TEXT, got \"" + arg + "\"; valid inputs of " +
                        calculator.name + ": " + Joined(inputNames));
        }
        const std::string name = arg.substr(0, equals);
        const std::string text = arg.substr(equals + 1);
        const auto position = std::find(inputNames.begin(), inputNames.end(), name);
        if (position == inputNames.end()) {
            return Fail("unknown input \"" + name + "\" for " + calculator.name +
                        "; valid inputs: " + Joined(inputNames));
        }
        const auto index = static_cast<size_t>(position - inputNames.begin());
        const auto& choices = calculator.inputs[index].choices;
        if (choices.empty()) {
            texts[index] = text;
            continue;
        }
        const auto choice = MatchChoice(choices, text);
        if (!choice) {
            return Fail("invalid " + name + " \"" + text + "\" for " + calculator.name +
                        "; valid choices: " + Joined(choices));
        }
        texts[index] = *choice;
    }
    const CalculatorRun run = calculator.run(texts);
    if (json) {
        PrintJson(calculator, run);
    } else {
        PrintPlain(run);
    }
    return 0;
}
