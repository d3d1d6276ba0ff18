#include "aboutbox.h"

#include "dialogunits.h"
#include "picturearea.h"
#include "versioninfo.h"
#include "windowkinds.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel* CentredText(const QString& text, const QRect& geometry, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setGeometry(geometry);
    return label;
}

}  // namespace

AboutBox::AboutBox(const QString& versionText, const QString& picturePath, Prompts& prompts,
                   Sounds& sounds, QWidget* parent)
    : QDialog(parent, kFixedDialogTitle)
{
    setObjectName(QStringLiteral("aboutBox"));
    const DialogUnits du = FramePictureDialog(this, 212, 146, QRectF(8, 4, 196, 110));

    m_picture = new PictureArea(picturePath, QRect(0, 0, 100, 75), prompts, sounds, this);
    m_picture->setObjectName(QStringLiteral("aboutPicture"));
    m_picture->setGeometry(du.rect(19, 32, 54, 50));

    const QString twoBreaks = QStringLiteral("\n\n");
    m_product = CentredText(VersionValue(versionText, VersionKeys::kProductName) + twoBreaks +
                                VersionValue(versionText, VersionKeys::kProductVersion),
                            du.rect(77, 29, 114, 33), this);
    m_product->setObjectName(QStringLiteral("product"));
    m_company = CentredText(VersionValue(versionText, VersionKeys::kCompanyName) + twoBreaks +
                                VersionValue(versionText, VersionKeys::kLegalCopyright),
                            du.rect(77, 63, 114, 33), this);
    m_company->setObjectName(QStringLiteral("company"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    ok->setGeometry(du.rect(81, 118, 50, 14));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutBox::productText() const
{
    return m_product->text();
}

QString AboutBox::companyText() const
{
    return m_company->text();
}
