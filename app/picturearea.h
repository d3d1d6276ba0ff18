#pragma once

// A control that shows part of a bitmap file stretched over itself, as the About box and the
// exit screen show theirs.

#include "dialogunits.h"
#include "dibpicture.h"

#include <QWidget>

class QDialog;

class PictureArea : public QWidget
{
    Q_OBJECT

public:
    PictureArea(const QString& fileName, const QRect& source, Prompts& prompts, Sounds& sounds,
                QWidget* parent);

    const DibPicture& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DibPicture m_picture;
};

// What the About box and the exit screen share: the caption "Korlath Designs", a 10-point font,
// the size `width` x `height` and a sunken frame at `frame`, all in that font's dialog units;
// those units.
DialogUnits FramePictureDialog(QDialog* dialog, double width, double height, const QRectF& frame);
