#pragma once

// A bitmap file drawn on a window: the splash, About and exit screens and the emblem each have
// one. It reads the file afresh at every draw and keeps nothing between draws, so a picture
// replaced on disk shows at the next paint. A missing file is not tried again; a damaged one is
// told to the user once and then left alone too.

#include <QRect>
#include <QString>

class Prompts;
class QPainter;
class QWidget;
class Sounds;

class DibPicture
{
public:
    DibPicture(QString fileName, Prompts& prompts, Sounds& sounds);

    const QString& fileName() const { return m_fileName; }
    bool enabled() const { return m_enabled; }
    // In the picture's pixels; empty for the whole picture.
    void setSource(const QRect& source) { m_source = source; }
    // In the window's coordinates.
    void setDestination(const QRect& destination) { m_destination = destination; }

    // Draws the source rectangle stretched into the destination; false when nothing was drawn.
    // On a high-density screen a "NAME@2x.bmp" beside the file, twice the size, is drawn instead.
    bool draw(QPainter& painter, QWidget* window);

private:
    void fail(QWidget* window, const QString& message);

    QString m_fileName;
    Prompts& m_prompts;
    Sounds& m_sounds;
    bool m_enabled = true;
    QRect m_source;
    QRect m_destination;
};
