#pragma once

// How the program's own widgets appear to assistive technology (screen readers, GUI test
// tools), where Qt's defaults would mislead: lines and boxes drawn by frames, pictures, the
// spinners beside the fields, checkable menu entries, the help text and text painted as lines.

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class QRect;

// Installs the program's accessibility factory; safe to call any number of times. Every widget
// that relies on it calls it in its constructor, before anything can ask for its interface.
void PrepareAccessibility();

// `widget` is shown to assistive technology with `role` in place of the one of its class, such
// as a window for a free-standing QWidget or an image for a painted picture.
void SetAccessibleRole(QWidget* widget, QAccessible::Role role);

// A widget that paints its content as lines of text: shown as a list with one item per line.
class AccessibleLines
{
public:
    virtual ~AccessibleLines() = default;
    virtual QStringList accessibleLines() const = 0;
    // Where line `index` is painted, in the widget's own coordinates.
    virtual QRect accessibleLineRect(int index) const = 0;
};

// Tells assistive technology that the lines of `widget` (an AccessibleLines) changed: `added`
// lines were appended at the end, or the whole list was replaced when `replaced` is true.
void NotifyLinesChanged(QWidget* widget, int added, bool replaced);

// Interfaces made for children that have no object of their own (tabs, menu entries, painted
// lines), registered once each by a key of their parent's choosing and released with it.
class ChildCache
{
public:
    ChildCache() = default;
    ChildCache(const ChildCache&) = delete;
    ChildCache& operator=(const ChildCache&) = delete;
    ~ChildCache()
    {
        for (const QAccessible::Id id : std::as_const(m_ids)) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    template <typename Make>
    QAccessibleInterface* get(quintptr key, Make make) const
    {
        if (const QAccessible::Id id = m_ids.value(key)) {
            if (QAccessibleInterface* known = QAccessible::accessibleInterface(id)) {
                return known;
            }
        }
        QAccessibleInterface* made = make();
        m_ids.insert(key, QAccessible::registerAccessibleInterface(made));
        return made;
    }

private:
    mutable QHash<quintptr, QAccessible::Id> m_ids;
};

// A child without an object: its window and parent come from the widget that shows it.
class ChildAccessible : public QAccessibleInterface
{
public:
    explicit ChildAccessible(QWidget* owner) : m_owner(owner) {}

    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_owner ? m_owner->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_owner.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

protected:
    QPointer<QWidget> m_owner;
};
