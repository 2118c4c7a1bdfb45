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

    int m_anchoOriginal = 0;
    int m_altoOriginal = 0;
    int m_profundidad = 0;
    bool m_cambiada = false;
};
