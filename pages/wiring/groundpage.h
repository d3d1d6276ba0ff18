#pragma once

// The Ground tab: grounding electrode conductors for the largest service conductor, and the
// minimum equipment grounding conductor for an overcurrent device's rating.

#include "describedpage.h"

class GroundPage : public DescribedPage
{
    Q_OBJECT

public:
    GroundPage(const PageContext& context, QWidget* parent);
};
