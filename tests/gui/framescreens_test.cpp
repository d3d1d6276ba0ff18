// The splash, About and exit screens, the pictures they draw from disk and the emblem.

#include "aboutbox.h"
#include "calculatorpage.h"
#include "dibpicture.h"
#include "emblemview.h"
#include "exitscreen.h"
#include "invalidselectiondialog.h"
#include "mainwindow.h"
#include "pagetable.h"
#include "picturearea.h"
#include "reportsdialog.h"
#include "splashscreen.h"
#include "tabcontrol.h"
#include "testsupport.h"
#include "versioninfo.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kBuild = QStringLiteral(TAVO_BUILD_DIR);

void Put32(QByteArray& out, quint32 value)
{
    for (int i = 0; i < 4; ++i) {
        out.append(char(value >> (8 * i)));
    }
}

// A bitmap file with the 14-byte file header and the 40-byte header, no colour table.
QByteArray BitmapFile(int bitsPerPixel, int width, int height, const QByteArray& pixels,
                      quint32 compression = 0)
{
    QByteArray out("BM");
    Put32(out, quint32(54 + pixels.size()));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, quint32(width));
    Put32(out, quint32(height));
    Put32(out, 1 | quint32(bitsPerPixel) << 16);
    Put32(out, compression);
    for (int i = 0; i < 5; ++i) {
        Put32(out, 0);
    }
    return out + pixels;
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Draws `picture` onto a white 40 x 20 image at the given density; the image.
QImage DrawOn(DibPicture& picture, QWidget& window, bool* drawn, qreal density = 1)
{
    QImage image(QSize(40, 20) * density, QImage::Format_ARGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.setDestination(QRect(0, 0, 40, 20));
    *drawn = picture.draw(painter, &window);
    return image;
}

}  // namespace

class FrameScreensTest : public QObject
{
    Q_OBJECT

private slots:
    void hiddenSplashEndsAtOnce();
    void shownSplashDrawsItsPictureForThreeSeconds();
    void aboutBoxShowsTheVersionTexts();
    void aboutBoxClosesWithOkAndEscape();
    void exitScreenClosesAfterASecondOrOnEscape();
    void titleBarsOfferOnlyWhatWorks();
    void pictureFailuresAreToldOnce_data();
    void pictureFailuresAreToldOnce();
    void directColourPicturesDraw();
    void missingOrPipePictureIsNotTriedAgain();
    void sharperPictureOnADenseScreen();
    void emblemFollowsAnimateOn();
    void windowAsksForItsScreens();
};

void FrameScreensTest::hiddenSplashEndsAtOnce()
{
    RecordingPrompts prompts;
    RecordingSounds sounds;
    SplashScreen splash(QDir(kBuild).filePath("tb.bmp"), prompts, sounds);
    QElapsedTimer clock;
    clock.start();
    splash.run(false);
    QCOMPARE(splash.interval(), 1);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!splash.isVisible());
    QVERIFY(prompts.warnings.isEmpty());
}

void FrameScreensTest::shownSplashDrawsItsPictureForThreeSeconds()
{
    RecordingPrompts prompts;
    RecordingSounds sounds;
    SplashScreen splash(QDir(kBuild).filePath("tb.bmp"), prompts, sounds);
    QCOMPARE(splash.size(), QSize(606, 454));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(
        splash.geometry().center(),
        QRect(screen.topLeft() + QPoint((screen.width() - 606) / 2, (screen.height() - 454) / 2),
              QSize(606, 454))
            .center());
    QImage seen;
    bool visible = false;
    QTimer::singleShot(300, &splash, [&] {
        visible = splash.isVisible();
        seen = splash.grab().toImage();
    });
    QElapsedTimer clock;
    clock.start();
    splash.run(true);
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= 2990 && elapsed < 6000, qPrintable(QString::number(elapsed)));
    QVERIFY(visible);
    QVERIFY(!splash.isVisible());
    QVERIFY(splash.picture().enabled());
    // The picture's own pixels inside the three-pixel frame: the splash's dark blue.
    const QColor middle = seen.pixelColor(seen.width() / 2, seen.height() - 20);
    QVERIFY2(middle.blue() > middle.red() + 30, qPrintable(middle.name()));

    // Without its picture it still ends, with nothing said.
    SplashScreen bare(QStringLiteral("/no/such/tb.bmp"), prompts, sounds);
    bare.run(false);
    QVERIFY(prompts.warnings.isEmpty());
}

