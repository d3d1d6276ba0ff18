#include "calculatorpage.h"
#include "dialogunits.h"
#include "formulahostpage.h"
#include "helpwindow.h"
#include "historiespage.h"
#include "mainwindow.h"
#include "pagedriver.h"
#include "pagemessage.h"
#include "pagetable.h"
#include "tabcontrol.h"
#include "testsupport.h"
#include "valuefield.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QToolButton>
#include <QToolTip>

#include <csignal>

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureHasASharperTwin();
    void tabsInOrderWithTooltips_data();
    void tabsInOrderWithTooltips();
    void tabTooltipShownOverItsTab();
    void buttonsWithTooltips_data();
    void buttonsWithTooltips();
    void fixedSizeAndTitle();
    void motorSelectedAtStart();
    void historiesPageExistsFromStart();
    void pageCreatedOnceAndKeptWithInputs();
    void pagePlacedAtPageRectangle();
    void everyTabSelectable();
    void noControlIsCutOff();
    void tabFollowsReadingOrder_data();
    void tabFollowsReadingOrder();
    void onlyTheCurrentPageIsVisible();
    void nothingToSaveOnHistoriesTab();
    void saveReportKeepsAutoAddSetting();
    void historiesPrintsNoScreen();
    void quitEscapeAndCloseBoxEndTheDialog_data();
    void quitEscapeAndCloseBoxEndTheDialog();
    void sessionEndCancelsDialogsAndSaysNoFarewell();
    void withoutADisplay_data();
    void withoutADisplay();
    void signalsEndTheProgramAsQuitDoes_data();
    void signalsEndTheProgramAsQuitDoes();
    void resetAndPrintScreenClick();
    void helpOpensContents();
    void keyboardWalksTabsPageAndButtons();
    void ctrlPageDownChangesTab();
    void menuHoldsTheToggles();
    void modalWatchdogIsQuiet();
    void tabRowIsAPageTabList();
    void paintedButtonsHaveTheirNames();
};

void MainWindowTest::tabsInOrderWithTooltips_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("tip");
    const QList<QPair<QString, QString>> tabs = {
        {"Motor", "Horse Power & Related Calculations"},
        {"Watts", "Ohms Law Watts Calculations"},
        {"Amps", "Ohms Law Amps Calculations"},
        {"Volts", "Ohms Law Volt Calculations"},
        {"Resistance", "Ohms Law Resistance Calculations"},
        {"Xformer", "Transformer Calculations"},
        {"Ground", "Ground Conductor Sizes"},
        {"Boxes", "Box Fill Calculator"},
        {"Conduit", "Conduit Fill Calculator"},
        {"Motor Data", "Motor Heater & Conductor Calculator"},
        {"Ampacity", "Wire Ampacity Calculator"},
        {"Volt Drop", "Volt Drop Calculator"},
        {"Histories", "Calculation Histories"},
        {"Conversions", "Conversions"},
    };
    for (int i = 0; i < tabs.size(); ++i) {
        QTest::addRow("%d %s", i, qPrintable(tabs[i].first))
            << i << tabs[i].first << tabs[i].second;
    }
}

void MainWindowTest::tabsInOrderWithTooltips()
{
    QFETCH(int, index);
    QFETCH(QString, label);
    QFETCH(QString, tip);
    ProgramUnderTest program;
    TabControl* tabs = program.window().tabs();
    QCOMPARE(tabs->count(), 14);
    QCOMPARE(tabs->tabText(index), label);
    QCOMPARE(tabs->tabToolTip(index), tip);
    QVERIFY(!tabs->tabIcon(index).pixmap(15, 15).isNull());
    QVERIFY(tabs->rect().contains(tabs->tabRect(index)));
}

