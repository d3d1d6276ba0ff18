#include "boxfillpage.h"

#include "dialogunits.h"
#include "selectionprint.h"
#include "valuefield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

BoxFillPage::BoxFillPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kBoxFill)
{
    setObjectName(QStringLiteral("boxFillPage"));
    setCompute([this](const tavo::InputValues& values) {
        return tavo::ComputeBoxFill(values, m_selections);
    });
    const DialogUnits du(this);
    m_add = new QPushButton(tr("&Add Selection"), this);
    m_add->setObjectName(QStringLiteral("addSelection"));
    m_print = MakePrintButton(this);
    connect(m_add, &QPushButton::clicked, this, &BoxFillPage::addSelection);

    // The standard box, for reference only.
    auto* reference = new QGroupBox(tr("Standard Box Reference"), this);
    auto* box = new QGridLayout(reference);
    box->addWidget(label("box"), 0, 0);
    box->addWidget(list("box"), 1, 0);
    box->addWidget(resultLabel(0), 0, 1);
    box->addWidget(result(0), 1, 1);
    result(0)->setFixedWidth(du.x(50));
    box->setColumnStretch(0, 1);

    auto* selection = new QGridLayout;
    selection->setVerticalSpacing(du.y(1));
    selection->addWidget(label("wire"), 0, 0);
    selection->addWidget(list("wire"), 1, 0);
    list("wire")->setFixedWidth(du.x(50));
    selection->addWidget(label("count"), 2, 0);
    selection->addWidget(field("count"), 3, 0);
    for (int i = 1; i < resultCount(); ++i) {
        result(i)->setFixedWidth(du.x(50));
        result(i)->setAlignment(Qt::AlignRight);
        selection->addWidget(resultLabel(i), 2 * i + 2, 0);
        selection->addWidget(result(i), 2 * i + 3, 0);
    }
    selection->setRowStretch(8, 1);

    auto* added = new QVBoxLayout;
    added->addWidget(listBoxLabel());
    added->addWidget(listBox(), 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_add);
    buttons->addWidget(m_print);
    added->addLayout(buttons);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(du.x(14));
    columns->addLayout(selection);
    columns->addLayout(added, 1);

    auto* top = new QHBoxLayout;
    top->addSpacing(EmblemIndent(du, du.x(10)));
    top->addWidget(reference, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(10), du.y(4), du.x(10), du.y(4));
    page->addLayout(top);
    page->addSpacing(du.y(4));
    page->addLayout(columns, 1);
    open();
}

void BoxFillPage::addSelection()
{
    recompute();
    Sounds& sounds = *context().services->sounds;
    sounds.beep();
    const bool accepted = m_selections.add(valueOf("count").text, valueOf("wire").choice);
    if (accepted) {
        sounds.beep();
    } else {
        sounds.exclamation();
        context().services->prompts->invalidSelection(this);
    }
    setInput("count", "0");
    setInput("wire", tavo::BoxFillCalculator::kWireSizes[0]);
    recompute();
}

void BoxFillPage::enterKey()
{
    recompute();
    if (focusWidget() == m_add) {
        setFocus(Qt::OtherFocusReason);
    }
}

void BoxFillPage::resetPage()
{
    m_selections.clear();
    DescribedPage::resetPage();
}
