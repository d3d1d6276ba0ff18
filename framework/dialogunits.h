#pragma once

// Sizes and positions given in dialog units become pixels through the dialog font, as the
// program's layouts were drawn: a horizontal unit is a quarter of the average character width,
// a vertical unit an eighth of the character height.

#include <QPoint>
#include <QRect>
#include <QSize>

class QFont;
class QWidget;

class DialogUnits
{
public:
    explicit DialogUnits(const QFont& font);
    explicit DialogUnits(const QWidget* widget);

    int baseX() const { return m_baseX; }
    int baseY() const { return m_baseY; }

    int x(double units) const;
    int y(double units) const;
    QPoint point(double x, double y) const;
    QSize size(double width, double height) const;
    QRect rect(double x, double y, double width, double height) const;

private:
    int m_baseX = 8;
    int m_baseY = 16;
};