void MainWindowTest::tabTooltipShownOverItsTab()
{
    ProgramUnderTest program;
    TabControl* tabs = program.window().tabs();
    for (int index : {0, 9, 13}) {
        const QPoint at = tabs->tabRect(index).center();
        QHelpEvent help(QEvent::ToolTip, at, tabs->mapToGlobal(at));
        QCoreApplication::sendEvent(tabs, &help);
        QTRY_COMPARE(QToolTip::text(), tabs->tabToolTip(index));
        QToolTip::hideText();
    }
}

void MainWindowTest::buttonsWithTooltips_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::addColumn<double>("x");
    QTest::newRow("Quit") << "quit"
                          << "Quit"
                          << "Quit The Program" << 2.0;
    QTest::newRow("Reports") << "reports"
                             << "Reports"
                             << "Development Credits" << 63.0;
    QTest::newRow("Help") << "help"
                          << "Help"
                          << "Help With The Application" << 124.0;
    QTest::newRow("Reset") << "reset"
                           << "Reset"
                           << "Reset All Fields On The Current Application" << 185.0;
    QTest::newRow("Print Screen") << "printScreen"
                                  << "Print Screen"
                                  << "Print The Current Screen" << 246.0;
}

void MainWindowTest::buttonsWithTooltips()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    QFETCH(double, x);
    ProgramUnderTest program;
    auto* button = program.window().findChild<QPushButton*>(name);
    QVERIFY(button);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), tip);
    const DialogUnits du(&program.window());
    QCOMPARE(button->geometry(), du.rect(x, 212, 58, 19));
    QVERIFY(button->isVisible());
}

void MainWindowTest::fixedSizeAndTitle()
{
    ProgramUnderTest program;
    MainWindow& window = program.window();
    const DialogUnits du(&window);
    QCOMPARE(window.windowTitle(), QStringLiteral("Korlath Designs"));
    QCOMPARE(window.size(), du.size(368, 237));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window.windowFlags() & Qt::WindowMinimizeButtonHint);
}

void MainWindowTest::motorSelectedAtStart()
{
    ProgramUnderTest program;
    QCOMPARE(program.window().tabs()->currentIndex(), 0);
    QCOMPARE(program.window().currentIndex(), 0);
    QVERIFY(program.window().page(Tabs::Motor));
    QVERIFY(program.window().page(Tabs::Motor)->isVisible());
    // Nothing else is built at start but the Histories page.
    for (int i = 1; i < Tabs::Count; ++i) {
        QCOMPARE(program.window().page(i) != nullptr, i == Tabs::Histories);
    }
}

void MainWindowTest::historiesPageExistsFromStart()
{
    ProgramUnderTest program;
    CalculatorPage* histories = program.window().page(Tabs::Histories);
    QVERIFY(histories);
    QVERIFY(!histories->isVisible());
    QCOMPARE(program.openTab(Tabs::Histories), histories);
    QVERIFY(histories->isVisible());
}

void MainWindowTest::pageCreatedOnceAndKeptWithInputs()
{
    ProgramUnderTest program;
    QWidget* amps = program.openTab(Tabs::Amps);
    QVERIFY(amps);
    auto* volts = amps->findChild<ValueField*>("volts");
    QVERIFY(volts);
    volts->edit()->setFocus();
    QTest::keyClicks(volts->edit(), "120");
    program.openTab(Tabs::Xformer);
    QVERIFY(!amps->isVisible());
    QCOMPARE(program.openTab(Tabs::Amps), amps);
    QVERIFY(amps->isVisible());
    QCOMPARE(volts->edit()->text(), QStringLiteral("120"));
    QCOMPARE(amps->findChildren<ValueField*>("volts").size(), 1);
}

