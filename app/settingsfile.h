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
    // Opens the file for reading and writing (creating it empty, never truncating) and reads it.
    // An unreadable file reads as the defaults; `error` then says why.
    Settings load(QString* error = nullptr);
    // Rewrites the whole file; false with `error` set when it could not be written.
    bool save(const Settings& settings, QString* error = nullptr);

private:
    QString m_path;
};
