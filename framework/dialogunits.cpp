#include "dialogunits.h"

#include <QFontMetrics>
#include <QWidget>

#include <cmath>

DialogUnits::DialogUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    // The average width of the 52 letters, rounded, as the window system measured it.
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = std::max(1, (letters / 26 + 1) / 2);
    m_baseY = std::max(1, metrics.height());
}

DialogUnits::DialogUnits(const QWidget* widget) : DialogUnits(widget->font()) {}

int DialogUnits::x(double units) const
{
    return static_cast<int>(std::lround(units * m_baseX / 4.0));
}

int DialogUnits::y(double units) const
{
    return static_cast<int>(std::lround(units * m_baseY / 8.0));
}

QPoint DialogUnits::point(double px, double py) const
{
    return {x(px), y(py)};
}

QSize DialogUnits::size(double width, double height) const
{
    return {x(width), y(height)};
}

QRect DialogUnits::rect(double px, double py, double width, double height) const
{
    // Right and bottom edges are converted as edges, so adjacent rectangles stay adjacent.
    const int left = x(px);
    const int top = y(py);
    return QRect(QPoint(left, top), QPoint(x(px + width) - 1, y(py + height) - 1));
}
