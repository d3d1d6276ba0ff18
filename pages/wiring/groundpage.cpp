#include "groundpage.h"

#include "dialogunits.h"
#include "ground.h"
#include "pagewidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A list with its label above it, then a result with its label: one column of the page.
void AddColumn(QGridLayout* grid, int column, QLabel* listLabel, QWidget* list, QLabel* resultLabel,
               QWidget* result)
{
    grid->addWidget(listLabel, 0, column, Qt::AlignHCenter);
    grid->addWidget(list, 1, column, Qt::AlignHCenter);
    grid->addWidget(resultLabel, 2, column, Qt::AlignHCenter | Qt::AlignBottom);
    grid->addWidget(result, 3, column, Qt::AlignHCenter);
}

}  // namespace

GroundPage::GroundPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kGround)
{
    setObjectName(QStringLiteral("groundPage"));
    const DialogUnits du(this);
    for (int i = 0; i < resultCount(); ++i) {
        result(i)->setFixedWidth(du.x(60));
    }
    for (const char* name : {"copper", "aluminum", "rating"}) {
        list(name)->setMinimumWidth(du.x(60));
    }

    auto* electrodes = new QGridLayout;
    electrodes->setHorizontalSpacing(du.x(30));
    electrodes->setVerticalSpacing(du.y(3));
    AddColumn(electrodes, 0, label("copper"), list("copper"), resultLabel(0), result(0));
    AddColumn(electrodes, 1, label("aluminum"), list("aluminum"), resultLabel(1), result(1));

    auto* equipment = new QGroupBox(tr("Minimum Equipment Ground Conductor Size"), this);
    auto* sizes = new QGridLayout(equipment);
    sizes->setHorizontalSpacing(du.x(16));
    sizes->addWidget(label("rating"), 0, 0, Qt::AlignHCenter);
    sizes->addWidget(list("rating"), 1, 0, Qt::AlignHCenter);
    sizes->addWidget(resultLabel(2), 0, 1, Qt::AlignHCenter);
    sizes->addWidget(result(2), 1, 1, Qt::AlignHCenter);
    sizes->addWidget(resultLabel(3), 0, 2, Qt::AlignHCenter);
    sizes->addWidget(result(3), 1, 2, Qt::AlignHCenter);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(12), du.y(4), du.x(12), du.y(6));
    page->addWidget(MakeHeading(tr("Ground Conductor Sizes"), this));
    page->addSpacing(du.y(4));
    page->addLayout(Centred(electrodes));
    page->addSpacing(du.y(8));
    page->addWidget(equipment);
    page->addStretch();
    open();
}
