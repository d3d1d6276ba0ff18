#pragma once

#include "calculatorpage.h"

// Stands in for a calculator that is not built yet, and says so.
class PlaceholderPage : public CalculatorPage
{
    Q_OBJECT

public:
    PlaceholderPage(const PageContext& context, QWidget* parent, const QString& title);
};
