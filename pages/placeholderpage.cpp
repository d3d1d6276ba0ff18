#include "placeholderpage.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderPage::PlaceholderPage(const PageContext& context, QWidget* parent, const QString& title)
    : CalculatorPage(context, parent)
{
    setObjectName(QStringLiteral("placeholderPage"));
    auto* heading = new QLabel(title, this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* notice = new QLabel(tr("This calculator is not available yet"), this);
    notice->setObjectName(QStringLiteral("notAvailable"));
    auto* layout = new QVBoxLayout(this);
    layout->addStretch();
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(notice, 0, Qt::AlignHCenter);
    layout->addStretch();
}
