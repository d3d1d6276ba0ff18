#pragma once

// Small pieces that every page builds the same way.

#include <QString>

#include <string_view>

class QLabel;
class QLayout;
class QLineEdit;
class QWidget;

// A text of a calculator's description (UTF-8) as the page shows it, translated where a
// translation exists.
QString UiText(std::string_view text);

// "Motor Amps" -> "motorAmps": the object name of a result.
QString ObjectNameOf(const QString& label);

// `inner` between two stretches, so that it keeps its own width in the middle of a row.
QLayout* Centred(QLayout* inner);

// A page's title: bold, larger, centred.
QLabel* MakeHeading(const QString& text, QWidget* parent);

// A read-only result that a user can select and copy and a screen reader reads with its name;
// on a solid colour (a ColorStatic) when `coloured`.
QLineEdit* MakeResultDisplay(QWidget* parent, const QString& name, bool coloured);
