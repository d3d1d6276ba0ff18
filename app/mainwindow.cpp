#include "mainwindow.h"

#include "accessibility.h"
#include "calculatorpage.h"
#include "dialogunits.h"
#include "emblemview.h"
#include "floatinghistorywindow.h"
#include "helpwindow.h"
#include "historiespage.h"
#include "pagemessage.h"
#include "pagetable.h"
#include "picturebutton.h"
#include "programdirectory.h"
#include "reportsdialog.h"
#include "tabcontrol.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMenu>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

namespace {

const QString kSettingsName = QStringLiteral("Tabrilon.dat");

struct ButtonEntry
{
    const char* name;
    const char* caption;
    const char* toolTip;
    const char* picture;
    double x;
    void (MainWindow::*action)();
};

// clang-format off
const std::array<ButtonEntry, 5> kButtons = {{
    {"quit", QT_TRANSLATE_NOOP("MainWindow", "Quit"), QT_TRANSLATE_NOOP("MainWindow", "Quit The Program"), ":/buttons/quit.png", 2, &MainWindow::reject},
    {"reports", QT_TRANSLATE_NOOP("MainWindow", "Reports"), QT_TRANSLATE_NOOP("MainWindow", "Development Credits"), ":/buttons/reports.png", 63, &MainWindow::onReports},
    {"help", QT_TRANSLATE_NOOP("MainWindow", "Help"), QT_TRANSLATE_NOOP("MainWindow", "Help With The Application"), ":/buttons/help.png", 124, &MainWindow::onHelp},
    {"reset", QT_TRANSLATE_NOOP("MainWindow", "Reset"), QT_TRANSLATE_NOOP("MainWindow", "Reset All Fields On The Current Application"), ":/buttons/reset.png", 185, &MainWindow::onReset},
    {"printScreen", QT_TRANSLATE_NOOP("MainWindow", "Print Screen"), QT_TRANSLATE_NOOP("MainWindow", "Print The Current Screen"), ":/buttons/print.png", 246, &MainWindow::onPrintScreen},
}};
// clang-format on

QString Translated(const char* text)
{
    return QCoreApplication::translate("MainWindow", text);
}

}  // namespace

MainWindow::MainWindow(AppServices& services, QWidget* parent)
    : QDialog(parent), m_services(services),
      m_settingsFile(QDir(services.dataDirectory).filePath(kSettingsName))
{
    Q_INIT_RESOURCE(tavo);
    PrepareAccessibility();
    PageMessages::ReserveFixedNumbers();
    m_context = {&m_services, this};
    m_settings = m_settingsFile.load();
    if (m_services.screens) {
        m_services.screens->splash(m_settings.splashOn);
    }

    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(tr("Korlath Designs"));
    setWindowIcon(QIcon(QStringLiteral(":/tavo.png")));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    const DialogUnits du(this);
    setFixedSize(du.size(368, 237));

    // The Histories page collects reports even before its tab is first opened.
    createPage(Tabs::Histories);
    buildTabs();
    buildButtons();
    buildMenu();
    buildEmblem();
    onTabChanged(Tabs::Motor);
}

MainWindow::~MainWindow()
{
    m_tabs->disconnect(this);
    if (m_floating) {
        m_floating->close();
        delete m_floating;
    }
    // Nothing of this run's reports stays behind in the hand-off file.
    m_services.reports->emptyHandOff(this);
    delete m_reportsDialog;
    for (PageSlot& slot : m_slots) {
        delete slot.page;
        slot = {};
    }
}

void MainWindow::buildTabs()
{
    const DialogUnits du(this);
    m_tabs = new TabControl(this);
    m_tabs->setGeometry(du.rect(1, 1, 366, 206));
    for (const TabEntry& entry : kTabs) {
        m_tabs->addTab(QIcon(QString::fromLatin1(entry.icon)), Translated(entry.label),
                       Translated(entry.toolTip));
    }
    m_tabs->lower();
    m_tabs->setCurrentIndex(Tabs::Motor);
    connect(m_tabs, &TabControl::currentChanged, this, &MainWindow::onTabChanged);
    connect(m_tabs, &TabControl::tabClicked, this, &MainWindow::onTabClicked);

    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown), this);
    auto* previous = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp), this);
    connect(next, &QShortcut::activated, this,
            [this] { m_tabs->setCurrentIndex((m_tabs->currentIndex() + 1) % Tabs::Count); });
    connect(previous, &QShortcut::activated, this, [this] {
        m_tabs->setCurrentIndex((m_tabs->currentIndex() + Tabs::Count - 1) % Tabs::Count);
    });
}

