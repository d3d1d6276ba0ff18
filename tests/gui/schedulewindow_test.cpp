// The circuit schedule window as a user works in it: editing with undo, shared raceways, paste,
// files with bad cells, saving every byte back, recovery after a crash, the lock, a full disk,
// agreement with tavo-calc, printing and the keyboard.

#include "circuit/circuitcheck.h"
#include "helpwindow.h"
#include "mainwindow.h"
#include "pdfwords.h"
#include "schedulefiles.h"
#include "schedulewindow.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLockFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include <sys/resource.h>

#include <csignal>

using namespace tavo::circuit;

namespace {

const QByteArray kSchedule = "circuit,load,system,volts,length,raceway_id,note\r\n"
                             "A,30,3,480,50,R1,\"first, of R1\"\r\n"
                             "B,10,1,240,50,,\r\n"
                             "C,30,3,480,50,R1,\r\n"
                             "D,abc,1,240,50,,bad\r\n";

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The texts of a column of the table, by its header.
int Column(ScheduleModel* model, const QString& header)
{
    for (int c = 0; c < model->columnCount(); ++c) {
        if (model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString() == header) {
            return c;
        }
    }
    return -1;
}

QString Cell(ScheduleModel* model, int row, const QString& header)
{
    return model->data(model->index(row, Column(model, header)), Qt::DisplayRole).toString();
}

}  // namespace

class ScheduleWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyChangeUndoesAndRedoes();
    void aSharedRacewayRecomputesItsRows();
    void pastesCsvAndSpreadsheetBlocks();
    void opensWithBadCellsMarked();
    void savesEveryByteBack();
    void restoresWorkAfterACrash();
    void sessionEndKeepsUnsavedWork();
    void oneWindowOwnsAFile();
    void aFullDiskKeepsTheOldFile();
    void agreesWithTheCommandLine();
    void exportsEveryCircuitAndItsTrace();
    void keyboardEditsAndMovesOn();
    void closingAsksAboutUnsavedChanges();

private:
    ScheduleWindow* open(const QString& path = {});
    // The schedule saved at `path`, opened, with one load changed and not saved.
    ScheduleWindow* openWithAnUnsavedChange(const QString& path);

    std::unique_ptr<ProgramUnderTest> m_program;
};

void ScheduleWindowTest::init()
{
    m_program = std::make_unique<ProgramUnderTest>();
}

void ScheduleWindowTest::cleanup()
{
    for (ScheduleWindow* window : ScheduleWindow::OpenWindows()) {
        delete window;
    }
    m_program.reset();
}

ScheduleWindow* ScheduleWindowTest::open(const QString& path)
{
    return ScheduleWindow::Open(m_program->window().scheduleContext(), &m_program->window(), path);
}

ScheduleWindow* ScheduleWindowTest::openWithAnUnsavedChange(const QString& path)
{
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    ScheduleModel* model = window->model();
    model->setData(model->index(1, 1), QStringLiteral("17"), Qt::EditRole);
    return window;
}

void ScheduleWindowTest::everyChangeUndoesAndRedoes()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    QVERIFY(window);
    ScheduleModel* model = window->model();
    const QByteArray before = ScheduleBytes(model->sheet());
    QVERIFY(!window->isWindowModified());

    model->setData(model->index(1, 1), QStringLiteral("25"), Qt::EditRole);
    window->table()->setCurrentIndex(model->index(1, 0));
    window->action("addCircuit")->trigger();
    window->action("duplicateCircuit")->trigger();
    window->table()->setCurrentIndex(model->index(0, 0));
    window->action("moveDown")->trigger();
    window->table()->setCurrentIndex(model->index(4, 0));
    window->action("deleteCircuit")->trigger();
    QApplication::clipboard()->setText(QStringLiteral("X,15\r\n"));
    window->table()->setCurrentIndex(model->index(0, 0));
    window->action("pasteCells")->trigger();
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(Cell(model, 0, "Circuit"), QStringLiteral("X"));
    QCOMPARE(Cell(model, 0, "Load"), QStringLiteral("15"));
    QVERIFY(window->isWindowModified());
    const QByteArray after = ScheduleBytes(model->sheet());

    QUndoStack* undo = model->undoStack();
    QCOMPARE(undo->count(), 6);
    while (undo->canUndo()) {
        window->action("undo")->trigger();
    }
    QCOMPARE(ScheduleBytes(model->sheet()), before);
    QVERIFY(!window->isWindowModified());
    while (undo->canRedo()) {
        window->action("redo")->trigger();
    }
    QCOMPARE(ScheduleBytes(model->sheet()), after);
}

