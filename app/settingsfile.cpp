#include "settingsfile.h"

#include "storedfiles.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

void AppendUInt16(QByteArray& out, quint32 value)
{
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

void AppendUInt32(QByteArray& out, quint32 value)
{
    AppendUInt16(out, value & 0xFFFF);
    AppendUInt16(out, value >> 16);
}

// The length prefix: one byte below 255, 0xFF and 16 bits up to 65533, else 0xFF 0xFFFF and
// 32 bits.
void AppendText(QByteArray& out, const QByteArray& text)
{
    const auto length = static_cast<quint32>(text.size());
    if (length < 0xFF) {
        out.append(char(length));
    } else if (length < 0xFFFE) {
        out.append(char(0xFF));
        AppendUInt16(out, length);
    } else {
        out.append(char(0xFF));
        AppendUInt16(out, 0xFFFF);
        AppendUInt32(out, length);
    }
    out.append(text);
}

class Reader
{
public:
    explicit Reader(const QByteArray& bytes) : m_bytes(bytes) {}

    std::optional<quint32> uint8()
    {
        if (m_at + 1 > m_bytes.size()) {
            return std::nullopt;
        }
        return static_cast<quint8>(m_bytes[m_at++]);
    }

    std::optional<quint32> uint16()
    {
        const auto low = uint8();
        const auto high = low ? uint8() : std::nullopt;
        if (!high) {
            return std::nullopt;
        }
        return *low | (*high << 8);
    }

    std::optional<quint32> uint32()
    {
        const auto low = uint16();
        const auto high = low ? uint16() : std::nullopt;
        if (!high) {
            return std::nullopt;
        }
        return *low | (*high << 16);
    }

    std::optional<QByteArray> text()
    {
        auto length = uint8();
        if (length && *length == 0xFF) {
            length = uint16();
            if (length && *length == 0xFFFF) {
                length = uint32();
            } else if (length && *length == 0xFFFE) {
                return std::nullopt;  // not a length this format writes
            }
        }
        if (!length || *length > static_cast<quint32>(m_bytes.size() - m_at)) {
            return std::nullopt;
        }
        QByteArray text = m_bytes.mid(m_at, static_cast<qsizetype>(*length));
        m_at += static_cast<qsizetype>(*length);
        return text;
    }

private:
    const QByteArray& m_bytes;
    qsizetype m_at = 0;
};

}  // namespace

QByteArray EncodeSettings(const Settings& settings)
{
    QByteArray out;
    AppendUInt16(out, settings.splashOn ? 1 : 0);
    AppendText(out, settings.reserved1);
    AppendText(out, settings.reserved2);
    AppendUInt16(out, settings.animateOn ? 1 : 0);
    return out;
}

Settings DecodeSettings(const QByteArray& bytes)
{
    Settings settings;
    Reader reader(bytes);
    const auto splash = reader.uint16();
    if (!splash) {
        return settings;
    }
    settings.splashOn = *splash != 0;
    const auto first = reader.text();
    const auto second = first ? reader.text() : std::nullopt;
    if (!second) {
        return settings;
    }
    settings.reserved1 = *first;
    settings.reserved2 = *second;
    if (const auto animate = reader.uint16()) {
        settings.animateOn = *animate != 0;
    }
    return settings;
}

SettingsFile::SettingsFile(QString path) : m_path(std::move(path)) {}

namespace {

// A FIFO or a device in the settings file's place is neither read nor written: reading one could
// wait for ever, and writing would replace it.
bool IsSpecialFile(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isFile();
}

}  // namespace

Settings SettingsFile::load(QString* error)
{
    if (IsSpecialFile(m_path)) {
        if (error) {
            *error = NotAnOrdinaryFile();
        }
        return {};
    }
    QFile file(m_path);
    // Opened for reading and writing, which creates it; a file that may only be read is read.
    if (!file.open(QIODevice::ReadWrite) && !file.open(QIODevice::ReadOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return {};
    }
    return DecodeSettings(file.readAll());
}

bool SettingsFile::save(const Settings& settings, QString* error)
{
    return ReplaceFile(m_path, EncodeSettings(settings), error);
}
