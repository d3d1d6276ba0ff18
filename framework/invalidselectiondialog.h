#pragma once

// Tells the user that a selection has no conductors or no area for its wire size. It stays until
// OK is pressed: Escape does not close it, so the notice is not passed over by accident.

#include <QDialog>

class InvalidSelectionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InvalidSelectionDialog(QWidget* parent);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