void ScheduleWindowTest::aSharedRacewayRecomputesItsRows()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    ScheduleModel* model = window->model();
    QCOMPARE(Cell(model, 2, "Raceway Circuits"), QStringLiteral("A, C"));
    const QString conductors = Cell(model, 2, "Raceway Conductors");
    QSignalSpy changed(model, &QAbstractItemModel::dataChanged);
    // A's load grows: C's shared raceway holds larger conductors.
    model->setData(model->index(0, 1), QStringLiteral("60"), Qt::EditRole);
    QVERIFY(Cell(model, 2, "Raceway Conductors") != conductors);
    QCOMPARE(Cell(model, 0, "Raceway Conductors"), Cell(model, 2, "Raceway Conductors"));
    // Only A's row and C's were told; B, alone, was not.
    for (const QList<QVariant>& signal : changed) {
        const int first = signal[0].toModelIndex().row();
        const int last = signal[1].toModelIndex().row();
        QVERIFY2(!(first <= 1 && last >= 1), "row B was recomputed");
    }
    // Selecting C marks A, and the trace opens with the shared raceway.
    window->table()->setCurrentIndex(model->index(2, 3));
    QVERIFY(model->data(model->index(0, 0), Qt::BackgroundRole).isValid());
    QVERIFY(!model->data(model->index(1, 0), Qt::BackgroundRole).isValid());
    QVERIFY(window->tracePane()->toPlainText().startsWith("Shared raceway R1: circuits A, C"));
    QVERIFY(window->tracePane()->toPlainText().contains("Status: OK"));
}

void ScheduleWindowTest::pastesCsvAndSpreadsheetBlocks()
{
    ScheduleWindow* window = open();
    ScheduleModel* model = window->model();
    QCOMPARE(model->rowCount(), 0);
    // From a spreadsheet: tab-separated lines; past the last row they become circuits.
    QApplication::clipboard()->setText(QStringLiteral("P1\t40\nP2\t12\n"));
    window->action("pasteCells")->trigger();
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(Cell(model, 1, "Circuit"), QStringLiteral("P2"));
    QCOMPARE(Cell(model, 1, "Load"), QStringLiteral("12"));
    // CSV text with a quoted comma, as new circuits below the current one.
    window->table()->setCurrentIndex(model->index(0, 0));
    QApplication::clipboard()->setText(QStringLiteral("\"Q, 1\",7\r\n"));
    window->action("pasteCircuits")->trigger();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(Cell(model, 1, "Circuit"), QStringLiteral("Q, 1"));
    // Copy gives CSV back.
    window->table()->selectionModel()->select(
        QItemSelection(model->index(1, 0), model->index(1, 1)),
        QItemSelectionModel::ClearAndSelect);
    window->action("copyCells")->trigger();
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("\"Q, 1\",7\r\n"));
    QCOMPARE(model->undoStack()->count(), 2);
}

void ScheduleWindowTest::opensWithBadCellsMarked()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    ScheduleModel* model = window->model();
    const QModelIndex bad = model->index(3, 1);
    QCOMPARE(model->data(bad, Qt::ToolTipRole).toString(),
             QStringLiteral("a number greater than 0"));
    QCOMPARE(model->data(bad, Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("Refused: a number greater than 0"));
    QVERIFY(model->data(bad, Qt::BackgroundRole).isValid());
    QCOMPARE(Cell(model, 3, "Status"),
             QStringLiteral("invalid load \"abc\" for circuit: a number greater than 0"));
    QCOMPARE(Cell(model, 3, "Size"), QString());
    // Defaults are shown as such; the results cannot be edited.
    const QModelIndex unit = model->index(0, Column(model, "Load Unit"));
    QCOMPARE(model->data(unit, Qt::DisplayRole).toString(), QStringLiteral("amps"));
    QCOMPARE(model->data(unit, Qt::EditRole).toString(), QString());
    QCOMPARE(model->data(unit, Qt::AccessibleDescriptionRole).toString(),
             QStringLiteral("default"));
    QVERIFY(!(model->flags(model->index(0, Column(model, "Status"))) & Qt::ItemIsEditable));
    // A file that is not CSV does not open, and says why.
    const QString broken = m_program->file("broken.csv");
    Write(broken, "load\n\"open\n");
    QVERIFY(!open(broken));
    QCOMPARE(m_program->prompts.warnings.last(),
             QStringLiteral("Cannot open %1: not CSV at line 2: a quoted field is never closed")
                 .arg(broken));
}

