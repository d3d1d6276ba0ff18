#include "schedulewindow.h"

#include "circuit/circuitcheck.h"
#include "csvtext.h"
#include "scheduledelegate.h"
#include "scheduleprinter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPageSize>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QToolBar>
#include <QVBoxLayout>

#include <climits>

using namespace tavo::circuit;

namespace {

QList<ScheduleWindow*>& Windows()
{
    static QList<ScheduleWindow*> windows;
    return windows;
}

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

QString Canonical(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

const QString kCsvFilter = QStringLiteral("CSV files (*.csv);;All files (*)");

// A block of cells from the clipboard: tab-separated lines as a spreadsheet copies them, or CSV.
std::optional<QList<QStringList>> ReadBlock(const QString& text)
{
    QList<QStringList> block;
    if (text.contains(QLatin1Char('\t'))) {
        QString lines = text;
        lines.remove(QLatin1Char('\r'));
        if (lines.endsWith(QLatin1Char('\n'))) {
            lines.chop(1);
        }
        for (const QString& line : lines.split(QLatin1Char('\n'))) {
            block.append(line.split(QLatin1Char('\t')));
        }
        return block;
    }
    const std::string bytes = text.toStdString();
    const std::optional<tavo::CsvTable> table = tavo::ReadCsv(bytes);
    if (!table) {
        return std::nullopt;
    }
    for (const tavo::CsvRow& row : table->rows) {
        QStringList cells;
        for (const tavo::CsvField& field : row) {
            cells.append(FromUtf8(field.text));
        }
        block.append(cells);
    }
    return block;
}

}  // namespace

ScheduleWindow::ScheduleWindow(ScheduleContext context, QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_context(std::move(context)),
      m_lock(m_context.services->recoveryDirectory + QStringLiteral("/locks")),
      m_recovery(m_context.services->recoveryDirectory)
{
    setObjectName(QStringLiteral("scheduleWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    Windows().append(this);

    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("circuitTable"));
    m_table->setAccessibleName(tr("Circuits"));
    m_table->setModel(&m_model);
    m_table->setItemDelegate(new ScheduleDelegate(m_model, m_table));
    m_table->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    // Tab leaves the table for the trace, as it leaves every other control.
    m_table->setTabKeyNavigation(false);
    m_table->horizontalHeader()->setDefaultSectionSize(96);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);

    auto* tracePart = new QWidget(this);
    m_traceTitle = new QLabel(tr("&Trace"), tracePart);
    m_trace = new QPlainTextEdit(tracePart);
    m_trace->setObjectName(QStringLiteral("tracePane"));
    m_trace->setAccessibleName(tr("Trace"));
    m_trace->setReadOnly(true);
    m_trace->setTabChangesFocus(true);
    m_trace->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_trace->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_traceTitle->setBuddy(m_trace);
    auto* traceLayout = new QVBoxLayout(tracePart);
    traceLayout->setContentsMargins(4, 4, 4, 4);
    traceLayout->addWidget(m_traceTitle);
    traceLayout->addWidget(m_trace);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(m_table);
    splitter->addWidget(tracePart);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    setCentralWidget(splitter);

    buildActions();
    buildMenus();
    resize(1100, 720);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &ScheduleWindow::showTrace);
    connect(&m_model, &ScheduleModel::resultsChanged, this, &ScheduleWindow::showTrace);
    connect(&m_model, &QAbstractItemModel::modelReset, this, &ScheduleWindow::showTrace);
    connect(m_model.undoStack(), &QUndoStack::cleanChanged, this, &ScheduleWindow::updateTitle);
    // Unsaved work is copied a moment after the last change, so that typing is not held up.
    m_recoveryTimer.setSingleShot(true);
    m_recoveryTimer.setInterval(800);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &ScheduleWindow::keepRecoveryCopy);
    connect(m_model.undoStack(), &QUndoStack::indexChanged, &m_recoveryTimer,
            qOverload<>(&QTimer::start));
    arrangeColumns();
    updateTitle();
}

ScheduleWindow::~ScheduleWindow()
{
    // The undo stack goes with the model, after the members its signals would reach.
    m_model.undoStack()->disconnect(this);
    m_model.disconnect(this);
    Windows().removeAll(this);
}

QList<ScheduleWindow*> ScheduleWindow::OpenWindows()
{
    return Windows();
}

QAction* ScheduleWindow::action(const QString& name) const
{
    return m_actions.value(name);
}

