#pragma once

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
    int getResolucion() const { return resolucion; }
    void colocaMenu(QWidget* frm);
    void colocaPantalla(QWidget* ctl);
    void redondea(QWidget* frm, int a, int b);

    // The primary screen's width in pixels (TARVESA_SCREEN_WIDTH stands in for it when set).
    static int anchoPantalla();
    static int codigoPara(int anchoPixels);

private:
    int resolucion = 3;
    std::unique_ptr<clsResolucion> cambioRes;
};