void ScheduleWindowTest::savesEveryByteBack()
{
    const QString path = m_program->file("panel.csv");
    const QByteArray original = "\xEF\xBB\xBF"
                                "note,load,\"circuit\",extra\n"
                                "\"kept, quoted\",\"40\",A,\"x\"\"y\"\n"
                                ",12,B,\n";
    Write(path, original);
    ScheduleWindow* window = open(path);
    QVERIFY(window->save());
    const QByteArray saved = Bytes(path);
    // Every line as it was, in its order and quoting, the results written after it.
    const QList<QByteArray> before = original.split('\n');
    const QList<QByteArray> after = saved.split('\n');
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size() - 1; ++i) {
        QVERIFY2(after[i].startsWith(before[i] + ','), after[i].constData());
    }
    QVERIFY(after[0].contains(",Status,Load Amps,"));
    QVERIFY(after[0].endsWith(",report header,report body,error"));
    // Opened again, the results are worked out anew and saved to the same bytes.
    window->close();
    ScheduleWindow* again = open(path);
    QVERIFY(again);
    QVERIFY(again->save());
    QCOMPARE(Bytes(path), saved);
    QCOMPARE(Cell(again->model(), 0, "Size"), QStringLiteral("6 AWG"));
}

void ScheduleWindowTest::restoresWorkAfterACrash()
{
    const QString path = m_program->file("panel.csv");
    ScheduleWindow* window = openWithAnUnsavedChange(path);
    ScheduleModel* model = window->model();
    // The copy follows a moment after the change.
    const QString recovery = m_program->services.recoveryDirectory;
    QTRY_COMPARE_WITH_TIMEOUT(QDir(recovery).entryList({"*.csv"}).size(), 1, 3000);
    const QByteArray copy =
        Bytes(QDir(recovery).filePath(QDir(recovery).entryList({"*.csv"}).first()));
    QCOMPARE(copy, ScheduleBytes(model->sheet()));
    // While the window lives its copy is its own.
    QVERIFY(RecoveryCopy::Left(recovery).isEmpty());
    // Gone without a save, as in a crash: the next start offers it back.
    delete window;
    const QList<RecoveryCopy::Found> left = RecoveryCopy::Left(recovery);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first().schedulePath, path);
    QCOMPARE(Bytes(QDir(recovery).filePath(left.first().id + ".info")).split('\n').first(),
             path.toUtf8());
    m_program->prompts.answers = {true};
    m_program->window().offerRecoveredSchedules();
    QCOMPARE(m_program->prompts.questions.size(), 1);
    QVERIFY(m_program->prompts.questions.first().contains("panel.csv"));
    const QList<ScheduleWindow*> windows = ScheduleWindow::OpenWindows();
    QCOMPARE(windows.size(), 1);
    ScheduleWindow* restored = windows.first();
    QCOMPARE(restored->path(), path);
    QVERIFY(restored->isWindowModified());
    QCOMPARE(Cell(restored->model(), 1, "Load"), QStringLiteral("17"));
    QCOMPARE(Bytes(path), kSchedule);  // nothing saved over the file meanwhile
    // Saved: the copy goes.
    QVERIFY(restored->save());
    QVERIFY(QDir(recovery).entryList({"*.csv", "*.info"}).isEmpty());
}

// The session ends before the copy's moment has come: the copy is written at once, nothing is
// asked, and the next start offers the work back.
void ScheduleWindowTest::sessionEndKeepsUnsavedWork()
{
    const QString path = m_program->file("panel.csv");
    ScheduleWindow* window = openWithAnUnsavedChange(path);
    ScheduleModel* model = window->model();
    const QByteArray changed = ScheduleBytes(model->sheet());
    const QString recovery = m_program->services.recoveryDirectory;
    m_program->window().endSession();
    QVERIFY(m_program->prompts.unsavedNames.isEmpty());
    QCOMPARE(QDir(recovery).entryList({"*.csv"}).size(), 1);
    m_program->close();
    const QList<RecoveryCopy::Found> left = RecoveryCopy::Left(recovery);
    QCOMPARE(left.size(), 1);
    QCOMPARE(left.first().schedulePath, path);
    QCOMPARE(Bytes(left.first().csvPath), changed);
    QCOMPARE(Bytes(path), kSchedule);
}

