#include "reportsdialog.h"

#include "dialogunits.h"
#include "pagemessage.h"

#include <QCheckBox>
#include <QPushButton>

#include <algorithm>

ReportsDialog::ReportsDialog(QWidget* owner) : QDialog(owner)
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
    };
    const Entry entries[] = {
        {"saveCalculation", tr("Save Calculation"), 37, 38},
        {"addToHistories", tr("Add To Histories "), 38, 65},
        {"floatingWindow", tr("Floating History Window"), 37, 92},
        {"cancel", tr("Cancel"), 37, 120},
    };
    QPushButton* buttons[4] = {};
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QPushButton(entries[i].text, this);
        buttons[i]->setObjectName(QString::fromLatin1(entries[i].name));
        const QRect place = du.rect(entries[i].x, entries[i].y, 93, 15);
        buttons[i]->setGeometry(place.translated((dialogWidth - du.x(169)) / 2, 0));
    }
    connect(m_autoAdd, &QCheckBox::clicked, this, &ReportsDialog::onAutoAddClicked);
    connect(buttons[0], &QPushButton::clicked, this, [this] { request(0); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { request(1); });
    connect(buttons[2], &QPushButton::clicked, this, &ReportsDialog::onFloatingWindow);
    connect(buttons[3], &QPushButton::clicked, this, &QDialog::reject);
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
                    m_autoAddChecked ? 1 : 0, 0);
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
                    m_autoAddChecked ? 1 : 0, 4);
    close();
}
