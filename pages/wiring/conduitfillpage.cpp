#include "conduitfillpage.h"

#include "dialogunits.h"
#include "pagewidgets.h"
#include "selectionprint.h"
#include "toomanyconductorsdialog.h"
#include "valuefield.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

ConduitFillPage::ConduitFillPage(const PageContext& context, QWidget* parent)
    : DescribedPage(context, parent, tavo::kConduitFill)
{
    setObjectName(QStringLiteral("conduitFillPage"));
    setCompute([this](const tavo::InputValues& values) {
        return tavo::ComputeConduitFill(values, m_selections);
    });
    const DialogUnits du(this);
    m_more = new QPushButton(tr("M&ore Conductors"), this);
    m_more->setObjectName(QStringLiteral("moreConductors"));
    m_print = MakePrintButton(this);
    connect(m_more, &QPushButton::clicked, this, &ConduitFillPage::addSelection);

    // The current selection and the conduit across the top, each list under its label.
    auto* selection = new QGridLayout;
    selection->setHorizontalSpacing(du.x(8));
    selection->setVerticalSpacing(du.y(1));
    int column = 0;
    for (const char* name : {"wire", "count", "insulation", "conduit"}) {
        selection->addWidget(label(name), 0, column);
        const int index = calculator().inputIndex(name);
        selection->addWidget(field(name) ? static_cast<QWidget*>(field(name)) : control(index), 1,
                             column++);
    }
    for (const char* name : {"wire", "insulation", "conduit"}) {
        // Wide enough for its longest entry: "Liquidtight LFNC-A" and "-B" differ at the end.
        list(name)->setFixedWidth(std::max(du.x(70), list(name)->minimumSizeHint().width()));
    }
    selection->setColumnStretch(column, 1);
    auto* top = new QHBoxLayout;
    top->addSpacing(EmblemIndent(du, du.x(8)));
    top->addLayout(selection, 1);

    auto* results = new QGridLayout;
    results->setVerticalSpacing(du.y(2));
    for (int i = 0; i < resultCount(); ++i) {
        result(i)->setFixedWidth(du.x(60));
        result(i)->setAlignment(Qt::AlignRight);
        results->addWidget(resultLabel(i), i, 0);
        results->addWidget(result(i), i, 1);
    }
    results->setRowStretch(resultCount(), 1);

    auto* list = new QGridLayout;
    list->addWidget(listBoxLabel(), 0, 0, 1, 2);
    list->addWidget(listBox(), 1, 0, 1, 2);
    list->addWidget(m_more, 2, 0);
    list->addWidget(m_print, 2, 1);
    list->setRowStretch(1, 1);

    auto* lower = new QHBoxLayout;
    lower->setSpacing(du.x(12));
    lower->addLayout(results);
    lower->addLayout(list, 1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(du.x(8), du.y(3), du.x(8), du.y(4));
    page->addWidget(MakeHeading(tr("Conduit Fill Calculator"), this));
    page->addSpacing(du.y(2));
    page->addLayout(top);
    page->addSpacing(du.y(4));
    page->addLayout(lower, 1);
    open();
}

void ConduitFillPage::display(const tavo::Outcome& outcome)
{
    DescribedPage::display(outcome);
    // The warning opens once, with a beep, and stays until Reset.
    if (!outcome.warning.empty() && !m_tooMany) {
        context().services->sounds->beep();
        m_tooMany = new TooManyConductorsDialog(this);
        connect(m_tooMany, &TooManyConductorsDialog::resetClicked, this,
                &ConduitFillPage::resetPage);
        m_tooMany->move(window()->geometry().center() - m_tooMany->rect().center());
        m_tooMany->show();
    }
}

void ConduitFillPage::addSelection()
{
    recompute();
    Sounds& sounds = *context().services->sounds;
    const bool accepted = m_selections.add(valueOf("count").text, valueOf("wire").choice,
                                           valueOf("insulation").choice);
    if (!accepted) {
        sounds.exclamation();
        context().services->prompts->invalidSelection(this);
    }
    setInput("count", "0");
    if (accepted) {
        sounds.beep();
    }
    recompute();
}

void ConduitFillPage::enterKey()
{
    // The page's default button: the typed count is shown back as the whole number it counts.
    context().services->sounds->beep();
    field("count")->readControl();
    setInput("count", std::to_string(tavo::ReadWholeNumber(valueOf("count").text)));
    recompute();
}

void ConduitFillPage::resetPage()
{
    if (m_tooMany) {
        // The warning's Reset, or the first Reset while it is open: the current count only.
        setInput("count", "0");
        recompute();
        field("count")->edit()->setFocus(Qt::OtherFocusReason);
        // Its own button may be what called: it goes once that click is over.
        TooManyConductorsDialog* warning = m_tooMany;
        m_tooMany = nullptr;
        warning->hide();
        warning->deleteLater();
        return;
    }
    context().services->sounds->beep();
    m_selections.clear();
    DescribedPage::resetPage();
    field("count")->edit()->setFocus(Qt::OtherFocusReason);
}
