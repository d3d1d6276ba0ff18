#pragma once

#include <QPixmap>
#include <QPushButton>

// A main-window button: its picture stretched over the whole face and its caption beside the
// picture's sign, framed in blue while it has the focus and in black while it is pressed.
class PictureButton : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QString& text, const QString& picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_pictureFile;
    QPixmap m_picture;
};
