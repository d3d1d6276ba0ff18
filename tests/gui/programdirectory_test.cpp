#include "programdirectory.h"
#include "qtservices.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

class BeepCounter : public QtSounds
{
public:
    using QtSounds::QtSounds;
    void beep() override { ++beeps; }
    int beeps = 0;
};

}  // namespace

class ProgramDirectoryTest : public QObject
{
    Q_OBJECT

private slots:
    void shippedFilesBesideTheProgram();
    void installedDataFolder();
    void fallsBackToTheProgramsFolder();
    void dataDirectoryIsProgramDirectoryWhenWritable();
    void dataDirectoryFallsBackToConfiguration();
    void findsFilesWithoutRegardToCaseCurrentFolderFirst();
    void missingSoundPlaysTheDefaultBeep();
};

void ProgramDirectoryTest::shippedFilesBesideTheProgram()
{
    QTemporaryDir dir;
    Touch(dir.filePath("bin/Click.WAV"));
    QCOMPARE(ProgramDirectoryFor(dir.filePath("bin")), dir.filePath("bin"));
}

void ProgramDirectoryTest::installedDataFolder()
{
    QTemporaryDir dir;
    Touch(dir.filePath("share/tavo/click.wav"));
    QDir().mkpath(dir.filePath("bin"));
    QCOMPARE(ProgramDirectoryFor(dir.filePath("bin")), dir.filePath("share/tavo"));
}

void ProgramDirectoryTest::fallsBackToTheProgramsFolder()
{
    QTemporaryDir dir;
    QDir().mkpath(dir.filePath("bin"));
    QCOMPARE(ProgramDirectoryFor(dir.filePath("bin")), dir.filePath("bin"));
}

void ProgramDirectoryTest::dataDirectoryIsProgramDirectoryWhenWritable()
{
    QTemporaryDir dir;
    QCOMPARE(DataDirectory(dir.path()), dir.path());
}

void ProgramDirectoryTest::dataDirectoryFallsBackToConfiguration()
{
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString data = DataDirectory(dir.filePath("not-there"));
    QCOMPARE(data, QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    QVERIFY(QFileInfo(data).isDir());
    // An installed data folder is not written, even when it could be.
    QVERIFY(QDir().mkpath(dir.filePath("usr/share/tavo")));
    QCOMPARE(DataDirectory(dir.filePath("usr/share/tavo")), data);
}

void ProgramDirectoryTest::findsFilesWithoutRegardToCaseCurrentFolderFirst()
{
    QTemporaryDir program;
    QTemporaryDir current;
    Touch(program.filePath("CLICK.wav"));
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    QCOMPARE(FindProgramFile("click.wav", program.path()), program.filePath("CLICK.wav"));
    Touch(current.filePath("click.wav"));
    QCOMPARE(FindProgramFile("Click.wav", program.path()), current.filePath("click.wav"));
    QCOMPARE(FindProgramFile("flash.bmp", program.path()), QString());
    QDir::setCurrent(previous);
}

void ProgramDirectoryTest::missingSoundPlaysTheDefaultBeep()
{
    QTemporaryDir program;
    BeepCounter sounds(program.path());
    sounds.play("click.wav");
    QCOMPARE(sounds.beeps, 1);
}

QTEST_MAIN(ProgramDirectoryTest)
#include "programdirectory_test.moc"
