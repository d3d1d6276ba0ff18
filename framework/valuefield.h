#pragma once

// A numeric entry: a one-line edit with a small vertical scroll bar beside it as its spinner.
// The value lives only in the field's text; the page exchanges that text with the edit in one
// step for all its fields, parses it when it computes, and steps it with the spinner.

#include "numbertext.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QWidget>

// The edit of a field: tells its page when it gains and loses the keyboard focus, because a
// typed number takes effect when the user leaves the field.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

signals:
    void focusGained();
    void focusLost();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The spinner of a field. Assistive technology sees it as a spin button holding the field's
// number, whose actions step the field as the arrows do.
class Spinner : public QScrollBar
{
    Q_OBJECT

public:
    explicit Spinner(QWidget* parent);
};

class ValueField : public QWidget
{
    Q_OBJECT

public:
    // `name` is the object name of the field and of its edit, so tests and tools find either.
    ValueField(const QString& name, QWidget* parent);
    // A plain field whose spinner keeps to other limits, such as an efficiency's 10..100.
    ValueField(const QString& name, QWidget* parent, tavo::StepLimits limits);
    // The edit may still lose the focus while this field goes away; it tells no one then.
    ~ValueField() override;

    FieldEdit* edit() const { return m_edit; }
    Spinner* spinner() const { return m_spinner; }
    tavo::StepLimits limits() const { return m_limits; }

    // The field's text, as last exchanged with the edit.
    QString text() const { return m_text; }
    void setText(const QString& text) { m_text = text; }
    // Field text from the edit, and back.
    void readControl();
    void writeControl();
    // Makes the edit show `text` at once, leaving the field's text alone.
    void showText(const QString& text);

    // Sets the text to the number as the program writes numbers and shows it at once.
    void setNumber(double value);
    // One spinner action applied to the field's text.
    void step(tavo::ScrollCode code);

    // The screen-reader name of the edit and its spinner: the label's text without mnemonic.
    void setAccessibleLabel(const QString& label);

signals:
    void focusGained();
    void focusLost();
    void spinnerAction(tavo::ScrollCode code);

protected:
    ValueField(const QString& name, QWidget* parent, tavo::StepLimits limits, double editWidth,
               double editHeight);

private:
    void onSpinnerAction(int action);

    tavo::StepLimits m_limits;
    FieldEdit* m_edit = nullptr;
    Spinner* m_spinner = nullptr;
    QString m_text;
};

// A percentage such as the power factor: 10..100 unless a page says otherwise, right-aligned in
// a narrower edit.
class PfField : public ValueField
{
    Q_OBJECT

public:
    PfField(const QString& name, QWidget* parent,
            tavo::StepLimits limits = tavo::kPercentFieldLimits);
};
