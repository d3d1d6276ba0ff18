#pragma once

// The program's main window: fourteen tabs with one calculator page each, and the button row.
// It runs as a modal dialog whose loop is the program's main loop. It creates each page on the
// first selection of its tab, shows one page at a time, and routes Reset, Print Screen, the
// Enter key and report requests to the current page.

#include "pagetable.h"
#include "schedulewindow.h"
#include "services.h"
#include "settingsfile.h"

#include <QDialog>
#include <QEvent>
#include <QPointer>

#include <array>

class CalculatorPage;
class EmblemView;
class FloatingHistoryWindow;
class HelpWindow;
class HistoriesPage;
class ReportsDialog;
class PictureButton;
class QAction;
class QMenu;
class QToolButton;
class TabControl;

class MainWindow : public QDialog
{
    Q_OBJECT

public:
    explicit MainWindow(AppServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    TabControl* tabs() const { return m_tabs; }
    int currentIndex() const;
    CalculatorPage* page(int index) const;
    CalculatorPage* currentPage() const;
    bool autoAddToHistories() const { return m_autoAddToHistories; }
    const Settings& settings() const { return m_settings; }
    QAction* splashAction() const { return m_splashAction; }
    QAction* animateAction() const { return m_animateAction; }
    QAction* aboutAction() const { return m_aboutAction; }
    QAction* scheduleAction() const { return m_scheduleAction; }
    // Circuit schedule windows for the files, one each; a new schedule for an empty list.
    void openSchedules(const QStringList& paths);
    // Restores the schedules that a crash or a kill left unsaved, when the user agrees.
    void offerRecoveredSchedules();
    // What a schedule window is given.
    ScheduleContext scheduleContext();
    EmblemView* emblem() const { return m_emblem; }
    // "flash.bmp" as found at start-up; empty when there is none.
    const QString& stillPicturePath() const { return m_stillPicturePath; }
    QMenu* windowMenu() const { return m_menu; }
    HelpWindow* helpWindow() const { return m_help; }
    ReportsDialog* reportsDialog() const;
    FloatingHistoryWindow* floatingWindow() const;
    HistoriesPage* historiesPage() const;
    // Where pages go: the tab control's display area widened by the page margins.
    QRect pageRect() const;

    // Quit, Escape and the close box all end here.
    void reject() override;
    // The session ends from outside (a logout, Ctrl+C, a kill): the window ends as Quit ends
    // it, but asks nothing and shows no thank-you screen. Open dialogs are cancelled; unsaved
    // schedules keep their recovery copies, offered at the next start.
    void endSession();
    // The window has gone: the thank-you screen follows.
    void done(int result) override;
    // The buttons below the tabs.
    void onReports();
    void onHelp();
    void onReset();
    void onPrintScreen();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    struct PageSlot
    {
        CalculatorPage* page = nullptr;
        bool created = false;
        bool current = false;
        bool placed = false;
    };

    void buildTabs();
    void buildButtons();
    void buildMenu();
    void buildEmblem();
    void startAnimation();
    void createPage(int index);
    void onTabChanged(int index);
    void onTabClicked(int index);
    void toggleSplash();
    void toggleAnimate();
    void saveSettings();
    void sendToCurrent(QEvent::Type type, qintptr wParam = 0, qintptr lParam = 0);
    bool reportMessage(QEvent::Type type, qintptr wParam, qintptr lParam);
    void openFloatingWindow();
    QList<QWidget*> tabChain() const;

    AppServices& m_services;
    PageContext m_context;
    SettingsFile m_settingsFile;
    Settings m_settings;
    bool m_autoAddToHistories = true;
    std::array<PageSlot, Tabs::Count> m_slots{};
    TabControl* m_tabs = nullptr;
    QList<PictureButton*> m_buttons;
    QToolButton* m_menuButton = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_splashAction = nullptr;
    QAction* m_animateAction = nullptr;
    QAction* m_aboutAction = nullptr;
    QAction* m_scheduleAction = nullptr;
    EmblemView* m_emblem = nullptr;
    QString m_stillPicturePath;
    QString m_clipPath;
    bool m_animationAwaitsPaint = false;
    bool m_endingSession = false;
    HelpWindow* m_help = nullptr;
    QPointer<ReportsDialog> m_reportsDialog;
    QPointer<FloatingHistoryWindow> m_floating;
};
