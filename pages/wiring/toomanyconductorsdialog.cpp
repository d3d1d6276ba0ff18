#include "toomanyconductorsdialog.h"

#include "accessibility.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TooManyConductorsDialog::TooManyConductorsDialog(QWidget* page) : QWidget(page, Qt::Window)
{
    setObjectName(QStringLiteral("tooManyConductors"));
    setWindowTitle(tr("Korlath Designs"));
    // Announced by a screen reader as it opens, with its two lines.
    SetAccessibleRole(this, QAccessible::AlertMessage);
    const QStringList lines = {tr("Too Many Conductors Have Been Selected!"),
                               tr("Click Reset To Clear Current Data Entry")};
    setAccessibleDescription(lines.join(u' '));
    auto* layout = new QVBoxLayout(this);
    for (const QString& line : lines) {
        auto* label = new QLabel(line, this);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    auto* reset = new QPushButton(tr("&Reset"), this);
    reset->setObjectName(QStringLiteral("reset"));
    reset->setDefault(true);
    layout->addWidget(reset, 0, Qt::AlignHCenter);
    connect(reset, &QPushButton::clicked, this, &TooManyConductorsDialog::resetClicked);
    setFixedSize(sizeHint());
}

void TooManyConductorsDialog::closeEvent(QCloseEvent* event)
{
    // Only hidden: the warning holds until Reset.
    event->ignore();
    hide();
}
