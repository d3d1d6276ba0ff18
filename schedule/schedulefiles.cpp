#include "schedulefiles.h"

#include "storedfiles.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QUuid>

namespace {

// A schedule larger than this is not a panel's.
constexpr qint64 kLargestSchedule = 256 * 1024 * 1024;

QString Tr(const char* text)
{
    return QCoreApplication::translate("ScheduleFiles", text);
}

QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

}  // namespace

std::optional<tavo::circuit::CircuitSheet> LoadSchedule(const QString& path, QString* error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        *error = Tr("No such file.");
        return std::nullopt;
    }
    const std::optional<QByteArray> bytes = ReadOrdinaryFile(path, kLargestSchedule + 1);
    if (!bytes) {
        *error = info.isFile() ? Tr("It cannot be read.") : NotAnOrdinaryFile();
        return std::nullopt;
    }
    if (bytes->size() > kLargestSchedule) {
        *error = Tr("It is larger than 256 MB.");
        return std::nullopt;
    }
    std::string why;
    const std::optional<tavo::CsvTable> table =
        tavo::ReadCsv(std::string_view(bytes->constData(), size_t(bytes->size())), &why);
    if (!table) {
        *error = QString::fromStdString(why);
        return std::nullopt;
    }
    return tavo::circuit::CircuitSheet(*table);
}

QByteArray ScheduleBytes(const tavo::circuit::CircuitSheet& sheet)
{
    const std::string bytes = tavo::WriteCsv(sheet.toCsv());
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

bool SaveSchedule(const QString& path, const tavo::circuit::CircuitSheet& sheet, QString* error)
{
    return ReplaceFile(path, ScheduleBytes(sheet), error);
}

ScheduleLock::ScheduleLock(QString lockDirectory) : m_directory(std::move(lockDirectory)) {}

ScheduleLock::~ScheduleLock() = default;

QString ScheduleLock::LockPathFor(const QString& lockDirectory, const QString& path)
{
    const QByteArray key =
        QCryptographicHash::hash(Canonical(path).toUtf8(), QCryptographicHash::Sha1).toHex();
    return QDir(lockDirectory).filePath(QString::fromLatin1(key) + QStringLiteral(".lock"));
}

bool ScheduleLock::take(const QString& path, QString* holder)
{
    if (m_lock && Canonical(path) == Canonical(m_path)) {
        return true;
    }
    QDir().mkpath(m_directory);
    auto lock = std::make_unique<QLockFile>(LockPathFor(m_directory, path));
    // Only a live program's lock counts; one left by a crash is taken over at once.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        qint64 pid = 0;
        QString host;
        QString application;
        if (holder) {
            *holder = lock->getLockInfo(&pid, &host, &application)
                          ? Tr("TAVO, process %1 on %2").arg(pid).arg(host)
                          : Tr("another program");
        }
        return false;
    }
    m_lock = std::move(lock);
    m_path = path;
    return true;
}

void ScheduleLock::release()
{
    m_lock.reset();
    m_path.clear();
}

RecoveryCopy::RecoveryCopy(QString directory, QString id)
    : m_directory(std::move(directory)),
      m_id(id.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : std::move(id))
{
}

RecoveryCopy::~RecoveryCopy() = default;

void RecoveryCopy::adopt(const QString& id)
{
    m_lock.reset();
    m_id = id;
}

QString RecoveryCopy::path(const QString& suffix) const
{
    return QDir(m_directory).filePath(m_id + suffix);
}

QByteArray RecoveryCopy::InfoBytes(const QString& schedulePath, const QDateTime& changed)
{
    return schedulePath.toUtf8() + '\n' + changed.toString(Qt::ISODate).toUtf8() + '\n';
}

bool RecoveryCopy::write(const QByteArray& schedule, const QString& schedulePath, QString* error)
{
    QDir().mkpath(m_directory);
    if (!m_lock) {
        m_lock = std::make_unique<QLockFile>(path(QStringLiteral(".lock")));
        m_lock->setStaleLockTime(0);
        if (!m_lock->tryLock(0)) {
            m_lock.reset();
        }
    }
    return ReplaceFile(path(QStringLiteral(".csv")), schedule, error) &&
           ReplaceFile(path(QStringLiteral(".info")),
                       InfoBytes(schedulePath, QDateTime::currentDateTime()), error);
}

void RecoveryCopy::remove()
{
    QFile::remove(path(QStringLiteral(".csv")));
    QFile::remove(path(QStringLiteral(".info")));
    m_lock.reset();
}

QList<RecoveryCopy::Found> RecoveryCopy::Left(const QString& directory)
{
    QList<Found> found;
    const QDir dir(directory);
    for (const QString& info : dir.entryList({QStringLiteral("*.info")}, QDir::Files)) {
        const QString id = QFileInfo(info).completeBaseName();
        // A copy whose window still runs is that window's.
        QLockFile lock(dir.filePath(id + QStringLiteral(".lock")));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0)) {
            continue;
        }
        lock.unlock();
        const std::optional<QByteArray> bytes = ReadOrdinaryFile(dir.filePath(info), 65536);
        const QString csv = dir.filePath(id + QStringLiteral(".csv"));
        if (!bytes || !QFileInfo(csv).isFile()) {
            continue;
        }
        const QList<QByteArray> lines = bytes->split('\n');
        Found copy{id, QString::fromUtf8(lines.value(0)),
                   QDateTime::fromString(QString::fromUtf8(lines.value(1)), Qt::ISODate), csv};
        found.append(copy);
    }
    return found;
}
