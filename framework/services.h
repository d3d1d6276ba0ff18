#pragma once

// What the pages need from the application and a test cannot click: message boxes, the Save As
// dialog, the printer, sounds, the report files and the program's folders. The program installs
// the real ones; tests install recorders.

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;

namespace tavo {
class ReportText;
}

class Prompts
{
public:
    virtual ~Prompts() = default;
    // A plain message box with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The same for a failure the user must know about.
    virtual void warning(QWidget* parent, const QString& text) = 0;
    // A question the user answers with Yes or No; true for Yes.
    virtual bool question(QWidget* parent, const QString& text) = 0;
    // The Save As dialog for a report or histories file, starting at `initialName`; the chosen
    // path, or empty when the user cancelled. It asks nothing about a file that exists: the
    // writer decides that.
    virtual QString saveFileName(QWidget* parent, const QString& initialName) = 0;
    // The conduit and box pages' notice of a selection with no conductors or no area, shown
    // modally until the user presses OK.
    virtual void invalidSelection(QWidget* parent) = 0;
    // A file to open, of the kind `filter` names ("CSV files (*.csv)"); empty when cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // A file to write, starting at `initialPath`; the dialog asks before replacing one that
    // exists. Empty when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& initialPath,
                             const QString& filter) = 0;
    enum class Unsaved {
        Save,
        Discard,
        Cancel,
    };
    // What to do with the changes to `name` on closing it.
    virtual Unsaved unsavedChanges(QWidget* parent, const QString& name) = 0;
};

class Sounds
{
public:
    virtual ~Sounds() = default;
    // Plays a sound file shipped with the program; the default beep when it cannot be found.
    virtual void play(const QString& fileName) = 0;
    virtual void beep() = 0;
    // The system's exclamation sound, that goes with a refused entry.
    virtual void exclamation() = 0;
};

// What the print dialog is asked to offer.
struct PrintRequest
{
    int copies = 1;
    bool collate = true;
    bool pageRange = false;  // offer pages 1 to 65535
};

class PrinterChooser
{
public:
    virtual ~PrinterChooser() = default;
    // A printer set up as the user chose in the print dialog; none when the user cancelled.
    virtual std::unique_ptr<QPrinter> choose(QWidget* parent, const PrintRequest& request) = 0;
};

// The report side of a page: the report file, the hand-off file and Print Screen. Each failure
// is told to the user, naming the file; the result is false then.
class ReportDesk
{
public:
    virtual ~ReportDesk() = default;
    // Asks for a file and appends the report; false when cancelled or not written.
    virtual bool saveCalculation(QWidget* parent, const tavo::ReportText& report) = 0;
    // Asks for a file and appends the histories, one entry to a line.
    virtual bool saveHistories(QWidget* parent, const QList<QByteArray>& entries) = 0;
    virtual bool writeHandOff(QWidget* parent, const tavo::ReportText& report) = 0;
    // Fills a cleared record from the hand-off file.
    virtual bool readHandOff(QWidget* parent, tavo::ReportText& report) = 0;
    virtual bool emptyHandOff(QWidget* parent) = 0;
    // Prints a picture of the window on one page; false when cancelled or failed.
    virtual bool printWindow(QWidget* window) = 0;
};

// The short screens that frame a run; each returns when its screen has gone.
class FrameScreens
{
public:
    virtual ~FrameScreens() = default;
    // During start-up: the splash picture for three seconds, or a hidden splash that ends at once.
    virtual void splash(bool shown) = 0;
    virtual void about(QWidget* parent) = 0;
    // At the end: the thank-you screen for a second, with the still emblem picture.
    virtual void farewell(QWidget* parent, const QString& picturePath) = 0;
};

struct AppServices
{
    Prompts* prompts = nullptr;
    Sounds* sounds = nullptr;
    PrinterChooser* printers = nullptr;
    ReportDesk* reports = nullptr;
    FrameScreens* screens = nullptr;  // none: the window opens and closes without them
    QString programDirectory;         // the files shipped with the program
    QString dataDirectory;            // where the program writes its own files
    // The user's folder for work not yet saved and for the locks on open files.
    QString recoveryDirectory;
};

// What every page is given when the main window creates it.
struct PageContext
{
    AppServices* services = nullptr;
    QWidget* mainWindow = nullptr;
};
