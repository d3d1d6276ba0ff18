#pragma once

// The Xformer tab: primary and secondary currents from the rating, phase and both voltages.

#include "describedpage.h"

class TransformerPage : public DescribedPage
{
    Q_OBJECT

public:
    TransformerPage(const PageContext& context, QWidget* parent);
};
