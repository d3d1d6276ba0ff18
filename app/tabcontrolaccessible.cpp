#include "tabcontrolaccessible.h"

#include "tabcontrol.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWindow>

namespace {

class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    TabAccessible(TabControl* tabs, int index) : m_tabs(tabs), m_index(index) {}

    int index() const { return m_index; }

    bool isValid() const override { return m_tabs && m_index < m_tabs->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_tabs ? m_tabs->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_tabs.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid()) {
            return {};
        }
        switch (kind) {
        case QAccessible::Name:
            return m_tabs->tabText(m_index);
        case QAccessible::Description:
            return m_tabs->tabToolTip(m_index);
        default:
            return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect tab = m_tabs->tabRect(m_index);
        return {m_tabs->mapToGlobal(tab.topLeft()), tab.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid()) {
            state.invalid = true;
            return state;
        }
        state.selectable = true;
        state.focusable = true;
        state.invisible = !m_tabs->isVisible();
        state.selected = m_tabs->currentIndex() == m_index;
        state.focused = state.selected && m_tabs->hasFocus();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (isValid() && action == pressAction()) {
            m_tabs->pressTab(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

private:
    QPointer<TabControl> m_tabs;
    int m_index;
};

class TabControlAccessible : public QAccessibleWidget
{
public:
    explicit TabControlAccessible(TabControl* tabs)
        : QAccessibleWidget(tabs, QAccessible::PageTabList)
    {
    }

    ~TabControlAccessible() override
    {
        for (const QAccessible::Id id : std::as_const(m_children)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return tabs()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        if (const QAccessible::Id id = m_children.value(index)) {
            return QAccessible::accessibleInterface(id);
        }
        auto* tab = new TabAccessible(tabs(), index);
        m_children.insert(index, QAccessible::registerAccessibleInterface(tab));
        return tab;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (child && child->role() == QAccessible::PageTab && child->parent() == this) {
            return static_cast<const TabAccessible*>(child)->index();
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        return child(tabs()->tabAt(tabs()->mapFromGlobal(QPoint(x, y))));
    }

private:
    TabControl* tabs() const { return static_cast<TabControl*>(widget()); }

    mutable QHash<int, QAccessible::Id> m_children;
};

}  // namespace

QAccessibleInterface* TabControlAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabControl") && object && object->isWidgetType()) {
        return new TabControlAccessible(static_cast<TabControl*>(object));
    }
    return nullptr;
}