void FrameScreensTest::aboutBoxShowsTheVersionTexts()
{
    QFile file(QDir(kBuild).filePath(kVersionFileName));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    QCOMPARE(VersionValue(text, VersionKeys::kProductName), QStringLiteral("TAVO For Windows 95"));
    QCOMPARE(VersionValue(text, VersionKeys::kProductVersion), QStringLiteral("Version 3.50"));
    QCOMPARE(VersionValue(text, VersionKeys::kCompanyName), QStringLiteral("Korlath Designs LLC"));
    QVERIFY(VersionValue(text, VersionKeys::kLegalCopyright).contains("Korlath Designs LLC"));
    QCOMPARE(VersionValue(text, QStringLiteral("\\StringFileInfo\\040904B0\\Nothing")), QString());

    RecordingPrompts prompts;
    RecordingSounds sounds;
    AboutBox box(text, QDir(kBuild).filePath("smtb.bmp"), prompts, sounds);
    QCOMPARE(box.windowTitle(), QStringLiteral("Korlath Designs"));
    QCOMPARE(box.productText(), QStringLiteral("TAVO For Windows 95\n\nVersion 3.50"));
    QVERIFY(box.companyText().startsWith(QStringLiteral("Korlath Designs LLC\n\n")));
    QCOMPARE(box.font().pointSize(), 10);
    // A screen reader meets a named picture inside a group, not a window inside a window.
    QAccessibleInterface* spoken =
        QAccessible::queryAccessibleInterface(const_cast<PictureArea*>(box.pictureArea()));
    QCOMPARE(spoken->role(), QAccessible::Graphic);
    QVERIFY(!spoken->text(QAccessible::Name).isEmpty());
    int groups = 0;
    for (QFrame* frame : box.findChildren<QFrame*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (frame->metaObject() == &QFrame::staticMetaObject) {
            QCOMPARE(QAccessible::queryAccessibleInterface(frame)->role(), QAccessible::Grouping);
            ++groups;
        }
    }
    QCOMPARE(groups, 1);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QImage picture = const_cast<PictureArea*>(box.pictureArea())->grab().toImage();
    QVERIFY(box.pictureArea()->picture().enabled());
    QVERIFY(picture.pixelColor(picture.width() / 4, picture.height() / 2) !=
            box.palette().window().color());
    QVERIFY(prompts.warnings.isEmpty());
}

void FrameScreensTest::aboutBoxClosesWithOkAndEscape()
{
    RecordingPrompts prompts;
    RecordingSounds sounds;
    for (const bool escape : {false, true}) {
        AboutBox box(QString(), QStringLiteral("/no/such/smtb.bmp"), prompts, sounds);
        QTimer::singleShot(50, &box, [&box, escape] {
            if (escape) {
                QTest::keyClick(&box, Qt::Key_Escape);
            } else {
                box.findChild<QPushButton*>("ok")->click();
            }
        });
        QElapsedTimer clock;
        clock.start();
        box.exec();
        QVERIFY(clock.elapsed() < 2000);
        // No version file: empty texts, nothing said.
        QCOMPARE(box.productText(), QStringLiteral("\n\n"));
    }
    QVERIFY(prompts.warnings.isEmpty());
}

void FrameScreensTest::exitScreenClosesAfterASecondOrOnEscape()
{
    RecordingPrompts prompts;
    RecordingSounds sounds;
    {
        ExitScreen screen(QDir(kBuild).filePath("flash.bmp"), prompts, sounds);
        QVERIFY(!(screen.windowFlags() & Qt::WindowSystemMenuHint));
        QString thanks;
        QTimer::singleShot(200, &screen, [&] {
            thanks = screen.findChild<QLabel*>("thanks")->text();
            QVERIFY(screen.pictureArea()->picture().enabled());
        });
        QElapsedTimer clock;
        clock.start();
        screen.exec();
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 990 && elapsed < 3000, qPrintable(QString::number(elapsed)));
        QCOMPARE(thanks, QStringLiteral("Thanks For Using TAVO !"));
    }
    {
        ExitScreen screen(QString(), prompts, sounds);
        QTimer::singleShot(50, &screen, [&screen] { QTest::keyClick(&screen, Qt::Key_Escape); });
        QElapsedTimer clock;
        clock.start();
        screen.exec();
        QVERIFY2(clock.elapsed() < 700, qPrintable(QString::number(clock.elapsed())));
    }
    QVERIFY(prompts.warnings.isEmpty());
}

