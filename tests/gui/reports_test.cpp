#include "ampspage.h"
#include "csavefile.h"
#include "historiespage.h"
#include "mainwindow.h"
#include "pagedriver.h"
#include "pagemessage.h"
#include "pagetable.h"
#include "reportsdialog.h"
#include "reporttext.h"
#include "testsupport.h"
#include "valuefield.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

const QByteArray kHeader = "AMPS=VOLTS \xF7 OHMS     ";

}  // namespace

// A calculation's report from the Reports dialog through the page to the files and the list.
class ReportsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void reportFileAfterTwoSaves();
    void saveWithAutoAddReachesTheHistories();
    void saveWithoutAutoAddStopsAtTheFile();
    void cancelledSaveWritesNoFileAndNoHistory();
    void addToHistoriesNeedsNoFileEvenWithoutAutoAdd();
    void threeAdditionsGiveSixEntries();
    void handOffFileHoldsTheRawRecord();
    void handOffFileEmptyWhenTheProgramEnds();
    void reportWithEmptyBody();
    void reportsOnTheHistoriesTab();
    void checkBoxCarriedToTheNextDialog();
    void reportsPressedTwiceReplacesTheDialog();
    void saveAsComesAfterTheDialogClosed();
    void reportFileNames_data();
    void reportFileNames();
    void unwritableReportFileSavesNothing();
    void existingFileIsAddedToOnlyWhenTheUserSaysSo();
    void failedAppendLeavesTheFileAsItWas();
    void pipeIsRefusedWithoutWaiting();
    void historiesFileAfterTwoSaves();
    void noHistoriesToSave();
    void unwritableHistoriesFile();
    void listShowsTheDivisionSign();

private:
    void computeVoltsOverOhms(const QString& volts, const QString& ohms);
    void pressReports();
    void clickInDialog(const char* button);
    HistoriesPage* histories() const { return m_program->window().historiesPage(); }
    QStringList listTexts() const;

    PageDriver::PageRun m_program;
};

void ReportsTest::init()
{
    m_program.start(Tabs::Amps);
}

void ReportsTest::cleanup()
{
    m_program.finish();
}

void ReportsTest::computeVoltsOverOhms(const QString& volts, const QString& ohms)
{
    auto* amps = qobject_cast<FormulaHostPage*>(m_program->window().page(Tabs::Amps));
    ValueField* v = amps->subPage(0)->field("volts");
    ValueField* r = amps->subPage(0)->field("ohms");
    m_program->window().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&m_program->window()));
    v->edit()->setText(volts);
    r->edit()->setText(ohms);
    r->edit()->setFocus();
    m_program->pressEnter();
    QCOMPARE(QApplication::activeWindow(), &m_program->window());
}

void ReportsTest::pressReports()
{
    QTest::mouseClick(m_program->window().findChild<QPushButton*>("reports"), Qt::LeftButton);
    QVERIFY(m_program->window().reportsDialog());
    QVERIFY(m_program->window().reportsDialog()->isVisible());
}

