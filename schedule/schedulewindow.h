#pragma once

// The circuit schedule window: a panel's circuits in a table, checked as they are typed, with
// the trace of the selected circuit below. Its own top-level window, one per file; unsaved work
// is kept in a recovery copy and offered again after a crash.

#include "schedulefiles.h"
#include "schedulemodel.h"
#include "services.h"

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <functional>

class QAction;
class QLabel;
class QPlainTextEdit;
class QTableView;

// What a schedule window needs of the program.
struct ScheduleContext
{
    AppServices* services = nullptr;
    std::function<void(const QString& page)> showHelp = {};  // a help page by file name
};

class ScheduleWindow : public QMainWindow
{
    Q_OBJECT

public:
    ScheduleWindow(ScheduleContext context, QWidget* parent);
    ~ScheduleWindow() override;

    // A window for the file (a new schedule when `path` is empty), shown; none when the file
    // cannot be opened or another window owns it (the user is told which).
    static ScheduleWindow* Open(const ScheduleContext& context, QWidget* parent,
                                const QString& path = {});
    // Offers to restore every schedule that a crash or a kill left unsaved.
    static void OfferRecovery(const ScheduleContext& context, QWidget* parent);
    // Closes every schedule window under `parent`, each asking about unsaved changes; false
    // when the user kept one open.
    static bool CloseAll(QWidget* parent);
    // Writes the recovery copy of every schedule window under `parent` with unsaved changes
    // now, for a program that is about to end without asking.
    static void KeepRecoveryCopies(QWidget* parent);
    static QList<ScheduleWindow*> OpenWindows();

    ScheduleModel* model() { return &m_model; }
    QTableView* table() const { return m_table; }
    QPlainTextEdit* tracePane() const { return m_trace; }
    const QString& path() const { return m_path; }
    QString documentName() const;
    QAction* action(const QString& name) const;

    // The file's schedule in this window; false, with the user told why, when it cannot be.
    bool load(const QString& path);
    bool save();
    bool saveAs();
    bool exportPdf();
    bool print();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildActions();
    void buildMenus();
    void updateTitle();
    void arrangeColumns();
    void showTrace();
    void keepRecoveryCopy();
    bool saveTo(const QString& path);
    bool takeLock(const QString& path);
    QList<int> selectedRows() const;
    int currentRow() const;

    void addCircuit();
    void duplicateCircuits();
    void deleteCircuits();
    void moveCircuits(int by);
    void copy();
    void paste(bool asNewCircuits);

    ScheduleContext m_context;
    ScheduleModel m_model;
    QTableView* m_table = nullptr;
    QPlainTextEdit* m_trace = nullptr;
    QLabel* m_traceTitle = nullptr;
    QString m_path;
    ScheduleLock m_lock;
    RecoveryCopy m_recovery;
    QTimer m_recoveryTimer;
    QMap<QString, QAction*> m_actions;
    bool m_keptCopy = false;
};
