#include "qtservices.h"

#include "csavefile.h"
#include "programdirectory.h"
#include "soundplayer.h"

#include <QApplication>
#include <QDir>
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

void QtPrompts::warning(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

QString QtPrompts::saveFileName(QWidget* parent, const QString& initialName)
{
    QString start = initialName;
    for (;;) {
        // Reports are added to an existing file, never written over it: our own question.
        const QString chosen = QFileDialog::getSaveFileName(
            parent, QCoreApplication::translate("QtPrompts", "Save As"), start,
            QStringLiteral("txt (*.txt)"), nullptr, QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty()) {
            return {};
        }
        const QString target = ReportFilePath(chosen);
        if (!QFileInfo::exists(target)) {
            return chosen;
        }
        const auto answer = QMessageBox::question(
            parent, kCaption,
            QCoreApplication::translate("QtPrompts",
                                        "%1 already exists.\nThe new text will be added at its "
                                        "end; nothing in it is replaced. Add to this file?")
                .arg(QDir::toNativeSeparators(target)));
        if (answer == QMessageBox::Yes) {
            return chosen;
        }
        start = chosen;
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
