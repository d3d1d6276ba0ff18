#include "colorstatic.h"

ColorStatic::ColorStatic(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setAlignment(Qt::AlignCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
    setColor(kCyan);
}

void ColorStatic::setColor(const QColor& color)
{
    if (color == m_color) {
        return;
    }
    m_color = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Base, color);
    setPalette(colours);
}
