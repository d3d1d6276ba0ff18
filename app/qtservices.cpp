#include "qtservices.h"

#include "programdirectory.h"
#include "soundplayer.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>

namespace {

const QString kCaption = QStringLiteral("TAVO");

}  // namespace

void QtPrompts::message(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

void QtPrompts::warning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

QtSounds::QtSounds(QString programDirectory) : m_programDirectory(std::move(programDirectory)) {}

QtSounds::~QtSounds() = default;

void QtSounds::play(const QString& fileName)
{
    const QString path = FindProgramFile(fileName, m_programDirectory);
    SoundPlayer* sounds = path.isEmpty() ? nullptr : player();
    if (!sounds || !sounds->play(path)) {
        beep();
    }
}

void QtSounds::beep()
{
    QApplication::beep();
}

void QtSounds::preload()
{
    player();
}

SoundPlayer* QtSounds::player()
{
    if (m_triedModule) {
        return m_player.get();
    }
    m_triedModule = true;
    const QString applicationDir = QCoreApplication::applicationDirPath();
    const QStringList folders = {applicationDir, applicationDir + QStringLiteral("/../lib/tavo"),
                                 QStringLiteral(TAVO_MODULE_DIR)};
    for (const QString& folder : folders) {
        // The library stays loaded for the rest of the run.
        QLibrary module(QDir(folder).filePath(QStringLiteral("tavo-sound")));
        if (auto create = reinterpret_cast<CreateSoundPlayer>(module.resolve(kCreateSoundPlayer))) {
            m_player.reset(create());
            break;
        }
    }
    return m_player.get();
}