void MainWindow::buildButtons()
{
    const DialogUnits du(this);
    for (const ButtonEntry& entry : kButtons) {
        auto* button =
            new PictureButton(Translated(entry.caption), QString::fromLatin1(entry.picture), this);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setToolTip(Translated(entry.toolTip));
        button->setGeometry(du.rect(entry.x, 212, 58, 19));
        connect(button, &QPushButton::clicked, this, entry.action);
        m_buttons.append(button);
    }
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &MainWindow::onHelp);
}

void MainWindow::buildMenu()
{
    m_menu = new QMenu(this);
    m_menu->setObjectName(QStringLiteral("windowMenu"));
    m_menu->setAccessibleName(tr("Menu"));
    m_aboutAction = m_menu->addAction(tr("&About TAVO"));
    m_aboutAction->setObjectName(QStringLiteral("aboutTavo"));
    connect(m_aboutAction, &QAction::triggered, this, [this] {
        if (m_services.screens) {
            m_services.screens->about(this);
        }
    });
    m_menu->addSeparator();
    m_scheduleAction = m_menu->addAction(tr("Circuit &Schedule..."));
    m_scheduleAction->setObjectName(QStringLiteral("circuitSchedule"));
    connect(m_scheduleAction, &QAction::triggered, this, [this] { openSchedules({}); });
    m_menu->addSeparator();
    m_splashAction = m_menu->addAction(tr("S&plash Screen"));
    m_splashAction->setObjectName(QStringLiteral("splashScreen"));
    m_splashAction->setCheckable(true);
    m_splashAction->setChecked(m_settings.splashOn);
    m_menu->addSeparator();
    m_animateAction = m_menu->addAction(tr("An&imate On"));
    m_animateAction->setObjectName(QStringLiteral("animateOn"));
    m_animateAction->setCheckable(true);
    m_animateAction->setChecked(m_settings.animateOn);
    // The menu toggles the flags itself, so a check mark never runs ahead of the settings.
    connect(m_splashAction, &QAction::triggered, this, &MainWindow::toggleSplash);
    connect(m_animateAction, &QAction::triggered, this, &MainWindow::toggleAnimate);

    const DialogUnits du(this);
    m_menuButton = new QToolButton(this);
    m_menuButton->setObjectName(QStringLiteral("menuButton"));
    m_menuButton->setText(tr("&Menu"));
    m_menuButton->setToolTip(tr("About TAVO, Splash Screen And Animation"));
    m_menuButton->setMenu(m_menu);
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    m_menuButton->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_menuButton->setGeometry(du.rect(307, 212, 58, 19));
}

void MainWindow::buildEmblem()
{
    const DialogUnits du(this);
    m_emblem = new EmblemView(*m_services.prompts, *m_services.sounds, this);
    m_emblem->setGeometry(CalculatorPage::EmblemArea(du).translated(pageRect().topLeft()));
    m_stillPicturePath = FindProgramFile(QStringLiteral("flash.bmp"), m_services.programDirectory);
    m_emblem->setStillPicture(m_stillPicturePath);
    m_clipPath = QDir(m_services.programDirectory).filePath(QStringLiteral("flash3.avi"));
    // Started after the window's first paint, so that neither the clip nor the sound libraries
    // its click loads hold up the window's appearing.
    m_animationAwaitsPaint = m_settings.animateOn;
}

void MainWindow::paintEvent(QPaintEvent* event)
{
    QDialog::paintEvent(event);
    if (m_animationAwaitsPaint) {
        m_animationAwaitsPaint = false;
        QTimer::singleShot(0, this, [this] {
            if (m_settings.animateOn && !m_emblem->playing()) {
                startAnimation();
            }
        });
    }
}

void MainWindow::startAnimation()
{
    m_services.sounds->play(QStringLiteral("Click.wav"));
    m_emblem->play(m_clipPath);
}

int MainWindow::currentIndex() const
{
    for (int i = 0; i < Tabs::Count; ++i) {
        if (m_slots[size_t(i)].current) {
            return i;
        }
    }
    return -1;
}

CalculatorPage* MainWindow::page(int index) const
{
    return index >= 0 && index < Tabs::Count ? m_slots[size_t(index)].page : nullptr;
}

