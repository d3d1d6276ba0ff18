#pragma once

#include <QLabel>

// "DC Only" in blue letters: the corner mark of the formulas without power.
class DcOnlyLabel : public QLabel
{
    Q_OBJECT

public:
    explicit DcOnlyLabel(QWidget* parent);
};
