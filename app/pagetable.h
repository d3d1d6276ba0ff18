#pragma once

// The fourteen tabs of the main window, in their fixed order, and the page behind each.

#include "services.h"

#include <array>

class CalculatorPage;
class QWidget;

struct TabEntry
{
    const char* label;
    const char* toolTip;
    const char* icon;
};

inline constexpr int kTabCount = 14;
inline constexpr int kHistoriesTab = 12;

extern const std::array<TabEntry, kTabCount> kTabs;

// The page of tab `index`, created hidden.
CalculatorPage* CreatePage(int index, const PageContext& context, QWidget* parent);
