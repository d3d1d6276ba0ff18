#pragma once

// A page built from a calculator's description: a value field, a drop-down list or a row of
// check boxes for each input, with its label, mnemonic and spoken name, and a read-only display
// for each result. It recomputes when a field loses the focus, a spinner steps a field, Enter
// moves on along its cycle, a list changes or a box is clicked; it applies the opening and reset
// texts and keeps the report of every recompute. A page file only lays the controls out.

#include "calculator.h"
#include "calculatorpage.h"

#include <QList>

#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

class ChoiceBoxes;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class ValueField;

class DescribedPage : public CalculatorPage
{
    Q_OBJECT

public:
    // What the page builds controls for: every input and result, or only the fields where a
    // host page shows the choices and the results (a formula's tab).
    enum class Controls {
        All,
        FieldsOnly
    };

    DescribedPage(const PageContext& context, QWidget* parent, const tavo::Calculator& calculator,
                  Controls controls = Controls::All);
    ~DescribedPage() override;

    const tavo::Calculator& calculator() const { return m_calculator; }

    // The controls built for the inputs, by name; null for an input of another kind.
    ValueField* field(std::string_view name) const;
    QComboBox* list(std::string_view name) const;
    ChoiceBoxes* boxes(std::string_view name) const;
    // The label of a field or list, with its mnemonic and the control as its buddy.
    QLabel* label(std::string_view name) const;
    // The widget that takes the focus for input `index`; null when the page shows none.
    virtual QWidget* control(int index) const;
    int resultCount() const { return static_cast<int>(m_results.size()); }
    QLineEdit* result(int index) const { return m_results[size_t(index)]; }
    QLabel* resultLabel(int index) const { return m_resultLabels[size_t(index)]; }
    // The list box of a calculator that collects selections, with its label; null otherwise.
    QListWidget* listBox() const { return m_listBox; }
    QLabel* listBoxLabel() const { return m_listBoxLabel; }
    // What the last recompute gave.
    const tavo::Outcome& outcome() const { return m_outcome; }

    // Shown, hidden or disabled with the input, as its label is: the signs and bars of a layout.
    void attach(QWidget* part, std::string_view input);

    // Reads the controls and recomputes; a recompute set off by the recompute itself is skipped.
    void recompute();
    // The page has been laid out: the first field of the Enter cycle takes the focus, and the
    // first recompute.
    void open();

    // The inputs that Enter walks, in its order: every field unless the page says otherwise,
    // such as a list among them.
    void setEnterCycle(std::initializer_list<std::string_view> inputs);

protected:
    // One recompute from the values read. A page that collects state of its own (selections
    // added to a list) passes it to its calculation here, or names a compute function over it.
    virtual tavo::Outcome evaluate(const tavo::InputValues& values) const;
    void setCompute(std::function<tavo::Outcome(const tavo::InputValues&)> compute)
    {
        m_compute = std::move(compute);
    }
    // The value of an input that this page shows no control for.
    virtual tavo::InputValue suppliedValue(int index) const;
    // What a recompute shows: the fields' texts, the labels, what is hidden, the results.
    virtual void display(const tavo::Outcome& outcome);
    // The first field of the cycle takes the focus, and Enter goes on from there.
    void focusFirst();
    // Whether a spinner may step its field now.
    virtual bool spinnerAllowed() const { return true; }
    // An input as the page reads it for a recompute: a field's text, a list's choice.
    tavo::InputValue valueOf(std::string_view name) const;
    // An input set as the page's own commands set it, without a recompute.
    void setInput(std::string_view name, std::string_view value);

    void activatePage() override;
    void resetPage() override;
    void enterKey() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct InputControls
    {
        ValueField* field = nullptr;
        QComboBox* list = nullptr;
        ChoiceBoxes* boxes = nullptr;
        QLabel* label = nullptr;
        QList<QWidget*> parts;  // shown and hidden with the input
    };

    void buildInput(int index, Controls controls);
    void buildResults();
    void buildListBox();
    void setValue(int index, std::string_view value);
    // A list filled with its entries for the inputs before it, as they stand.
    std::span<const tavo::Option> refill(int index);
    // The user has set input `changed`: the inputs after it that this sends back go back to
    // their first entry or reset text, and so on down the page.
    void sendBackAfter(int changed);
    tavo::InputValues values() const;
    void readFields();
    void focusInput(int index);
    void restoreFocus();
    // Where a control stands in the Enter cycle; -1 when it is not in it.
    int cyclePosition(const QObject* widget) const;
    bool inCycle(int position) const;
    // The field the user set last, that a converter converts from.
    void setSource(int index, tavo::Edited how);
    int nextAfter(int position) const;
    void onBoxClicked(int index, int option);
    const InputControls& controls(std::string_view name) const;

    const tavo::Calculator& m_calculator;
    std::vector<InputControls> m_inputs;
    std::vector<tavo::Presence> m_presence;
    std::vector<QLineEdit*> m_results;
    std::vector<QLabel*> m_resultLabels;
    QListWidget* m_listBox = nullptr;
    QLabel* m_listBoxLabel = nullptr;
    tavo::Outcome m_outcome;
    std::function<tavo::Outcome(const tavo::InputValues&)> m_compute;
    std::vector<int> m_cycle;
    int m_nextFocus = 0;
    int m_source = -1;
    tavo::Edited m_sourceEdit = tavo::Edited::No;
    bool m_recomputing = false;
};
