#include "accessibility.h"

#include "calculator.h"
#include "valuefield.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <QTextDocument>

#include <cmath>

namespace {

const char* const kRoleProperty = "tavoAccessibleRole";

// "S&plash Screen" as a screen reader says it.
QString WithoutMnemonic(const QString& text)
{
    return QString::fromStdString(tavo::SpokenName(text.toStdString()));
}

// ---- Spinners: spin buttons whose value is the field's number --------------------------------

class SpinnerAccessible : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit SpinnerAccessible(Spinner* spinner) : QAccessibleWidget(spinner, QAccessible::SpinBox)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override
    {
        const ValueField* owner = field();
        if (!owner) {
            return {};
        }
        const double value = tavo::ParseNumber(owner->edit()->text().toStdString());
        return std::isfinite(value) ? QVariant(value) : QVariant();
    }
    // As if typed: the page takes it when the user leaves the field.
    void setCurrentValue(const QVariant& value) override
    {
        if (ValueField* owner = field(); owner && value.canConvert<double>()) {
            owner->showText(QString::fromStdString(tavo::FormatNumber(value.toDouble())));
        }
    }
    QVariant maximumValue() const override
    {
        return field() ? QVariant(field()->limits().upper) : QVariant();
    }
    QVariant minimumValue() const override
    {
        return field() ? QVariant(field()->limits().lower) : QVariant();
    }
    QVariant minimumStepSize() const override { return 1.0; }

    QStringList actionNames() const override { return {increaseAction(), decreaseAction()}; }
    void doAction(const QString& name) override
    {
        // The upper arrow of the vertical bar steps the field up.
        if (name == increaseAction()) {
            spinner()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        } else if (name == decreaseAction()) {
            spinner()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        }
    }

private:
    Spinner* spinner() const { return static_cast<Spinner*>(widget()); }
    ValueField* field() const { return qobject_cast<ValueField*>(widget()->parentWidget()); }
};

// ---- Menus: entries with their check state ---------------------------------------------------

class MenuEntryAccessible : public ChildAccessible, public QAccessibleActionInterface
{
public:
    MenuEntryAccessible(QMenu* menu, QAction* action) : ChildAccessible(menu), m_action(action) {}