void ReportsTest::clickInDialog(const char* button)
{
    ReportsDialog* dialog = m_program->window().reportsDialog();
    QTest::mouseClick(dialog->findChild<QPushButton*>(button), Qt::LeftButton);
    // The dialog posts its request; the Histories page posts its notice.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

QStringList ReportsTest::listTexts() const
{
    QStringList texts;
    for (int i = 0; i < histories()->list()->count(); ++i) {
        texts.append(histories()->list()->item(i)->text());
    }
    return texts;
}

void ReportsTest::reportFileAfterTwoSaves()
{
    const QString file = m_program->file("job.txt");
    computeVoltsOverOhms("120", "10");
    m_program->prompts.fileNames = {file, file};
    pressReports();
    clickInDialog("saveCalculation");
    computeVoltsOverOhms("240", "8");
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(ReadFile(file),
             "\r\n" + kHeader + "\r\n12.=120 \xF7 10 " + "\r\n" + kHeader + "\r\n30.=240 \xF7 8 ");
    QCOMPARE(m_program->prompts.initialNames, (QStringList{"MyReport", "MyReport"}));
    QCOMPARE(m_program->sounds.played.count("click.wav"), 2);
}

void ReportsTest::saveWithAutoAddReachesTheHistories()
{
    computeVoltsOverOhms("120", "10");
    m_program->prompts.fileNames = {m_program->file("a.txt")};
    pressReports();
    QVERIFY(m_program->window().reportsDialog()->autoAddBox()->isChecked());
    clickInDialog("saveCalculation");
    QCOMPARE(listTexts(), (QStringList{"AMPS=VOLTS ÷ OHMS     ", "12.=120 ÷ 10"}));
    QVERIFY(!m_program->window().reportsDialog()->isVisible());
}

void ReportsTest::saveWithoutAutoAddStopsAtTheFile()
{
    computeVoltsOverOhms("120", "10");
    m_program->prompts.fileNames = {m_program->file("a.txt")};
    pressReports();
    QTest::mouseClick(m_program->window().reportsDialog()->autoAddBox(), Qt::LeftButton);
    QVERIFY(!m_program->window().autoAddToHistories());
    clickInDialog("saveCalculation");
    QVERIFY(QFile::exists(m_program->file("a.txt")));
    QCOMPARE(histories()->list()->count(), 0);
    // The hand-off file is written all the same.
    tavo::ReportText handedOff;
    QVERIFY(m_program->reports->readHandOff(nullptr, handedOff));
    QCOMPARE(handedOff.body(), "12.=120 \xF7 10");
}

void ReportsTest::cancelledSaveWritesNoFileAndNoHistory()
{
    computeVoltsOverOhms("120", "10");
    pressReports();
    clickInDialog("saveCalculation");  // no file name: the user cancels
    QCOMPARE(m_program->prompts.initialNames.size(), 1);
    QCOMPARE(QDir(m_program->folder()).entryList({"*.txt"}, QDir::Files), QStringList{"temp.txt"});
    QCOMPARE(histories()->list()->count(), 0);
    QCOMPARE(ReadFile(m_program->file("temp.txt")).size(), 480);
}

void ReportsTest::addToHistoriesNeedsNoFileEvenWithoutAutoAdd()
{
    computeVoltsOverOhms("120", "10");
    pressReports();
    QTest::mouseClick(m_program->window().reportsDialog()->autoAddBox(), Qt::LeftButton);
    clickInDialog("addToHistories");
    QVERIFY(m_program->prompts.initialNames.isEmpty());
    QCOMPARE(histories()->list()->count(), 2);
    QVERIFY(!m_program->window().autoAddToHistories());
}

void ReportsTest::threeAdditionsGiveSixEntries()
{
    for (const char* volts : {"10", "20", "30"}) {
        computeVoltsOverOhms(volts, "10");
        pressReports();
        clickInDialog("addToHistories");
    }
    QCOMPARE(listTexts(),
             (QStringList{"AMPS=VOLTS ÷ OHMS     ", "1.=10 ÷ 10", "AMPS=VOLTS ÷ OHMS     ",
                          "2.=20 ÷ 10", "AMPS=VOLTS ÷ OHMS     ", "3.=30 ÷ 10"}));
}

void ReportsTest::handOffFileHoldsTheRawRecord()
{
    computeVoltsOverOhms("120", "10");
    pressReports();
    clickInDialog("addToHistories");
    const QByteArray bytes = ReadFile(m_program->file("temp.txt"));
    QCOMPARE(bytes.size(), 480);
    QCOMPARE(bytes.left(22), kHeader);
    QCOMPARE(bytes.mid(11, 1), QByteArray("\xF7"));
    QCOMPARE(bytes.mid(22, 78), QByteArray(78, '\0'));
    QCOMPARE(bytes.mid(100, 12), QByteArray("12.=120 \xF7 10"));
    QCOMPARE(bytes.mid(112, 188), QByteArray(188, '\0'));
    QCOMPARE(bytes.mid(300, 1), QByteArray(" "));
    QCOMPARE(bytes.mid(301, 179), QByteArray(179, '\0'));
}

void ReportsTest::handOffFileEmptyWhenTheProgramEnds()
{
    computeVoltsOverOhms("120", "10");
    pressReports();
    clickInDialog("addToHistories");
    const QString handOff = m_program->file("temp.txt");
    QCOMPARE(QFileInfo(handOff).size(), 480);
    m_program->close();
    QVERIFY(QFile::exists(handOff));
    QCOMPARE(QFileInfo(handOff).size(), 0);
}

void ReportsTest::reportWithEmptyBody()
{
    tavo::ReportText report;
    report.setHeader("TITLE");
    report.setTrailer(" ");
    QCOMPARE(CSaveFile::ReportFileBytes(report), QByteArray("\r\nTITLE\r\n "));
    m_program->prompts.fileNames = {m_program->file("empty")};
    QVERIFY(m_program->reports->saveCalculation(nullptr, report));
    QCOMPARE(ReadFile(m_program->file("empty.txt")), QByteArray("\r\nTITLE\r\n "));
    QVERIFY(m_program->reports->writeHandOff(nullptr, report));
    SendPageMessage(&m_program->window(), PageMessages::Registered(PageMessages::kPassReport));
    QCOMPARE(listTexts(), (QStringList{"TITLE", ""}));
}

void ReportsTest::reportsOnTheHistoriesTab()
{
    m_program->openTab(Tabs::Histories);
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(m_program->prompts.messages, QStringList{"Nothing to save or add!"});
    pressReports();
    clickInDialog("addToHistories");
    QCOMPARE(m_program->prompts.messages.size(), 2);
    QVERIFY(m_program->prompts.initialNames.isEmpty());
    QCOMPARE(histories()->list()->count(), 0);
}

void ReportsTest::checkBoxCarriedToTheNextDialog()
{
    pressReports();
    QTest::mouseClick(m_program->window().reportsDialog()->autoAddBox(), Qt::LeftButton);
    QTest::mouseClick(m_program->window().reportsDialog()->findChild<QPushButton*>("cancel"),
                      Qt::LeftButton);
    pressReports();
    QVERIFY(!m_program->window().reportsDialog()->autoAddBox()->isChecked());
    QVERIFY(!m_program->window().reportsDialog()->autoAddChecked());
    QTest::mouseClick(m_program->window().reportsDialog()->autoAddBox(), Qt::LeftButton);
    QTest::keyClick(m_program->window().reportsDialog(), Qt::Key_Escape);
    QVERIFY(!m_program->window().reportsDialog()->isVisible());
    pressReports();
    QVERIFY(m_program->window().reportsDialog()->autoAddBox()->isChecked());
}

void ReportsTest::reportsPressedTwiceReplacesTheDialog()
{
    pressReports();
    QPointer<ReportsDialog> first = m_program->window().reportsDialog();
    pressReports();
    QVERIFY(!first);
    QCOMPARE(m_program->window().findChildren<ReportsDialog*>().size(), 1);
    ReportsDialog* dialog = m_program->window().reportsDialog();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Reports"));
    QCOMPARE(dialog->autoAddBox()->text(),
             QStringLiteral("Auto add to Histories tab list on save"));
    QStringList buttons;
    for (const char* name : {"saveCalculation", "addToHistories", "floatingWindow", "cancel"}) {
        buttons.append(dialog->findChild<QPushButton*>(name)->text());
    }
    QCOMPARE(buttons, (QStringList{"Save Calculation", "Add To Histories ",
                                   "Floating History Window", "Cancel"}));
}

void ReportsTest::saveAsComesAfterTheDialogClosed()
{
    pressReports();
    ReportsDialog* dialog = m_program->window().reportsDialog();
    QTest::mouseClick(dialog->findChild<QPushButton*>("saveCalculation"), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
    QVERIFY(m_program->prompts.initialNames.isEmpty());  // posted: not yet asked
    QCoreApplication::processEvents();
    QCOMPARE(m_program->prompts.initialNames.size(), 1);
}

void ReportsTest::reportFileNames_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("written");
    QTest::newRow("typed without extension") << "MyReport"
                                             << "MyReport.txt";
    QTest::newRow("existing txt file") << "job.txt"
                                       << "job.txt";
    QTest::newRow("upper-case extension") << "JOB.TXT"
                                          << "JOB.TXT";
    QTest::newRow("other extension") << "notes.log"
                                     << "notes.log.txt";
}

void ReportsTest::reportFileNames()
{
    QFETCH(QString, chosen);
    QFETCH(QString, written);
    QCOMPARE(ReportFilePath(m_program->file(chosen)), m_program->file(written));
    computeVoltsOverOhms("120", "10");
    m_program->prompts.fileNames = {m_program->file(chosen)};
    pressReports();
    clickInDialog("saveCalculation");
    QVERIFY(QFile::exists(m_program->file(written)));
}

void ReportsTest::unwritableReportFileSavesNothing()
{
    computeVoltsOverOhms("120", "10");
    const QString path = m_program->file("no-such-folder/job.txt");
    m_program->prompts.fileNames = {path};
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(m_program->prompts.warnings.size(), 1);
    QVERIFY(m_program->prompts.warnings[0].contains(QDir::toNativeSeparators(path)));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(histories()->list()->count(), 0);  // nothing reported as saved
}

void ReportsTest::existingFileIsAddedToOnlyWhenTheUserSaysSo()
{
    computeVoltsOverOhms("120", "10");
    const QString kept = m_program->file("kept.txt");
    const QString fresh = m_program->file("fresh.txt");
    QFile file(kept);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("before");
    file.close();
    // No: the dialog comes back at the name chosen, and a new file is written instead.
    m_program->prompts.fileNames = {kept, fresh};
    m_program->prompts.answers = {false};
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(m_program->prompts.questions.size(), 1);
    QVERIFY(m_program->prompts.questions[0].contains(QDir::toNativeSeparators(kept)));
    QVERIFY(m_program->prompts.questions[0].contains("added at its end"));
    QCOMPARE(m_program->prompts.initialNames, (QStringList{"MyReport", kept}));
    QCOMPARE(ReadFile(kept), QByteArray("before"));
    QCOMPARE(ReadFile(fresh), "\r\n" + kHeader + "\r\n12.=120 \xF7 10 ");
    // Yes: added at the end of what the file held; a new file is not asked about.
    m_program->prompts.fileNames = {m_program->file("kept")};
    m_program->prompts.answers = {true};
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(m_program->prompts.questions.size(), 2);
    QCOMPARE(ReadFile(kept), "before\r\n" + kHeader + "\r\n12.=120 \xF7 10 ");
    // The histories go through the same question.
    QWidget* page = m_program->openTab(Tabs::Histories);
    m_program->prompts.fileNames = {kept};
    m_program->prompts.answers = {false};
    QTest::mouseClick(page->findChild<QPushButton*>("save"), Qt::LeftButton);
    QCOMPARE(m_program->prompts.questions.size(), 3);
    QCOMPARE(ReadFile(kept), "before\r\n" + kHeader + "\r\n12.=120 \xF7 10 ");
}

// A disk that fills up in the middle of a report: here the process may not write past a few
// bytes more than the file holds, which fails the write as a full disk does.
void ReportsTest::failedAppendLeavesTheFileAsItWas()
{
    const QString path = m_program->file("job.txt");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\r\nkept\r\nreport ");
    file.close();
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = rlim_t(ReadFile(path).size() + 5);
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    QString error;
    const bool appended = AppendToFile(path, QByteArray(400, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousSignal);
    QVERIFY(!appended);
    QCOMPARE(ReadFile(path), QByteArray("\r\nkept\r\nreport "));
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(EFBIG)));
}

