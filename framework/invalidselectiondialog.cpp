#include "invalidselectiondialog.h"

#include "windowkinds.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

InvalidSelectionDialog::InvalidSelectionDialog(QWidget* parent) : QDialog(parent, kFixedDialogTitle)
{
    setObjectName(QStringLiteral("invalidSelection"));
    setWindowTitle(tr("Korlath Designs"));
    auto* frame = new QGroupBox(tr("TAVO"), this);
    auto* lines = new QVBoxLayout(frame);
    for (const QString& line : {tr("Invalid Number Of Wires Selected"),
                                tr("Or Invalid Insulation For Wire Size"), tr("Please Re-enter")}) {
        auto* label = new QLabel(line, frame);
        label->setAlignment(Qt::AlignCenter);
        lines->addWidget(label);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

void InvalidSelectionDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
