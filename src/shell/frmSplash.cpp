#include "shell/frmSplash.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsVentanas.h"
#include "shell/mdMain.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QScreen>

frmSplash& frmSplash::instance()
{
    static QPointer<frmSplash> form;
    if (!form)
        form = new frmSplash;
    return *form;
}

frmSplash::frmSplash()
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::SplashScreen)
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(Twips::toPixels(7575), Twips::toPixels(2895));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    gVentanas().redondea(this, 30, 30);
}

void frmSplash::unload()
{
    close();
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), bgrColor(0x808080));
    p.drawPixmap(0, 0, Pictures::get(QStringLiteral("SPLASH")));
}