// A FIFO would block the window until someone read it: it is refused, and nothing waits.
void ReportsTest::pipeIsRefusedWithoutWaiting()
{
    const QString pipe = m_program->file("pipe.txt");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    computeVoltsOverOhms("120", "10");
    m_program->prompts.fileNames = {pipe};
    m_program->prompts.answers = {true};
    pressReports();
    clickInDialog("saveCalculation");
    QCOMPARE(m_program->prompts.warnings.size(), 1);
    QVERIFY(m_program->prompts.warnings[0].contains("not an ordinary file"));
    QVERIFY(m_program->prompts.warnings[0].contains(QDir::toNativeSeparators(pipe)));
    QCOMPARE(histories()->list()->count(), 0);
    QString error;
    QVERIFY(!AppendToFile(pipe, "text", &error));
    QVERIFY(!AppendToFile(QStringLiteral("/dev/null"), "text", &error));
}

void ReportsTest::historiesFileAfterTwoSaves()
{
    computeVoltsOverOhms("120", "10");
    pressReports();
    clickInDialog("addToHistories");
    computeVoltsOverOhms("20", "10");
    pressReports();
    clickInDialog("addToHistories");
    QWidget* page = m_program->openTab(Tabs::Histories);
    const QString file = m_program->file("histories");
    m_program->prompts.fileNames = {file, file + ".txt"};
    auto* save = page->findChild<QPushButton*>("save");
    QTest::mouseClick(save, Qt::LeftButton);
    QTest::mouseClick(save, Qt::LeftButton);
    const QByteArray once =
        "\r\n" + kHeader + "\r\n12.=120 \xF7 10" + "\r\n" + kHeader + "\r\n2.=20 \xF7 10";
    QCOMPARE(ReadFile(file + ".txt"), once + once);
    QCOMPARE(m_program->prompts.initialNames, (QStringList{"MyReport", "MyReport"}));
}

