#include "csavefile.h"

#include "services.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString ReportFilePath(const QString& chosen)
{
    return chosen.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive)
               ? chosen
               : chosen + QStringLiteral(".txt");
}

bool AppendToFile(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
        *error = file.errorString();
        return false;
    }
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    if (!written) {
        *error = file.errorString();
    }
    return written;
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
