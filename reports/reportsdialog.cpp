#include "reportsdialog.h"

#include "dialogunits.h"
#include "pagemessage.h"
#include "windowkinds.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>
#include <functional>

ReportsDialog::ReportsDialog(QWidget* owner) : QDialog(owner, kFixedDialogTitle)
{
    setObjectName(QStringLiteral("reportsDialog"));
    setWindowTitle(tr("Reports"));
    setModal(false);
    const DialogUnits du(this);
    m_autoAdd = new QCheckBox(tr("Auto add to Histories tab list on save"), this);
    m_autoAdd->setObjectName(QStringLiteral("autoAdd"));
    // The given place, unless the label needs more room than it leaves: then centred.
    QRect box = du.rect(19, 15, 131, 10).adjusted(0, -2, 0, 2);
    const int width = std::max(box.width(), m_autoAdd->sizeHint().width());
    const int dialogWidth = std::max(du.x(169), width + 2 * du.x(6));
    if (width > box.width()) {
        box.setLeft((dialogWidth - width) / 2);
        box.setWidth(width);
    }
    m_autoAdd->setGeometry(box);
    setFixedSize(dialogWidth, du.y(153));
    m_autoAdd->setChecked(m_autoAddChecked);
    struct Entry
    {
        const char* name;
        QString text;
        double x;
        double y;
        std::function<void()> action;
    };
    const Entry entries[] = {
        {"saveCalculation", tr("Save Calculation"), 37, 38,
         [this] { request(PageMessages::kSaveToFile); }},
        {"addToHistories", tr("Add To Histories "), 38, 65,
         [this] { request(PageMessages::kAddToHistories); }},
        {"floatingWindow", tr("Floating History Window"), 37, 92, [this] { onFloatingWindow(); }},
        {"cancel", tr("Cancel"), 37, 120, [this] { reject(); }},
    };
    for (const Entry& entry : entries) {
        auto* button = new QPushButton(entry.text, this);
        button->setObjectName(QString::fromLatin1(entry.name));
        const QRect place = du.rect(entry.x, entry.y, 93, 15);
        button->setGeometry(place.translated((dialogWidth - du.x(169)) / 2, 0));
        connect(button, &QPushButton::clicked, this, entry.action);
    }
    connect(m_autoAdd, &QCheckBox::clicked, this, &ReportsDialog::onAutoAddClicked);
}

bool ReportsDialog::event(QEvent* event)
{
    if (event->type() == PageMessages::Registered(PageMessages::kAddCheck)) {
        m_autoAddChecked = static_cast<PageMessage*>(event)->wParam() != 0;
        m_autoAdd->setChecked(m_autoAddChecked);
        return true;
    }
    return QDialog::event(event);
}

void ReportsDialog::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    // Back to the calculation, whichever window the window manager would pick.
    if (QWidget* owner = parentWidget()) {
        owner->activateWindow();
    }
}

void ReportsDialog::onAutoAddClicked()
{
    m_autoAddChecked = m_autoAdd->isChecked();
    SendPageMessage(parentWidget(), PageMessages::Registered(PageMessages::kAddCheck),
                    m_autoAddChecked ? 1 : 0, PageMessages::kCheckStateOnly);
}

void ReportsDialog::request(qintptr mode)
{
    // Posted, so that this dialog has closed before the page asks for a file.
    PostPageMessage(parentWidget(), PageMessages::Registered(PageMessages::kSaveReport),
                    m_autoAdd->isChecked() ? 1 : 0, mode);
    close();
}

void ReportsDialog::onFloatingWindow()
{
    SendPageMessage(parentWidget(), PageMessages::Registered(PageMessages::kAddCheck),
                    m_autoAddChecked ? 1 : 0, PageMessages::kOpenFloatingWindow);
    close();
}