    QAction* action() const { return m_action; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }
    bool isValid() const override { return m_owner && m_action; }
    QString text(QAccessible::Text kind) const override
    {
        if (!isValid()) {
            return {};
        }
        switch (kind) {
        case QAccessible::Name:
            return WithoutMnemonic(m_action->text());
        case QAccessible::Description:
            return m_action->statusTip();
        case QAccessible::Accelerator:
            return m_action->shortcut().toString(QKeySequence::NativeText);
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect area = menu()->actionGeometry(m_action);
        return {menu()->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::Role role() const override
    {
        if (!isValid() || m_action->isSeparator()) {
            return QAccessible::Separator;
        }
        // AT-SPI has no check menu entry Qt can give; a check box says "checked" or not.
        return m_action->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.invisible = !m_action->isVisible() || !menu()->isVisible();
        state.disabled = !m_action->isEnabled();
        state.checkable = m_action->isCheckable();
        state.checked = m_action->isChecked();
        const bool active = menu()->activeAction() == m_action;
        state.focusable = !m_action->isSeparator();
        state.focused = active;
        state.selectable = state.focusable;
        state.selected = active;
        state.hasPopup = m_action->menu() != nullptr;
        return state;
    }

    QStringList actionNames() const override
    {
        if (!isValid() || m_action->isSeparator() || !m_action->isEnabled()) {
            return {};
        }
        return {m_action->isCheckable() ? toggleAction() : pressAction()};
    }
    void doAction(const QString& name) override
    {
        if (isValid() && actionNames().contains(name)) {
            m_action->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QMenu* menu() const { return static_cast<QMenu*>(m_owner.data()); }

    QPointer<QAction> m_action;
};

class MenuAccessible : public QAccessibleWidget
{
public:
    explicit MenuAccessible(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    // A menu of a menu bar hangs below its entry there, as Qt's own menus do.
    QAccessibleInterface* parent() const override
    {
        QAction* opener = menu()->menuAction();
        for (QObject* holder : opener->associatedObjects()) {
            auto* bar = qobject_cast<QMenuBar*>(holder);
            if (!bar) {
                continue;
            }
            if (QAccessibleInterface* barInterface = QAccessible::queryAccessibleInterface(bar)) {
                return barInterface->child(int(bar->actions().indexOf(opener)));
            }
        }
        return QAccessibleWidget::parent();
    }

    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = WithoutMnemonic(menu()->title());
        }
        return text;
    }
    int childCount() const override { return int(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override
    {
        QAction* action = menu()->actions().value(index);
        if (!action) {
            return nullptr;
        }
        return m_entries.get(quintptr(action),
                             [&] { return new MenuEntryAccessible(menu(), action); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->parent() != this || child->object()) {
            return -1;
        }
        const auto* entry = static_cast<const MenuEntryAccessible*>(child);
        return int(menu()->actions().indexOf(entry->action()));
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        QAction* action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
        return action ? child(int(menu()->actions().indexOf(action))) : nullptr;
    }

private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }

    ChildCache m_entries;
};

// ---- Painted lines: a list of items -----------------------------------------------------------

class LineAccessible : public ChildAccessible
{
public:
    LineAccessible(QWidget* owner, int index) : ChildAccessible(owner), m_index(index) {}

    int index() const { return m_index; }

    bool isValid() const override { return m_owner && m_index < lines()->accessibleLines().size(); }
    QString text(QAccessible::Text kind) const override
    {
        return isValid() && kind == QAccessible::Name ? lines()->accessibleLines().at(m_index)
                                                      : QString();
    }
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect area = lines()->accessibleLineRect(m_index);
        return {m_owner->mapToGlobal(area.topLeft()), area.size()};
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invalid = !isValid();
        state.readOnly = true;
        state.invisible = !isValid() || !m_owner->isVisible();
        state.offscreen =
            isValid() && !m_owner->rect().intersects(lines()->accessibleLineRect(m_index));
        return state;
    }

private:
    const AccessibleLines* lines() const { return dynamic_cast<AccessibleLines*>(m_owner.data()); }

    int m_index;
};

class LinesAccessible : public QAccessibleWidget
{
public:
    explicit LinesAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::List) {}

    int childCount() const override { return int(lines()->accessibleLines().size()); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        // Keyed by position: a line's interface reads whatever line stands there now.
        return m_lines.get(quintptr(index), [&] { return new LineAccessible(widget(), index); });
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child || child->role() != QAccessible::ListItem || child->parent() != this) {
            return -1;
        }
        return static_cast<const LineAccessible*>(child)->index();
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i) {
            if (lines()->accessibleLineRect(i).contains(point)) {
                return child(i);
            }
        }
        return nullptr;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

private:
    const AccessibleLines* lines() const { return dynamic_cast<AccessibleLines*>(widget()); }

    ChildCache m_lines;
};

// ---- The help text: a document a screen reader can read ---------------------------------------

class DocumentAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit DocumentAccessible(QTextBrowser* browser)
        : QAccessibleWidget(browser, QAccessible::Document)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        QString text = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && text.isEmpty()) {
            text = browser()->documentTitle();
        }
        return text;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    void selection(int index, int* start, int* end) const override
    {
        const QTextCursor cursor = browser()->textCursor();
        *start = index == 0 && cursor.hasSelection() ? cursor.selectionStart() : 0;
        *end = index == 0 && cursor.hasSelection() ? cursor.selectionEnd() : 0;
    }
    int selectionCount() const override { return browser()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int) override
    {
        QTextCursor cursor = browser()->textCursor();
        cursor.clearSelection();
        browser()->setTextCursor(cursor);
    }
    void setSelection(int, int start, int end) override
    {
        QTextCursor cursor = cursorAt(start);
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        browser()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return browser()->textCursor().position(); }
    void setCursorPosition(int position) override { browser()->setTextCursor(cursorAt(position)); }
    QString text(int start, int end) const override
    {
        QTextCursor cursor = cursorAt(start);
        cursor.setPosition(std::clamp(end, 0, characterCount()), QTextCursor::KeepAnchor);
        // The paragraph separators Qt keeps inside a selection read as line breaks.
        return cursor.selectedText().replace(QChar::ParagraphSeparator, u'\n');
    }
    int characterCount() const override { return browser()->document()->characterCount() - 1; }
    QRect characterRect(int offset) const override
    {
        const QRect area = browser()->cursorRect(cursorAt(offset));
        const QRect next = browser()->cursorRect(cursorAt(offset + 1));
        const int width = next.top() == area.top() ? std::max(1, next.left() - area.left()) : 1;
        const QPoint topLeft = browser()->viewport()->mapToGlobal(area.topLeft());
        return {topLeft, QSize(width, area.height())};
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return browser()->cursorForPosition(browser()->viewport()->mapFromGlobal(point)).position();
    }
    void scrollToSubstring(int start, int end) override
    {
        setSelection(0, start, end);
        browser()->ensureCursorVisible();
    }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = 0;
        *end = std::max(offset, characterCount());
        return {};
    }

private:
    QTextBrowser* browser() const { return static_cast<QTextBrowser*>(widget()); }
    QTextCursor cursorAt(int position) const
    {
        QTextCursor cursor(browser()->document());
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        return cursor;
    }
};

