#include "picturearea.h"

#include <QPainter>

PictureArea::PictureArea(const QString& fileName, const QRect& source, Prompts& prompts,
                         Sounds& sounds, QWidget* parent)
    : QWidget(parent), m_picture(fileName, prompts, sounds)
{
    m_picture.setSource(source);
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.draw(painter, this);
}