void MainWindowTest::pagePlacedAtPageRectangle()
{
    ProgramUnderTest program;
    MainWindow& window = program.window();
    const DialogUnits du(&window);
    const QRect display = window.tabs()->displayRect().translated(window.tabs()->pos());
    const QRect expected = display.adjusted(-du.x(2.5), -du.y(2), du.x(2), du.y(2));
    QCOMPARE(window.pageRect(), expected);
    for (int index : {int(Tabs::Motor), int(Tabs::Amps), int(Tabs::Histories)}) {
        QCOMPARE(program.openTab(index)->geometry(), expected);
    }
    // The pages sit inside the tab control's frame, below every row of tabs.
    QVERIFY(window.tabs()->geometry().contains(expected));
    for (int i = 0; i < Tabs::Count; ++i) {
        const QRect tab = window.tabs()->tabRect(i).translated(window.tabs()->pos());
        QVERIFY2(!tab.intersects(expected), qPrintable(QStringLiteral("%1: %2,%3 %4x%5 vs top %6")
                                                           .arg(i)
                                                           .arg(tab.x())
                                                           .arg(tab.y())
                                                           .arg(tab.width())
                                                           .arg(tab.height())
                                                           .arg(expected.top())));
    }
}

void MainWindowTest::everyTabSelectable()
{
    ProgramUnderTest program;
    for (int i = Tabs::Count - 1; i >= 0; --i) {
        QWidget* page = program.openTab(i);
        QVERIFY2(page, qPrintable(program.window().tabs()->tabText(i)));
        QCOMPARE(program.window().tabs()->currentIndex(), i);
        QCOMPARE(program.window().currentPage(), page);
    }
}

// The controls of the page on show that are too small for their text or reach past the widget
// that holds them, as "name: size, needs size".
static QStringList CutOffControls(const QWidget* page)
{
    QStringList found;
    for (const QWidget* control : page->findChildren<QWidget*>()) {
        const bool readOrClicked = qobject_cast<const QAbstractButton*>(control) ||
                                   qobject_cast<const QLineEdit*>(control) ||
                                   qobject_cast<const QComboBox*>(control) ||
                                   qobject_cast<const QLabel*>(control);
        // The edit of an editable list is drawn inside the list's frame, which is checked.
        const bool insideList = qobject_cast<const QComboBox*>(control->parentWidget());
        if (!readOrClicked || insideList || !control->isVisible()) {
            continue;
        }
        QSize needed = control->minimumSizeHint();
        if (qobject_cast<const QCheckBox*>(control)) {
            // Its indicator and one line of text; the size hint adds room for a focus frame.
            needed.setHeight(std::max(control->style()->pixelMetric(QStyle::PM_IndicatorHeight),
                                      control->fontMetrics().height()));
        }
        if (control->height() < needed.height() || control->width() < needed.width() ||
            !control->parentWidget()->rect().contains(control->geometry())) {
            found << QStringLiteral("%1 in %2: %3x%4 at %5,%6, needs %7x%8")
                         .arg(control->objectName(), control->parentWidget()->objectName())
                         .arg(control->width())
                         .arg(control->height())
                         .arg(control->x())
                         .arg(control->y())
                         .arg(needed.width())
                         .arg(needed.height());
        }
    }
    return found;
}

void MainWindowTest::noControlIsCutOff()
{
    ProgramUnderTest program;
    const QStringList cutInWindow = CutOffControls(&program.window());
    QVERIFY2(cutInWindow.isEmpty(), qPrintable(cutInWindow.join(u'\n')));
    for (int tab = 0; tab < Tabs::Count; ++tab) {
        QWidget* page = program.openTab(tab);
        auto* host = qobject_cast<FormulaHostPage*>(page);
        for (int formula = 0; formula < (host ? host->formulaTabs()->count() : 1); ++formula) {
            if (host) {
                PageDriver::OpenFormula(host, formula);
            }
            const QStringList cut = CutOffControls(page);
            QVERIFY2(cut.isEmpty(), qPrintable(program.window().tabs()->tabText(tab) +
                                               QStringLiteral(": ") + cut.join(u'\n')));
        }
    }
}

