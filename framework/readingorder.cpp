#include "readingorder.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QSet>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include <algorithm>

namespace {

void ReadWidget(QWidget* widget, QList<QWidget*>& controls);

// The items of a layout as they read: a grid by rows, then columns; a box in its direction.
QList<QLayoutItem*> ItemsInOrder(QLayout* layout)
{
    QList<QLayoutItem*> items;
    for (int i = 0; i < layout->count(); ++i) {
        items.append(layout->itemAt(i));
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        const auto cell = [grid](QLayoutItem* item) {
            int row = 0;
            int column = 0;
            int rows = 0;
            int columns = 0;
            grid->getItemPosition(grid->indexOf(item), &row, &column, &rows, &columns);
            // Read in the row where it ends: a group beside a label over its list comes after
            // the list.
            return std::pair(row + rows - 1, column);
        };
        std::stable_sort(items.begin(), items.end(),
                         [&](QLayoutItem* a, QLayoutItem* b) { return cell(a) < cell(b); });
    } else if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const QBoxLayout::Direction direction = box->direction();
        if (direction == QBoxLayout::RightToLeft || direction == QBoxLayout::BottomToTop) {
            std::reverse(items.begin(), items.end());
        }
    }
    return items;
}

// Reads the widgets of `layout` and its inner layouts, and notes each in `laidOut`.
void ReadLayout(QLayout* layout, QList<QWidget*>& controls, QSet<QWidget*>& laidOut)
{
    for (QLayoutItem* item : ItemsInOrder(layout)) {
        if (QWidget* widget = item->widget()) {
            laidOut.insert(widget);
            ReadWidget(widget, controls);
        } else if (QLayout* inner = item->layout()) {
            ReadLayout(inner, controls, laidOut);
        }
    }
}

void ReadWidget(QWidget* widget, QList<QWidget*>& controls)
{
    if (widget->isWindow()) {
        return;
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(widget)) {
        // Its row of tabs, then every page it holds; Tab passes the hidden ones.
        controls.append(tabs->tabBar());
        for (int i = 0; i < tabs->count(); ++i) {
            ReadWidget(tabs->widget(i), controls);
        }
        return;
    }
    if (widget->focusPolicy() & Qt::TabFocus) {
        controls.append(widget);
        return;
    }
    QSet<QWidget*> laidOut;
    if (widget->layout()) {
        ReadLayout(widget->layout(), controls, laidOut);
    }
    // Children outside the layout, placed by hand: from the top left.
    QList<QWidget*> placed;
    for (QWidget* child : widget->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow() && !laidOut.contains(child)) {
            placed.append(child);
        }
    }
    std::stable_sort(placed.begin(), placed.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* child : placed) {
        ReadWidget(child, controls);
    }
}

}  // namespace

void FollowReadingOrder(const QList<QWidget*>& parts)
{
    QList<QWidget*> controls;
    for (QWidget* part : parts) {
        ReadWidget(part, controls);
    }
    for (qsizetype i = 1; i < controls.size(); ++i) {
        QWidget::setTabOrder(controls[i - 1], controls[i]);
    }
}
