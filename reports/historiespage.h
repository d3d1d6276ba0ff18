#pragma once

// The Histories tab: every report added during this run, two list entries each (header, then
// body), with Save and Erase Histories. It also replays the list to the floating window.

#include "calculatorpage.h"

#include <QByteArray>
#include <QList>

class QListWidget;

class HistoriesPage : public CalculatorPage
{
    Q_OBJECT

public:
    HistoriesPage(const PageContext& context, QWidget* parent);

    QListWidget* list() const { return m_list; }
    // The entries as stored: single-byte report text.
    QList<QByteArray> entries() const;
    // Appends one history to the list.
    void addHistory(const QByteArray& header, const QByteArray& body);

protected:
    bool pageMessage(PageMessage& message) override;
    // The Histories tab prints no screen: Print Screen does nothing here.
    void printScreen() override {}

private:
    void save();
    void erase();
    void replay();

    QListWidget* m_list = nullptr;
};