void MainWindowTest::tabFollowsReadingOrder_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("formula");
    QTest::addColumn<QStringList>("order");
    const QStringList phase = {"phaseDC", "phase1", "phase2", "phase3"};
    const QString bar = QStringLiteral("qt_tabwidget_tabbar");
    // The result at the top, the Phase and Watt/Kilo column, then the formulas beside it.
    QTest::newRow("Amps P/E") << int(Tabs::Amps) << 1
                              << QStringList{"result"} + phase +
                                     QStringList{"unitWatts", "unitKilo", bar, "watts", "volts"};
    QTest::newRow("Motor HP") << int(Tabs::Motor) << 1
                              << phase + QStringList{bar, "volts", "amps", "efficiency", "result"};
    QTest::newRow("Xformer") << int(Tabs::Xformer) << -1
                             << QStringList{"unitWatts",   "unitKilo",  "phase1",
                                            "phase3",      "rating",    "primary",
                                            "primaryAmps", "secondary", "secondaryAmps"};
    QTest::newRow("Ground")
        << int(Tabs::Ground) << -1
        << QStringList{"copper", "aluminum",       "useCoppperSize",      "useAluminumSize",
                       "rating", "copperWireSize", "alumOrCopperCladSize"};
    QTest::newRow("Boxes") << int(Tabs::Boxes) << -1
                           << QStringList{"box",     "minStandardBoxCapacity", "wire",
                                          "count",   "currentSelection",       "minimumBoxSizeCUIN",
                                          "listBox", "addSelection",           "print"};
    QTest::newRow("Conduit") << int(Tabs::Conduit) << -1
                             << QStringList{"wire",
                                            "count",
                                            "insulation",
                                            "conduit",
                                            "fill",
                                            "currentSelectionArea",
                                            "totalSelectionArea",
                                            "conduitSize",
                                            "conduitUsableArea",
                                            "listBox",
                                            "moreConductors",
                                            "print"};
    QTest::newRow("Motor Data") << int(Tabs::MotorData) << -1
                                << QStringList{"hp",      "volts230",    "volts460",  "motorAmps",
                                               "breaker", "starterSize", "heaterAmp", "wireSize"};
    QTest::newRow("Ampacity") << int(Tabs::Ampacity) << -1
                              << QStringList{"cu.size",
                                             "cu.count",
                                             "cu.ambient",
                                             "cu.insulation",
                                             "copperMultiplier",
                                             "copperTempMultiplier",
                                             "copperMaxAmpacity",
                                             "al.size",
                                             "al.count",
                                             "al.ambient",
                                             "al.insulation",
                                             "aluminumMultiplier",
                                             "aluminumTempMultiplier",
                                             "aluminumMaxAmpacity"};
    QTest::newRow("Volt Drop") << int(Tabs::VoltDrop) << -1
                               << QStringList{"modeDC",        "mode1Phase",
                                              "mode3Phase",    "conductor",
                                              "size",          "conduit",
                                              "length",        "amps",
                                              "volts",         "pf",
                                              "lineToLine",    "lineVoltDrop",
                                              "lineToNeutral", "neutralVoltDrop",
                                              "lowestVoltage"};
    QTest::newRow("Conversions") << int(Tabs::Conversions) << -1
                                 << QStringList{"f",     "c",         "pair",     "leftUnit",
                                                "left",  "rightUnit", "right",    "mils",
                                                "mm",    "inches",    "diameter", "cMRound",
                                                "width", "thickness", "cMBusBar"};
}

