#pragma once

// Shared pieces of the widget tests: recorders in place of message boxes and sounds, a fresh
// program folder per test, and a watchdog that fails a test instead of letting a real modal
// dialog hang it.

#include "services.h"

#include <QList>
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
    // Answers with the next of `answers` (Yes when none is left) and records the question.
    bool question(QWidget* parent, const QString& text) override;
    // Answers with the next of `fileNames` (empty: the user cancels) and records the initial name.
    QString saveFileName(QWidget* parent, const QString& initialName) override;
    void invalidSelection(QWidget*) override { ++invalidSelections; }
    // The next of `fileNames`, as the file dialogs would give them; the title is recorded.
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& initialPath,
                     const QString& filter) override;
    // The next of `unsavedAnswers` (Cancel when none is left); the name is recorded.
    Unsaved unsavedChanges(QWidget* parent, const QString& name) override;

    QList<Unsaved> unsavedAnswers;
    QStringList unsavedNames;
    QStringList fileTitles;
    QStringList messages;
    QStringList warnings;
    QStringList questions;
    QList<bool> answers;
    QStringList fileNames;
    QStringList initialNames;
    int invalidSelections = 0;
};

// Prints to a PDF file at a fixed resolution, as if the user had chosen it in the print dialog;
// an empty `pdfPath` stands for a cancelled dialog.
class PdfPrinterChooser : public PrinterChooser
{
public:
    std::unique_ptr<QPrinter> choose(QWidget* parent, const PrintRequest& request) override;

    QString pdfPath;
    int resolution = 300;
    int copies = 1;  // what the user chose in the dialog
    bool collate = true;
    QList<PrintRequest> requests;
};

class RecordingSounds : public Sounds
{
public:
    void play(const QString& fileName) override { played.append(fileName); }
    void beep() override { played.append(QStringLiteral("beep")); }
    void exclamation() override { played.append(QStringLiteral("SystemExclamation")); }

    QStringList played;
};

// Remembers the frame screens the window asked for, in order: "splash on", "splash off",
// "about", "farewell PATH".
class RecordingScreens : public FrameScreens
{
public:
    void splash(bool on) override { shown.append(on ? "splash on" : "splash off"); }
    void about(QWidget*) override { shown.append(QStringLiteral("about")); }
    void farewell(QWidget*, const QString& picturePath) override
    {
        shown.append(QStringLiteral("farewell ") + picturePath);
    }

    QStringList shown;
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
    RecordingScreens screens;
    PdfPrinterChooser printers;
    std::unique_ptr<ReportDesk> reports;
    AppServices services;
    ModalWatchdog watchdog;

    // Selects a main tab as a click on it would, and returns its page.
    QWidget* openTab(int index);
    // Presses the Enter key in the main window.
    void pressEnter();
    // Ends the window now (a test may then look at the files it left).
    void close();
    // A file in this run's folder.
    QString file(const QString& name) const;

private:
    QTemporaryDir m_folder;
    std::unique_ptr<MainWindow> m_window;
};
