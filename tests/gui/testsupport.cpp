#include "testsupport.h"

#include "calculatorpage.h"
#include "mainwindow.h"
#include "pagemessage.h"
#include "tabcontrol.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

void RecordingPrompts::message(QWidget*, const QString& text)
{
    messages.append(text);
}

void RecordingPrompts::warning(QWidget*, const QString& text)
{
    warnings.append(text);
}

ModalWatchdog::ModalWatchdog()
{
    m_timer.setInterval(100);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            seen = modal->windowTitle() + QStringLiteral(" (") +
                   QString::fromLatin1(modal->metaObject()->className()) + QStringLiteral(")");
            modal->close();
        }
    });
    m_timer.start();
}

ProgramUnderTest::ProgramUnderTest()
{
    PageMessages::ReserveFixedNumbers();
    services.prompts = &prompts;
    services.sounds = &sounds;
    services.programDirectory = m_folder.path();
    services.dataDirectory = m_folder.path();
    m_window = std::make_unique<MainWindow>(services);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

ProgramUnderTest::~ProgramUnderTest() = default;

QWidget* ProgramUnderTest::openTab(int index)
{
    TabControl* tabs = m_window->tabs();
    const QPoint centre = tabs->tabRect(index).center();
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, centre);
    return m_window->page(index);
}

void ProgramUnderTest::pressEnter()
{
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus ? focus : m_window.get(), Qt::Key_Return);
}

void ProgramUnderTest::close()
{
    m_window.reset();
}