void ScheduleWindow::buildActions()
{
    const auto add = [this](const QString& name, const QString& text, QKeySequence key,
                            const QString& tip, auto slot) {
        auto* action = new QAction(text, this);
        action->setObjectName(name);
        if (!key.isEmpty()) {
            action->setShortcut(key);
        }
        action->setToolTip(tip);
        action->setStatusTip(tip);
        connect(action, &QAction::triggered, this, slot);
        addAction(action);
        m_actions.insert(name, action);
        return action;
    };
    const ScheduleContext context = m_context;
    add(QStringLiteral("newSchedule"), tr("&New"), QKeySequence::New,
        tr("A new schedule in a window of its own"),
        [context, this] { Open(context, parentWidget()); });
    add(QStringLiteral("openSchedule"), tr("&Open..."), QKeySequence::Open,
        tr("Open a schedule from a CSV file"), [context, this] {
            const QString path = m_context.services->prompts->openFile(
                this, tr("Open Circuit Schedule"), kCsvFilter);
            if (path.isEmpty()) {
                return;
            }
            const bool blank =
                m_path.isEmpty() && m_model.rowCount() == 0 && m_model.undoStack()->isClean();
            if (blank) {
                load(path);
            } else {
                Open(context, parentWidget(), path);
            }
        });
    add(QStringLiteral("saveSchedule"), tr("&Save"), QKeySequence::Save, tr("Save the schedule"),
        [this] { save(); });
    add(QStringLiteral("saveScheduleAs"), tr("Save &As..."), QKeySequence::SaveAs,
        tr("Save the schedule to another file"), [this] { saveAs(); });
    add(QStringLiteral("printSchedule"), tr("&Print..."), QKeySequence::Print,
        tr("Print the schedule and every circuit's trace"), [this] { print(); });
    add(QStringLiteral("exportPdf"), tr("&Export PDF..."), QKeySequence(tr("Ctrl+E")),
        tr("Write the printed schedule to a PDF file"), [this] { exportPdf(); });
    add(QStringLiteral("closeSchedule"), tr("&Close"), QKeySequence::Close, tr("Close this window"),
        [this] { close(); });

    QAction* undo = m_model.undoStack()->createUndoAction(this, tr("&Undo"));
    undo->setObjectName(QStringLiteral("undo"));
    undo->setShortcut(QKeySequence::Undo);
    QAction* redo = m_model.undoStack()->createRedoAction(this, tr("&Redo"));
    redo->setObjectName(QStringLiteral("redo"));
    redo->setShortcuts({QKeySequence(tr("Ctrl+Shift+Z")), QKeySequence(tr("Ctrl+Y"))});
    for (QAction* action : {undo, redo}) {
        addAction(action);
        m_actions.insert(action->objectName(), action);
    }
    add(QStringLiteral("copyCells"), tr("&Copy"), QKeySequence::Copy,
        tr("Copy the selected cells as CSV text"), [this] { copy(); });
    add(QStringLiteral("pasteCells"), tr("&Paste"), QKeySequence::Paste,
        tr("Paste CSV or spreadsheet cells at the current cell"), [this] { paste(false); });
    add(QStringLiteral("pasteCircuits"), tr("Paste As New &Circuits"),
        QKeySequence(tr("Ctrl+Shift+V")), tr("Paste rows as new circuits below the current one"),
        [this] { paste(true); });
    add(QStringLiteral("addCircuit"), tr("&Add Circuit"), QKeySequence(tr("Ctrl+Shift+N")),
        tr("A new circuit below the current one"), [this] { addCircuit(); });
    add(QStringLiteral("duplicateCircuit"), tr("&Duplicate"), QKeySequence(tr("Ctrl+D")),
        tr("Copies of the selected circuits below them"), [this] { duplicateCircuits(); });
    add(QStringLiteral("deleteCircuit"), tr("De&lete Circuit"), QKeySequence(tr("Ctrl+Del")),
        tr("Delete the selected circuits"), [this] { deleteCircuits(); });
    add(QStringLiteral("moveUp"), tr("Move &Up"), QKeySequence(tr("Alt+Up")),
        tr("Move the selected circuits up"), [this] { moveCircuits(-1); });
    add(QStringLiteral("moveDown"), tr("Move Do&wn"), QKeySequence(tr("Alt+Down")),
        tr("Move the selected circuits down"), [this] { moveCircuits(1); });
    add(QStringLiteral("scheduleHelp"), tr("Circuit Schedule &Help"), QKeySequence::HelpContents,
        tr("How to check a panel's circuits"), [this] {
            if (m_context.showHelp) {
                m_context.showHelp(QStringLiteral("schedule.html"));
            }
        });
}

