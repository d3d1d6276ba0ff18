#pragma once

// "Tabrilon.dat": the two menu toggles, kept between runs in the program's own byte format:
// the splash flag (16-bit little-endian), two reserved texts (each a length prefix and its bytes,
// carried along unchanged), the animation flag (16-bit little-endian).

#include <QByteArray>
#include <QString>

struct Settings
{
    bool splashOn = true;
    bool animateOn = true;
    QByteArray reserved1;
    QByteArray reserved2;

    bool operator==(const Settings&) const = default;
};

// The file's bytes for `settings`.
QByteArray EncodeSettings(const Settings& settings);
// Reads as much of `bytes` as is well formed; what is missing or damaged keeps its default
// (both toggles on, reserved texts empty). Never reads past the end.
Settings DecodeSettings(const QByteArray& bytes);

class SettingsFile
{
public:
    explicit SettingsFile(QString path);

    const QString& path() const { return m_path; }
    // Opens the file for reading and writing (creating it empty, never truncating) and reads it;
    // a file that may only be read is read. An unreadable file, or something in its place that
    // is not an ordinary file, reads as the defaults; `error` then says why.
    Settings load(QString* error = nullptr);
    // Rewrites the whole file, replacing it only when all of it was written; false with `error`
    // set, and the old file as it was, when it could not be written.
    bool save(const Settings& settings, QString* error = nullptr);

private:
    QString m_path;
};
