// TAVO: calculators for electricians and electrical designers.

#include "filereportdesk.h"
#include "mainwindow.h"
#include "pagemessage.h"
#include "programdirectory.h"
#include "qtservices.h"
#include "sessionsignals.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char kUsage[] =
    "usage: tavo [FILE.csv ...]\n"
    "       tavo --help | --version\n"
    "Calculators for electricians and electrical designers. Each FILE.csv opens in a circuit\n"
    "schedule window beside the main window. The calculators without a window: tavo-calc.\n"
    "Qt's own options (-platform NAME, -display DISPLAY, ...) are taken too; see tavo(1).\n";

// Qt ends the program when no window system can be reached; say so in one line and end with
// status 1 instead, without Qt's own notices about its plugins.
void OnStartupMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        const char* display = std::getenv("DISPLAY");
        const bool none = !display || !*display;
        std::fprintf(stderr,
                     "tavo: cannot open a window: %s%s%s; run it in a desktop session, over "
                     "ssh -X, under xvfb-run, or with QT_QPA_PLATFORM=offscreen\n",
                     none ? "no display (DISPLAY is not set)" : "the display ", none ? "" : display,
                     none ? "" : " cannot be reached");
        std::_Exit(1);
    }
    const bool aboutThePlatform =
        context.category && std::strncmp(context.category, "qt.qpa.", 7) == 0;
    if (!aboutThePlatform) {
        std::fprintf(stderr, "%s\n", qPrintable(message));
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    // Answered before any window system is asked for, so that they work without a display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("tavo %s\n", TAVO_VERSION);
            return 0;
        }
    }
    const QtMessageHandler usual = qInstallMessageHandler(OnStartupMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(usual);
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
