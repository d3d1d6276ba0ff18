// TAVO: calculators for electricians and electrical designers.

#include "filereportdesk.h"
#include "mainwindow.h"
#include "pagemessage.h"
#include "programdirectory.h"
#include "qtservices.h"
#include "sessionsignals.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavo"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVO"));
    QApplication::setApplicationVersion(QStringLiteral(TAVO_VERSION));
    // The desktop entry the window belongs to, for its icon and name in the task switcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.korlathdesigns.tavo"));
    // A logout, Ctrl+C or kill ends TAVO as Quit does, so that nothing is left half done.
    const SessionSignals sessionSignals;
    PageMessages::ReserveFixedNumbers();
    PageMessages::Registered(PageMessages::kSaveReport);

    const QString programDirectory = ProgramDirectory();
    const QString dataDirectory = DataDirectory(programDirectory);
    QtPrompts prompts;
    QtSounds sounds(programDirectory);
    QtPrinterChooser printers;
    FileReportDesk reports(prompts, printers, dataDirectory);
    QtFrameScreens screens(prompts, sounds, programDirectory);
    AppServices services{&prompts, &sounds,          &printers,     &reports,
                         &screens, programDirectory, dataDirectory, RecoveryDirectory()};
    // Circuit schedules named on the command line (or by the desktop) open beside the window.
    QStringList schedules = QCoreApplication::arguments();
    schedules.removeFirst();
    {
        MainWindow window(services);
        QObject::connect(&sessionSignals, &SessionSignals::endRequested, &window,
                         &MainWindow::endSession);
        // The first click should not wait for the sound libraries.
        QTimer::singleShot(400, &window, [&sounds] { sounds.preload(); });
        QTimer::singleShot(0, &window, [&window, schedules] {
            window.offerRecoveredSchedules();
            if (!schedules.isEmpty()) {
                window.openSchedules(schedules);
            }
        });
        // A signal during the splash screen ends the program before the window runs.
        if (!sessionSignals.received()) {
            window.exec();
        }
    }
    return 0;
}
