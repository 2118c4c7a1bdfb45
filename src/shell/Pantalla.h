#pragma once

#include <QString>

// A screen of the menu form: its construction puts its controls on the form, its destruction takes
// them away. The navigation drives the current screen through these members; a screen that has no
// use for one keeps the default, which does nothing.
class Pantalla
{
public:
    // What setDatosGrid returns for a query that failed (already said to the user): not a count.
    static constexpr int kConsultaFallida = -1;

    virtual ~Pantalla() = default;

    virtual void Desmarcar() { }
    virtual void muestraDatos(int /*tipo*/) { }
    virtual int setDatosGrid(const QString& /*sql*/, const QString& /*titulo*/) { return 0; }
    virtual bool deshacer() { return false; }
    virtual bool esGuia() const { return false; }
};
