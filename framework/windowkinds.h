#pragma once

// How the program's own windows behave as windows: what the title bar of each kind of fixed
// window offers, so that a window manager shows no button that would do nothing, and Escape
// closing the free-standing ones.

#include <Qt>

class QWidget;

// A dialog of a fixed size: its caption, system menu and close box; nothing to minimise or
// maximise.
inline constexpr Qt::WindowFlags kFixedDialogTitle =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
    Qt::WindowCloseButtonHint;

// A screen shown for a moment, with no system menu: its caption only, no buttons at all.
inline constexpr Qt::WindowFlags kCaptionOnlyTitle =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;

// Escape closes `window`, as its close box does, unless a control inside takes the key.
void CloseOnEscape(QWidget* window);