void ScheduleWindowTest::oneWindowOwnsAFile()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* first = open(path);
    QVERIFY(first);
    QVERIFY(!open(path));
    QVERIFY(
        m_program->prompts.messages.last().startsWith("panel.csv is already open in the window"));
    // Another program's lock: refused, naming it.
    const QString other = m_program->file("other.csv");
    Write(other, kSchedule);
    const QString lockPath = ScheduleLock::LockPathFor(
        m_program->services.recoveryDirectory + QStringLiteral("/locks"), other);
    QDir().mkpath(QFileInfo(lockPath).path());
    QProcess holder;
    holder.start(QStringLiteral("sleep"), {QStringLiteral("30")});
    QVERIFY(holder.waitForStarted());
    {
        QLockFile lock(lockPath);
        QVERIFY(lock.tryLock(0));
        // As the other program wrote it: its process and its name.
        QList<QByteArray> lines = Bytes(lockPath).split('\n');
        lines[0] = QByteArray::number(holder.processId());
        lines[1] = "sleep";
        lock.unlock();
        Write(lockPath, lines.join('\n'));
    }
    QVERIFY(!open(other));
    QVERIFY(m_program->prompts.warnings.last().contains(
        QStringLiteral("process %1").arg(holder.processId())));
    // That program killed: its lock is stale and taken over.
    holder.kill();
    holder.waitForFinished();
    ScheduleWindow* taken = open(other);
    QVERIFY(taken);
    QCOMPARE(taken->path(), other);
}

void ScheduleWindowTest::aFullDiskKeepsTheOldFile()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    window->model()->setData(window->model()->index(1, 1), QStringLiteral("18"), Qt::EditRole);
    // A limit on file sizes fails the write as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit tight = saved;
    tight.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tight), 0);
    const bool written = window->save();
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!written);
    QCOMPARE(Bytes(path), kSchedule);
    QVERIFY(m_program->prompts.warnings.last().startsWith("Cannot save " + path + ": "));
    QVERIFY(window->isWindowModified());
}

void ScheduleWindowTest::agreesWithTheCommandLine()
{
    // A schedule that meets every check: each row as tavo-calc writes it.
    const QByteArray schedule =
        "circuit,load,system,volts,length,continuous,ccc,terminals,size,ocpd,ambient,rating,"
        "sets,material,edition,raceway,raceway_id\n"
        "cont,40,1,240,100,,,,,,,,,,,,\n"
        "amp,40,1,240,10,0,9,,,,,,,,,,\n"
        "ocp,30,3,208,80,,7,,,,,,,,,,\n"
        "small,20,1,240,10,0,,75,,,,,,,,,\n"
        "drop,40,1,240,300,,,,,,,,,,,,\n"
        "given,40,1,240,300,,,,6,,,,,,,,\n"
        "hot,20,1,240,50,,,,,,56,60,,,,,\n"
        "none,1000,1,240,10,0,,,,,,,,,,,\n"
        "par,600,3,480,50,,,,,,,,2,,,,\n"
        "old,32,1,240,50,0,,,,,,,,aluminum,2008,,\n"
        "r1,30,3,480,50,,,,,,,,,,,,R1\n"
        "r2,30,3,480,50,,,,,,,,,,,Rigid Metal,R2\n"
        "r3,30,3,480,50,,,,,,,,,,,,R1\n"
        "r4,30,3,480,50,,,,,,,,,,,,R2\n"
        "bad,4o,1,240,50,,,,,,,,,,,,\n";
    const QString path = m_program->file("checks.csv");
    Write(path, schedule);
    ScheduleWindow* window = open(path);
    QProcess calc;
    calc.start(QStringLiteral(TAVO_CALC_PATH),
               {QStringLiteral("circuit"), QStringLiteral("--csv"), path});
    QVERIFY(calc.waitForFinished(20000));
    const QByteArray byCommandLine = calc.readAllStandardOutput();
    QVERIFY(window->save());
    // The saved file is what tavo-calc writes for the same rows.
    QCOMPARE(Bytes(path), byCommandLine);
}

void ScheduleWindowTest::exportsEveryCircuitAndItsTrace()
{
    if (!HavePoppler()) {
        QSKIP("pdftotext is not installed");
    }
    QByteArray schedule = "circuit,load,length\n";
    for (int i = 1; i <= 60; ++i) {
        schedule += "C" + QByteArray::number(i) + "," + QByteArray::number(5 + i) + ",80\n";
    }
    const QString path = m_program->file("many.csv");
    Write(path, schedule);
    ScheduleWindow* window = open(path);
    const QString pdf = m_program->file("many.pdf");
    m_program->prompts.fileNames = {pdf};
    QVERIFY(window->exportPdf());
    const QString text = Run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, "-"});
    const QStringList pages = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    QVERIFY(pages.size() > 3);
    for (const QString& page : pages) {
        QVERIFY(page.contains("Circuit schedule: many.csv"));
        QVERIFY(page.contains("Edition 2023"));
        QVERIFY(page.contains(QDate::currentDate().toString(Qt::ISODate)));
    }
    // The table's header on its second page too, and every circuit and its trace.
    QVERIFY(pages[0].contains("Decided By"));
    QVERIFY(pages[1].contains("Decided By"));
    for (int i = 1; i <= 60; ++i) {
        QVERIFY2(text.contains(QStringLiteral("Circuit C%1 (row %1)").arg(i)),
                 qPrintable(QString::number(i)));
    }
    QCOMPARE(text.count("Design current: Id ="), 60);
}

