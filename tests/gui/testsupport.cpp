#include "testsupport.h"

#include "calculatorpage.h"
#include "filereportdesk.h"
#include "mainwindow.h"
#include "pagemessage.h"
#include "tabcontrol.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPageSize>
#include <QPrinter>
#include <QTest>
#include <QWidget>

void RecordingPrompts::message(QWidget*, const QString& text)
{
    messages.append(text);
}

void RecordingPrompts::warning(QWidget*, const QString& text)
{
    warnings.append(text);
}

bool RecordingPrompts::question(QWidget*, const QString& text)
{
    questions.append(text);
    return answers.isEmpty() || answers.takeFirst();
}

QString RecordingPrompts::saveFileName(QWidget*, const QString& initialName)
{
    initialNames.append(initialName);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString RecordingPrompts::openFile(QWidget*, const QString& title, const QString&)
{
    fileTitles.append(title);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

QString RecordingPrompts::saveFile(QWidget*, const QString& title, const QString& initialPath,
                                   const QString&)
{
    fileTitles.append(title);
    initialNames.append(initialPath);
    return fileNames.isEmpty() ? QString() : fileNames.takeFirst();
}

Prompts::Unsaved RecordingPrompts::unsavedChanges(QWidget*, const QString& name)
{
    unsavedNames.append(name);
    return unsavedAnswers.isEmpty() ? Unsaved::Cancel : unsavedAnswers.takeFirst();
}

std::unique_ptr<QPrinter> PdfPrinterChooser::choose(QWidget*, const PrintRequest& request)
{
    requests.append(request);
    if (pdfPath.isEmpty()) {
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath);
    printer->setResolution(resolution);
    printer->setPageSize(QPageSize(QPageSize::Letter));
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Inch);
    printer->setCopyCount(copies);
    printer->setCollateCopies(collate);
    return printer;
}

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(100);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->windowTitle() + QStringLiteral(" (") +
                   QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(")");
            modal->close();
        }
    });
    m_timer.start();
}

ProgramUnderTest::ProgramUnderTest()
{
    PageMessages::ReserveFixedNumbers();
    reports = std::make_unique<FileReportDesk>(prompts, printers, m_folder.path());
    services.prompts = &prompts;
    services.sounds = &sounds;
    services.screens = &screens;
    services.printers = &printers;
    services.reports = reports.get();
    services.programDirectory = m_folder.path();
    services.dataDirectory = m_folder.path();
    services.recoveryDirectory = m_folder.path() + QStringLiteral("/recovery");
    m_window = std::make_unique<MainWindow>(services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    // The emblem's clip starts with a click once the window has painted; a test of what a user
    // does starts after it (the emblem's own test hears it).
    QTRY_VERIFY(sounds.played.contains(QStringLiteral("Click.wav")));
    sounds.played.clear();
}

ProgramUnderTest::~ProgramUnderTest() = default;

QWidget* ProgramUnderTest::openTab(int index)
{
    TabControl* tabs = m_window->tabs();
    const QPoint centre = tabs->tabRect(index).center();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, centre);
    return m_window->page(index);
}

void ProgramUnderTest::pressEnter()
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : m_window.get(), Qt::Key_Return);
}

void ProgramUnderTest::close()
{
    m_window.reset();
}

QString ProgramUnderTest::file(const QString& name) const
{
    return m_folder.filePath(name);
}