// Fixed-size dialogs cannot be minimised or maximised, so their title bars offer only the close
// box; the exit screen has no system menu and so no buttons at all.
void FrameScreensTest::titleBarsOfferOnlyWhatWorks()
{
    RecordingPrompts prompts;
    RecordingSounds sounds;
    QWidget owner;
    AboutBox about(QString(), QString(), prompts, sounds);
    ReportsDialog reports(&owner);
    InvalidSelectionDialog invalid(&owner);
    ExitScreen exit(QString(), prompts, sounds);
    for (const QWidget* window : {static_cast<QWidget*>(&about), static_cast<QWidget*>(&reports),
                                  static_cast<QWidget*>(&invalid), static_cast<QWidget*>(&exit)}) {
        const Qt::WindowFlags flags = window->windowFlags();
        const bool exitScreen = window == &exit;
        QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint), qPrintable(window->objectName()));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        QCOMPARE(flags.testFlag(Qt::WindowSystemMenuHint), !exitScreen);
        QCOMPARE(flags.testFlag(Qt::WindowCloseButtonHint), !exitScreen);
        QCOMPARE(window->windowType(), Qt::Dialog);
    }
}

void FrameScreensTest::pictureFailuresAreToldOnce_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("warning");  // empty: the beep
    const QByteArray pixels(8, '\0');
    QByteArray oddHeader = BitmapFile(24, 2, 1, pixels);
    oddHeader[14] = 20;
    QTest::newRow("header of 20 bytes") << oddHeader << "%1 is not a Legitimate DIB File!";
    QTest::newRow("cut in the header")
        << BitmapFile(24, 2, 1, pixels).left(30) << "%1 is not a Legitimate DIB File!";
    QTest::newRow("2 bits, no colours") << BitmapFile(2, 2, 1, pixels) << "CreatePalette() Failed";
    QByteArray farRle = BitmapFile(8, 2, 1, QByteArray(), 1);
    farRle.append(QByteArray(1024, '\0'));
    farRle.replace(10, 4, QByteArray("\xff\xff\x00\x00", 4));
    QTest::newRow("RLE past the end") << farRle << "Could not load RLE!";
    QTest::newRow("pixels cut short") << BitmapFile(24, 2, 2, pixels) << QString();
}

void FrameScreensTest::pictureFailuresAreToldOnce()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, warning);
    QTemporaryDir dir;
    const QString path = dir.filePath("picture.bmp");
    WriteFile(path, bytes);
    RecordingPrompts prompts;
    RecordingSounds sounds;
    QWidget window;
    DibPicture picture(path, prompts, sounds);
    bool drawn = true;
    DrawOn(picture, window, &drawn);
    QVERIFY(!drawn);
    DrawOn(picture, window, &drawn);  // a repaint does not bring the message back
    QVERIFY(!picture.enabled());
    // Told after the paint that found it.
    QVERIFY(prompts.warnings.isEmpty());
    QCoreApplication::processEvents();
    if (warning.isEmpty()) {
        QCOMPARE(sounds.played, QStringList{"beep"});
        QVERIFY(prompts.warnings.isEmpty());
    } else {
        QCOMPARE(prompts.warnings, QStringList{warning.arg(path)});
        QVERIFY(sounds.played.isEmpty());
    }
}

void FrameScreensTest::directColourPicturesDraw()
{
    // One red and one blue pixel, at 16 and at 32 bits: drawn on a true-colour screen.
    const QByteArray sixteen("\x00\x7c\x1f\x00", 4);
    const QByteArray thirtyTwo("\x00\x00\xff\x00\xff\x00\x00\x00", 8);
    QTemporaryDir dir;
    RecordingPrompts prompts;
    RecordingSounds sounds;
    QWidget window;
    for (const auto& [bits, pixels] : {std::pair{16, sixteen}, std::pair{32, thirtyTwo}}) {
        const QString path = dir.filePath(QStringLiteral("p%1.bmp").arg(bits));
        WriteFile(path, BitmapFile(bits, 2, 1, pixels));
        DibPicture picture(path, prompts, sounds);
        bool drawn = false;
        const QImage image = DrawOn(picture, window, &drawn);
        QVERIFY(drawn);
        QCOMPARE(image.pixelColor(5, 10), QColor(Qt::red));
        QCOMPARE(image.pixelColor(35, 10), QColor(Qt::blue));
    }
    QCoreApplication::processEvents();
    QVERIFY(prompts.warnings.isEmpty());
}

void FrameScreensTest::missingOrPipePictureIsNotTriedAgain()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath("pipe.bmp");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    RecordingPrompts prompts;
    RecordingSounds sounds;
    QWidget window;
    for (const QString& path : {dir.filePath("missing.bmp"), pipe}) {
        DibPicture picture(path, prompts, sounds);
        bool drawn = true;
        DrawOn(picture, window, &drawn);
        QVERIFY(!drawn);
        QVERIFY(!picture.enabled());
    }
    QCoreApplication::processEvents();
    QVERIFY(prompts.warnings.isEmpty());
    QVERIFY(sounds.played.isEmpty());
}

