#include "selectionprint.h"

#include "describedpage.h"
#include "printlayout.h"
#include "reportprinter.h"

#include <QCoreApplication>
#include <QPushButton>

QPushButton* MakePrintButton(DescribedPage* page)
{
    auto* button = new QPushButton(QCoreApplication::translate("DescribedPage", "&Print"), page);
    button->setObjectName(QStringLiteral("print"));
    QObject::connect(button, &QPushButton::clicked, page, [page] {
        const AppServices& services = *page->context().services;
        ReportPrinter printer(*services.printers, *services.prompts);
        printer.Print(page, PrintLayout::From(*page->outcome().sheet));
        page->recompute();
    });
    return button;
}
