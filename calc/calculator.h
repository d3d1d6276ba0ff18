#pragma once

// Every calculator of the program is described once, here in the calculation library: its
// command-line name, its inputs with the labels the page shows, its named results and one compute
// function. The window builds its controls from the description and tavo-calc runs it, so both
// show the same texts for the same inputs.
//
// Field texts and report lines are single-byte Windows-1252, as they are stored; labels, option
// names and result texts are UTF-8 display text.

#include "numbertext.h"
#include "report.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tavo {

enum class InputKind {
    Number,   // a value field: any text, stepped by its spinner within its limits
    Percent,  // a narrow percentage field such as the power factor, held to its limits
    Choice,   // one entry of a drop-down list
    OneOf,    // one of a row of check boxes, such as the phase
    // What the page collects with buttons of its own, such as the conductors added to a list; on
    // the command line a text ("3,12,THHN;1,10,THW").
    Collected,
    // A text that the calculation reads itself and refuses, with the reason, when it cannot
    // (the circuit check's inputs); its options, when it has any, are the texts it offers.
    Text,
};

// One entry of a choice: the name the command line takes, and the caption the page shows with
// its mnemonic (the name itself when empty).
struct Option
{
    std::string_view name;
    std::string_view label = {};

    std::string_view caption() const { return label.empty() ? name : label; }
};

// The options of a list whose entries are their own names, as most tables' lists are.
template <size_t N>
constexpr std::array<Option, N> OptionsOf(const std::array<std::string_view, N>& names)
{
    std::array<Option, N> options{};
    for (size_t i = 0; i < N; ++i) {
        options[i] = {names[i]};
    }
    return options;
}

struct InputValue;
using InputValues = std::vector<InputValue>;

// The entries of a list that depends on the inputs before it, such as the sizes of the chosen mode
// and conductor.
using OptionsFor = std::span<const Option> (*)(const InputValues& values);

// An input whose setting by the user (to `option`, or to any when empty) sends another back: a
// list to its first entry, refilled; a field to its reset text.
struct Trigger
{
    std::string_view input;
    std::string_view option = {};
};

// The same text, with ASCII letters in either case.
bool SameLetters(std::string_view a, std::string_view b);

// The option named `given` (any case, or with its leading "# " left out) or at that position;
// -1 when there is none.
int OptionIndex(std::span<const Option> options, std::string_view given);

struct Input
{
    std::string_view name;  // the command line's name and the control's object name: "volts"
    InputKind kind = InputKind::Number;
    std::string_view label;  // as the page shows it, with its mnemonic: "&Voltage"
    // Goes before the label in the input's spoken name where two inputs share a label: "Primary".
    std::string_view group = {};
    std::string_view opening = {};    // the text when the page opens; for a choice, an option name
    std::string_view byDefault = {};  // what an empty text stands for, where it stands for one
    std::optional<std::string_view> reset = {};  // none: Reset leaves the input as it is
    StepLimits limits = kValueFieldLimits;       // fields: what the spinner keeps to
    bool held = false;  // a field brought back inside its limits at every recompute
    std::span<const Option> options = {};  // choices, in their order; as the page opens
    OptionsFor optionsFor = nullptr;       // a list refilled from the inputs before it
    std::span<const Trigger> resetBy = {};
    // A list whose edit part takes typing: a text that names no entry chooses nothing (-1).
    bool editable = false;
    bool live = false;  // a field that recomputes as it is typed
    // Why a collected text cannot be taken; empty when it can.
    std::string (*check)(std::string_view text) = nullptr;

    bool isField() const { return kind == InputKind::Number || kind == InputKind::Percent; }
    // The text the command line lists it with: its opening text, or what an empty one means.
    std::string_view defaultText() const { return opening.empty() ? byDefault : opening; }
    bool isChoice() const { return kind == InputKind::Choice || kind == InputKind::OneOf; }
    bool isHeld() const { return kind == InputKind::Percent || held; }
    // The choices for the values of the inputs before this one.
    std::span<const Option> optionsAt(const InputValues& values) const
    {
        return optionsFor ? optionsFor(values) : options;
    }
    // The option named `name` or at that position in the opening list; -1 when there is none.
    int optionIndex(std::string_view name) const { return OptionIndex(options, name); }
    // Whether the user's setting `input` to `option` sends this input back.
    bool isResetBy(std::string_view input, std::string_view option) const;
};

// A drop-down list that opens, and goes back on Reset, to its first entry.
constexpr Input ListInput(std::string_view name, std::string_view label,
                          std::span<const Option> options)
{
    return {.name = name,
            .kind = InputKind::Choice,
            .label = label,
            .opening = options.front().name,
            .reset = options.front().name,
            .options = options};
}

struct Result
{
    std::string_view label;       // beside the result on the page: "Amps"
    std::string_view group = {};  // where two results share a label: "Primary"
    bool coloured = false;        // shown on a colour, cyan unless the calculation says red
};

// What one input holds: a field's or a collected input's text, or a choice's position in its
// list (with the typed text of an editable list).
// How the user last set a field, for the calculators that convert from the box set last.
enum class Edited {
    No,
    Typed,    // typed into and left, or Enter
    Stepped,  // stepped with its spinner
};

struct InputValue
{
    std::string text;
    int choice = 0;
    Edited edited = Edited::No;
};

