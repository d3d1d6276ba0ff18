// tavo-calc: any TAVO calculator without a window, for scripts and quick checks. Every
// calculator comes from its description in the calculation library; nothing here knows one.

#include "calculator.h"
#include "json.h"
#include "reporttext.h"
#include "windows1252.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

using tavo::Calculator;
using tavo::cli::JsonString;

namespace {

constexpr int kUsageError = 2;

const char kUsage[] = "usage: tavo-calc --list\n"
                      "       tavo-calc NAME [--json] [INPUT=TEXT ...]\n";

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
};

template <typename Names>
std::string Joined(const Names& items)
{
    std::string out;
    for (const auto& item : items) {
        out += (out.empty() ? "" : ", ") + std::string(item);
    }
    return out;
}

std::vector<std::string_view> InputNames(const Calculator& calculator)
{
    std::vector<std::string_view> names;
    for (const tavo::Input& input : calculator.inputs) {
        names.push_back(input.name);
    }
    return names;
}

std::vector<std::string_view> OptionNames(std::span<const tavo::Option> options)
{
    std::vector<std::string_view> names;
    for (const tavo::Option& option : options) {
        names.push_back(option.name);
    }
    return names;
}

// A text as an error line can show it: bytes that are not UTF-8 and control characters as
// \xHH, so that every line printed is valid UTF-8 and nothing moves the terminal.
std::string Printable(std::string_view text)
{
    std::string out;
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = tavo::NextUtf8(text.substr(i), &c);
        if (length == 0 || c < 0x20 || (c >= 0x7F && c < 0xA0)) {
            const size_t bytes = length ? length : 1;
            for (size_t k = 0; k < bytes; ++k) {
                char hex[5];
                std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned char>(text[i + k]));
                out += hex;
            }
            i += bytes;
            continue;
        }
        out.append(text.substr(i, length));
        i += length;
    }
    return out;
}

// Why a text given on the command line cannot be taken; empty when it can.
std::string Refusal(std::string_view text)
{
    if (!tavo::IsValidUtf8(text)) {
        return "is not valid UTF-8";
    }
    if (Printable(text) != text) {
        return "holds a control character";
    }
    return {};
}

int Fail(const std::string& message)
{
    std::cerr << "tavo-calc: " << message << "\n";
    return kUsageError;
}

void PrintList()
{
    for (const Calculator* calculator : tavo::AllCalculators()) {
        std::cout << calculator->name << "  " << calculator->summary << "\n";
        for (const tavo::Input& input : calculator->inputs) {
            std::cout << "    " << input.name << " = " << input.opening;
            if (input.isChoice()) {
                std::cout << "  (" << Joined(OptionNames(input.options)) << ")";
            }
            if (input.optionsFor) {
                std::vector<std::string_view> by;
                for (const tavo::Trigger& trigger : input.resetBy) {
                    by.push_back(trigger.input);
                }
                std::cout << "; the list follows " << Joined(by);
            }
            std::cout << "\n";
        }
    }
}

