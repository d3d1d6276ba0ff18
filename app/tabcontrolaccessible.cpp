#include "tabcontrolaccessible.h"

#include "accessibility.h"
#include "tabcontrol.h"

#include <QAccessibleWidget>

namespace {

class TabAccessible : public ChildAccessible, public QAccessibleActionInterface
{
public:
    TabAccessible(TabControl* tabs, int index) : ChildAccessible(tabs), m_index(index) {}

    int index() const { return m_index; }

    bool isValid() const override { return m_owner && m_index < tabs()->count(); }

    QString text(QAccessible::Text kind) const override
    {
        if (!isValid()) {
            return {};
        }
        switch (kind) {
        case QAccessible::Name:
            return tabs()->tabText(m_index);
        case QAccessible::Description:
            return tabs()->tabToolTip(m_index);
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        if (!isValid()) {
            return {};
        }
        const QRect tab = tabs()->tabRect(m_index);
        return {tabs()->mapToGlobal(tab.topLeft()), tab.size()};
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
        state.invisible = !tabs()->isVisible();
        state.selected = tabs()->currentIndex() == m_index;
        state.focused = state.selected && tabs()->hasFocus();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override
    {
        if (isValid() && action == pressAction()) {
            tabs()->pressTab(m_index);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

private:
    TabControl* tabs() const { return static_cast<TabControl*>(m_owner.data()); }

    int m_index;
};

class TabControlAccessible : public QAccessibleWidget
{
public:
    explicit TabControlAccessible(TabControl* tabs)
        : QAccessibleWidget(tabs, QAccessible::PageTabList)
    {
    }

    int childCount() const override { return tabs()->count(); }

    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) {
            return nullptr;
        }
        return m_tabs.get(quintptr(index), [&] { return new TabAccessible(tabs(), index); });
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

    ChildCache m_tabs;
};

}  // namespace

QAccessibleInterface* TabControlAccessibleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("TabControl") && object && object->isWidgetType()) {
        return new TabControlAccessible(static_cast<TabControl*>(object));
    }
    return nullptr;
}
