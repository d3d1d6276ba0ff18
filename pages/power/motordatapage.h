#pragma once

// The Motor Data tab: amps, breaker, starter, heater and wire size of a three-phase motor,
// looked up by horse power at 230 or 460 volts.

#include "describedpage.h"

class MotorDataPage : public DescribedPage
{
    Q_OBJECT

public:
    MotorDataPage(const PageContext& context, QWidget* parent);
};
