#pragma once

// The thank-you screen shown for a second as the program closes; Escape closes it at once.

#include <QBasicTimer>
#include <QDialog>

class PictureArea;
class Prompts;
class Sounds;

class ExitScreen : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kShownMilliseconds = 1000;

    // `picturePath` names the still emblem picture "flash.bmp"; empty when there is none.
    ExitScreen(const QString& picturePath, Prompts& prompts, Sounds& sounds,
               QWidget* parent = nullptr);

    const PictureArea* pictureArea() const { return m_picture; }
    bool timing() const { return m_timer.isActive(); }

protected:
    void showEvent(QShowEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    PictureArea* m_picture = nullptr;
    QBasicTimer m_timer;
};
