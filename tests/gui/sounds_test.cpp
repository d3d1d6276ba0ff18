// The program's sounds as they leave it: through the sound module and libcanberra into ALSA,
// whose default device here writes what it is given to a file instead of a sound card.

#include "qtservices.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class SoundsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void playedThroughTheDesktopSoundLibrary_data();
    void playedThroughTheDesktopSoundLibrary();
    void withoutTheModuleTheBellRings();
    void theDriverOutlivesThePlayer();

private:
    QTemporaryDir m_folder;
    QString m_recording;
};

void SoundsTest::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_recording = m_folder.filePath("played.raw");
    const QString config = m_folder.filePath("asound.conf");
    QFile file(config);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QStringLiteral("pcm.!default {\n  type file\n  slave.pcm { type null }\n"
                              "  file \"%1\"\n  format \"raw\"\n}\n")
                   .arg(m_recording)
                   .toUtf8());
    file.close();
    // Read by ALSA when the first sound opens it, and kept for the rest of the run.
    qputenv("ALSA_CONFIG_PATH", QFile::encodeName(config));
    // No sound server: ALSA plays directly.
    qputenv("PULSE_SERVER", "unix:/nonexistent");
    qputenv("CANBERRA_DRIVER", "alsa");
}

void SoundsTest::playedThroughTheDesktopSoundLibrary_data()
{
    QTest::addColumn<QString>("sound");
    QTest::newRow("the click, by its file") << "click.wav";
    QTest::newRow("the click, named in other case") << "Click.wav";
    QTest::newRow("a missing file: the bell instead") << "missing.wav";
    QTest::newRow("the bell") << "beep";
    QTest::newRow("the exclamation: the theme's warning") << "exclamation";
}

void SoundsTest::playedThroughTheDesktopSoundLibrary()
{
    QFETCH(QString, sound);
    QtSounds sounds(QStringLiteral(TAVO_BUILD_DIR), {QStringLiteral(TAVO_BUILD_DIR)});
    QVERIFY(!sounds.moduleLoaded());  // loaded on the first sound, not before
    QFile::remove(m_recording);
    if (sound == "beep") {
        sounds.beep();
    } else if (sound == "exclamation") {
        sounds.exclamation();
    } else {
        sounds.play(sound);
    }
    QVERIFY(sounds.moduleLoaded());
    // The sound plays on libcanberra's own thread; what reached the device has samples.
    const auto heard = [&] {
        QFile played(m_recording);
        if (!played.open(QIODevice::ReadOnly)) {
            return false;
        }
        const QByteArray bytes = played.readAll();
        return bytes.size() > 256 && bytes.count('\0') < bytes.size() * 9 / 10;
    };
    QTRY_VERIFY_WITH_TIMEOUT(heard(), 10000);
}

void SoundsTest::withoutTheModuleTheBellRings()
{
    QtSounds sounds(QStringLiteral(TAVO_BUILD_DIR), {m_folder.filePath("no-module-here")});
    sounds.play(QStringLiteral("click.wav"));
    sounds.exclamation();
    QVERIFY(!sounds.moduleLoaded());
}

// libcanberra unloads its output driver when its context is destroyed, while a sound's thread
// may still be returning into it; the program crashed at exit or when the player was replaced.
void SoundsTest::theDriverOutlivesThePlayer()
{
    const auto driverLoaded = [] {
        QFile maps(QStringLiteral("/proc/self/maps"));
        return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libcanberra-alsa");
    };
    {
        QtSounds sounds(QStringLiteral(TAVO_BUILD_DIR), {QStringLiteral(TAVO_BUILD_DIR)});
        sounds.beep();
        QVERIFY(driverLoaded());
    }
    QVERIFY(driverLoaded());
}

QTEST_MAIN(SoundsTest)
#include "sounds_test.moc"
