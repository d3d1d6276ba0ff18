#include "splashscreen.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimerEvent>

namespace {

constexpr QSize kWindowSize(606, 454);
constexpr QRect kPicture(3, 3, 600, 448);

}  // namespace

SplashScreen::SplashScreen(const QString& picturePath, Prompts& prompts, Sounds& sounds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint),
      m_picture(picturePath, prompts, sounds)
{
    setObjectName(QStringLiteral("splash"));
    setWindowTitle(QStringLiteral("TAVO"));
    setFixedSize(kWindowSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWindowSize.width()) / 2,
             area.y() + (area.height() - kWindowSize.height()) / 2);
    }
    m_picture.setSource(kPicture);
    m_picture.setDestination(kPicture);
}

void SplashScreen::run(bool shown)
{
    QEventLoop loop;
    m_loop = &loop;
    m_interval = shown ? kShownMilliseconds : kHiddenMilliseconds;
    if (shown) {
        show();
    }
    // Each paint starts the time again; this start covers a screen that never paints.
    m_timer.start(m_interval, Qt::PreciseTimer, this);
    loop.exec();
    m_loop = nullptr;
}

void SplashScreen::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // A thin raised frame around the picture.
    const QRect frame = rect();
    painter.fillRect(frame, palette().window());
    painter.setPen(palette().light().color());
    painter.drawLine(frame.topLeft(), frame.topRight());
    painter.drawLine(frame.topLeft(), frame.bottomLeft());
    painter.setPen(palette().shadow().color());
    painter.drawLine(frame.bottomLeft(), frame.bottomRight());
    painter.drawLine(frame.topRight(), frame.bottomRight());
    m_picture.draw(painter, this);
    if (m_loop) {
        m_timer.start(m_interval, Qt::PreciseTimer, this);
    }
}

void SplashScreen::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timer.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    m_timer.stop();
    hide();
    if (m_loop) {
        m_loop->quit();
    }
}
