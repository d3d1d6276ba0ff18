#pragma once

// How the program reads and writes whole files of its own: only ordinary files (a pipe or a
// device of that name would block the window, or be replaced), and a file replaced only once
// every byte of the new one has reached the disk.

#include <QByteArray>
#include <QString>

#include <optional>

// At most `limit` bytes of an ordinary file; none when it is missing, unreadable or not an
// ordinary file.
std::optional<QByteArray> ReadOrdinaryFile(const QString& path, qint64 limit);

// Writes `bytes` beside the file and puts them in its place when all were written; on any
// failure the old file stays as it was and `error` says why, as the system says it. Something in
// the file's place that is not an ordinary file is refused.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error);

// "This is not an ordinary file."
QString NotAnOrdinaryFile();
