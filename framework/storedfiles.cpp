#include "storedfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

// The system's reason for the last failure, where Qt has none of its own.
QString Reason(const QFileDevice& file, int code)
{
    const QString qt = file.errorString();
    const bool vague = qt.isEmpty() || qt == QLatin1String("Unknown error");
    return vague && code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : qt;
}

}  // namespace

std::optional<QByteArray> ReadOrdinaryFile(const QString& path, qint64 limit)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    // Block by block: asked for the whole limit at once, Qt would set aside that much memory
    // first, however small the file.
    constexpr qint64 kBlock = 64 * 1024;
    QByteArray bytes;
    bytes.reserve(std::clamp<qint64>(file.size(), 0, limit));
    while (bytes.size() < limit) {
        const QByteArray block = file.read(std::min(kBlock, limit - bytes.size()));
        if (block.isEmpty()) {
            break;
        }
        bytes += block;
    }
    return bytes;
}

QString NotAnOrdinaryFile()
{
    return QCoreApplication::translate("StoredFiles", "This is not an ordinary file.");
}

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        if (error) {
            *error = NotAnOrdinaryFile();
        }
        return false;
    }
    QSaveFile file(path);
    errno = 0;
    const bool written =
        file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush();
    if (!written || !file.commit()) {
        // An uncommitted file goes with its temporary copy; the old file is untouched.
        if (error) {
            *error = Reason(file, errno);
        }
        return false;
    }
    return true;
}
