#include "valuefield.h"

#include "accessibility.h"
#include "dialogunits.h"

#include <QAbstractSlider>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QScrollBar>

void FieldEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Reaching a field by Enter selects its text, as Tab does, so typing replaces the value.
    if (event->reason() == Qt::OtherFocusReason) {
        selectAll();
    }
    emit focusGained();
}

void FieldEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit focusLost();
}

Spinner::Spinner(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    PrepareAccessibility();
}

ValueField::ValueField(const QString& name, QWidget* parent)
    : ValueField(name, parent, tavo::kValueFieldLimits, 44, 12)
{
}

ValueField::ValueField(const QString& name, QWidget* parent, tavo::StepLimits limits)
    : ValueField(name, parent, limits, 44, 12)
{
}

ValueField::ValueField(const QString& name, QWidget* parent, tavo::StepLimits limits,
                       double editWidth, double editHeight)
    : QWidget(parent), m_limits(limits)
{
    setObjectName(name);
    const DialogUnits du(this);
    m_edit = new FieldEdit(this);
    m_edit->setObjectName(name);
    m_edit->setFixedSize(du.size(editWidth, editHeight).expandedTo(m_edit->minimumSizeHint()));
    m_spinner = new Spinner(this);
    m_spinner->setObjectName(name + QStringLiteral("Spinner"));
    m_spinner->setFocusPolicy(Qt::StrongFocus);
    // The bar never shows a position of its own: it stays centred so both arrows always work.
    m_spinner->setRange(0, 2);
    m_spinner->setPageStep(1);
    m_spinner->setValue(1);
    m_spinner->setFixedSize(du.size(10, 15));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit, 0, Qt::AlignVCenter);
    layout->addWidget(m_spinner, 0, Qt::AlignVCenter);
    setFocusProxy(m_edit);
    // The edit and its spinner stay together, whatever room a layout offers.
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    connect(m_edit, &FieldEdit::focusGained, this, &ValueField::focusGained);
    connect(m_edit, &FieldEdit::focusLost, this, &ValueField::focusLost);
    connect(m_spinner, &QScrollBar::actionTriggered, this, &ValueField::onSpinnerAction);
}

ValueField::~ValueField()
{
    m_edit->disconnect(this);
    m_spinner->disconnect(this);
}

void ValueField::readControl()
{
    m_text = m_edit->text();
}

void ValueField::writeControl()
{
    showText(m_text);
}

void ValueField::showText(const QString& text)
{
    if (m_edit->text() != text) {
        m_edit->setText(text);
    }
}

void ValueField::setNumber(double value)
{
    m_text = QString::fromStdString(tavo::FormatNumber(value));
    showText(m_text);
}

void ValueField::step(tavo::ScrollCode code)
{
    const std::string text = m_text.toStdString();
    const double value = m_limits.whole ? tavo::ReadWholeNumber(text) : tavo::ParseNumber(text);
    const auto next = tavo::StepValue(value, code, m_limits);
    if (!next) {
        return;
    }
    if (m_limits.whole) {
        m_text = QString::number(static_cast<long>(*next));
        writeControl();
    } else {
        setNumber(*next);
    }
}

void ValueField::setAccessibleLabel(const QString& label)
{
    m_edit->setAccessibleName(label);
    m_spinner->setAccessibleName(tr("%1 spinner").arg(label));
}

void ValueField::onSpinnerAction(int action)
{
    using tavo::ScrollCode;
    // A vertical bar's upper arrow subtracts: for a spinner it means "up".
    ScrollCode code = ScrollCode::ThumbTrack;
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        code = ScrollCode::LineUp;
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        code = ScrollCode::LineDown;
        break;
    case QAbstractSlider::SliderPageStepSub:
        code = ScrollCode::PageUp;
        break;
    case QAbstractSlider::SliderPageStepAdd:
        code = ScrollCode::PageDown;
        break;
    case QAbstractSlider::SliderToMinimum:
        code = ScrollCode::Top;
        break;
    case QAbstractSlider::SliderToMaximum:
        code = ScrollCode::Bottom;
        break;
    default:
        break;
    }
    m_spinner->setSliderPosition(1);
    emit spinnerAction(code);
}

PfField::PfField(const QString& name, QWidget* parent, tavo::StepLimits limits)
    : ValueField(name, parent, limits, 24, 13)
{
    edit()->setAlignment(Qt::AlignRight);
}
