#include "trace.h"

#include "numbertext.h"

#include <array>
#include <cmath>

namespace tavo::circuit {

namespace {

struct CheckWords
{
    std::string_view name;
    std::string_view section;
};

constexpr std::array<CheckWords, 10> kChecks = {{
    {"overcurrent device", "240.6(A), 210.20(A), 215.3"},
    {"ambient", "310.15(B)(1)"},
    {"continuous load", "210.19(A)(1)(a), 215.2(A)(1)(a), 110.14(C)"},
    {"ampacity", "210.19(A)(1)(b), 215.2(A)(1)(b), 310.15"},
    {"overcurrent protection", "240.4(B), 240.4(C)"},
    {"small conductor", "240.4(D)"},
    {"voltage drop", "the informational notes to 210.19(A) and 215.2(A)"},
    {"grounding conductor", "250.122"},
    {"raceway", "Chapter 9 Tables 1, 4 and 5"},
    {"raceway_id", ""},
}};

constexpr std::array<std::string_view, 15> kSteps = {
    "Edition",
    "Defaults",
    "Load current",
    "Design current",
    "Overcurrent device",
    "Terminations",
    "Conductors",
    "Ambient",
    "Raceway column",
    "Candidate",
    "Size",
    "Grounding conductor",
    "Raceway",
    "Other edition",
    "Status",
};

}  // namespace

std::string_view CheckName(Check check)
{
    return kChecks[size_t(check)].name;
}

std::string_view CheckSection(Check check)
{
    return kChecks[size_t(check)].section;
}

std::string_view StepName(Step step)
{
    return kSteps[size_t(step)];
}

std::string TraceLine(const TraceStep& step)
{
    std::string line(StepName(step.step));
    line += ": ";
    line += step.finding;
    for (size_t i = 0; i < step.checks.size(); ++i) {
        line += i == 0 ? "; " : ", ";
        line += CheckText(step.checks[i]);
    }
    if (step.margin) {
        line += "; margin " + *step.margin;
    }
    if (!step.section.empty() || step.tables) {
        line += " [";
        line += step.section;
        if (step.tables) {
            line += step.section.empty() ? "" : "; ";
            line += EditionName(step.edition);
            line += " tables";
        }
        line += "]";
    }
    return line;
}

std::string CheckText(const TraceCheck& check)
{
    std::string text(CheckName(check.check));
    text += check.passed ? " passes" : " fails";
    if (check.applies) {
        const std::string_view relation =
            check.atLeast ? (check.passed ? " ≥ " : " < ") : (check.passed ? " ≤ " : " > ");
        text += " (" + check.value + std::string(relation) + check.limit + ")";
    }
    return text;
}

std::string Fixed(double value, int places)
{
    return std::isfinite(value) ? FormatFixed(value, places) : "none";
}

std::string Amperes(double value)
{
    return Fixed(value, 2) + " A";
}

std::string Percent(double value)
{
    return Fixed(value, 2) + " %";
}

}  // namespace tavo::circuit
