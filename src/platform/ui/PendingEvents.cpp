#include "platform/ui/PendingEvents.h"

#include <QCoreApplication>

namespace PendingEvents {

void process()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace PendingEvents