// Tab walks a page as it reads, left to right and top to bottom, group by group; each field's
// spinner comes right after it.
void MainWindowTest::tabFollowsReadingOrder()
{
    QFETCH(int, tab);
    QFETCH(int, formula);
    QFETCH(QStringList, order);
    ProgramUnderTest program;
    QWidget* page = program.openTab(tab);
    if (formula >= 0) {
        PageDriver::OpenFormula(qobject_cast<FormulaHostPage*>(page), formula);
    }
    QWidget* first = page->findChild<QWidget*>(order.first());
    QVERIFY(first);
    first->setFocus(Qt::TabFocusReason);
    QStringList walked;
    QString last;
    for (int press = 0; press < 4 * order.size() && page->isAncestorOf(QApplication::focusWidget());
         ++press) {
        QWidget* focused = QApplication::focusWidget();
        // The edit of an editable list stands for the list.
        if (auto* list = qobject_cast<QComboBox*>(focused->parentWidget())) {
            focused = list;
        }
        const QString name = focused->objectName();
        if (name.endsWith(QStringLiteral("Spinner"))) {
            QCOMPARE(name, last + QStringLiteral("Spinner"));
        } else if (name != last) {
            walked << name;
        }
        last = name;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(walked, order);
}

void MainWindowTest::onlyTheCurrentPageIsVisible()
{
    ProgramUnderTest program;
    for (int index : {int(Tabs::Amps), int(Tabs::Boxes), int(Tabs::Amps), int(Tabs::Motor)}) {
        program.openTab(index);
        for (int i = 0; i < Tabs::Count; ++i) {
            if (CalculatorPage* page = program.window().page(i)) {
                QCOMPARE(page->isVisible(), i == index);
            }
        }
    }
}

void MainWindowTest::nothingToSaveOnHistoriesTab()
{
    ProgramUnderTest program;
    program.openTab(Tabs::Histories);
    SendPageMessage(&program.window(), PageMessages::Registered(PageMessages::kSaveReport), 1,
                    PageMessages::kSaveToFile);
    QCOMPARE(program.prompts.messages, QStringList{"Nothing to save or add!"});
    SendPageMessage(&program.window(), PageMessages::Registered(PageMessages::kSaveReport), 1,
                    PageMessages::kAddToHistories);
    QCOMPARE(program.prompts.messages.size(), 2);
}

void MainWindowTest::historiesPrintsNoScreen()
{
    ProgramUnderTest program;
    program.openTab(Tabs::Histories);
    QTest::mouseClick(program.window().findChild<QPushButton*>("printScreen"), Qt::LeftButton);
    QVERIFY(program.printers.requests.isEmpty());
    program.openTab(Tabs::Conversions);
    QTest::mouseClick(program.window().findChild<QPushButton*>("printScreen"), Qt::LeftButton);
    QCOMPARE(program.printers.requests.size(), 1);
}

void MainWindowTest::saveReportKeepsAutoAddSetting()
{
    ProgramUnderTest program;
    QVERIFY(program.window().autoAddToHistories());
    program.openTab(Tabs::Histories);
    SendPageMessage(&program.window(), PageMessages::Registered(PageMessages::kSaveReport), 0,
                    PageMessages::kSaveToFile);
    QVERIFY(!program.window().autoAddToHistories());
    SendPageMessage(&program.window(), PageMessages::Registered(PageMessages::kSaveReport), 1,
                    PageMessages::kSaveToFile);
    QVERIFY(program.window().autoAddToHistories());
}

void MainWindowTest::quitEscapeAndCloseBoxEndTheDialog_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("Quit") << "quit";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("close box") << "close";
}

void MainWindowTest::quitEscapeAndCloseBoxEndTheDialog()
{
    QFETCH(QString, how);
    ProgramUnderTest program;
    MainWindow& window = program.window();
    QSignalSpy finished(&window, &QDialog::finished);
    if (how == "quit") {
        QTest::mouseClick(window.findChild<QPushButton*>("quit"), Qt::LeftButton);
    } else if (how == "escape") {
        QTest::keyClick(&window, Qt::Key_Escape);
    } else {
        window.close();
    }
    QCOMPARE(finished.size(), 1);
    QVERIFY(!window.isVisible());
    QCOMPARE(program.sounds.played, QStringList{"click.wav"});
}

// A logout, Ctrl+C or kill: the window ends without a question or the thank-you screen, and a
// dialog open at the time goes first.
void MainWindowTest::sessionEndCancelsDialogsAndSaysNoFarewell()
{
    ProgramUnderTest program;
    MainWindow& window = program.window();
    QDialog dialog(&window);
    dialog.setModal(true);
    dialog.show();
    QCOMPARE(QApplication::activeModalWidget(), &dialog);
    QSignalSpy finished(&window, &QDialog::finished);
    window.endSession();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(finished.size(), 1);
    QVERIFY(!window.isVisible());
    QVERIFY(program.screens.shown.filter(QStringLiteral("farewell")).isEmpty());
    QVERIFY(program.prompts.questions.isEmpty());
}

