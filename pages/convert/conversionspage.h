#pragma once

// The Conversions tab: four converters side by side, each converting from the box the user last
// typed into or stepped, and one report of every box.

#include "calculatorpage.h"

#include <array>

class DescribedPage;

class ConversionsPage : public CalculatorPage
{
    Q_OBJECT

public:
    ConversionsPage(const PageContext& context, QWidget* parent);

    // Temperature, lengths, the unit pair and circular mils, in that order.
    DescribedPage* group(int index) const { return m_groups[size_t(index)]; }

protected:
    void activatePage() override;
    void resetPage() override;
    void enterKey() override;
    void saveReport(qintptr autoAdd, qintptr mode) override;

private:
    std::array<DescribedPage*, 4> m_groups{};
};
