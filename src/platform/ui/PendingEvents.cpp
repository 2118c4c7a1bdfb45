#include "platform/ui/PendingEvents.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace PendingEvents {

void process()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // The input held back has already been read from the window system: without a wake-up the event
    // loop would sleep on it until the next event came, a pointer move at the latest.
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

void untilExposed(QWidget* window, std::chrono::milliseconds limit)
{
    const QDeadlineTimer deadline(limit);
    process();
    auto exposed = [window] { return window->windowHandle() && window->windowHandle()->isExposed(); };
    while (window->isVisible() && !exposed() && !deadline.hasExpired()) {
        QThread::msleep(2);
        process();
    }
}

} // namespace PendingEvents
