#pragma once

// The program's real message boxes and sounds.

#include "services.h"

#include <QStringList>

#include <memory>

class SoundPlayer;

class QtPrompts : public Prompts
{
public:
    void message(QWidget* parent, const QString& text) override;
    void invalidSelection(QWidget* parent) override;
    void warning(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
    QString saveFileName(QWidget* parent, const QString& initialName) override;
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& initialPath,
                     const QString& filter) override;
    Unsaved unsavedChanges(QWidget* parent, const QString& name) override;
};

// The platform's print dialog; it offers the printers and printing to a PDF file.
class QtPrinterChooser : public PrinterChooser
{
public:
    std::unique_ptr<QPrinter> choose(QWidget* parent, const PrintRequest& request) override;
};

class QtSounds : public Sounds
{
public:
    // The sound module is looked for beside the program (a build tree) and where it is
    // installed under the program's prefix, unless `moduleFolders` are given.
    explicit QtSounds(QString programDirectory, QStringList moduleFolders = {});
    ~QtSounds() override;

    void play(const QString& fileName) override;
    void beep() override;
    void exclamation() override;
    // Whether the sound module has been loaded: on the first sound, never before.
    bool moduleLoaded() const;

private:
    SoundPlayer* player();
    // A sound of the desktop's theme; the X bell without the module.
    void playEvent(const char* eventId);

    QString m_programDirectory;
    QStringList m_moduleFolders;
    std::unique_ptr<SoundPlayer> m_player;
    bool m_triedModule = false;
};

// The splash, About and exit screens as the program shows them; their pictures are looked for
// in the working folder and then among the program's files.
class QtFrameScreens : public FrameScreens
{
public:
    QtFrameScreens(Prompts& prompts, Sounds& sounds, QString programDirectory);

    void splash(bool shown) override;
    void about(QWidget* parent) override;
    void farewell(QWidget* parent, const QString& picturePath) override;

private:
    Prompts& m_prompts;
    Sounds& m_sounds;
    QString m_programDirectory;
};
