#pragma once

#include <QRect>
#include <memory>

class QWidget;
class clsResolucion;

// The resolution code, fixed once from the screen's width (1 for 640 pixels, 2 for 800, 3 for 1024,
// 6 for any other), which chooses between the small ("800") and large ("1024") layouts; and the
// placing of the menu's button row and of every screen's panel.
class clsVentanas
{
public:
    explicit clsVentanas(int anchoPixels = anchoPantalla());
    ~clsVentanas();
    clsVentanas(const clsVentanas&) = delete;
    clsVentanas& operator=(const clsVentanas&) = delete;

    bool setResolucion(int codigo);
    int getResolucion() const { return m_resolucion; }
    void colocaMenu(QWidget* frm);
    void colocaPantalla(QWidget* ctl);
    void redondea(QWidget* frm, int a, int b);

    // The primary screen's width in pixels (TARVESA_SCREEN_WIDTH stands in for it when set).
    static int anchoPantalla();
    static int codigoPara(int anchoPixels);
    // The part of the primary screen windows may take; with TARVESA_SCREEN_WIDTH set, a stand-in
    // screen of that width and its usual height, which wins over the platform's own.
    static QRect areaPantalla();
    static bool pantallaSimulada();
    // The menu form's outer rectangle: the whole area at codes 2 and 3, where it is maximised;
    // 1024 x 800 pixels centred on the area at every other code, even when larger than the area.
    static bool menuMaximizado(int codigo);
    static QRect exteriorMenu(int codigo, const QRect& area);

private:
    int m_resolucion = 3;
    std::unique_ptr<clsResolucion> m_cambioRes;
};
