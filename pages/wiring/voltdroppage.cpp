#include "voltdroppage.h"

#include "choiceboxes.h"
#include "dialogunits.h"
#include "valuefield.h"
#include "voltdrop.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

VoltDropPage::VoltDropPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kVoltDrop)
{
    setObjectName(QStringLiteral("voltDropPage"));
    const DialogUnits du(this);

    // The conductor and its conduit, each list under its label.
    auto* conductor = new QVBoxLayout;
    conductor->setSpacing(du.y(1));
    for (const char* name : {"conductor", "size", "conduit"}) {
        list(name)->setFixedWidth(du.x(80));
        conductor->addWidget(label(name));
        conductor->addWidget(list(name));
        conductor->addSpacing(du.y(3));
    }
    conductor->addStretch();

    // The circuit's fields beside their labels.
    auto* circuit = new QGridLayout;
    circuit->setVerticalSpacing(du.y(3));
    int row = 0;
    for (const char* name : {"length", "amps", "volts", "pf", "temperature"}) {
        circuit->addWidget(label(name), row, 0);
        circuit->addWidget(field(name), row++, 1);
    }
    circuit->setRowStretch(row, 1);

    auto* results = new QGridLayout;
    results->setVerticalSpacing(du.y(3));
    for (int i = 0; i < resultCount(); ++i) {
        result(i)->setFixedWidth(du.x(50));
        resultLabel(i)->setMinimumSize(resultLabel(i)->sizeHint());
        result(i)->setAlignment(Qt::AlignRight);
        results->addWidget(resultLabel(i), i, 0);
        results->addWidget(result(i), i, 1);
    }
    results->setRowStretch(resultCount(), 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(du.x(10));
    columns->addLayout(conductor);
    columns->addLayout(circuit);
    columns->addLayout(results);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(12), du.y(4), du.x(12), du.y(6));
    page->addWidget(boxes("mode"), 0, Qt::AlignHCenter);
    page->addSpacing(du.y(6));
    page->addLayout(columns);
    page->addStretch();
    open();
}
