#pragma once

// How the program's own widgets appear to assistive technology (screen readers, GUI test
// tools), where Qt's defaults would mislead: lines and boxes drawn by frames, pictures, the
// spinners beside the fields, checkable menu entries, the help text and text painted as lines.

#include <QAccessible>
#include <QStringList>

class QRect;
class QWidget;

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
