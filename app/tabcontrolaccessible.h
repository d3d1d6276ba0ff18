#pragma once

// The main tab row as assistive technology sees it: a page tab list with one page tab per tab,
// named by its label, described by its tooltip, the current one selected, each with a press
// action that selects it as a click does. The row is painted by the program, so Qt cannot know
// its tabs on its own.

class QAccessibleInterface;
class QObject;
class QString;

// Installed once, before the first TabControl is asked for.
QAccessibleInterface* TabControlAccessibleFactory(const QString& className, QObject* object);