void MainWindowTest::withoutADisplay_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("display");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << QStringList{"--help"} << QString() << 0 << "usage: tavo [FILE.csv"
                            << QString();
    QTest::newRow("--version") << QStringList{"--version"} << QString() << 0
                               << "tavo " TAVO_VERSION "\n"
                               << QString();
    QTest::newRow("no display") << QStringList{} << QString() << 1 << QString()
                                << "tavo: cannot open a window: no display (DISPLAY is not set); ";
    QTest::newRow("a display out of reach")
        << QStringList{} << ":987" << 1 << QString()
        << "tavo: cannot open a window: the display :987 cannot be reached; ";
}

// The program's own options answer without a window system; without one, the program says so
// in one line and ends with status 1.
void MainWindowTest::withoutADisplay()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, display);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QTemporaryDir folder;
    QProcess tavo;
    tavo.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.remove("DISPLAY");
    if (!display.isEmpty()) {
        environment.insert("DISPLAY", display);
    }
    tavo.setProcessEnvironment(environment);
    tavo.start(QStringLiteral(TAVO_PATH), arguments);
    QVERIFY(tavo.waitForFinished(20000));
    QCOMPARE(tavo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tavo.exitCode(), status);
    const QString printed = QString::fromUtf8(tavo.readAllStandardOutput());
    const QString said = QString::fromUtf8(tavo.readAllStandardError());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.startsWith(out), qPrintable(printed));
    if (err.isEmpty()) {
        QCOMPARE(said, QString());
    } else {
        QVERIFY2(said.startsWith(err) && said.count(u'\n') == 1, qPrintable(said));
    }
}

void MainWindowTest::signalsEndTheProgramAsQuitDoes_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
}

// The real program, sent a signal once it has taken the signals over: it ends with status 0,
// its hand-off file emptied and its settings as they were.
void MainWindowTest::signalsEndTheProgramAsQuitDoes()
{
    QFETCH(int, signal);
    QTemporaryDir folder;
    const QString program = folder.filePath("tavo");
    QVERIFY(QFile::copy(QStringLiteral(TAVO_PATH), program));
    const QByteArray settings("\0\0\0\0\1\0", 6);  // no splash screen
    const QByteArray handOff = "HEADER\r\nBODY\r\n";
    for (const auto& [name, bytes] :
         {std::pair("Tabrilon.dat", settings), std::pair("temp.txt", handOff)}) {
        QFile file(folder.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    QProcess tavo;
    tavo.setWorkingDirectory(folder.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    tavo.setProcessEnvironment(environment);
    tavo.start(program, {});
    QVERIFY(tavo.waitForStarted());
    // Caught signals show in the process's status once it has set its handlers.
    const auto caught = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(tavo.processId()));
        if (!status.open(QIODevice::ReadOnly)) {
            return false;
        }
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("SigCgt:")) {
                return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1) & 1) != 0;
            }
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(caught(), 20000);
    QCOMPARE(::kill(pid_t(tavo.processId()), signal), 0);
    QVERIFY(tavo.waitForFinished(20000));
    QCOMPARE(tavo.exitStatus(), QProcess::NormalExit);
    QCOMPARE(tavo.exitCode(), 0);
    QFile left(folder.filePath("temp.txt"));
    QVERIFY(left.open(QIODevice::ReadOnly));
    QCOMPARE(left.readAll(), QByteArray());
    QFile kept(folder.filePath("Tabrilon.dat"));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), settings);
}

