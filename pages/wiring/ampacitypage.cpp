#include "ampacitypage.h"

#include "ampacity.h"
#include "dialogunits.h"
#include "pagewidgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

AmpacityPage::AmpacityPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kAmpacity)
{
    setObjectName(QStringLiteral("ampacityPage"));
    const DialogUnits du(this);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(6), du.y(2), du.x(6), du.y(4));
    page->addSpacing(EmblemDrop(du, du.y(2)));
    const char* const inputs[2][4] = {{"cu.size", "cu.count", "cu.ambient", "cu.insulation"},
                                      {"al.size", "al.count", "al.ambient", "al.insulation"}};
    const QString titles[2] = {tr("Copper"), tr("Aluminum")};
    for (int row = 0; row < 2; ++row) {
        // Each row in a frame of its own: its lists over its three results.
        auto* frame = new QGroupBox(titles[row], this);
        auto* grid = new QGridLayout(frame);
        // Close frames, so that both rows fit under the emblem with their lists whole.
        grid->setContentsMargins(du.x(4), du.y(2), du.x(4), du.y(2));
        grid->setHorizontalSpacing(du.x(6));
        grid->setVerticalSpacing(du.y(1));
        for (int column = 0; column < 4; ++column) {
            grid->addWidget(label(inputs[row][column]), 0, column, Qt::AlignHCenter);
            grid->addWidget(list(inputs[row][column]), 1, column);
        }
        for (int column = 0; column < 3; ++column) {
            const int at = row * 3 + column;
            result(at)->setFixedWidth(du.x(52));
            result(at)->setAlignment(Qt::AlignCenter);
            grid->addWidget(resultLabel(at), 2, column, Qt::AlignHCenter | Qt::AlignBottom);
            grid->addWidget(result(at), 3, column, Qt::AlignHCenter);
        }
        page->addWidget(frame);
    }
    page->addStretch();
    open();
}
