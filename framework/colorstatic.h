#pragma once

#include <QColor>
#include <QLineEdit>

// A result shown as black text on a solid colour, cyan unless the page sets another. It is a
// read-only edit, so a user can select and copy the result and a screen reader reads it.
class ColorStatic : public QLineEdit
{
    Q_OBJECT

public:
    static constexpr QColor kCyan{0, 255, 255};

    explicit ColorStatic(QWidget* parent);

    QColor color() const { return m_color; }
    // Changes the background only when the colour changes.
    void setColor(const QColor& color);

private:
    QColor m_color;
};
