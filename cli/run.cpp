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

// Plain ASCII without control characters: the same bytes in every encoding, nothing to refuse.
bool IsPlainText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
}

void AssignUtf8(std::string& out, std::string_view stored)
{
    if (IsPlainText(stored)) {
        out.assign(stored);
        return;
    }
    out.clear();
    AppendWindows1252AsUtf8(out, stored);
}

void AssignWindows1252(std::string& out, std::string_view utf8)
{
    if (IsPlainText(utf8)) {
        out.assign(utf8);
    } else {
        out = Utf8ToWindows1252(utf8);
    }
}

// The text of the entry at `at` of a list kept from the calculation before, named `name`; the
// list grows when it is the first calculation.
std::string& Put(NamedTexts& texts, size_t& at, std::string_view name)
{
    if (at == texts.size()) {
        texts.emplace_back();
    }
    auto& [slot, text] = texts[at++];
    slot.assign(name);
    return text;
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

std::string Refusal(std::string_view text)
{
    if (IsPlainText(text)) {
        return {};
    }
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
    Run run;
    ToRun(calculator, resolved, Evaluate(calculator, resolved.values), run, Completion::Whole);
    return run;
}

void ToRun(const Calculator& calculator, const Resolved& resolved, Outcome&& outcome, Run& run,
           Completion completion)
{
    const InputValues& values = resolved.values;
    const std::vector<std::string>& given = resolved.given;
    run.refusal.clear();
    if (outcome.refused) {
        const int index = calculator.inputIndex(outcome.refused->input);
        const std::string text = index >= 0 ? given[size_t(index)] : std::string();
        run.refusal = "invalid " + std::string(outcome.refused->input) + " \"" + Printable(text) +
                      "\" for " + std::string(calculator.name) + ": " +
                      Printable(outcome.refused->reason);
    }
    run.trace = std::move(outcome.trace);
    const bool named = completion == Completion::Whole;
    size_t at = 0;
    for (size_t i = 0; named && i < calculator.inputs.size(); ++i) {
        const bool field = !calculator.inputs[i].isChoice() || values[i].choice < 0;
        // A field the recompute left alone shows what was typed.
        const bool asTyped = field && outcome.shown[i] == values[i].text;
        std::string& text = Put(run.inputs, at, calculator.inputs[i].name);
        if (asTyped) {
            text = given[i];
        } else if (field) {
            AssignUtf8(text, outcome.shown[i]);
        } else {
            text = outcome.shown[i];
        }
    }
    run.inputs.resize(at);
    at = 0;
    // A converter's results are its own boxes too: each by its label.
    if (calculator.converts) {
        for (size_t i = 0; i < calculator.inputs.size(); ++i) {
            if (calculator.inputs[i].isField()) {
                const std::string name = named ? SpokenName(outcome.labels[i]) : std::string();
                AssignUtf8(Put(run.results, at, name), outcome.shown[i]);
            }
        }
    }
    size_t coloured = 0;
    for (size_t i = 0; i < outcome.results.size(); ++i) {
        const ResultValue& result = outcome.results[i];
        if (named && calculator.results[i].coloured) {
            Put(run.colors, coloured, result.name) = ColourName(result.colour);
        }
        Put(run.results, at, result.name) = std::move(outcome.results[i].text);
    }
    run.results.resize(at);
    run.colors.resize(coloured);
    run.list.resize(outcome.list.size());
    for (size_t i = 0; i < outcome.list.size(); ++i) {
        AssignUtf8(run.list[i], outcome.list[i]);
    }
    run.warning = outcome.warning;
    // As the page keeps it: each line cut at its room in the report record.
    const auto kept = [](std::string& line, size_t room) {
        line.resize(ReportText::Kept(line, room).size());
        return std::move(line);
    };
    run.report.header = kept(outcome.report.header, ReportText::kHeaderSize);
    run.report.body = kept(outcome.report.body, ReportText::kBodySize);
    run.report.trailer = kept(outcome.report.trailer, ReportText::kTrailerSize);
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
    if (calculator.explains) {
        out += "Trace:\n";
        for (const std::string& line : run.trace) {
            out += "  " + line + "\n";
        }
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
    if (calculator.explains) {
        std::string trace;
        for (const std::string& line : run.trace) {
            trace += (trace.empty() ? "" : ", ") + JsonString(line);
        }
        out += ", \"trace\": [" + trace + "]";
    }
    return out + ", \"report\": {\"header\": " + JsonString(Utf8(run.report.header)) +
           ", \"body\": " + JsonString(Utf8(run.report.body)) +
           ", \"trailer\": " + JsonString(Utf8(run.report.trailer)) + "}}\n";
}

InputReader::InputReader(const Calculator& calculator, std::span<const std::string> names,
                         bool strict)
    : m_calculator(calculator), m_names(names.begin(), names.end()), m_strict(strict)
{
    for (const std::string& name : m_names) {
        m_columns.push_back(calculator.inputIndex(name));
    }
    m_opening.values = OpeningValues(calculator);
    for (const Input& input : calculator.inputs) {
        m_opening.given.emplace_back(input.opening);
    }
    m_chosen.assign(calculator.inputs.size(), false);
}

std::string InputReader::read(std::span<const std::string> texts, Resolved& resolved)
{
    const Calculator& calculator = m_calculator;
    InputValues& values = resolved.values;
    // Element by element, so that every text keeps the room it had in the row before; values
    // read into before need only the inputs of the columns put back.
    if (m_filled == &resolved && values.size() == m_opening.values.size()) {
        for (const int input : m_columns) {
            if (input >= 0) {
                values[size_t(input)] = m_opening.values[size_t(input)];
                resolved.given[size_t(input)] = m_opening.given[size_t(input)];
            }
        }
    } else {
        values = m_opening.values;
        resolved.given = m_opening.given;
        m_filled = &resolved;
    }
    std::fill(m_chosen.begin(), m_chosen.end(), false);
    int lastField = -1;
    const size_t columns = std::min(texts.size(), m_columns.size());
    for (size_t column = 0; column < columns; ++column) {
        const int index = m_columns[column];
        const std::string& name = m_names[column];
        if (index < 0) {
            if (!m_strict) {
                continue;
            }
            return "unknown input \"" + Printable(name) + "\" for " + std::string(calculator.name) +
                   "; valid inputs: " + Joined(InputNames(calculator));
        }
        const std::string& text = texts[column];
        if (const std::string why = Refusal(text); !why.empty()) {
            return "the text of " + name + " " + why + ": \"" + Printable(text) + "\"";
        }
        const Input& input = calculator.inputs[size_t(index)];
        resolved.given[size_t(index)] = text;
        m_chosen[size_t(index)] = true;
        if (input.isField()) {
            lastField = index;
        }
        AssignWindows1252(values[size_t(index)].text, text);
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
        if (!m_chosen[i]) {
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

std::string Resolve(const Calculator& calculator, const NamedTexts& assignments, Resolved& resolved)
{
    std::vector<std::string> names;
    std::vector<std::string> texts;
    for (const auto& [name, text] : assignments) {
        names.push_back(name);
        texts.push_back(text);
    }
    return InputReader(calculator, names, true).read(texts, resolved);
}

}  // namespace tavo::cli
