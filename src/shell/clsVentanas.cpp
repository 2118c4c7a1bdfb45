#include "shell/clsVentanas.h"

#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsResolucion.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace {
const QColor kPagina = bgrColor(0xEAF3F6);
}

clsVentanas::clsVentanas(int anchoPixels)
    : m_resolucion(codigoPara(anchoPixels))
{
}

clsVentanas::~clsVentanas() = default;

int clsVentanas::anchoPantalla()
{
    bool ok = false;
    const int forzado = qEnvironmentVariableIntValue("TARVESA_SCREEN_WIDTH", &ok);
    if (ok && forzado > 0)
        return forzado;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 1024;
}

bool clsVentanas::pantallaSimulada()
{
    bool ok = false;
    return qEnvironmentVariableIntValue("TARVESA_SCREEN_WIDTH", &ok) > 0 && ok;
}

QRect clsVentanas::areaPantalla()
{
    bool ok = false;
    const int forzado = qEnvironmentVariableIntValue("TARVESA_SCREEN_WIDTH", &ok);
    if (ok && forzado > 0) {
        const int alto = forzado == 640 ? 480
            : forzado == 800            ? 600
            : forzado == 1024           ? 768
                                        : forzado * 4 / 5;
        return QRect(0, 0, forzado, alto);
    }
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

bool clsVentanas::menuMaximizado(int codigo)
{
    return codigo == 2 || codigo == 3;
}

QRect clsVentanas::exteriorMenu(int codigo, const QRect& area)
{
    if (menuMaximizado(codigo))
        return area;
    const QSize tamano(1024, 800);
    return QRect(
        area.topLeft() + QPoint((area.width() - tamano.width()) / 2, (area.height() - tamano.height()) / 2),
        tamano);
}

int clsVentanas::codigoPara(int anchoPixels)
{
    switch (anchoPixels) {
    case 640:
        return 1;
    case 800:
        return 2;
    case 1024:
        return 3;
    default:
        return 6;
    }
}

bool clsVentanas::setResolucion(int codigo)
{
    static const int modos[][2]
        = {{640, 480}, {800, 600}, {1024, 768}, {1152, 869}, {1152, 768}, {1152, 960}, {1152, 1024}};
    if (codigo < 1 || codigo > 7)
        return false;
    m_resolucion = codigo;
    if (!m_cambioRes)
        m_cambioRes = std::make_unique<clsResolucion>();
    return m_cambioRes->cambiaRes(modos[codigo - 1][0], modos[codigo - 1][1], 16);
}

void clsVentanas::colocaMenu(QWidget* frm)
{
    PendingEvents::process();
    const bool pequena = m_resolucion == 2;
    const int top = pequena ? 1000 : 1500;
    int left = pequena ? 500 : 400;
    const int hueco = pequena ? 20 : 0;
    for (int i = 0;; ++i) {
        QWidget* boton = ControlRegistry::find(frm, QStringLiteral("imgMenu_%1").arg(i));
        if (!boton)
            break;
        Twips::move(boton, left, top);
        boton->setCursor(Pictures::handCursor());
        left += Twips::width(boton) + hueco;
    }
}

void clsVentanas::colocaPantalla(QWidget* ctl)
{
    if (!ctl)
        return;
    const bool pequena = m_resolucion == 2;
    auto* caja = qobject_cast<PictureBox*>(ctl);
    if (caja) {
        if (pequena)
            Twips::place(ctl, 150, 3700, 11600, 3800);
        else
            Twips::place(ctl, 250, 4650, 14900, 5300);
        caja->setBackColor(kPagina);
        caja->setBorderStyle(0);
        caja->setAppearance(0);
    } else {
        if (pequena)
            Twips::place(ctl, 950, 4500, 10300, 2500);
        else
            Twips::place(ctl, 1250, 5650, 12900, 3300);
        QPalette pal = ctl->palette();
        pal.setColor(QPalette::Window, kPagina);
        ctl->setPalette(pal);
        ctl->setAutoFillBackground(true);
    }
}

void clsVentanas::redondea(QWidget*, int, int) { }
