#pragma once

// A schedule's files: the CSV it is opened from and saved to, the lock that keeps a second
// window (of this program or another) from owning the same file, and the recovery copy of work
// not yet saved, from which the next start restores what a crash or a kill left.

#include "circuit/sheet.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QLockFile;

// The schedule in a CSV file; none, with `error` saying why, when it cannot be read or is not
// CSV. Cells the circuit check refuses open as they are, marked.
std::optional<tavo::circuit::CircuitSheet> LoadSchedule(const QString& path, QString* error);
// Replaces the file only once all of the schedule reached the disk.
bool SaveSchedule(const QString& path, const tavo::circuit::CircuitSheet& sheet, QString* error);
QByteArray ScheduleBytes(const tavo::circuit::CircuitSheet& sheet);

// A lock on a schedule file, held while a window owns it; a crashed program's lock is stale and
// is taken over.
class ScheduleLock
{
public:
    explicit ScheduleLock(QString lockDirectory);
    ~ScheduleLock();
    ScheduleLock(const ScheduleLock&) = delete;
    ScheduleLock& operator=(const ScheduleLock&) = delete;

    // Locks `path` (letting go of the file locked before); false, with who holds it in
    // `holder`, when another program's or window's lock stands.
    bool take(const QString& path, QString* holder);
    void release();
    const QString& path() const { return m_path; }

    // The lock file of a schedule file.
    static QString LockPathFor(const QString& lockDirectory, const QString& path);

private:
    QString m_directory;
    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

// Unsaved work of one window, kept in the recovery folder as "NAME.csv" (the schedule) and
// "NAME.info" (the file it belongs to and when it was changed, one line each), with a lock
// held while the window lives.
class RecoveryCopy
{
public:
    struct Found
    {
        QString id;
        QString schedulePath;  // the file it was opened from or saved to; empty for a new one
        QDateTime changed;
        QString csvPath;
    };

    explicit RecoveryCopy(QString directory, QString id = {});
    ~RecoveryCopy();
    RecoveryCopy(const RecoveryCopy&) = delete;
    RecoveryCopy& operator=(const RecoveryCopy&) = delete;

    const QString& id() const { return m_id; }
    // Takes over the copy a crashed window left, to keep it from now on.
    void adopt(const QString& id);
    // Writes the copy; false with `error` when it could not be written.
    bool write(const QByteArray& schedule, const QString& schedulePath, QString* error);
    // The work was saved or given up: the copy goes.
    void remove();

    // Copies that no running window holds: what a crash or a kill left.
    static QList<Found> Left(const QString& directory);
    // The `.info` file's lines for a copy.
    static QByteArray InfoBytes(const QString& schedulePath, const QDateTime& changed);

private:
    QString path(const QString& suffix) const;

    QString m_directory;
    QString m_id;
    std::unique_ptr<QLockFile> m_lock;
};
