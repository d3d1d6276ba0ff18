#include "mainwindow.h"
#include "settingsfile.h"
#include "testsupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values) {
        bytes.append(char(v));
    }
    return bytes;
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

}  // namespace

class SettingsFileTest : public QObject
{
    Q_OBJECT

private slots:
    void encodes_data();
    void encodes();
    void decodesDamagedFiles_data();
    void decodesDamagedFiles();
    void longTextsRoundTrip_data();
    void longTextsRoundTrip();
    void loadCreatesEmptyFileWithoutTruncating();
    void saveReportsUnwritableFile();
    void firstStartCreatesEmptyFileAndBothTogglesOn();
    void togglesRewriteTheFileByteForByte();
    void togglesReadBackAtNextStart();
    void reservedTextsCarriedThroughAToggle();
    void damagedFileDoesNotStopTheProgram();
    void unwritableSettingsGiveAMessage();
    void failedSaveKeepsTheOldFile();
    void specialFileIsNeitherReadNorReplaced();
    void readOnlyFileIsRead();
};

void SettingsFileTest::encodes_data()
{
    QTest::addColumn<bool>("splash");
    QTest::addColumn<bool>("animate");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("second");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("both on") << true << true << QByteArray() << QByteArray()
                             << Bytes({1, 0, 0, 0, 1, 0});
    QTest::newRow("splash off") << false << true << QByteArray() << QByteArray()
                                << Bytes({0, 0, 0, 0, 1, 0});
    QTest::newRow("animate off") << true << false << QByteArray() << QByteArray()
                                 << Bytes({1, 0, 0, 0, 0, 0});
    QTest::newRow("reserved texts") << false << false << QByteArray("ab") << QByteArray("xyz")
                                    << Bytes({0, 0, 2, 'a', 'b', 3, 'x', 'y', 'z', 0, 0});
}

void SettingsFileTest::encodes()
{
    QFETCH(bool, splash);
    QFETCH(bool, animate);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, second);
    QFETCH(QByteArray, bytes);
    const Settings settings{splash, animate, first, second};
    QCOMPARE(EncodeSettings(settings), bytes);
    QCOMPARE(DecodeSettings(bytes), settings);
}

void SettingsFileTest::decodesDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("splash");
    QTest::addColumn<bool>("animate");
    QTest::newRow("empty") << QByteArray() << true << true;
    QTest::newRow("one byte") << Bytes({0}) << true << true;
    QTest::newRow("splash flag only") << Bytes({0, 0}) << false << true;
    QTest::newRow("text runs past end") << Bytes({0, 0, 9, 'a'}) << false << true;
    QTest::newRow("long length runs past end") << Bytes({0, 0, 0xFF, 0x10, 0x27}) << false << true;
    QTest::newRow("huge length") << Bytes({0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F}) << false
                                 << true;
    QTest::newRow("animate flag cut") << Bytes({1, 0, 0, 0, 0}) << true << true;
    QTest::newRow("any non-zero is on") << Bytes({7, 0, 0, 0, 0, 2}) << true << true;
    QTest::newRow("trailing bytes ignored") << Bytes({0, 0, 0, 0, 0, 0, 9, 9}) << false << false;
}

void SettingsFileTest::decodesDamagedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, splash);
    QFETCH(bool, animate);
    const Settings settings = DecodeSettings(bytes);
    QCOMPARE(settings.splashOn, splash);
    QCOMPARE(settings.animateOn, animate);
}

void SettingsFileTest::longTextsRoundTrip_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("prefix");
    QTest::newRow("254") << 254 << Bytes({254});
    QTest::newRow("255") << 255 << Bytes({0xFF, 0xFF, 0x00});
    QTest::newRow("65533") << 65533 << Bytes({0xFF, 0xFD, 0xFF});
    QTest::newRow("65534") << 65534 << Bytes({0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00});
    QTest::newRow("70000") << 70000 << Bytes({0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00});
}

void SettingsFileTest::longTextsRoundTrip()
{
    QFETCH(int, length);
    QFETCH(QByteArray, prefix);
    const Settings settings{false, true, QByteArray(length, 'r'), QByteArray("s")};
    const QByteArray bytes = EncodeSettings(settings);
    QCOMPARE(bytes.mid(2, prefix.size()), prefix);
    QCOMPARE(bytes.size(), 2 + prefix.size() + length + 2 + 2);
    QCOMPARE(DecodeSettings(bytes), settings);
}

void SettingsFileTest::loadCreatesEmptyFileWithoutTruncating()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Tabrilon.dat");
    SettingsFile file(path);
    QCOMPARE(file.load(), Settings{});
    QVERIFY(QFile::exists(path));
    QCOMPARE(ReadFile(path), QByteArray());
    WriteFile(path, Bytes({0, 0, 1, 'q', 0, 0, 0}));
    const Settings loaded = file.load();
    QCOMPARE(ReadFile(path), Bytes({0, 0, 1, 'q', 0, 0, 0}));
    QCOMPARE(loaded.reserved1, QByteArray("q"));
    QVERIFY(!loaded.splashOn);
    QVERIFY(!loaded.animateOn);
}

void SettingsFileTest::saveReportsUnwritableFile()
{
    QTemporaryDir dir;
    SettingsFile file(dir.filePath("missing-folder/Tabrilon.dat"));
    QString error;
    QVERIFY(!file.save(Settings{}, &error));
    QVERIFY(!error.isEmpty());
}

void SettingsFileTest::firstStartCreatesEmptyFileAndBothTogglesOn()
{
    ProgramUnderTest program;
    const QString path = QDir(program.folder()).filePath("Tabrilon.dat");
    QVERIFY(QFile::exists(path));
    QCOMPARE(ReadFile(path), QByteArray());
    QVERIFY(program.window().splashAction()->isChecked());
    QVERIFY(program.window().animateAction()->isChecked());
}

