#include "motordatapage.h"

#include "choiceboxes.h"
#include "dialogunits.h"
#include "motordata.h"
#include "pagewidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

MotorDataPage::MotorDataPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kMotorData)
{
    setObjectName(QStringLiteral("motorDataPage"));
    const DialogUnits du(this);
    MakeHeading(tr("3 Phase Motor Data"), this)->setGeometry(du.rect(100, 6, 160, 18));

    auto* choices = new QGridLayout;
    choices->addWidget(label("hp"), 0, 0);
    choices->addWidget(list("hp"), 1, 0);
    choices->addWidget(boxes("volts"), 0, 1, 2, 1);
    choices->setHorizontalSpacing(du.x(12));

    auto* results = new QGridLayout;
    results->setHorizontalSpacing(du.x(6));
    for (int column = 0; column < resultCount(); ++column) {
        result(column)->setFixedWidth(du.x(52));
        results->addWidget(resultLabel(column), 0, column, Qt::AlignHCenter);
        results->addWidget(result(column), 1, column, Qt::AlignHCenter);
    }

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(20), du.y(30), du.x(20), du.y(10));
    page->addLayout(Centred(choices));
    page->addSpacing(du.y(14));
    page->addLayout(results);
    page->addStretch();
    open();
}