CalculatorPage* MainWindow::currentPage() const
{
    return page(currentIndex());
}

QRect MainWindow::pageRect() const
{
    const DialogUnits du(this);
    const QRect display = m_tabs->displayRect().translated(m_tabs->pos());
    return display.adjusted(-du.x(2.5), -du.y(2), du.x(2), du.y(2));
}

void MainWindow::createPage(int index)
{
    PageSlot& slot = m_slots[size_t(index)];
    slot.page = CreatePage(index, m_context, this);
    slot.created = true;
}

void MainWindow::onTabChanged(int index)
{
    if (index < 0 || index >= Tabs::Count) {
        return;
    }
    const QRect rect = pageRect();
    for (PageSlot& slot : m_slots) {
        slot.current = false;
    }
    PageSlot& slot = m_slots[size_t(index)];
    slot.current = true;
    if (!slot.created) {
        createPage(index);
    }
    if (!slot.placed) {
        slot.page->setGeometry(rect);
        slot.page->show();
        slot.placed = true;
    }
    for (const PageSlot& other : m_slots) {
        if (other.created && other.page != slot.page) {
            SendPageMessage(other.page, PageMessages::HidePage);
        }
    }
    slot.page->showPage();
    // The emblem stays above the pages, whichever was placed last.
    if (m_emblem) {
        m_emblem->raise();
    }
}

void MainWindow::onTabClicked(int index)
{
    update();
    SendPageMessage(page(index), PageMessages::Activate);
}

void MainWindow::sendToCurrent(QEvent::Type type, qintptr wParam, qintptr lParam)
{
    SendPageMessage(currentPage(), type, wParam, lParam);
}

void MainWindow::reject()
{
    m_services.sounds->play(QStringLiteral("click.wav"));
    // Every schedule window asks about its unsaved changes first; one kept open keeps TAVO.
    if (!ScheduleWindow::CloseAll(this)) {
        return;
    }
    QDialog::reject();
}

ScheduleContext MainWindow::scheduleContext()
{
    return {&m_services, [this](const QString& page) {
                if (!m_help) {
                    m_help = new HelpWindow(this);
                }
                m_help->showPage(page);
            }};
}

void MainWindow::openSchedules(const QStringList& paths)
{
    if (paths.isEmpty()) {
        ScheduleWindow::Open(scheduleContext(), this);
    }
    for (const QString& path : paths) {
        ScheduleWindow::Open(scheduleContext(), this, path);
    }
}

void MainWindow::offerRecoveredSchedules()
{
    ScheduleWindow::OfferRecovery(scheduleContext(), this);
}

void MainWindow::endSession()
{
    if (m_endingSession) {
        return;
    }
    m_endingSession = true;
    ScheduleWindow::KeepRecoveryCopies(this);
    // A modal dialog runs a loop of its own inside the window's: it goes first, cancelled.
    for (int open = 0; open < 16; ++open) {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == this) {
            break;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        } else {
            modal->close();
        }
    }
    QDialog::reject();
}

void MainWindow::done(int result)
{
    QDialog::done(result);
    if (m_services.screens && !m_endingSession) {
        m_services.screens->farewell(this, m_stillPicturePath);
    }
}

ReportsDialog* MainWindow::reportsDialog() const
{
    return m_reportsDialog;
}

FloatingHistoryWindow* MainWindow::floatingWindow() const
{
    return m_floating;
}

HistoriesPage* MainWindow::historiesPage() const
{
    return qobject_cast<HistoriesPage*>(page(Tabs::Histories));
}

void MainWindow::onReports()
{
    m_services.sounds->play(QStringLiteral("click.wav"));
    delete m_reportsDialog;
    m_reportsDialog = new ReportsDialog(this);
    m_reportsDialog->show();
    SendPageMessage(m_reportsDialog, PageMessages::Registered(PageMessages::kAddCheck),
                    m_autoAddToHistories ? 1 : 0, PageMessages::kCheckStateOnly);
}

void MainWindow::openFloatingWindow()
{
    if (m_floating) {
        m_services.prompts->message(this, tr("External history window is already open!"));
        return;
    }
    m_floating = new FloatingHistoryWindow(m_context, this);
    m_floating->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = this->screen()) {
        // Its frame at the corner, so that the title bar and close box stay on the screen.
        m_floating->winId();
        m_floating->windowHandle()->setFramePosition(screen->geometry().topLeft());
    }
    m_floating->show();
}

