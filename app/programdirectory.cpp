#include "programdirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The marker of a folder that holds the shipped files.
const QString kMarker = QStringLiteral("click.wav");

QString FindInFolder(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists()) {
        return {};
    }
    const QString exact = dir.filePath(name);
    if (QFileInfo(exact).isFile()) {
        return exact;
    }
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return dir.filePath(entry);
        }
    }
    return {};
}

}  // namespace

QString ProgramDirectoryFor(const QString& executableDirectory)
{
    if (!FindInFolder(executableDirectory, kMarker).isEmpty()) {
        return QDir::cleanPath(executableDirectory);
    }
    const QString installed =
        QDir::cleanPath(executableDirectory + QStringLiteral("/../share/tavo"));
    if (QFileInfo(installed).isDir()) {
        return installed;
    }
    return QDir::cleanPath(executableDirectory);
}

QString ProgramDirectory()
{
    return ProgramDirectoryFor(QCoreApplication::applicationDirPath());
}

QString DataDirectory(const QString& programDirectory)
{
    const QFileInfo info(programDirectory);
    // An installed program's files are shared by every user: each user's own go in their
    // configuration folder, even when the one running it may write there (root).
    const bool installed =
        QDir::cleanPath(programDirectory).endsWith(QStringLiteral("/share/tavo"));
    if (!installed && info.isDir() && info.isWritable()) {
        return programDirectory;
    }
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QDir().mkpath(config);
    return config;
}

QString FindProgramFile(const QString& name, const QString& programDirectory)
{
    const QString here = FindInFolder(QDir::currentPath(), name);
    return here.isEmpty() ? FindInFolder(programDirectory, name) : here;
}

QString HighDensityName(const QString& fileName)
{
    const QFileInfo info(fileName);
    return info.dir().filePath(info.completeBaseName() + QStringLiteral("@2x.") + info.suffix());
}

QString RecoveryDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation))
        .filePath(QStringLiteral("recovery"));
}
