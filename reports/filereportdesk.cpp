#include "filereportdesk.h"

#include <QDir>

FileReportDesk::FileReportDesk(Prompts& prompts, PrinterChooser& printers,
                               const QString& dataDirectory)
    : m_files(prompts,
              QDir(dataDirectory).filePath(QStringLiteral("temp") + QStringLiteral(".txt"))),
      m_screen(printers, prompts)
{
}

bool FileReportDesk::saveCalculation(QWidget* parent, const tavo::ReportText& report)
{
    return m_files.SaveCalculation(parent, report);
}

bool FileReportDesk::saveHistories(QWidget* parent, const QList<QByteArray>& entries)
{
    return m_files.SaveHistories(parent, entries);
}

bool FileReportDesk::writeHandOff(QWidget* parent, const tavo::ReportText& report)
{
    return m_files.WriteHandOff(parent, report);
}

bool FileReportDesk::readHandOff(QWidget* parent, tavo::ReportText& report)
{
    return m_files.ReadHandOff(parent, report);
}

bool FileReportDesk::emptyHandOff(QWidget* parent)
{
    return m_files.EmptyHandOff(parent);
}

bool FileReportDesk::printWindow(QWidget* window)
{
    return m_screen.PrintWindow(window);
}
