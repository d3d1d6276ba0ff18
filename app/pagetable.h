#pragma once

// The fourteen tabs of the main window, in their fixed order, and the page behind each.

#include "services.h"

#include <array>

class CalculatorPage;
class QWidget;

namespace Tabs {
enum : int {
    Motor,
    Watts,
    Amps,
    Volts,
    Resistance,
    Xformer,
    Ground,
    Boxes,
    Conduit,
    MotorData,
    Ampacity,
    VoltDrop,
    Histories,
    Conversions,
    Count,
};
}  // namespace Tabs

using PageFactory = CalculatorPage* (*)(const PageContext& context, QWidget* parent);

struct TabEntry
{
    const char* label;
    const char* toolTip;
    const char* icon;
    PageFactory create;
};

extern const std::array<TabEntry, Tabs::Count> kTabs;

// The page of tab `index`, created hidden.
CalculatorPage* CreatePage(int index, const PageContext& context, QWidget* parent);
