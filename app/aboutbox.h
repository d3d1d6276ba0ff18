#pragma once

// "&About TAVO": the small picture, the product's name and version, the company and the
// copyright line, and OK.

#include <QDialog>

class PictureArea;
class Prompts;
class QLabel;
class Sounds;

class AboutBox : public QDialog
{
    Q_OBJECT

public:
    // `versionText` is the content of the version file; `picturePath` names "smtb.bmp".
    AboutBox(const QString& versionText, const QString& picturePath, Prompts& prompts,
             Sounds& sounds, QWidget* parent = nullptr);

    QString productText() const;
    QString companyText() const;
    const PictureArea* pictureArea() const { return m_picture; }

private:
    PictureArea* m_picture = nullptr;
    QLabel* m_product = nullptr;
    QLabel* m_company = nullptr;
};
