#include "sessionsignals.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr std::array kSignals = {SIGTERM, SIGINT, SIGHUP};

// The pipe from the handler to the event loop; -1 while no object catches the signals.
int g_writeEnd = -1;
int g_readEnd = -1;

// Only what is safe in a signal handler: one byte down the pipe, errno kept.
void OnSignal(int /*number*/)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_writeEnd, &byte, 1);
    errno = saved;
}

}  // namespace

SessionSignals::SessionSignals(QObject* parent) : QObject(parent)
{
    int ends[2];
    if (g_writeEnd >= 0 || pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    g_readEnd = ends[0];
    g_writeEnd = ends[1];
    struct sigaction action = {};
    action.sa_handler = OnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : kSignals) {
        sigaction(number, &action, nullptr);
    }
    m_notifier = new QSocketNotifier(g_readEnd, QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &SessionSignals::onReadable);
}

SessionSignals::~SessionSignals()
{
    if (!m_notifier) {
        return;
    }
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : kSignals) {
        sigaction(number, &action, nullptr);
    }
    delete m_notifier;
    close(g_readEnd);
    close(g_writeEnd);
    g_readEnd = g_writeEnd = -1;
}

void SessionSignals::onReadable()
{
    char bytes[16];
    while (read(g_readEnd, bytes, sizeof bytes) > 0) {
    }
    m_received = true;
    emit endRequested();
}
