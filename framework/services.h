#pragma once

// What the pages need from the application and a test cannot click: message boxes, sounds and
// the program's folders. The program installs the real ones; tests install recorders.

#include <QString>

class QWidget;

class Prompts
{
public:
    virtual ~Prompts() = default;
    // A plain message box with an OK button.
    virtual void message(QWidget* parent, const QString& text) = 0;
    // The same for a failure the user must know about.
    virtual void warning(QWidget* parent, const QString& text) = 0;
};

class Sounds
{
public:
    virtual ~Sounds() = default;
    // Plays a sound file shipped with the program; the default beep when it cannot be found.
    virtual void play(const QString& fileName) = 0;
    virtual void beep() = 0;
};

struct AppServices
{
    Prompts* prompts = nullptr;
    Sounds* sounds = nullptr;
    QString programDirectory;  // the files shipped with the program
    QString dataDirectory;     // where the program writes its own files
};

// What every page is given when the main window creates it.
struct PageContext
{
    AppServices* services = nullptr;
    QWidget* mainWindow = nullptr;
};
