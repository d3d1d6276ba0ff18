#include "run.h"

#include "json.h"
#include "windows1252.h"

#include <algorithm>
#include <cstdio>

namespace tavo::cli {

namespace {

std::string ColourName(Colour colour)
{
    if (colour == kCyan) {
        return "cyan";
    }
    if (colour == kRed) {
        return "red";
    }
    char hex[8];
    std::snprintf(hex, sizeof hex, "#%02x%02x%02x", colour.red, colour.green, colour.blue);
    return hex;
}

std::string Utf8(const std::string& stored)
{
    return Windows1252ToUtf8(stored);
}

// A JSON object of texts, written with the command line's ", " and ": ".
std::string JsonObject(const NamedTexts& texts)
{
    std::string out = "{";
    for (const auto& [name, text] : texts) {
        out += (out.size() > 1 ? ", " : "") + JsonString(name) + ": " + JsonString(text);
    }
    return out + "}";
}

}  // namespace

std::vector<std::string_view> InputNames(const Calculator& calculator)
{
    std::vector<std::string_view> names;
    for (const Input& input : calculator.inputs) {
        names.push_back(input.name);
    }
    return names;
}

std::vector<std::string_view> OptionNames(std::span<const Option> options)
{
    std::vector<std::string_view> names;
    for (const Option& option : options) {
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
        const size_t length = NextUtf8(text.substr(i), &c);
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
    if (!IsValidUtf8(text)) {
        return "is not valid UTF-8";
    }
    if (Printable(text) != text) {
        return "holds a control character";
    }
    return {};
}

Run Calculate(const Calculator& calculator, const Resolved& resolved)
{
    const InputValues& values = resolved.values;
    const std::vector<std::string>& given = resolved.given;
    const Outcome outcome = Evaluate(calculator, values);
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
                run.results.emplace_back(SpokenName(outcome.labels[i]), Utf8(outcome.shown[i]));
            }
        }
    }
    for (size_t i = 0; i < outcome.results.size(); ++i) {
        const ResultValue& result = outcome.results[i];
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
    ReportText record;
    record.setLines(outcome.report);
    run.report = {record.header(), record.body(), record.trailer()};
    return run;
}

std::string PlainText(const Calculator& calculator, const Run& run)
{
    std::string out;
    for (const auto& [label, text] : run.results) {
        out += label + " = " + text + "\n";
    }
    for (const std::string& line : run.list) {
        out += std::string(calculator.listLabel) + ": " + line + "\n";
    }
    if (!run.warning.empty()) {
        out += "Warning: " + run.warning + "\n";
    }
    return out + Utf8(run.report.header) + "\n" + Utf8(run.report.body + run.report.trailer) + "\n";
}

std::string JsonLine(const Calculator& calculator, const Run& run)
{
    std::string out = "{\"calculator\": " + JsonString(calculator.name) +
                      ", \"inputs\": " + JsonObject(run.inputs) +
                      ", \"results\": " + JsonObject(run.results) +
                      ", \"colors\": " + JsonObject(run.colors);
    if (!calculator.listLabel.empty()) {
        std::string list;
        for (const std::string& line : run.list) {
            list += (list.empty() ? "" : ", ") + JsonString(line);
        }
        out += ", \"list\": [" + list + "], \"warning\": " +
               (run.warning.empty() ? std::string("null") : JsonString(run.warning));
    }
    return out + ", \"report\": {\"header\": " + JsonString(Utf8(run.report.header)) +
           ", \"body\": " + JsonString(Utf8(run.report.body)) +
           ", \"trailer\": " + JsonString(Utf8(run.report.trailer)) + "}}\n";
}

std::string Resolve(const Calculator& calculator, const NamedTexts& assignments, Resolved& resolved)
{
    InputValues& values = resolved.values;
    values = OpeningValues(calculator);
    resolved.given.clear();
    for (const Input& input : calculator.inputs) {
        resolved.given.emplace_back(input.opening);
    }
    std::vector<bool> chosen(calculator.inputs.size(), false);
    int lastField = -1;
    for (const auto& [name, text] : assignments) {
        const int index = calculator.inputIndex(name);
        if (index < 0) {
            return "unknown input \"" + Printable(name) + "\" for " + std::string(calculator.name) +
                   "; valid inputs: " + Joined(InputNames(calculator));
        }
        if (const std::string why = Refusal(text); !why.empty()) {
            return "the text of " + name + " " + why + ": \"" + Printable(text) + "\"";
        }
        const Input& input = calculator.inputs[size_t(index)];
        resolved.given[size_t(index)] = text;
        chosen[size_t(index)] = true;
        if (input.isField()) {
            lastField = index;
        }
        values[size_t(index)].text = Utf8ToWindows1252(text);
        if (input.check) {
            if (const std::string why = input.check(text); !why.empty()) {
                return "invalid " + name + " \"" + Printable(text) + "\" for " +
                       std::string(calculator.name) + ": " + Printable(why);
            }
        }
    }
    // The field given last is the one typed into last, that a converter converts from.
    if (lastField >= 0) {
        values[size_t(lastField)].edited = Edited::Typed;
    }
    // Choices in the order of the inputs: a list's entries depend on the choices before it.
    for (size_t i = 0; i < calculator.inputs.size(); ++i) {
        const Input& input = calculator.inputs[i];
        if (!input.isChoice()) {
            continue;
        }
        const auto options = input.optionsAt(values);
        if (!chosen[i]) {
            values[i].choice = std::max(0, OptionIndex(options, input.opening));
            continue;
        }
        values[i].choice = OptionIndex(options, resolved.given[i]);
        // A list that takes typing takes any text, as the page does; it chooses nothing then.
        if (values[i].choice < 0 && !input.editable) {
            return "invalid " + std::string(input.name) + " \"" + Printable(resolved.given[i]) +
                   "\" for " + std::string(calculator.name) +
                   "; valid choices: " + Joined(OptionNames(options));
        }
    }
    return {};
}

}  // namespace tavo::cli
