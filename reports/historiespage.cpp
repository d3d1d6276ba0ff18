#include "historiespage.h"

#include "dialogunits.h"
#include "pagemessage.h"
#include "pagewidgets.h"
#include "reporttext.h"
#include "reporttexts.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

constexpr int kBytesRole = Qt::UserRole;

std::string_view View(const QByteArray& bytes)
{
    return {bytes.constData(), size_t(bytes.size())};
}

}  // namespace

HistoriesPage::HistoriesPage(const PageContext& context, QWidget* parent)
    : CalculatorPage(context, parent)
{
    setObjectName(QStringLiteral("historiesPage"));
    const DialogUnits du(this);
    MakeHeading(tr("Calculation Histories"), this)->setGeometry(du.rect(105, 7, 147, 18));

    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("histories"));
    m_list->setAccessibleName(tr("Histories"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setGeometry(du.rect(0, 38, 357, 105));

    auto* save = new QPushButton(tr("Save"), this);
    save->setObjectName(QStringLiteral("save"));
    save->setGeometry(du.rect(98, 154, 73, 15));
    auto* erase = new QPushButton(tr("Erase Histories"), this);
    erase->setObjectName(QStringLiteral("erase"));
    erase->setGeometry(du.rect(185, 154, 73, 15));
    connect(save, &QPushButton::clicked, this, &HistoriesPage::save);
    connect(erase, &QPushButton::clicked, this, &HistoriesPage::erase);
}

QList<QByteArray> HistoriesPage::entries() const
{
    QList<QByteArray> all;
    for (int i = 0; i < m_list->count(); ++i) {
        all.append(m_list->item(i)->data(kBytesRole).toByteArray());
    }
    return all;
}

void HistoriesPage::addHistory(const QByteArray& header, const QByteArray& body)
{
    for (const QByteArray& text : {header, body}) {
        auto* item = new QListWidgetItem(FromWindows1252(text.toStdString()), m_list);
        item->setData(kBytesRole, text);
    }
}

bool HistoriesPage::pageMessage(PageMessage& message)
{
    if (message.type() == PageMessages::Registered(PageMessages::kPassReport)) {
        tavo::ReportText report;
        if (context().services->reports->readHandOff(this, report)) {
            addHistory(QByteArray::fromStdString(report.header()),
                       QByteArray::fromStdString(report.body()));
            // Posted, so that the list is complete before the floating window hears of it.
            PostPageMessage(context().mainWindow,
                            PageMessages::Registered(PageMessages::kHistWindow));
        }
        return true;
    }
    if (message.type() == PageMessages::Registered(PageMessages::kHistWindow)) {
        replay();
        return true;
    }
    return false;
}

void HistoriesPage::replay()
{
    // One history at a time through the hand-off file, so the floating window reads each.
    const QList<QByteArray> all = entries();
    for (qsizetype i = 0; i < all.size(); i += 2) {
        tavo::ReportText report;
        report.setHeader(View(all[i]));
        if (i + 1 < all.size()) {
            report.setBody(View(all[i + 1]));
        }
        if (!context().services->reports->writeHandOff(this, report)) {
            return;
        }
        SendPageMessage(context().mainWindow, PageMessages::Registered(PageMessages::kHistWindow),
                        PageMessages::kReplayedHistory);
    }
}

void HistoriesPage::save()
{
    if (m_list->count() == 0) {
        context().services->prompts->message(this, tr("No histories to save!"));
        return;
    }
    context().services->reports->saveHistories(this, entries());
}

void HistoriesPage::erase()
{
    m_list->clear();
}
