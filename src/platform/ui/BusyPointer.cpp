#include "platform/ui/BusyPointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
bool g_busy = false;
}

void BusyPointer::set(bool busy)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        g_busy = false;
        return;
    }
    if (busy == g_busy)
        return;
    g_busy = busy;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
}

bool BusyPointer::isBusy()
{
    return g_busy;
}