void SettingsFileTest::togglesRewriteTheFileByteForByte()
{
    ProgramUnderTest program;
    const QString path = QDir(program.folder()).filePath("Tabrilon.dat");
    program.window().splashAction()->trigger();
    QVERIFY(!program.window().splashAction()->isChecked());
    QCOMPARE(ReadFile(path), Bytes({0, 0, 0, 0, 1, 0}));
    program.window().animateAction()->trigger();
    QVERIFY(!program.window().animateAction()->isChecked());
    QCOMPARE(ReadFile(path), Bytes({0, 0, 0, 0, 0, 0}));
    program.window().splashAction()->trigger();
    QCOMPARE(ReadFile(path), Bytes({1, 0, 0, 0, 0, 0}));
    QCOMPARE(DecodeSettings(ReadFile(path)), program.window().settings());
}

void SettingsFileTest::togglesReadBackAtNextStart()
{
    QTemporaryDir dir;
    WriteFile(dir.filePath("Tabrilon.dat"), Bytes({0, 0, 0, 0, 1, 0}));
    SettingsFile file(dir.filePath("Tabrilon.dat"));
    const Settings settings = file.load();
    QVERIFY(!settings.splashOn);
    QVERIFY(settings.animateOn);
}

void SettingsFileTest::reservedTextsCarriedThroughAToggle()
{
    auto program = std::make_unique<ProgramUnderTest>();
    const QString path = QDir(program->folder()).filePath("Tabrilon.dat");
    program->close();
    WriteFile(path, Bytes({1, 0, 3, 'o', 'n', 'e', 3, 't', 'w', 'o', 1, 0}));
    // A new window over the same folder reads the file, then a toggle writes it back.
    MainWindow window(program->services);
    QVERIFY(window.splashAction()->isChecked());
    window.animateAction()->trigger();
    QCOMPARE(ReadFile(path), Bytes({1, 0, 3, 'o', 'n', 'e', 3, 't', 'w', 'o', 0, 0}));
}

void SettingsFileTest::damagedFileDoesNotStopTheProgram()
{
    auto program = std::make_unique<ProgramUnderTest>();
    const QString path = QDir(program->folder()).filePath("Tabrilon.dat");
    program->close();
    WriteFile(path, Bytes({0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 1}));
    MainWindow window(program->services);
    QVERIFY(!window.splashAction()->isChecked());
    QVERIFY(window.animateAction()->isChecked());
    window.animateAction()->trigger();
    QCOMPARE(ReadFile(path), Bytes({0, 0, 0, 0, 0, 0}));
}

void SettingsFileTest::unwritableSettingsGiveAMessage()
{
    auto program = std::make_unique<ProgramUnderTest>();
    program->close();
    program->services.dataDirectory = QDir(program->folder()).filePath("no-such-folder");
    MainWindow window(program->services);
    window.splashAction()->trigger();
    QCOMPARE(program->prompts.warnings.size(), 1);
    QVERIFY(program->prompts.warnings[0].contains("Tabrilon.dat"));
}

// The disk fills while the file is rewritten: here the process may write no more than three
// bytes to a file, which fails the write as a full disk does.
void SettingsFileTest::failedSaveKeepsTheOldFile()
{
    QTemporaryDir folder;
    const QString path = folder.filePath("Tabrilon.dat");
    const Settings before{false, true, "kept", {}};
    WriteFile(path, EncodeSettings(before));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 3;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    QString error;
    const bool written = SettingsFile(path).save(Settings{true, false, "new", {}}, &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousSignal);
    QVERIFY(!written);
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
    QCOMPARE(ReadFile(path), EncodeSettings(before));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"Tabrilon.dat"});
    QCOMPARE(SettingsFile(path).load(), before);
}

// A device or a FIFO where the settings file should be: not read (a FIFO would wait for ever),
// not replaced.
void SettingsFileTest::specialFileIsNeitherReadNorReplaced()
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath("Tabrilon.dat");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString& path : {pipe, QStringLiteral("/dev/full")}) {
        QString error;
        QCOMPARE(SettingsFile(path).load(&error), Settings{});
        QVERIFY2(error.contains("not an ordinary file"), qPrintable(error));
        error.clear();
        QVERIFY(!SettingsFile(path).save(Settings{false, false, {}, {}}, &error));
        QVERIFY2(error.contains("not an ordinary file"), qPrintable(error));
        QVERIFY(!QFileInfo(path).isFile());
    }
}

// A settings file that may be read but not written is read, and a file in a folder that may not
// be written to keeps what it holds, in a process that is not root (root may write anything).
void SettingsFileTest::readOnlyFileIsRead()
{
    QTemporaryDir folder;
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    const QString path = folder.filePath("Tabrilon.dat");
    const Settings stored{false, false, "ro", {}};
    WriteFile(path, EncodeSettings(stored));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadOther);
    // Writable itself, but its folder is not: it cannot be replaced as a whole.
    const QString inFolder = folder.filePath("Writable.dat");
    WriteFile(inFolder, EncodeSettings(stored));
    QFile::setPermissions(inFolder, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther |
                                        QFile::WriteOther);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(3);
        }
        QString error;
        const bool read = SettingsFile(path).load(&error) == stored;
        const bool refused = !SettingsFile(path).save(Settings{}, &error) &&
                             !SettingsFile(inFolder).save(Settings{}, &error);
        _exit(read && refused ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3) {
        QSKIP("this machine lets no process drop root to try a file it may only read");
    }
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(ReadFile(path), EncodeSettings(stored));
    QCOMPARE(ReadFile(inFolder), EncodeSettings(stored));
}

QTEST_MAIN(SettingsFileTest)
#include "settingsfile_test.moc"
