#include "exitscreen.h"

#include "dialogunits.h"
#include "picturearea.h"
#include "windowkinds.h"

#include <QLabel>
#include <QTimerEvent>

ExitScreen::ExitScreen(const QString& picturePath, Prompts& prompts, Sounds& sounds,
                       QWidget* parent)
    : QDialog(parent, kCaptionOnlyTitle)
{
    setObjectName(QStringLiteral("exitScreen"));
    const DialogUnits du = FramePictureDialog(this, 139, 93, QRectF(4, 1, 130, 85));

    m_picture = new PictureArea(picturePath, QRect(0, 0, 50, 50), prompts, sounds, this);
    m_picture->setObjectName(QStringLiteral("exitPicture"));
    m_picture->setGeometry(du.rect(9, 10, 28, 26));

    auto* thanks = new QLabel(tr("Thanks For Using TAVO !"), this);
    thanks->setObjectName(QStringLiteral("thanks"));
    // At its place, as wide as the words need and never past the frame.
    const QRect place = du.rect(31, 50, 77, 8);
    thanks->setGeometry(
        place.x(), place.y(),
        qMin(qMax(place.width(), thanks->sizeHint().width()), du.x(130) - place.x()),
        qMax(place.height(), thanks->sizeHint().height()));
}

void ExitScreen::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    m_timer.start(kShownMilliseconds, Qt::PreciseTimer, this);
}

void ExitScreen::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QDialog::timerEvent(event);
        return;
    }
    m_timer.stop();
    accept();
}
