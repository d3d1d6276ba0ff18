#pragma once

// The Conduit tab's warning that no trade size of the chosen conduit holds the conductors. It
// stays open beside the window until its Reset clears the current selection; its close box only
// hides it, and the page still counts it as open.

#include <QWidget>

class TooManyConductorsDialog : public QWidget
{
    Q_OBJECT

public:
    explicit TooManyConductorsDialog(QWidget* page);

signals:
    void resetClicked();

protected:
    void closeEvent(QCloseEvent* event) override;
};