void FrameScreensTest::sharperPictureOnADenseScreen()
{
    // "p.bmp" is red, "p@2x.bmp" blue: a screen of density 2 gets the blue one.
    QTemporaryDir dir;
    WriteFile(dir.filePath("p.bmp"), BitmapFile(24, 1, 1, QByteArray("\x00\x00\xff\x00", 4)));
    WriteFile(dir.filePath("p@2x.bmp"), BitmapFile(24, 1, 1, QByteArray("\xff\x00\x00\x00", 4)));
    RecordingPrompts prompts;
    RecordingSounds sounds;
    QWidget window;
    DibPicture picture(dir.filePath("p.bmp"), prompts, sounds);
    bool drawn = false;
    QCOMPARE(DrawOn(picture, window, &drawn, 1).pixelColor(20, 10), QColor(Qt::red));
    QCOMPARE(DrawOn(picture, window, &drawn, 2).pixelColor(40, 20), QColor(Qt::blue));
}

void FrameScreensTest::emblemFollowsAnimateOn()
{
    ProgramUnderTest program;
    for (const char* name : {"flash3.avi", "flash.bmp"}) {
        QVERIFY(QFile::copy(QDir(kBuild).filePath(name), program.file(name)));
    }
    program.close();
    MainWindow window(program.services);
    EmblemView* emblem = window.emblem();
    // Started once the window is up, with a click.
    QVERIFY(!emblem->playing());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(emblem->playing());
    QCOMPARE(program.sounds.played, QStringList{"Click.wav"});
    QCOMPARE(emblem->frameCount(), 12);
    QCOMPARE(emblem->frameInterval(), 100);
    QTRY_VERIFY(emblem->frame() >= 2);
    // A frame in its colours, its background left out so that the page shows at its corner.
    const QImage frame = emblem->grab().toImage();
    const QColor middle = frame.pixelColor(frame.width() / 2, frame.height() / 2);
    QVERIFY2(middle.blue() > middle.red() || middle.red() > 200, qPrintable(middle.name()));
    const int side = std::min(frame.width(), frame.height());  // the square clip, centred
    QCOMPARE(frame.pixelColor((frame.width() - side) / 2 + 1, (frame.height() - side) / 2 + 1),
             window.palette().window().color());
    QCOMPARE(window.stillPicturePath(), program.file("flash.bmp"));
    QVERIFY(emblem->isVisible());
    // The emblem sits above whichever page is showing, inside the page area.
    QVERIFY(window.pageRect().contains(emblem->geometry()));
    for (int tab : {Tabs::Conduit, Tabs::Histories}) {
        window.tabs()->setCurrentIndex(tab);
        QVERIFY(window.children().indexOf(static_cast<QObject*>(emblem)) >
                window.children().indexOf(static_cast<QObject*>(window.currentPage())));
    }

    // Off: the clip stops and the still picture shows at once.
    window.animateAction()->trigger();
    QVERIFY(!emblem->playing());
    const QImage still = emblem->grab().toImage();
    const QColor centre = still.pixelColor(still.width() / 2, still.height() / 2);
    QVERIFY2(centre.blue() > centre.red() || centre.red() > 200, qPrintable(centre.name()));
    QVERIFY(emblem->stillPicture() && emblem->stillPicture()->enabled());
    // On again: from frame 0, with a click.
    program.sounds.played.clear();
    window.animateAction()->trigger();
    QVERIFY(emblem->playing());
    QCOMPARE(emblem->frame(), 0);
    QCOMPARE(program.sounds.played, QStringList{"Click.wav"});

    // A clip that is not there shows nothing and says nothing.
    QFile::remove(program.file("flash3.avi"));
    window.animateAction()->trigger();
    window.animateAction()->trigger();
    QVERIFY(!emblem->playing());
    QVERIFY(program.prompts.warnings.isEmpty());
}

void FrameScreensTest::windowAsksForItsScreens()
{
    auto program = std::make_unique<ProgramUnderTest>();
    QCOMPARE(program->screens.shown, QStringList{"splash on"});
    program->window().aboutAction()->trigger();
    QCOMPARE(program->screens.shown, (QStringList{"splash on", "about"}));
    program->window().splashAction()->trigger();  // off from the next start
    QCOMPARE(program->screens.shown.size(), 2);
    program->window().reject();
    QCOMPARE(program->screens.shown.last(),
             QStringLiteral("farewell ") + program->window().stillPicturePath());

    program->close();
    program->screens.shown.clear();
    MainWindow window(program->services);
    QCOMPARE(program->screens.shown, QStringList{"splash off"});
}

QTEST_MAIN(FrameScreensTest)
#include "framescreens_test.moc"
