#pragma once

#include "shell/Pantalla.h"
#include "shell/clsWeb.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class Pantalla;

// Which screen the menu form shows: at most one screen object at a time, the previous one released
// before the next is made; also the search form, the help index, and a search's result on the guide.
class clsMenu
{
public:
    using Fabrica = std::function<std::unique_ptr<Pantalla>()>;

    clsMenu() = default;
    ~clsMenu();
    clsMenu(const clsMenu&) = delete;
    clsMenu& operator=(const clsMenu&) = delete;

    // Screens and the search form live in subsystems built on this one: they are given here.
    static void registraPantalla(int opcion, Fabrica fabrica);
    static void registraBuscador(std::function<void()> muestraBuscador);

    void Desmacar();
    void Muestra(int opcion);
    void muestraGuiaSQL(const QString& sql, const QString& titulo);
    int getTipo() const { return m_tipo; }
    void setTipo(int nuevo);
    void reinicia();

    Pantalla* pantalla() const { return m_pantallaActual.get(); }
    clsWeb& ayuda() { return m_web; }

private:
    void liberaPantalla();
    void creaPantalla(int opcion);
    void muestraBuscador();

    int m_ultimaOpcion = 0;
    std::unique_ptr<Pantalla> m_pantallaActual;
    int m_tipo = 0;
    clsWeb m_web;
    // Set while a screen is built or torn down: a click arriving meanwhile is not acted on.
    bool m_ocupado = false;
    bool m_enBusqueda = false;
    bool m_repetirBusqueda = false;
};
