#include "dcolabel.h"

#include "dialogunits.h"

DcOnlyLabel::DcOnlyLabel(QWidget* parent) : QLabel(tr("DC Only"), parent)
{
    setObjectName(QStringLiteral("dcOnly"));
    QFont bold = font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.5);
    setFont(bold);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0, 0, 255));
    setPalette(blue);
    setAlignment(Qt::AlignCenter);
    setFixedSize(DialogUnits(parent).size(70, 30));
}
