#pragma once

// The Volt Drop tab: the drop along a run in DC, single or three phase, and what is left at the
// load.

#include "describedpage.h"

class VoltDropPage : public DescribedPage
{
    Q_OBJECT

public:
    VoltDropPage(const PageContext& context, QWidget* parent);
};