// ---- The factory ------------------------------------------------------------------------------

QAccessibleInterface* FrameAccessible(QFrame* frame)
{
    switch (frame->frameShape()) {
    case QFrame::HLine:
    case QFrame::VLine:
        return new QAccessibleWidget(frame, QAccessible::Separator);
    case QFrame::NoFrame:
        return nullptr;
    default:
        return new QAccessibleWidget(frame, QAccessible::Grouping);
    }
}

QAccessibleInterface* Factory(const QString& className, QObject* object)
{
    // Only for an object's own class: a QLabel is a QFrame too, and keeps Qt's interface.
    if (!object || !object->isWidgetType() || className != object->metaObject()->className()) {
        return nullptr;
    }
    auto* widget = static_cast<QWidget*>(object);
    const QVariant role = widget->property(kRoleProperty);
    if (role.isValid()) {
        return new QAccessibleWidget(widget, QAccessible::Role(role.toInt()));
    }
    if (dynamic_cast<AccessibleLines*>(widget)) {
        return new LinesAccessible(widget);
    }
    if (auto* spinner = qobject_cast<Spinner*>(widget)) {
        return new SpinnerAccessible(spinner);
    }
    if (auto* menu = qobject_cast<QMenu*>(widget)) {
        return new MenuAccessible(menu);
    }
    if (auto* browser = qobject_cast<QTextBrowser*>(widget)) {
        return new DocumentAccessible(browser);
    }
    if (className == QLatin1String("QFrame")) {
        return FrameAccessible(static_cast<QFrame*>(widget));
    }
    return nullptr;
}

}  // namespace

void PrepareAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void SetAccessibleRole(QWidget* widget, QAccessible::Role role)
{
    PrepareAccessibility();
    widget->setProperty(kRoleProperty, int(role));
}

void NotifyLinesChanged(QWidget* widget, int added, bool replaced)
{
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(widget);
    if (!list) {
        return;
    }
    if (replaced) {
        QAccessibleEvent reorder(widget, QAccessible::ObjectReorder);
        QAccessible::updateAccessibility(&reorder);
        return;
    }
    const int count = list->childCount();
    for (int i = std::max(0, count - added); i < count; ++i) {
        QAccessibleEvent created(list->child(i), QAccessible::ObjectCreated);
        QAccessible::updateAccessibility(&created);
    }
}
