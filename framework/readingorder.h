#pragma once

// The Tab key walks a page in its reading order: along the rows of a grid, along a row or down
// a column as a box layout places them, into each group in turn. Widgets placed by hand, with no
// layout, are read from the top left, unless the page names their order itself.

#include <QList>

class QWidget;

// Chains the Tab order through the controls of `parts`, each read in its own order, one after
// another; a part that takes the keyboard itself is one control.
void FollowReadingOrder(const QList<QWidget*>& parts);