void MainWindowTest::resetAndPrintScreenClick()
{
    ProgramUnderTest program;
    QTest::mouseClick(program.window().findChild<QPushButton*>("reset"), Qt::LeftButton);
    QTest::mouseClick(program.window().findChild<QPushButton*>("printScreen"), Qt::LeftButton);
    QCOMPARE(program.sounds.played, (QStringList{"Click.wav", "Click.wav"}));
}

void MainWindowTest::helpOpensContents()
{
    ProgramUnderTest program;
    QTest::mouseClick(program.window().findChild<QPushButton*>("help"), Qt::LeftButton);
    QCOMPARE(program.sounds.played, QStringList{"Click.wav"});
    HelpWindow* help = program.window().helpWindow();
    QVERIFY(help && help->isVisible());
    QCOMPARE(help->browser()->source().toString(), QStringLiteral("qrc:/help/index.html"));
    QVERIFY(help->browser()->toPlainText().contains("Contents"));
    // Every page the contents link to exists, one for each calculator and the general ones.
    QFile index(QStringLiteral(":/help/index.html"));
    QVERIFY(index.open(QIODevice::ReadOnly));
    const QString contents = QString::fromUtf8(index.readAll());
    static const QRegularExpression link(QStringLiteral("href=\"([a-z]+)\\.html\""));
    QStringList pages;
    for (const QRegularExpressionMatch& match : link.globalMatch(contents)) {
        pages.append(match.captured(1));
    }
    QCOMPARE(pages.size(), 13 + 6);
    for (const QString& page : pages) {
        help->browser()->setSource(QUrl(QStringLiteral("qrc:/help/%1.html").arg(page)));
        QVERIFY2(help->browser()->toPlainText().size() > 200, qPrintable(page));
    }
    QTest::mouseClick(program.window().findChild<QPushButton*>("help"), Qt::LeftButton);
    QCOMPARE(help->browser()->source().toString(), QStringLiteral("qrc:/help/index.html"));
    // Escape in the text closes the help, as its Close button does.
    QTest::keyClick(help->browser(), Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

void MainWindowTest::keyboardWalksTabsPageAndButtons()
{
    ProgramUnderTest program;
    QWidget* amps = program.openTab(Tabs::Amps);
    program.window().tabs()->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    // After the tabs come the page's controls, starting with its formula tabs.
    QVERIFY(amps->isAncestorOf(QApplication::focusWidget()));
    QWidget* last = nullptr;
    for (int i = 0; i < 40 && QApplication::focusWidget() != program.window().tabs(); ++i) {
        last = QApplication::focusWidget();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), program.window().tabs());
    QCOMPARE(last, program.window().findChild<QToolButton*>("menuButton"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), last);
}

void MainWindowTest::ctrlPageDownChangesTab()
{
    ProgramUnderTest program;
    program.window().tabs()->setFocus();
    QTest::keyClick(program.window().tabs(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(program.window().currentIndex(), 1);
    QTest::keyClick(program.window().tabs(), Qt::Key_Right);
    QCOMPARE(program.window().currentIndex(), 2);
    QTest::keyClick(program.window().tabs(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(program.window().tabs(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(program.window().tabs(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(program.window().currentIndex(), 13);
}

void MainWindowTest::everyPictureHasASharperTwin()
{
    // The tab icons, the button pictures and the application icon, each with an "@2x" twice
    // its size for a screen at scale factor 2.
    Q_INIT_RESOURCE(tavo);
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    int pictures = 0;
    while (it.hasNext()) {
        const QString path = it.next();
        if (path.contains(QStringLiteral("@2x")) || path.startsWith(QStringLiteral(":/qt-"))) {
            continue;
        }
        const QString twin = path.chopped(4) + QStringLiteral("@2x.png");
        const QImage one(path);
        const QImage two(twin);
        QVERIFY2(!two.isNull(), qPrintable(twin));
        QCOMPARE(two.size(), one.size() * 2);
        ++pictures;
    }
    QCOMPARE(pictures, int(Tabs::Count) + 5 + 1);
}

void MainWindowTest::menuHoldsTheToggles()
{
    ProgramUnderTest program;
    QMenu* menu = program.window().windowMenu();
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        const bool command =
            action == program.window().aboutAction() || action == program.window().scheduleAction();
        if (!command && !action->isSeparator()) {
            QVERIFY(action->isCheckable());
            QVERIFY(action->isChecked());
        }
    }
    // Each item after a separator, as the title-bar menu had them.
    QCOMPARE(texts, (QStringList{"&About TAVO", "-", "Circuit &Schedule...", "-", "S&plash Screen",
                                 "-", "An&imate On"}));
    QVERIFY(!program.window().aboutAction()->isCheckable());
    auto* button = program.window().findChild<QToolButton*>("menuButton");
    QCOMPARE(button->menu(), menu);
}

void MainWindowTest::modalWatchdogIsQuiet()
{
    // Opening a page shows no modal dialog: none is up now, and the run's own check agrees.
    PageDriver::PageRun program;
    program.start(Tabs::Amps);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    program.finish();
}

void MainWindowTest::tabRowIsAPageTabList()
{
    ProgramUnderTest program;
    TabControl* tabs = program.window().tabs();
    QAccessibleInterface* row = QAccessible::queryAccessibleInterface(tabs);
    QVERIFY(row);
    QCOMPARE(row->role(), QAccessible::PageTabList);
    QCOMPARE(row->text(QAccessible::Name), QStringLiteral("Calculators"));
    QCOMPARE(row->childCount(), int(Tabs::Count));
    for (int i = 0; i < Tabs::Count; ++i) {
        QAccessibleInterface* tab = row->child(i);
        QVERIFY(tab && tab->isValid());
        QCOMPARE(tab->role(), QAccessible::PageTab);
        QCOMPARE(tab->text(QAccessible::Name), QString::fromLatin1(kTabs[size_t(i)].label));
        QCOMPARE(tab->text(QAccessible::Description),
                 QString::fromLatin1(kTabs[size_t(i)].toolTip));
        QCOMPARE(tab->state().selected, i == Tabs::Motor);
        QCOMPARE(tab->parent(), row);
        QCOMPARE(row->indexOfChild(tab), i);
        QCOMPARE(row->child(i), tab);  // the same interface each time
        QVERIFY(tab->rect().contains(tabs->mapToGlobal(tabs->tabRect(i).center())));
        QCOMPARE(row->childAt(tab->rect().center().x(), tab->rect().center().y()), tab);
    }
    // Pressing a tab selects it as a click does: the page is made and activated.
    QAccessibleInterface* volts = row->child(Tabs::Volts);
    QAccessibleActionInterface* action = volts->actionInterface();
    QVERIFY(action);
    QCOMPARE(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    action->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(program.window().currentIndex(), int(Tabs::Volts));
    QVERIFY(program.window().page(Tabs::Volts)->isVisible());
    QVERIFY(volts->state().selected);
    QVERIFY(!row->child(Tabs::Motor)->state().selected);
    QVERIFY(program.window().page(Tabs::Volts)->isAncestorOf(QApplication::focusWidget()));
}

void MainWindowTest::paintedButtonsHaveTheirNames()
{
    ProgramUnderTest program;
    const QList<QPair<QString, QString>> buttons = {{"quit", "Quit"},
                                                    {"reports", "Reports"},
                                                    {"help", "Help"},
                                                    {"reset", "Reset"},
                                                    {"printScreen", "Print Screen"}};
    for (const auto& [name, spoken] : buttons) {
        QAccessibleInterface* button =
            QAccessible::queryAccessibleInterface(program.window().findChild<QPushButton*>(name));
        QVERIFY(button);
        QCOMPARE(button->role(), QAccessible::Button);
        QCOMPARE(button->text(QAccessible::Name), spoken);
        QVERIFY(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(
        program.window().findChild<QToolButton*>("menuButton"));
    QCOMPARE(menu->text(QAccessible::Name), QStringLiteral("Menu"));
    QCOMPARE(menu->role(), QAccessible::ButtonMenu);
}

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
