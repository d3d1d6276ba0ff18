#pragma once

// The report files: the user's report file, to which saved calculations are appended, and the
// hand-off file through which a report travels from a page to the Histories list.

#include "reporttext.h"

#include <QByteArray>
#include <QList>
#include <QString>

class Prompts;
class QWidget;

// The file a chosen name is saved to: ".txt" is added unless the name already ends in it (in
// any case), so that choosing job.txt adds to job.txt.
QString ReportFilePath(const QString& chosen);

// Appends `bytes` to the end of the file, creating it when needed and never truncating what it
// held. False, with `error` set to the system's reason, when the file could not be opened or
// written completely; a failed write leaves the file as it was. A path that is not an ordinary
// file (a FIFO, a device) is refused without waiting on it.
bool AppendToFile(const QString& path, const QByteArray& bytes, QString* error);

class CSaveFile
{
public:
    CSaveFile(Prompts& prompts, QString handOffPath);

    const QString& handOffPath() const { return m_handOffPath; }

    // What one saved report adds to a report file: CR LF, header, CR LF, body, trailer.
    static QByteArray ReportFileBytes(const tavo::ReportText& report);
    // What saving the histories adds: CR LF before each entry.
    static QByteArray HistoriesFileBytes(const QList<QByteArray>& entries);

    // The file to add to: asked for (initial name "MyReport"), with ".txt" added where the name
    // lacks it; a file that exists is used only when the user agrees to add to its end, else
    // the user is asked again. Empty when the user cancelled.
    QString ChooseFile(QWidget* parent);
    // Asks for a file and appends the report; true when it was saved.
    bool SaveCalculation(QWidget* parent, const tavo::ReportText& report);
    // Asks for a file and appends the histories; true when they were saved.
    bool SaveHistories(QWidget* parent, const QList<QByteArray>& entries);
    // The record's raw 480 bytes, replacing what the hand-off file held.
    bool WriteHandOff(QWidget* parent, const tavo::ReportText& report);
    // A cleared record filled from the hand-off file (created empty when missing).
    bool ReadHandOff(QWidget* parent, tavo::ReportText& report);
    // Truncates the hand-off file to zero length.
    bool EmptyHandOff(QWidget* parent);

private:
    bool appendToChosenFile(QWidget* parent, const QByteArray& bytes, const QString& failure);
    void tell(QWidget* parent, const QString& what, const QString& path, const QString& error);

    Prompts& m_prompts;
    QString m_handOffPath;
};
