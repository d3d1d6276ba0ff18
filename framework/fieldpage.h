#pragma once

// A page (or formula sub-page) built of value fields: it recomputes when a field loses the focus,
// when a spinner steps a field and when Enter moves on to the next field of its cycle.

#include "calculatorpage.h"
#include "numbertext.h"

#include <vector>

class QLabel;
class ValueField;

class FieldPage : public CalculatorPage
{
    Q_OBJECT

public:
    FieldPage(const PageContext& context, QWidget* parent);
    ~FieldPage() override;

    // Reads the fields and recomputes; a recompute set off by the recompute itself is skipped.
    void recompute();

    ValueField* field(int index) const { return m_fields[size_t(index)]; }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    int nextFocusIndex() const { return m_nextFocus; }

protected:
    // Appends a field to the page and to the end of its Enter cycle.
    void addField(ValueField* field);
    // The calculation proper, with the fields just read.
    virtual void compute() = 0;
    // A field that Enter passes over, such as a hidden power factor.
    virtual bool skippedByEnter(int /*index*/) const { return false; }

    void readFields();
    // Gives the focus to a field; Enter then goes on from there.
    void focusField(int index);
    // Back to the field that last had the focus on this page, else the first.
    void restoreFocus();
    // A label for a field, with its mnemonic and the field as buddy; `group` goes before the
    // field's screen-reader name where two fields share a label ("Primary Voltage").
    QLabel* makeLabel(const QString& text, ValueField* buddy, const QString& group = {});

    void enterKey() override;

private:
    void onSpinnerAction(ValueField* field, tavo::ScrollCode code);
    int nextAfter(int index) const;

    std::vector<ValueField*> m_fields;
    int m_nextFocus = 0;
    bool m_recomputing = false;
};
