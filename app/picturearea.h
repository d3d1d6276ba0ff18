#pragma once

// A control that shows part of a bitmap file stretched over itself, as the About box and the
// exit screen show theirs.

#include "dibpicture.h"

#include <QWidget>

class PictureArea : public QWidget
{
public:
    PictureArea(const QString& fileName, const QRect& source, Prompts& prompts, Sounds& sounds,
                QWidget* parent);

    const DibPicture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DibPicture m_picture;
};
