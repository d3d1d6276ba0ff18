#pragma once

// The report files: the user's report file, to which saved calculations are appended, and the
// hand-off file through which a report travels from a page to the Histories list.

#include "reporttext.h"

#include <QByteArray>
#include <QString>

class Prompts;
class QWidget;

// The file a chosen name is saved to: ".txt" is added unless the name already ends in it (in
// any case), so that choosing job.txt adds to job.txt.
QString ReportFilePath(const QString& chosen);

// Appends `bytes` to the end of the file, creating it when needed and never truncating it.
// False, with `error` set, when the file could not be opened or written completely.
bool AppendToFile(const QString& path, const QByteArray& bytes, QString* error);

class CSaveFile
{
public:
    CSaveFile(Prompts& prompts, QString handOffPath);

    const QString& handOffPath() const { return m_handOffPath; }

    // What one saved report adds to a report file: CR LF, header, CR LF, body, trailer.
    static QByteArray ReportFileBytes(const tavo::ReportText& report);

    // Asks for a file (initial name "MyReport") and appends the report; true when it was saved.
    bool SaveCalculation(QWidget* parent, const tavo::ReportText& report);
    // The record's raw 480 bytes, replacing what the hand-off file held.
    bool WriteHandOff(QWidget* parent, const tavo::ReportText& report);
    // A cleared record filled from the hand-off file (created empty when missing).
    bool ReadHandOff(QWidget* parent, tavo::ReportText& report);
    // Truncates the hand-off file to zero length.
    bool EmptyHandOff(QWidget* parent);

private:
    void tell(QWidget* parent, const QString& what, const QString& path, const QString& error);

    Prompts& m_prompts;
    QString m_handOffPath;
};
