#include "picturearea.h"

#include "accessibility.h"

#include <QDialog>
#include <QFrame>
#include <QPainter>

PictureArea::PictureArea(const QString& fileName, const QRect& source, Prompts& prompts,
                         Sounds& sounds, QWidget* parent)
    : QWidget(parent), m_picture(fileName, prompts, sounds)
{
    m_picture.setSource(source);
    SetAccessibleRole(this, QAccessible::Graphic);
    setAccessibleName(tr("TAVO picture"));
}

void PictureArea::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    m_picture.draw(painter, this);
}

DialogUnits FramePictureDialog(QDialog* dialog, double width, double height, const QRectF& frame)
{
    dialog->setWindowTitle(QObject::tr("Korlath Designs"));
    QFont font = dialog->font();
    font.setPointSize(10);
    dialog->setFont(font);
    const DialogUnits du(font);
    dialog->setFixedSize(du.size(width, height));
    auto* box = new QFrame(dialog);
    box->setFrameStyle(QFrame::Box | QFrame::Sunken);
    box->setGeometry(du.rect(frame.x(), frame.y(), frame.width(), frame.height()));
    return du;
}