struct Colour
{
    unsigned char red = 0;
    unsigned char green = 0;
    unsigned char blue = 0;
    friend bool operator==(const Colour&, const Colour&) = default;
};
inline constexpr Colour kCyan{0, 255, 255};
inline constexpr Colour kRed{255, 0, 0};

enum class Presence {
    Shown,
    Hidden,    // hidden with its label, as the power factor in DC
    Disabled,  // shown but out of use
};

struct ResultValue
{
    std::string text = {};
    std::string label = {};  // the description's label unless the calculation renames it ("Kilo")
    std::string name = {};   // the label with its group: "Primary Amps"
    Colour colour = kCyan;
    std::optional<double> number = {};  // the value behind a numeric result's text
    // What a warning colour says, for those who cannot see it: "above 3 per cent".
    std::string_view warning = {};
};

// A selection report as the page prints it: a heading, the current selection, up to three
// results beside it and every stored selection under it.
struct SelectionSheet
{
    std::string company;
    std::string columns;
    std::array<std::string, 3> current;  // count, "#" and wire size, insulation
    std::string currentTest;             // the current line is printed when this reads non-zero
    std::array<std::array<std::string, 2>, 3> results;    // label and value
    std::vector<std::array<std::string, 3>> stored = {};  // count, wire size, insulation
};

// Why a calculation cannot take one of its inputs: "a number greater than 0".
struct Refusal
{
    std::string_view input;  // the input's name
    std::string reason;
};

// One recompute: what the page shows afterwards and the report it keeps.
struct Outcome
{
    std::vector<std::string> shown = {};  // every input's text: fields as shown, choices' names
    std::vector<std::string> labels =
        {};                               // every input's label, renamed where the calculation says
    std::vector<Presence> presence = {};  // every input's presence
    std::vector<ResultValue> results = {};  // in the order of the description's results
    ReportLines report = {};
    std::vector<std::string> list = {};        // the lines of the page's list box, if it has one
    std::string warning = {};                  // a warning the page shows in a window of its own
    int beeps = 0;                             // how often the recompute beeps
    std::optional<SelectionSheet> sheet = {};  // what the page's Print button prints
    std::optional<Refusal> refused = {};       // an input it cannot take: no results then
    std::vector<std::string> trace = {};       // a calculation that explains itself, step by step
};

// What a batch learns of all of its rows before it computes any, for a calculator whose rows
// depend on one another (circuits that share a raceway). The batch reads its rows once for each
// pass it is asked for, then computes them, on any thread: compute() does not change the plan.
class BatchPlan
{
public:
    virtual ~BatchPlan() = default;
    // The passes over the rows before they are computed; asked again after each pass.
    virtual int passes() const = 0;
    // The input whose empty text means the row has nothing to teach (a circuit without a
    // raceway id), so that a batch need not read the rest of it; -1 when every row counts.
    virtual int keyInput() const { return -1; }
    // Row numbers count the rows after the header from 1.
    virtual void learn(int pass, long row, const InputValues& values) = 0;
    // After every row of the pass has been learnt.
    virtual void endPass(int pass) = 0;
    // What Calculator::compute gives, for one row of the batch; with its trace when `traced`.
    virtual Outcome compute(long row, const InputValues& values, bool traced) const = 0;
};

struct Calculator
{
    std::string_view name;            // on the command line: "amps.pe", "xformer"
    std::string_view summary;         // one line for the command line's list
    std::string_view listLabel = {};  // the label of the page's list box, if it has one
    // A converter: it writes its results into the fields it did not convert from, so its fields
    // are results too.
    bool converts = false;
    // Shown on a tab of the main window; a calculation of a window of its own has no page.
    bool hasPage = true;
    // Its outcome carries a trace of its steps, which the command line prints.
    bool explains = false;
    std::vector<Input> inputs = {};
    std::vector<Result> results = {};
    // From the values, every held field already inside its limits, to the outcome. It fills what
    // it knows; Evaluate completes the rest from the description.
    std::function<Outcome(const InputValues&)> compute = {};
    // For rows that depend on one another: a new plan for each batch, whose rows are computed
    // with their traces when `traced`.
    std::function<std::unique_ptr<BatchPlan>(bool traced)> plan = {};

    // The input named `name`; -1 when there is none.
    int inputIndex(std::string_view name) const;
};

// The values of a page that has just opened.
InputValues OpeningValues(const Calculator& calculator);

// How much of the outcome a recompute completes: all that a page shows, or only the texts that a
// batch writes (shown inputs, result texts, the report), without labels and spoken names.
enum class Completion {
    Whole,
    Texts,
};

// One recompute: the held fields brought inside their limits, the calculation, and the outcome
// completed with every input's shown text, label and presence and every result's label and name.
Outcome Evaluate(const Calculator& calculator, InputValues values,
                 Completion completion = Completion::Whole);
// The same with a compute function of the caller's, such as one over selections a page keeps.
Outcome Evaluate(const Calculator& calculator, InputValues values,
                 const std::function<Outcome(const InputValues&)>& compute,
                 Completion completion = Completion::Whole);

// The label's text as a screen reader names the control: no mnemonic, single spaces, the group
// in front.
std::string SpokenName(std::string_view label, std::string_view group = {});

// Every calculator, in the order the command line lists them.
std::span<const Calculator* const> AllCalculators();
// Those of them that a tab of the main window shows, in the same order.
std::vector<const Calculator*> TabCalculators();
const Calculator* FindCalculator(std::string_view name);

}  // namespace tavo