void MainWindow::onHelp()
{
    m_services.sounds->play(QStringLiteral("Click.wav"));
    if (!m_help) {
        m_help = new HelpWindow(this);
    }
    m_help->showContents();
}

void MainWindow::onReset()
{
    m_services.sounds->play(QStringLiteral("Click.wav"));
    sendToCurrent(PageMessages::Reset);
}

void MainWindow::onPrintScreen()
{
    m_services.sounds->play(QStringLiteral("Click.wav"));
    sendToCurrent(PageMessages::PrintScreen);
}

void MainWindow::toggleSplash()
{
    m_settings.splashOn = !m_settings.splashOn;
    m_splashAction->setChecked(m_settings.splashOn);
    saveSettings();
}

void MainWindow::toggleAnimate()
{
    m_settings.animateOn = !m_settings.animateOn;
    m_animateAction->setChecked(m_settings.animateOn);
    if (m_settings.animateOn) {
        startAnimation();
    } else {
        m_emblem->stop();
    }
    saveSettings();
}

void MainWindow::saveSettings()
{
    QString error;
    if (!m_settingsFile.save(m_settings, &error)) {
        m_services.prompts->warning(
            this, tr("The settings could not be saved to %1: %2")
                      .arg(QDir::toNativeSeparators(m_settingsFile.path()), error));
    }
}

bool MainWindow::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type >= QEvent::User && type <= QEvent::MaxUser) {
        if (auto* message = dynamic_cast<PageMessage*>(event)) {
            if (reportMessage(type, message->wParam(), message->lParam())) {
                return true;
            }
        }
    }
    return QDialog::event(event);
}

bool MainWindow::reportMessage(QEvent::Type type, qintptr wParam, qintptr lParam)
{
    using namespace PageMessages;
    if (type == Registered(kSaveReport)) {
        m_autoAddToHistories = wParam != 0;
        if (currentIndex() == Tabs::Histories) {
            m_services.prompts->message(this, tr("Nothing to save or add!"));
        } else {
            sendToCurrent(type, wParam, lParam);
        }
    } else if (type == Registered(kPassReport)) {
        if (currentIndex() != Tabs::Histories) {
            SendPageMessage(historiesPage(), type, wParam, lParam);
        }
    } else if (type == Registered(kAddCheck)) {
        if (lParam == kOpenFloatingWindow) {
            openFloatingWindow();
        }
        m_autoAddToHistories = wParam != 0;
    } else if (type == Registered(kHistWindow)) {
        if (lParam == kReplayRequest) {
            SendPageMessage(historiesPage(), type, 0, kReplayRequest);
        }
        if (wParam == kReplayedHistory && m_floating) {
            SendPageMessage(m_floating, type, kReplayedHistory, lParam);
        }
        if (m_floating && lParam != kReplayRequest && wParam != kReplayedHistory) {
            SendPageMessage(m_floating, type);
        }
    } else {
        return false;
    }
    return true;
}

void MainWindow::keyPressEvent(QKeyEvent* event)
{
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    if (plain && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        sendToCurrent(PageMessages::Registered(PageMessages::kEnterKey),
                      PageMessages::kEnterCharacter);
        return;
    }
    QDialog::keyPressEvent(event);
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event)
{
    m_menu->popup(event->globalPos());
}

QList<QWidget*> MainWindow::tabChain() const
{
    // Reading order: the tabs, the current page's controls in its own order, the buttons.
    QList<QWidget*> chain{m_tabs};
    if (CalculatorPage* current = currentPage()) {
        for (QWidget* w = current->nextInFocusChain(); w != current; w = w->nextInFocusChain()) {
            if (current->isAncestorOf(w) && !w->focusProxy() && w->isVisible() && w->isEnabled() &&
                (w->focusPolicy() & Qt::TabFocus)) {
                chain.append(w);
            }
        }
    }
    for (PictureButton* button : m_buttons) {
        chain.append(button);
    }
    chain.append(m_menuButton);
    return chain;
}

bool MainWindow::focusNextPrevChild(bool next)
{
    const QList<QWidget*> chain = tabChain();
    QWidget* focus = focusWidget();
    qsizetype at = chain.indexOf(focus);
    if (at < 0) {
        at = next ? -1 : 0;
    }
    const qsizetype count = chain.size();
    const qsizetype target = (at + (next ? 1 : count - 1)) % count;
    chain[target]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