std::string ColourName(tavo::Colour colour)
{
    if (colour == tavo::kCyan) {
        return "cyan";
    }
    if (colour == tavo::kRed) {
        return "red";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex;
}

std::string Utf8(const std::string& stored)
{
    return tavo::Windows1252ToUtf8(stored);
}

Run Calculate(const Calculator& calculator, const std::vector<std::string>& given,
              const tavo::InputValues& values)
{
    const tavo::Outcome outcome = tavo::Evaluate(calculator, values);
    Run run;
    for (size_t i = 0; i < calculator.inputs.size(); ++i) {
        const bool field = !calculator.inputs[i].isChoice() || values[i].choice < 0;
        // A field the recompute left alone shows what was typed.
        const bool asTyped = field && outcome.shown[i] == values[i].text;
        run.inputs.emplace_back(std::string(calculator.inputs[i].name), asTyped ? given[i]
                                                                        : field
                                                                            ? Utf8(outcome.shown[i])
                                                                            : outcome.shown[i]);
    }
    // A converter's results are its own boxes too: each by its label.
    if (calculator.converts) {
        for (size_t i = 0; i < calculator.inputs.size(); ++i) {
            if (calculator.inputs[i].isField()) {
                run.results.emplace_back(tavo::SpokenName(outcome.labels[i]),
                                         Utf8(outcome.shown[i]));
            }
        }
    }
    for (size_t i = 0; i < outcome.results.size(); ++i) {
        const tavo::ResultValue& result = outcome.results[i];
        run.results.emplace_back(result.name, result.text);
        if (calculator.results[i].coloured) {
            run.colors.emplace_back(result.name, ColourName(result.colour));
        }
    }
    for (const std::string& line : outcome.list) {
        run.list.push_back(Utf8(line));
    }
    run.warning = outcome.warning;
    // As the page keeps it: each line cut at its room in the report record.
    tavo::ReportText record;
    record.setLines(outcome.report);
    run.report = {record.header(), record.body(), record.trailer()};
    return run;
}

void PrintPlain(const Calculator& calculator, const Run& run)
{
    for (const auto& [label, text] : run.results) {
        std::cout << label << " = " << text << "\n";
    }
    for (const std::string& line : run.list) {
        std::cout << calculator.listLabel << ": " << line << "\n";
    }
    if (!run.warning.empty()) {
        std::cout << "Warning: " << run.warning << "\n";
    }
    std::cout << Utf8(run.report.header) << "\n"
              << Utf8(run.report.body + run.report.trailer) << "\n";
}

std::string JsonObject(const NamedTexts& texts)
{
    std::string out = "{";
    for (const auto& [name, text] : texts) {
        out += (out.size() > 1 ? ", " : "") + JsonString(name) + ": " + JsonString(text);
    }
    return out + "}";
}

void PrintJson(const Calculator& calculator, const Run& run)
{
    std::cout << "{\"calculator\": " << JsonString(calculator.name)
              << ", \"inputs\": " << JsonObject(run.inputs)
              << ", \"results\": " << JsonObject(run.results)
              << ", \"colors\": " << JsonObject(run.colors);
    if (!calculator.listLabel.empty()) {
        std::string list;
        for (const std::string& line : run.list) {
            list += (list.empty() ? "" : ", ") + JsonString(line);
        }
        std::cout << ", \"list\": [" << list
                  << "], \"warning\": " << (run.warning.empty() ? "null" : JsonString(run.warning));
    }
    std::cout << ", \"report\": {\"header\": " << JsonString(Utf8(run.report.header))
              << ", \"body\": " << JsonString(Utf8(run.report.body))
              << ", \"trailer\": " << JsonString(Utf8(run.report.trailer)) << "}}\n";
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
    tavo::InputValues values = tavo::OpeningValues(calculator);
    std::vector<std::string> given;
    for (const tavo::Input& input : calculator.inputs) {
        given.emplace_back(input.opening);
    }
    std::vector<bool> chosen(calculator.inputs.size(), false);
    int lastField = -1;
    const std::string inputNames = Joined(InputNames(calculator));
    bool json = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--json") {
            json = true;
            continue;
        }
        const size_t equals = arg.find('=');
        if (equals == std::string::npos) {
            return Fail("expected INPUT=TEXT, got \"" + Printable(arg) + "\"; valid inputs of " +
                        std::string(calculator.name) + ": " + inputNames);
        }
        const std::string name = arg.substr(0, equals);
        const std::string text = arg.substr(equals + 1);
        const int index = calculator.inputIndex(name);
        if (index < 0) {
            return Fail("unknown input \"" + Printable(name) + "\" for " +
                        std::string(calculator.name) + "; valid inputs: " + inputNames);
        }
        if (const std::string why = Refusal(text); !why.empty()) {
            return Fail("the text of " + name + " " + why + ": \"" + Printable(text) + "\"");
        }
        const tavo::Input& input = calculator.inputs[size_t(index)];
        given[size_t(index)] = text;
        chosen[size_t(index)] = true;
        if (input.isField()) {
            lastField = index;
        }
        values[size_t(index)].text = tavo::Utf8ToWindows1252(text);
        if (input.check) {
            if (const std::string why = input.check(text); !why.empty()) {
                return Fail("invalid " + name + " \"" + Printable(text) + "\" for " +
                            std::string(calculator.name) + ": " + Printable(why));
            }
        }
    }
    // The field given last is the one typed into last, that a converter converts from.
    if (lastField >= 0) {
        values[size_t(lastField)].edited = tavo::Edited::Typed;
    }
    // Choices in the order of the inputs: a list's entries depend on the choices before it.
    for (size_t i = 0; i < calculator.inputs.size(); ++i) {
        const tavo::Input& input = calculator.inputs[i];
        if (!input.isChoice()) {
            continue;
        }
        const auto options = input.optionsAt(values);
        if (!chosen[i]) {
            values[i].choice = std::max(0, tavo::OptionIndex(options, input.opening));
            continue;
        }
        values[i].choice = tavo::OptionIndex(options, given[i]);
        // A list that takes typing takes any text, as the page does; it chooses nothing then.
        if (values[i].choice < 0 && !input.editable) {
            return Fail("invalid " + std::string(input.name) + " \"" + Printable(given[i]) +
                        "\" for " + std::string(calculator.name) +
                        "; valid choices: " + Joined(OptionNames(options)));
        }
    }
    const Run run = Calculate(calculator, given, values);
    if (json) {
        PrintJson(calculator, run);
    } else {
        PrintPlain(calculator, run);
    }
    return 0;
}
