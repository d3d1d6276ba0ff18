// TAVO: calculators for electricians and electrical designers.

#include "mainwindow.h"
#include "pagemessage.h"
#include "programdirectory.h"
#include "qtservices.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavo"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVO"));
    QApplication::setApplicationVersion(QStringLiteral(TAVO_VERSION));
    PageMessages::ReserveFixedNumbers();
    PageMessages::Registered(PageMessages::kSaveReport);

    const QString programDirectory = ProgramDirectory();
    QtPrompts prompts;
    QtSounds sounds(programDirectory);
    AppServices services{&prompts, &sounds, programDirectory, DataDirectory(programDirectory)};
    {
        MainWindow window(services);
        // The first click should not wait for the sound libraries.
        QTimer::singleShot(400, &window, [&sounds] { sounds.preload(); });
        window.exec();
    }
    return 0;
}
