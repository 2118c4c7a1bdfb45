#include "shell/SessionEnd.h"

#include <QApplication>
#include <QList>
#include <QPointer>
#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
// The self-pipe: the handler only writes a byte; the event loop reads it and does the rest.
int g_pipe[2] = {-1, -1};

extern "C" void onSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[1], &byte, 1);
    errno = saved;
}

} // namespace

SessionEnd::SessionEnd(QObject* parent)
    : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::pipe2(g_pipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_salida.setInterval(50);
    connect(&m_salida, &QTimer::timeout, this, [] { QCoreApplication::exit(0); });
    m_notifier = std::make_unique<QSocketNotifier>(g_pipe[0], QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(g_pipe[0], bytes, sizeof bytes) > 0) { }
        termina();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int s : kSignals)
        sigaction(s, &action, nullptr);
}

SessionEnd::~SessionEnd()
{
    if (!m_notifier)
        return;
    for (int s : kSignals)
        std::signal(s, SIG_DFL);
    m_notifier.reset();
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void SessionEnd::termina()
{
    // The topmost first, as the user would close it; one that stays open (its owner asked the user,
    // who kept it) ends nothing.
    QList<QPointer<QWidget>> cerradas;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (cerradas.contains(modal))
            return;
        cerradas.append(modal);
        modal->close();
    }
    // Every loop ends and the stack unwinds before the screens go (the menu form's unload at quitting);
    // exit, not quit: no window is asked to close while a handler below may still use it.
    QCoreApplication::exit(0);
    m_salida.start();
}
