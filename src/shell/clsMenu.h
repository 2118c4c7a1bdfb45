#pragma once

#include "shell/Pantalla.h"
#include "shell/clsWeb.h"

#include <QString>
#include <functional>
#include <map>
#include <memory>

class Pantalla;

// The menu's options, in the order of its buttons: the four screens, then the search form and the
// help, which have no screen of their own. Search is also the menu's type after a search that found
// nothing, with no screen shown.
enum class Screen : int { Company = 0, Guide = 1, Rankings = 2, Publications = 3, Search = 4, Help = 5 };

// Whether the option is one of the screens, made by a registered factory.
constexpr bool isScreen(Screen opcion)
{
    return opcion >= Screen::Company && opcion <= Screen::Publications;
}

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
    static void registraPantalla(Screen opcion, Fabrica fabrica);
    static void registraBuscador(std::function<void()> muestraBuscador);

    void Desmacar();
    void Muestra(Screen opcion);
    void muestraGuiaSQL(const QString& sql, const QString& titulo);
    Screen getTipo() const { return m_tipo; }
    void setTipo(Screen nuevo);
    void reinicia();

    Pantalla* pantalla() const { return m_pantallaActual.get(); }
    clsWeb& ayuda() { return m_web; }

private:
    void liberaPantalla();
    void creaPantalla(Screen opcion);
    void muestraBuscador();

    Screen m_ultimaOpcion = Screen::Company;
    std::unique_ptr<Pantalla> m_pantallaActual;
    Screen m_tipo = Screen::Company;
    clsWeb m_web;
    // Set while a screen is built or torn down: a click arriving meanwhile is not acted on.
    bool m_ocupado = false;
    bool m_enBusqueda = false;
    bool m_repetirBusqueda = false;
};
