#pragma once

// The program's report desk: report and hand-off files through CSaveFile, Print Screen through
// ScreenPrinter.

#include "csavefile.h"
#include "screenprinter.h"
#include "services.h"

class FileReportDesk : public ReportDesk
{
public:
    // The hand-off file is temp.txt in `dataDirectory`.
    FileReportDesk(Prompts& prompts, PrinterChooser& printers, const QString& dataDirectory);

    const CSaveFile& files() const { return m_files; }

    bool saveCalculation(QWidget* parent, const tavo::ReportText& report) override;
    bool saveHistories(QWidget* parent, const QList<QByteArray>& entries) override;
    bool writeHandOff(QWidget* parent, const tavo::ReportText& report) override;
    bool readHandOff(QWidget* parent, tavo::ReportText& report) override;
    bool emptyHandOff(QWidget* parent) override;
    bool printWindow(QWidget* window) override;

private:
    CSaveFile m_files;
    ScreenPrinter m_screen;
};
