#pragma once

// Switches the display to a size in pixels, keeping its colour depth, and back to the size it had
// when released.
class clsResolucion
{
public:
    clsResolucion() = default;
    ~clsResolucion();
    clsResolucion(const clsResolucion&) = delete;
    clsResolucion& operator=(const clsResolucion&) = delete;

    bool cambiaRes(int ancho, int alto, int bits);

private:
    bool aplicaResolucion(int ancho, int alto, int bits);

    int anchoOriginal = 0;
    int altoOriginal = 0;
    int profundidad = 0;
    bool cambiada = false;
};
