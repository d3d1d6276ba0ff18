#include "calculator.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace tavo {

namespace {

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

}  // namespace

// Option names are ASCII: other bytes are compared as they are.
bool SameLetters(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return Lower(x) == Lower(y); });
}

int OptionIndex(std::span<const Option> options, std::string_view given)
{
    for (size_t i = 0; i < options.size(); ++i) {
        if (SameLetters(options[i].name, given)) {
            return static_cast<int>(i);
        }
    }
    // "12" for "# 12": a size typed as a number is meant by its name, not by its position.
    for (size_t i = 0; i < options.size(); ++i) {
        const std::string_view name = options[i].name;
        if (name.starts_with("# ") && SameLetters(name.substr(2), given)) {
            return static_cast<int>(i);
        }
    }
    const bool digits =
        !given.empty() && given.size() < 4 && std::all_of(given.begin(), given.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        });
    if (digits) {
        const auto position = static_cast<size_t>(std::stoul(std::string(given)));
        if (position < options.size()) {
            return static_cast<int>(position);
        }
    }
    return -1;
}

bool Input::isResetBy(std::string_view input, std::string_view option) const
{
    return std::any_of(resetBy.begin(), resetBy.end(), [&](const Trigger& trigger) {
        return trigger.input == input && (trigger.option.empty() || trigger.option == option);
    });
}

int Calculator::inputIndex(std::string_view wanted) const
{
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].name == wanted) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

InputValues OpeningValues(const Calculator& calculator)
{
    InputValues values;
    for (const Input& input : calculator.inputs) {
        if (!input.isChoice()) {
            values.push_back({std::string(input.opening), 0});
        } else {
            values.push_back({{}, std::max(0, input.optionIndex(input.opening))});
        }
    }
    return values;
}

Outcome Evaluate(const Calculator& calculator, InputValues values, Completion completion)
{
    return Evaluate(calculator, std::move(values), calculator.compute, completion);
}

Outcome Evaluate(const Calculator& calculator, InputValues values,
                 const std::function<Outcome(const InputValues&)>& compute, Completion completion)
{
    const std::vector<Input>& inputs = calculator.inputs;
    // Inputs not given keep their opening value; a choice beyond its list too. Made only when
    // needed, since a batch gives every input.
    std::optional<InputValues> opening;
    const auto openingValue = [&](size_t i) -> const InputValue& {
        if (!opening) {
            opening = OpeningValues(calculator);
        }
        return (*opening)[i];
    };
    for (size_t i = values.size(); i < inputs.size(); ++i) {
        values.push_back(openingValue(i));
    }
    values.resize(inputs.size());
    // In order: a list's entries depend on the inputs before it. One that has shrunk under its
    // choice goes back to its first entry.
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (!inputs[i].isChoice()) {
            continue;
        }
        const int options = static_cast<int>(inputs[i].optionsAt(values).size());
        const bool typed = inputs[i].editable && values[i].choice == -1;
        if (!typed && (values[i].choice < 0 || values[i].choice >= options)) {
            values[i] = openingValue(i).choice < options ? openingValue(i) : InputValue{};
        }
    }
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (inputs[i].isField() && inputs[i].isHeld()) {
            HoldInPlace(values[i].text, inputs[i].limits);
        }
    }
    Outcome outcome = compute(values);
    outcome.shown.resize(inputs.size());
    outcome.presence.resize(inputs.size(), Presence::Shown);
    for (size_t i = 0; i < inputs.size(); ++i) {
        const Input& input = inputs[i];
        if (outcome.shown[i].empty()) {
            const int choice = values[i].choice;
            if (!input.isChoice() || choice < 0) {
                outcome.shown[i] = std::move(values[i].text);
            } else {
                outcome.shown[i] = input.optionsAt(values)[size_t(choice)].name;
            }
        }
    }
    outcome.results.resize(calculator.results.size());
    if (completion == Completion::Texts) {
        return outcome;
    }
    outcome.labels.resize(inputs.size());
    for (size_t i = 0; i < inputs.size(); ++i) {
        if (outcome.labels[i].empty()) {
            outcome.labels[i] = std::string(inputs[i].label);
        }
    }
    for (size_t i = 0; i < calculator.results.size(); ++i) {
        ResultValue& result = outcome.results[i];
        if (result.label.empty()) {
            result.label = std::string(calculator.results[i].label);
        }
        result.name = SpokenName(result.label, calculator.results[i].group);
    }
    return outcome;
}

std::string SpokenName(std::string_view label, std::string_view group)
{
    std::string name;
    name.reserve(group.size() + label.size() + 1);
    name += group;
    bool space = !name.empty();
    for (const char c : label) {
        if (c == '&') {
            continue;
        }
        if (c == ' ') {
            space = !name.empty();
            continue;
        }
        if (space) {
            name += ' ';
            space = false;
        }
        name += c;
    }
    return name;
}

const Calculator* FindCalculator(std::string_view name)
{
    for (const Calculator* calculator : AllCalculators()) {
        if (calculator->name == name) {
            return calculator;
        }
    }
    return nullptr;
}

}  // namespace tavo