void ReportsTest::noHistoriesToSave()
{
    QWidget* page = m_program->openTab(Tabs::Histories);
    QTest::mouseClick(page->findChild<QPushButton*>("save"), Qt::LeftButton);
    QCOMPARE(m_program->prompts.messages, QStringList{"No histories to save!"});
    m_program->openTab(Tabs::Amps);
    pressReports();
    clickInDialog("addToHistories");
    m_program->openTab(Tabs::Histories);
    QCOMPARE(histories()->list()->count(), 2);
    QTest::mouseClick(page->findChild<QPushButton*>("erase"), Qt::LeftButton);
    QCOMPARE(histories()->list()->count(), 0);
    QTest::mouseClick(page->findChild<QPushButton*>("save"), Qt::LeftButton);
    QCOMPARE(m_program->prompts.messages.size(), 2);
    QVERIFY(m_program->prompts.initialNames.isEmpty());
}

void ReportsTest::unwritableHistoriesFile()
{
    histories()->addHistory("H", "B");
    QWidget* page = m_program->openTab(Tabs::Histories);
    const QString path = m_program->file("missing/h.txt");
    m_program->prompts.fileNames = {path};
    QTest::mouseClick(page->findChild<QPushButton*>("save"), Qt::LeftButton);
    QCOMPARE(m_program->prompts.warnings.size(), 1);
    QVERIFY(m_program->prompts.warnings[0].contains(QDir::toNativeSeparators(path)));
}

void ReportsTest::listShowsTheDivisionSign()
{
    computeVoltsOverOhms("6", "2");
    pressReports();
    clickInDialog("addToHistories");
    QCOMPARE(histories()->entries().at(1), QByteArray("3.=6 \xF7 2"));
    QCOMPARE(histories()->list()->item(1)->text(), QString::fromUtf8("3.=6 ÷ 2"));
}

QTEST_MAIN(ReportsTest)
#include "reports_test.moc"
