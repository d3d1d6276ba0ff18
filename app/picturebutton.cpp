#include "picturebutton.h"

#include "programdirectory.h"

#include <QPainter>
#include <QStyleOptionButton>

namespace {

// Where the sign of a 144 x 49 picture ends; the caption goes to its right.
constexpr double kSignEnd = 36.0 / 144.0;

}  // namespace

PictureButton::PictureButton(const QString& text, const QString& picture, QWidget* parent)
    : QPushButton(text, parent), m_pictureFile(picture)
{
    setAutoDefault(false);
}

void PictureButton::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull() && !m_pictureFile.isEmpty()) {
        // Read on the first paint, so that the window opens without waiting for it; a dense
        // screen gets the picture drawn at twice the size.
        if (devicePixelRatio() < 1.5 || !m_picture.load(HighDensityName(m_pictureFile))) {
            m_picture.load(m_pictureFile);
        }
        m_pictureFile.clear();
    }
    QPainter painter(this);
    const QRect face = rect();
    if (m_picture.isNull()) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    } else {
        painter.drawPixmap(face, m_picture);
    }
    const QRect caption = face.adjusted(static_cast<int>(face.width() * kSignEnd), 0, -4, 0);
    painter.setPen(isEnabled() ? palette().color(QPalette::ButtonText)
                               : palette().color(QPalette::Disabled, QPalette::ButtonText));
    // A long caption gets a slightly smaller font rather than losing letters.
    QFont captionFont = font();
    while (QFontMetrics(captionFont).horizontalAdvance(text()) > caption.width() &&
           captionFont.pointSizeF() > 6) {
        captionFont.setPointSizeF(captionFont.pointSizeF() - 0.5);
    }
    painter.setFont(captionFont);
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (isDown()) {
        painter.setPen(QPen(Qt::black, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(2, 2, -2, -2));
    } else if (hasFocus()) {
        painter.setPen(QPen(QColor(0, 0, 255), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(face.adjusted(0, 0, -1, -1));
    }
}