void ScheduleWindow::buildMenus()
{
    const auto menu = [this](const QString& title, const QStringList& names) {
        QMenu* added = menuBar()->addMenu(title);
        for (const QString& name : names) {
            if (name.isEmpty()) {
                added->addSeparator();
            } else {
                added->addAction(m_actions.value(name));
            }
        }
    };
    menu(tr("&File"), {QStringLiteral("newSchedule"),
                       QStringLiteral("openSchedule"),
                       QStringLiteral("saveSchedule"),
                       QStringLiteral("saveScheduleAs"),
                       {},
                       QStringLiteral("printSchedule"),
                       QStringLiteral("exportPdf"),
                       {},
                       QStringLiteral("closeSchedule")});
    menu(tr("&Edit"), {QStringLiteral("undo"),
                       QStringLiteral("redo"),
                       {},
                       QStringLiteral("copyCells"),
                       QStringLiteral("pasteCells"),
                       QStringLiteral("pasteCircuits")});
    menu(tr("&Circuit"), {QStringLiteral("addCircuit"),
                          QStringLiteral("duplicateCircuit"),
                          QStringLiteral("deleteCircuit"),
                          {},
                          QStringLiteral("moveUp"),
                          QStringLiteral("moveDown")});
    menu(tr("&Help"), {QStringLiteral("scheduleHelp")});

    QToolBar* tools = addToolBar(tr("Schedule"));
    tools->setObjectName(QStringLiteral("scheduleTools"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Every command, as the menus hold them.
    for (const char* name : {"newSchedule",
                             "openSchedule",
                             "saveSchedule",
                             "saveScheduleAs",
                             "",
                             "undo",
                             "redo",
                             "copyCells",
                             "pasteCells",
                             "pasteCircuits",
                             "",
                             "addCircuit",
                             "duplicateCircuit",
                             "deleteCircuit",
                             "moveUp",
                             "moveDown",
                             "",
                             "printSchedule",
                             "exportPdf",
                             "",
                             "scheduleHelp",
                             "closeSchedule"}) {
        if (*name == '\0') {
            tools->addSeparator();
        } else {
            tools->addAction(m_actions.value(QString::fromLatin1(name)));
        }
    }
}

void ScheduleWindow::arrangeColumns()
{
    // Room for the longer results to be read without widening them first.
    QHeaderView* header = m_table->horizontalHeader();
    const std::pair<size_t, int> wide[] = {
        {kStatus, 260},           {kSizeResult, 110},        {kDecidedBy, 150},
        {kNextSmallerFails, 380}, {kEgcResult, 130},         {kEgcRule, 420},
        {kRacewayResult, 150},    {kRacewayConductors, 330}, {kRacewayCircuits, 180},
    };
    for (const auto& [result, width] : wide) {
        header->resizeSection(m_model.resultColumn(result), width);
    }
}

QString ScheduleWindow::documentName() const
{
    return m_path.isEmpty() ? tr("Untitled schedule") : QFileInfo(m_path).fileName();
}

void ScheduleWindow::updateTitle()
{
    setWindowTitle(tr("%1[*] - Circuit Schedule").arg(documentName()));
    setWindowModified(!m_model.undoStack()->isClean() || m_keptCopy);
}

ScheduleWindow* ScheduleWindow::Open(const ScheduleContext& context, QWidget* parent,
                                     const QString& path)
{
    if (!path.isEmpty()) {
        for (ScheduleWindow* window : Windows()) {
            if (!window->m_path.isEmpty() && Canonical(window->m_path) == Canonical(path)) {
                context.services->prompts->message(
                    parent, tr("%1 is already open in the window \"%2\".")
                                .arg(QFileInfo(path).fileName(),
                                     window->windowTitle().remove(QStringLiteral("[*]"))));
                window->show();
                window->raise();
                window->activateWindow();
                return nullptr;
            }
        }
    }
    auto* window = new ScheduleWindow(context, parent);
    if (!path.isEmpty() && !window->load(path)) {
        delete window;
        return nullptr;
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

bool ScheduleWindow::takeLock(const QString& path)
{
    for (ScheduleWindow* window : Windows()) {
        if (window != this && !window->m_path.isEmpty() &&
            Canonical(window->m_path) == Canonical(path)) {
            m_context.services->prompts->warning(
                this, tr("%1 is open in the window \"%2\".")
                          .arg(QFileInfo(path).fileName(),
                               window->windowTitle().remove(QStringLiteral("[*]"))));
            return false;
        }
    }
    QString holder;
    if (!m_lock.take(path, &holder)) {
        m_context.services->prompts->warning(this,
                                             tr("%1 is open in %2. Close it there first.")
                                                 .arg(QDir::toNativeSeparators(path), holder));
        return false;
    }
    return true;
}

bool ScheduleWindow::load(const QString& path)
{
    const QString before = m_path;
    if (!takeLock(path)) {
        return false;
    }
    QString error;
    std::optional<CircuitSheet> sheet = LoadSchedule(path, &error);
    if (!sheet) {
        m_context.services->prompts->warning(
            this, tr("Cannot open %1: %2").arg(QDir::toNativeSeparators(path), error));
        m_lock.release();
        if (!before.isEmpty()) {
            m_lock.take(before, nullptr);
        }
        return false;
    }
    m_path = path;
    m_model.reset(std::move(*sheet));
    arrangeColumns();
    m_keptCopy = false;
    updateTitle();
    if (m_model.rowCount() > 0) {
        m_table->setCurrentIndex(m_model.index(0, 0));
    }
    return true;
}

bool ScheduleWindow::saveTo(const QString& path)
{
    QString error;
    if (!SaveSchedule(path, m_model.sheet(), &error)) {
        m_context.services->prompts->warning(
            this, tr("Cannot save %1: %2").arg(QDir::toNativeSeparators(path), error));
        return false;
    }
    m_path = path;
    m_model.undoStack()->setClean();
    m_keptCopy = false;
    m_recoveryTimer.stop();
    m_recovery.remove();
    updateTitle();
    return true;
}

bool ScheduleWindow::save()
{
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool ScheduleWindow::saveAs()
{
    const QString initial =
        m_path.isEmpty() ? QDir::home().filePath(QStringLiteral("schedule.csv")) : m_path;
    QString path = m_context.services->prompts->saveFile(this, tr("Save Circuit Schedule As"),
                                                         initial, kCsvFilter);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    const QString before = m_path;
    if (!takeLock(path)) {
        return false;
    }
    if (!saveTo(path)) {
        m_lock.release();
        if (!before.isEmpty()) {
            m_lock.take(before, nullptr);
        }
        return false;
    }
    return true;
}

bool ScheduleWindow::exportPdf()
{
    const QString base =
        m_path.isEmpty() ? QDir::home().filePath(QStringLiteral("schedule"))
                         : QFileInfo(m_path).dir().filePath(QFileInfo(m_path).completeBaseName());
    const QString path = m_context.services->prompts->saveFile(
        this, tr("Export PDF"), base + QStringLiteral(".pdf"), tr("PDF files (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setResolution(300);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    if (!PrintSchedule(printer, m_model.sheet(), {documentName(), QDate::currentDate()})) {
        m_context.services->prompts->warning(
            this, tr("Cannot write %1.").arg(QDir::toNativeSeparators(path)));
        return false;
    }
    return true;
}

bool ScheduleWindow::print()
{
    std::unique_ptr<QPrinter> printer = m_context.services->printers->choose(this, PrintRequest{});
    if (!printer) {
        return false;
    }
    if (!PrintSchedule(*printer, m_model.sheet(), {documentName(), QDate::currentDate()})) {
        m_context.services->prompts->warning(this, tr("The schedule could not be printed."));
        return false;
    }
    return true;
}

void ScheduleWindow::keepRecoveryCopy()
{
    if (m_model.undoStack()->isClean() && !m_keptCopy) {
        m_recovery.remove();
        return;
    }
    QString error;
    if (!m_recovery.write(ScheduleBytes(m_model.sheet()), m_path, &error)) {
        statusBar()->showMessage(tr("No recovery copy could be kept: %1").arg(error));
    }
}

void ScheduleWindow::OfferRecovery(const ScheduleContext& context, QWidget* parent)
{
    const QString directory = context.services->recoveryDirectory;
    for (const RecoveryCopy::Found& found : RecoveryCopy::Left(directory)) {
        const QString name = found.schedulePath.isEmpty()
                                 ? tr("an untitled schedule")
                                 : QFileInfo(found.schedulePath).fileName();
        const bool restore = context.services->prompts->question(
            parent, tr("TAVO closed without saving the circuit schedule %1 (last changed %2). "
                       "Restore it?")
                        .arg(name, QLocale().toString(found.changed, QLocale::ShortFormat)));
        QString error;
        std::optional<CircuitSheet> sheet =
            restore ? LoadSchedule(found.csvPath, &error) : std::nullopt;
        if (!sheet) {
            if (restore) {
                context.services->prompts->warning(
                    parent, tr("The unsaved schedule could not be read: %1").arg(error));
            }
            RecoveryCopy(directory, found.id).remove();
            continue;
        }
        auto* window = new ScheduleWindow(context, parent);
        window->m_recovery.adopt(found.id);
        window->m_model.reset(std::move(*sheet));
        window->arrangeColumns();
        if (!found.schedulePath.isEmpty() && window->m_lock.take(found.schedulePath, nullptr)) {
            window->m_path = found.schedulePath;
        }
        // Restored work stays unsaved until the user saves it.
        window->m_keptCopy = true;
        window->keepRecoveryCopy();
        window->updateTitle();
        window->show();
    }
}

bool ScheduleWindow::CloseAll(QWidget* parent)
{
    for (ScheduleWindow* window : Windows()) {
        if (window->parentWidget() == parent && !window->close()) {
            return false;
        }
    }
    return true;
}

void ScheduleWindow::KeepRecoveryCopies(QWidget* parent)
{
    for (ScheduleWindow* window : Windows()) {
        if (window->parentWidget() == parent) {
            window->m_recoveryTimer.stop();
            window->keepRecoveryCopy();
        }
    }
}

void ScheduleWindow::closeEvent(QCloseEvent* event)
{
    if (isWindowModified()) {
        switch (m_context.services->prompts->unsavedChanges(this, documentName())) {
        case Prompts::Unsaved::Save:
            if (!save()) {
                event->ignore();
                return;
            }
            break;
        case Prompts::Unsaved::Discard:
            break;
        case Prompts::Unsaved::Cancel:
            event->ignore();
            return;
        }
    }
    m_recoveryTimer.stop();
    m_recovery.remove();
    m_lock.release();
    // Closed: the file is free for another window at once, before this one is deleted.
    Windows().removeAll(this);
    event->accept();
}

int ScheduleWindow::currentRow() const
{
    return m_table->currentIndex().isValid() ? m_table->currentIndex().row() : -1;
}

QList<int> ScheduleWindow::selectedRows() const
{
    QList<int> rows;
    for (const QModelIndex& index : m_table->selectionModel()->selectedIndexes()) {
        if (!rows.contains(index.row())) {
            rows.append(index.row());
        }
    }
    if (rows.isEmpty() && currentRow() >= 0) {
        rows.append(currentRow());
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ScheduleWindow::showTrace()
{
    const int row = currentRow();
    m_model.markRaceway(row);
    if (row < 0 || row >= m_model.rowCount()) {
        m_traceTitle->setText(tr("&Trace"));
        m_trace->clear();
        statusBar()->showMessage(tr("%n circuit(s)", nullptr, m_model.rowCount()));
        return;
    }
    const CircuitSheet& sheet = m_model.sheet();
    const RowOutcome& outcome = sheet.outcome(size_t(row));
    const QString name =
        m_model.data(m_model.index(row, sheet.columnOf(kCircuitName)), Qt::DisplayRole).toString();
    m_traceTitle->setText(tr("&Trace of circuit %1 (row %2)").arg(name).arg(row + 1));
    QStringList lines;
    if (!sheet.racewayRows(size_t(row)).empty() && !outcome.results.empty()) {
        const auto result = [&](size_t i) { return FromUtf8(outcome.results[i]); };
        lines.append(tr("Shared raceway %1: circuits %2; %3; %4, fill %5 %")
                         .arg(result(kRacewayIdResult), result(kRacewayCircuits),
                              result(kRacewayConductors), result(kRacewayResult),
                              result(kRacewayFill)));
        lines.append(QString());
    }
    if (const std::optional<CircuitResult> traced = sheet.traced(size_t(row))) {
        for (const TraceStep& step : traced->trace) {
            lines.append(FromUtf8(TraceLine(step)));
        }
    } else {
        lines.append(FromUtf8(outcome.error));
    }
    m_trace->setPlainText(lines.join(QLatin1Char('\n')));
    int failing = 0;
    for (size_t r = 0; r < sheet.rowCount(); ++r) {
        failing += sheet.outcome(r).ok ? 0 : 1;
    }
    statusBar()->showMessage(tr("%n circuit(s)", nullptr, m_model.rowCount()) +
                             tr(", %n fail(s) or refused", nullptr, failing));
}

void ScheduleWindow::addCircuit()
{
    const int at = currentRow() < 0 ? m_model.rowCount() : currentRow() + 1;
    m_model.insertCircuits(at, {ScheduleModel::Texts{}}, tr("Add Circuit"));
    m_table->setCurrentIndex(m_model.index(at, 0));
}

void ScheduleWindow::duplicateCircuits()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    QList<ScheduleModel::Texts> copies;
    for (const int row : rows) {
        copies.append(m_model.sheet().rowTexts(size_t(row)));
    }
    const int at = rows.last() + 1;
    m_model.insertCircuits(at, copies, tr("Duplicate"));
    m_table->setCurrentIndex(m_model.index(at, 0));
}

void ScheduleWindow::deleteCircuits()
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty()) {
        return;
    }
    QUndoStack* undo = m_model.undoStack();
    undo->beginMacro(rows.size() == 1 ? tr("Delete Circuit") : tr("Delete Circuits"));
    // From the last run of neighbouring rows to the first, so the rows before stay in place.
    for (int i = int(rows.size()) - 1; i >= 0;) {
        int first = i;
        while (first > 0 && rows[first - 1] == rows[first] - 1) {
            --first;
        }
        m_model.removeCircuits(rows[first], i - first + 1);
        i = first - 1;
    }
    undo->endMacro();
    if (m_model.rowCount() > 0) {
        m_table->setCurrentIndex(m_model.index(std::min(rows.first(), m_model.rowCount() - 1), 0));
    }
}

void ScheduleWindow::moveCircuits(int by)
{
    const QList<int> rows = selectedRows();
    if (rows.isEmpty() || rows.last() - rows.first() + 1 != int(rows.size())) {
        return;  // only a run of neighbouring rows moves
    }
    const int to = rows.first() + by;
    if (to < 0 || to + int(rows.size()) > m_model.rowCount()) {
        return;
    }
    const int column = std::max(0, m_table->currentIndex().column());
    m_model.moveCircuits(rows.first(), int(rows.size()), to);
    const QItemSelection moved(m_model.index(to, 0),
                               m_model.index(to + int(rows.size()) - 1, m_model.columnCount() - 1));
    m_table->setCurrentIndex(m_model.index(to, column));
    m_table->selectionModel()->select(moved, QItemSelectionModel::ClearAndSelect);
}

void ScheduleWindow::copy()
{
    const QModelIndexList indexes = m_table->selectionModel()->selectedIndexes();
    if (indexes.isEmpty()) {
        return;
    }
    int top = INT_MAX, left = INT_MAX, bottom = -1, right = -1;
    for (const QModelIndex& index : indexes) {
        top = std::min(top, index.row());
        bottom = std::max(bottom, index.row());
        left = std::min(left, index.column());
        right = std::max(right, index.column());
    }
    std::string text;
    for (int row = top; row <= bottom; ++row) {
        for (int column = left; column <= right; ++column) {
            if (column > left) {
                text += ',';
            }
            const QModelIndex index = m_model.index(row, column);
            const int role = m_model.isResult(column) ? Qt::DisplayRole : Qt::EditRole;
            tavo::AppendCsvField(text, m_model.data(index, role).toString().toStdString());
        }
        text += "\r\n";
    }
    QApplication::clipboard()->setText(QString::fromStdString(text));
}

void ScheduleWindow::paste(bool asNewCircuits)
{
    const std::optional<QList<QStringList>> block = ReadBlock(QApplication::clipboard()->text());
    if (!block || block->isEmpty()) {
        m_context.services->prompts->message(this, tr("The clipboard holds no cells to paste."));
        return;
    }
    if (asNewCircuits) {
        const int at = currentRow() < 0 ? m_model.rowCount() : currentRow() + 1;
        QList<ScheduleModel::Texts> rows;
        for (const QStringList& cells : *block) {
            rows.append(m_model.sheetTexts(cells));
        }
        m_model.insertCircuits(at, rows, tr("Paste As New Circuits"));
        m_table->setCurrentIndex(m_model.index(at, 0));
        return;
    }
    const QModelIndex current = m_table->currentIndex();
    const int row = current.isValid() ? current.row() : m_model.rowCount();
    const int column = current.isValid() ? current.column() : 0;
    if (m_model.isResult(column)) {
        m_context.services->prompts->message(this, tr("The results cannot be pasted into."));
        return;
    }
    m_model.pasteBlock(row, column, *block);
}
