#pragma once

// Shared pieces of the widget tests: recorders in place of message boxes and sounds, a fresh
// program folder per test, and a watchdog that fails a test instead of letting a real modal
// dialog hang it.

#include "services.h"

#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include <memory>

class MainWindow;
class QWidget;

class RecordingPrompts : public Prompts
{
public:
    void message(QWidget* parent, const QString& text) override;
    void warning(QWidget* parent, const QString& text) override;

    QStringList messages;
    QStringList warnings;
};

class RecordingSounds : public Sounds
{
public:
    void play(const QString& fileName) override { played.append(fileName); }
    void beep() override { played.append(QStringLiteral("beep")); }

    QStringList played;
};

// Closes any modal dialog that appears and remembers that it did.
class ModalWatchdog : public QObject
{
public:
    ModalWatchdog();
    QString seen;

private:
    QTimer m_timer;
};

// One run of the program: its own folder, recorders and main window, shown and active.
class ProgramUnderTest
{
public:
    ProgramUnderTest();
    ~ProgramUnderTest();

    MainWindow& window() { return *m_window; }
    QString folder() const { return m_folder.path(); }
    RecordingPrompts prompts;
    RecordingSounds sounds;
    AppServices services;
    ModalWatchdog watchdog;

    // Selects a main tab as a click on it would, and returns its page.
    QWidget* openTab(int index);
    // Presses the Enter key in the main window.
    void pressEnter();
    // Ends the window now (a test may then look at the files it left).
    void close();

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};
