#pragma once

// The signals that end a session from outside (SIGTERM at a logout or from `kill`, SIGINT from
// Ctrl+C in a terminal, SIGHUP when the terminal goes), turned into a Qt signal that arrives in
// the event loop, where the program can end as Quit ends it.

#include <QObject>

class QSocketNotifier;

class SessionSignals : public QObject
{
    Q_OBJECT

public:
    // Catches the signals from now on; a second object catches nothing.
    explicit SessionSignals(QObject* parent = nullptr);
    // The default handling comes back: a further signal ends the program at once.
    ~SessionSignals() override;

    // True once a signal has arrived, even before the event loop ran.
    bool received() const { return m_received; }

signals:
    void endRequested();

private:
    void onReadable();

    QSocketNotifier* m_notifier = nullptr;
    bool m_received = false;
};
