#include "dialogunits.h"

#include <QFontMetrics>
#include <QHash>
#include <QPair>
#include <QWidget>

#include <cmath>

DialogUnits::DialogUnits(const QFont& font)
{
    // Measured once per font: every page asks, and shaping text is not free at start-up.
    static QHash<QString, QPair<int, int>> measured;
    const QString key = font.key();
    auto found = measured.constFind(key);
    if (found == measured.constEnd()) {
        const QFontMetrics metrics(font);
        // The average width of the 52 letters, rounded, as the window system measured it.
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        found = measured.insert(
            key, {std::max(1, (letters / 26 + 1) / 2), std::max(1, metrics.height())});
    }
    m_baseX = found->first;
    m_baseY = found->second;
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
