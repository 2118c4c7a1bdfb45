#include "shell/frmWhile.h"

#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>

frmWhile& frmWhile::instance()
{
    static QPointer<frmWhile> form;
    if (!form)
        form = new frmWhile;
    return *form;
}

frmWhile::frmWhile()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmWhile"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(Twips::toPixels(3360), Twips::toPixels(1875));
}

void frmWhile::mostrar()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    // Mapped by a window manager only after a round trip: wait for it, or the work would hide it.
    PendingEvents::untilExposed(this);
}

void frmWhile::unload()
{
    hide();
}

void frmWhile::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.drawPixmap(0, 0, Pictures::get(QStringLiteral("TRABAJANDO")));
}
