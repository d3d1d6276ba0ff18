#include "csavefile.h"

#include "services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

QString ReportFilePath(const QString& chosen)
{
    return chosen.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".txt");
}

bool AppendToFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QByteArray name = QFile::encodeName(path);
    const auto failed = [error](int code) {
        *error = QString::fromLocal8Bit(std::strerror(code));
        return false;
    };
    const auto notAFile = [error] {
        *error = QCoreApplication::translate("CSaveFile", "This is not an ordinary file.");
        return false;
    };
    // A FIFO or a device would block the window or swallow the text: only a file is added to.
    // Opened without blocking, and checked again once open, so nothing is waited for.
    struct stat before = {};
    if (::stat(name.constData(), &before) == 0 && !S_ISREG(before.st_mode)) {
        return notAFile();
    }
    const int fd =
        ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        return failed(errno);
    }
    struct stat opened = {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return notAFile();
    }
    // On a full disk part of the text may reach the file: it is cut back to what it held.
    const off_t length = opened.st_size;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            const int code = written < 0 ? errno : ENOSPC;
            [[maybe_unused]] const int ignored = ::ftruncate(fd, length);
            ::close(fd);
            return failed(code);
        }
        data += written;
        left -= written;
    }
    if (::close(fd) != 0) {
        return failed(errno);
    }
    return true;
}

CSaveFile::CSaveFile(Prompts& prompts, QString handOffPath)
    : m_prompts(prompts), m_handOffPath(std::move(handOffPath))
{
}

QByteArray CSaveFile::ReportFileBytes(const tavo::ReportText& report)
{
    const std::string text = "\r\n" + report.header() + "\r\n" + report.body() + report.trailer();
    return QByteArray(text.data(), qsizetype(text.size()));
}

QByteArray CSaveFile::HistoriesFileBytes(const QList<QByteArray>& entries)
{
    QByteArray bytes;
    for (const QByteArray& entry : entries) {
        bytes += "\r\n" + entry;
    }
    return bytes;
}

QString CSaveFile::ChooseFile(QWidget* parent)
{
    QString start = QStringLiteral("MyReport");
    for (;;) {
        const QString chosen = m_prompts.saveFileName(parent, start);
        if (chosen.isEmpty()) {
            return {};
        }
        const QString path = ReportFilePath(chosen);
        // Reports are added to an existing file, never written over it; the user says so.
        if (!QFileInfo::exists(path) ||
            m_prompts.question(parent,
                               QCoreApplication::translate(
                                   "CSaveFile", "%1 already exists.\nThe new text will be added "
                                                "at its end; nothing in it is replaced. Add to "
                                                "this file?")
                                   .arg(QDir::toNativeSeparators(path)))) {
            return path;
        }
        start = chosen;
    }
}

bool CSaveFile::SaveCalculation(QWidget* parent, const tavo::ReportText& report)
{
    return appendToChosenFile(
        parent, ReportFileBytes(report),
        QCoreApplication::translate("CSaveFile", "The report was not saved."));
}

bool CSaveFile::SaveHistories(QWidget* parent, const QList<QByteArray>& entries)
{
    return appendToChosenFile(
        parent, HistoriesFileBytes(entries),
        QCoreApplication::translate("CSaveFile", "The histories were not saved."));
}

bool CSaveFile::appendToChosenFile(QWidget* parent, const QByteArray& bytes, const QString& failure)
{
    const QString path = ChooseFile(parent);
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!AppendToFile(path, bytes, &error)) {
        tell(parent, failure, path, error);
        return false;
    }
    return true;
}

bool CSaveFile::WriteHandOff(QWidget* parent, const tavo::ReportText& report)
{
    QFile file(m_handOffPath);
    const auto& bytes = report.bytes();
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         file.write(bytes.data(), qint64(bytes.size())) == qint64(bytes.size()) &&
                         file.flush();
    if (!written) {
        tell(parent,
             QCoreApplication::translate("CSaveFile", "The report could not be handed to the "
                                                      "Histories list."),
             m_handOffPath, file.errorString());
    }
    return written;
}

bool CSaveFile::ReadHandOff(QWidget* parent, tavo::ReportText& report)
{
    report.clear();
    QFile file(m_handOffPath);
    if (!file.open(QIODevice::ReadWrite)) {
        tell(parent, QCoreApplication::translate("CSaveFile", "The report could not be read."),
             m_handOffPath, file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(qint64(tavo::ReportText::kSize));
    report.setBytes(std::string_view(bytes.constData(), size_t(bytes.size())));
    return true;
}

bool CSaveFile::EmptyHandOff(QWidget* parent)
{
    QFile file(m_handOffPath);
    const bool emptied = file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    if (!emptied) {
        tell(parent,
             QCoreApplication::translate("CSaveFile", "The hand-off file could not be emptied."),
             m_handOffPath, file.errorString());
    }
    return emptied;
}

void CSaveFile::tell(QWidget* parent, const QString& what, const QString& path,
                     const QString& error)
{
    m_prompts.warning(parent, QCoreApplication::translate("CSaveFile", "%1\n\nFile: %2\n%3")
                                  .arg(what, QDir::toNativeSeparators(path), error));
}
