#include "qtservices.h"

#include "aboutbox.h"
#include "exitscreen.h"
#include "invalidselectiondialog.h"
#include "programdirectory.h"
#include "soundplayer.h"
#include "splashscreen.h"
#include "versioninfo.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibrary>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

const QString kCaption = QStringLiteral("TAVO");

}  // namespace

void QtPrompts::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPrompts::invalidSelection(QWidget* parent)
{
    InvalidSelectionDialog dialog(parent);
    dialog.exec();
}

void QtPrompts::warning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtPrompts::question(QWidget* parent, const QString& text)
{
    return QMessageBox::question(parent, kCaption, text) == QMessageBox::Yes;
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& initialName)
{
    // Whether to add to a file that exists is asked by the writer, not by the dialog.
    return QFileDialog::getSaveFileName(parent, QCoreApplication::translate("QtPrompts", "Save As"),
                                        initialName, QStringLiteral("txt (*.txt)"), nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

QString QtPrompts::openFile(QWidget* parent, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString QtPrompts::saveFile(QWidget* parent, const QString& title, const QString& initialPath,
                            const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, initialPath, filter);
}

Prompts::Unsaved QtPrompts::unsavedChanges(QWidget* parent, const QString& name)
{
    QMessageBox box(QMessageBox::Warning, kCaption,
                    QCoreApplication::translate("QtPrompts", "Save the changes to %1?").arg(name),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Unsaved::Save;
    case QMessageBox::Discard:
        return Unsaved::Discard;
    default:
        return Unsaved::Cancel;
    }
}

std::unique_ptr<QPrinter> QtPrinterChooser::choose(QWidget* parent, const PrintRequest& request)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(request.copies);
    printer->setCollateCopies(request.collate);
    QPrintDialog dialog(printer.get(), parent);
    QPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile |
                                               QAbstractPrintDialog::PrintShowPageSize |
                                               QAbstractPrintDialog::PrintCollateCopies;
    if (request.pageRange) {
        options |= QAbstractPrintDialog::PrintPageRange;
        dialog.setMinMax(1, 65535);
    }
    dialog.setOptions(options);
    if (dialog.exec() != QDialog::Accepted) {
        return nullptr;
    }
    return printer;
}

QtSounds::QtSounds(QString programDirectory, QStringList moduleFolders)
    : m_programDirectory(std::move(programDirectory)), m_moduleFolders(std::move(moduleFolders))
{
    if (m_moduleFolders.isEmpty()) {
        const QString applicationDir = QCoreApplication::applicationDirPath();
        m_moduleFolders = {applicationDir,
                           applicationDir + QStringLiteral("/" TAVO_MODULE_DIR_FROM_BIN)};
    }
}

QtSounds::~QtSounds() = default;

void QtSounds::play(const QString& fileName)
{
    // A missing file, or no module to play it: the default sound instead. A sound that cannot
    // play stays silent.
    const QString path = FindProgramFile(fileName, m_programDirectory);
    SoundPlayer* sounds = path.isEmpty() ? nullptr : player();
    if (sounds) {
        sounds->playFile(QFile::encodeName(path).constData());
    } else {
        beep();
    }
}

void QtSounds::exclamation()
{
    playEvent(kWarningEvent);
}

void QtSounds::beep()
{
    playEvent(kBellEvent);
}

void QtSounds::playEvent(const char* eventId)
{
    if (SoundPlayer* sounds = player()) {
        sounds->playEvent(eventId);
    } else {
        QApplication::beep();  // the X bell, without the module
    }
}

bool QtSounds::moduleLoaded() const
{
    return m_player != nullptr;
}

SoundPlayer* QtSounds::player()
{
    if (m_triedModule) {
        return m_player.get();
    }
    m_triedModule = true;
    for (const QString& folder : std::as_const(m_moduleFolders)) {
        // The library stays loaded for the rest of the run.
        QLibrary module(QDir(folder).filePath(QStringLiteral("tavo-sound")));
        if (auto create = reinterpret_cast<CreateSoundPlayer>(module.resolve(kCreateSoundPlayer))) {
            m_player.reset(create());
            break;
        }
    }
    return m_player.get();
}

QtFrameScreens::QtFrameScreens(Prompts& prompts, Sounds& sounds, QString programDirectory)
    : m_prompts(prompts), m_sounds(sounds), m_programDirectory(std::move(programDirectory))
{
}

void QtFrameScreens::splash(bool shown)
{
    SplashScreen screen(FindProgramFile(QStringLiteral("tb.bmp"), m_programDirectory), m_prompts,
                        m_sounds);
    screen.run(shown);
}

void QtFrameScreens::about(QWidget* parent)
{
    const QString versionText = QString::fromUtf8(
        ReadOrdinaryFile(FindProgramFile(kVersionFileName, m_programDirectory), 65536)
            .value_or(QByteArray()));
    // "smtb.bmp" is one of the program's own files.
    AboutBox box(versionText, QDir(m_programDirectory).filePath(QStringLiteral("smtb.bmp")),
                 m_prompts, m_sounds, parent);
    box.exec();
}

void QtFrameScreens::farewell(QWidget* parent, const QString& picturePath)
{
    ExitScreen screen(picturePath, m_prompts, m_sounds, parent);
    screen.exec();
}
