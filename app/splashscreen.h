#pragma once

// The picture shown while the program starts: 606 x 454 pixels in the middle of the screen for
// three seconds after its last paint. With the splash turned off it stays hidden and ends after
// a millisecond. It runs in an event loop of its own, so start-up waits for it.

#include "dibpicture.h"

#include <QBasicTimer>
#include <QWidget>

class QEventLoop;

class SplashScreen : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kShownMilliseconds = 3000;
    static constexpr int kHiddenMilliseconds = 1;

    SplashScreen(const QString& picturePath, Prompts& prompts, Sounds& sounds);

    // Returns when the splash has gone.
    void run(bool shown);
    int interval() const { return m_interval; }
    const DibPicture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    DibPicture m_picture;
    QBasicTimer m_timer;
    QEventLoop* m_loop = nullptr;
    int m_interval = kHiddenMilliseconds;
};
