#pragma once

#include <QPointer>
#include <QString>

class FlexGrid;
class ImageButton;
class clsDatosBD;
class frmOrden;

// Sorts the companies shown by a chosen field, through the guide's own query service: the dialog
// shows the order in force and, on accept, the query is run again with one ORDER BY term.
class clsOrdenar
{
public:
    clsOrdenar();
    ~clsOrdenar();
    clsOrdenar(const clsOrdenar&) = delete;
    clsOrdenar& operator=(const clsOrdenar&) = delete;

    // True when the query was run again: the caller refills `grid` from the new result; the
    // recordset's current position is kept. Cancel changes nothing.
    bool Muestra(clsDatosBD* datos, FlexGrid* grid);

    // The ORDER BY term that accepting now would run: the chosen field's name and direction, or the
    // current field with the chosen direction when no option is chosen.
    QString terminoElegido() const;

private:
    void colocaBotones();
    void restauraBotones();
    void imgAceptar_MouseUp();
    void imgCancelar_MouseUp();

    clsDatosBD* m_datos = nullptr;
    // Child of the menu form, released with this object.
    QPointer<frmOrden> m_formOrdenar;
    QPointer<ImageButton> m_imgAceptar;
    QPointer<ImageButton> m_imgCancelar;
    QString m_termino;
    bool m_aceptado = false;
};
