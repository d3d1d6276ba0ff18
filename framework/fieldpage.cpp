#include "fieldpage.h"

#include "valuefield.h"

#include <QLabel>
#include <QScopedValueRollback>

FieldPage::FieldPage(const PageContext& context, QWidget* parent) : CalculatorPage(context, parent)
{
}

FieldPage::~FieldPage()
{
    // Fields losing the focus while the page goes away must not recompute a half-destroyed page.
    for (ValueField* field : m_fields) {
        field->disconnect(this);
    }
}

void FieldPage::addField(ValueField* field)
{
    const int index = fieldCount();
    m_fields.push_back(field);
    connect(field, &ValueField::focusGained, this,
            [this, index] { m_nextFocus = nextAfter(index); });
    connect(field, &ValueField::focusLost, this, &FieldPage::recompute);
    connect(field, &ValueField::spinnerAction, this,
            [this, field](tavo::ScrollCode code) { onSpinnerAction(field, code); });
}

void FieldPage::recompute()
{
    if (m_recomputing) {
        return;
    }
    const QScopedValueRollback guard(m_recomputing, true);
    readFields();
    compute();
}

void FieldPage::readFields()
{
    for (ValueField* field : m_fields) {
        field->readControl();
    }
}

void FieldPage::focusField(int index)
{
    m_fields[size_t(index)]->edit()->setFocus(Qt::OtherFocusReason);
    // The focus may already be there, or the window not yet active: keep the cycle moving.
    m_nextFocus = nextAfter(index);
}

void FieldPage::restoreFocus()
{
    QWidget* last = focusWidget();
    if (last && isAncestorOf(last) && last->isVisibleTo(this)) {
        last->setFocus(Qt::OtherFocusReason);
    } else {
        focusField(0);
    }
}

QLabel* FieldPage::makeLabel(const QString& text, ValueField* buddy, const QString& group)
{
    auto* label = new QLabel(text, this);
    label->setBuddy(buddy->edit());
    const QString name = QString(text).remove(QLatin1Char('&')).simplified();
    buddy->setAccessibleLabel(group.isEmpty() ? name : group + QLatin1Char(' ') + name);
    return label;
}

void FieldPage::enterKey()
{
    readFields();
    int target = m_nextFocus;
    if (skippedByEnter(target) || !m_fields[size_t(target)]->isVisibleTo(this)) {
        target = nextAfter(target);
    }
    focusField(target);
    recompute();
}

int FieldPage::nextAfter(int index) const
{
    const int count = fieldCount();
    int next = (index + 1) % count;
    for (int tries = 0; tries < count && skippedByEnter(next); ++tries) {
        next = (next + 1) % count;
    }
    return next;
}

void FieldPage::onSpinnerAction(ValueField* field, tavo::ScrollCode code)
{
    readFields();
    field->step(code);
    recompute();
}
