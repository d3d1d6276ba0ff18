#pragma once

// The Reports dialog: save the current calculation, add it to the histories, or open the
// floating history window. It asks the main window for each through the report messages.

#include <QDialog>

class QCheckBox;
class QPushButton;

class ReportsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReportsDialog(QWidget* owner);

    bool autoAddChecked() const { return m_autoAddChecked; }
    QCheckBox* autoAddBox() const { return m_autoAdd; }

protected:
    bool event(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void onAutoAddClicked();
    void request(qintptr mode);
    void onFloatingWindow();

    bool m_autoAddChecked = true;
    QCheckBox* m_autoAdd = nullptr;
};
