#include "transformerpage.h"

#include "choiceboxes.h"
#include "dialogunits.h"
#include "transformer.h"
#include "valuefield.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace {

// A side of the transformer: its fields and its current, each with its label, in rows.
QGroupBox* Side(QWidget* page, const QString& title, const QList<QPair<QLabel*, QWidget*>>& rows)
{
    auto* side = new QGroupBox(title, page);
    auto* grid = new QGridLayout(side);
    for (int row = 0; row < rows.size(); ++row) {
        grid->addWidget(rows[row].first, row, 0);
        grid->addWidget(rows[row].second, row, 1);
    }
    grid->setRowStretch(int(rows.size()), 1);
    grid->setColumnStretch(2, 1);
    return side;
}

}  // namespace

TransformerPage::TransformerPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kTransformer)
{
    setObjectName(QStringLiteral("transformerPage"));
    const DialogUnits du(this);
    boxes("unit")->setGeometry(du.rect(70, 4, 100, 36));
    boxes("phase")->setGeometry(du.rect(190, 4, 100, 36));
    for (int i = 0; i < resultCount(); ++i) {
        result(i)->setFixedWidth(du.x(60));
    }
    Side(this, tr("Primary"),
         {{label("rating"), field("rating")},
          {label("primary"), field("primary")},
          {resultLabel(0), result(0)}})
        ->setGeometry(du.rect(16, 48, 164, 76));
    Side(this, tr("Secondary"),
         {{label("secondary"), field("secondary")}, {resultLabel(1), result(1)}})
        ->setGeometry(du.rect(188, 48, 164, 76));
    open();
}
