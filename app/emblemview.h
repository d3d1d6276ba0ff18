#pragma once

// The emblem at the top left of the page area: the clip "flash3.avi" playing in a loop, or the
// still picture "flash.bmp" stretched over the area while the animation is off.

#include "dibpicture.h"

#include <QBasicTimer>
#include <QImage>
#include <QList>
#include <QWidget>

#include <memory>

class EmblemView : public QWidget
{
    Q_OBJECT

public:
    EmblemView(Prompts& prompts, Sounds& sounds, QWidget* parent = nullptr);

    // The still picture's file; empty when there is none.
    void setStillPicture(const QString& path);
    // Opens the clip and plays it from frame 0 in a loop; false (and nothing shown) when the
    // file is missing or cannot be played.
    bool play(const QString& clipPath);
    // Stops the clip and closes it; the still picture shows again.
    void stop();

    bool playing() const { return !m_frames.isEmpty(); }
    int frame() const { return m_frame; }
    int frameCount() const { return int(m_frames.size()); }
    int frameInterval() const { return m_interval; }
    const DibPicture* stillPicture() const { return m_still.get(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    Prompts& m_prompts;
    Sounds& m_sounds;
    std::unique_ptr<DibPicture> m_still;
    QList<QImage> m_frames;
    QBasicTimer m_timer;
    int m_frame = 0;
    int m_interval = 0;
};