void ScheduleWindowTest::keyboardEditsAndMovesOn()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    // The offscreen platform leaves the main window active: make this one so, as a click would.
    QApplication::setActiveWindow(window);
    QVERIFY(window->isActiveWindow());
    QTableView* table = window->table();
    ScheduleModel* model = window->model();
    table->setFocus();
    table->setCurrentIndex(model->index(1, 1));
    // Typing edits, Enter keeps it.
    QTest::keyClick(table, '3');
    QTest::keyClicks(QApplication::focusWidget(), "3");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_COMPARE(Cell(model, 1, "Load"), QStringLiteral("33"));
    // F2 edits, Escape drops the change.
    table->setCurrentIndex(model->index(1, 1));
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClicks(QApplication::focusWidget(), "9");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QTRY_VERIFY(table->viewport()->findChildren<QWidget*>().isEmpty() ||
                !table->viewport()->findChildren<QWidget*>().first()->isVisible());
    QCOMPARE(Cell(model, 1, "Load"), QStringLiteral("33"));
    // Tab leaves the table for the trace, whose text can be selected.
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window->tracePane());
    QVERIFY(window->tracePane()->textInteractionFlags() & Qt::TextSelectableByKeyboard);
    // A choice opens a list whose first entry is the default.
    table->setFocus();
    table->setCurrentIndex(model->index(0, 2));
    QTest::keyClick(table, Qt::Key_F2);
    auto* list = qobject_cast<QComboBox*>(QApplication::focusWidget());
    QVERIFY(list);
    QCOMPARE(list->itemText(0), QStringLiteral("1 (default)"));
    QCOMPARE(list->currentText(), QStringLiteral("3"));
    list->setCurrentIndex(list->findText("dc"));
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_COMPARE(Cell(model, 0, "System"), QStringLiteral("dc"));
    // Every command has a shortcut where one is usual, and a named button on the toolbar.
    const auto* tools = window->findChild<QToolBar*>(QStringLiteral("scheduleTools"));
    for (QAction* action : window->actions()) {
        QVERIFY2(tools->actions().contains(action), qPrintable(action->objectName()));
        QVERIFY(!action->text().isEmpty());
    }
    QCOMPARE(window->action("saveSchedule")->shortcut(), QKeySequence(QKeySequence::Save));
    QCOMPARE(window->action("scheduleHelp")->shortcut(), QKeySequence(QKeySequence::HelpContents));
    window->action("scheduleHelp")->trigger();
    QVERIFY(m_program->window().helpWindow()->isVisible());
    QCOMPARE(m_program->window().helpWindow()->browser()->source().toString(),
             QStringLiteral("qrc:/help/schedule.html"));
}

void ScheduleWindowTest::closingAsksAboutUnsavedChanges()
{
    const QString path = m_program->file("panel.csv");
    Write(path, kSchedule);
    ScheduleWindow* window = open(path);
    window->model()->setData(window->model()->index(1, 1), QStringLiteral("19"), Qt::EditRole);
    QVERIFY(window->windowTitle().startsWith("panel.csv"));
    m_program->prompts.unsavedAnswers = {Prompts::Unsaved::Cancel};
    QVERIFY(!window->close());
    QCOMPARE(m_program->prompts.unsavedNames, QStringList{"panel.csv"});
    m_program->prompts.unsavedAnswers = {Prompts::Unsaved::Save};
    QPointer<ScheduleWindow> closing = window;
    QVERIFY(window->close());
    QTRY_VERIFY(!closing);
    QVERIFY(Bytes(path).contains("B,19,1,240,50,,,OK,"));
    // Quitting TAVO asks of every schedule; Discard lets it go without saving.
    ScheduleWindow* again = open(path);
    again->model()->setData(again->model()->index(1, 1), QStringLiteral("21"), Qt::EditRole);
    m_program->prompts.unsavedAnswers = {Prompts::Unsaved::Discard};
    QVERIFY(ScheduleWindow::CloseAll(&m_program->window()));
    QVERIFY(Bytes(path).contains("B,19,1,240,50,,,OK,"));
}

QTEST_MAIN(ScheduleWindowTest)
#include "schedulewindow_test.moc"
