#pragma once

// The Ampacity tab: a copper and an aluminum row, each a size, the number of conductors, the
// ambient range and the insulation, with the corrected maximum ampacity.

#include "describedpage.h"

class AmpacityPage : public DescribedPage
{
    Q_OBJECT

public:
    AmpacityPage(const PageContext& context, QWidget* parent);
};
