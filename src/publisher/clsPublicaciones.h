#pragma once

#include "shell/Pantalla.h"

#include <QObject>
#include <QPointer>

class ActiveLabel;
class PictureBox;
class QLabel;

// Screen 3 of the menu: the publisher's catalogue. Four publications as thumbnails with their titles;
// the pointer over one shows its description and a large picture of it beside the grid, the bare page
// brings the publisher's logo back. A link opens the magazine's PDF issue, another writes to the
// publisher's orders address.
class clsPublicaciones : public Pantalla
{
public:
    clsPublicaciones();
    ~clsPublicaciones() override;
    clsPublicaciones(const clsPublicaciones&) = delete;
    clsPublicaciones& operator=(const clsPublicaciones&) = delete;

private:
    enum Publicacion { Ostralin, Pelvarin, Rasmelin, Sendavo, Tamberlo, Libro };

    void pintaContacto();
    void pintaPantalla();
    void pintaPantalla800();
    void muestraPublicacion(Publicacion publicacion);
    void pantalla_MouseMove();
    void lblRevistaPDF_MouseUp();
    void lblMail_Click();

    QObject m_contexto;

    QPointer<PictureBox> pantalla;
    QPointer<ActiveLabel> imgOstralin;
    QPointer<ActiveLabel> imgPelvarin;
    QPointer<ActiveLabel> imgRasmelin;
    QPointer<ActiveLabel> imgRevista;
    QPointer<ActiveLabel> imgTamberlo;
    QPointer<ActiveLabel> imgLibro;
    QPointer<QLabel> texto;
    QPointer<ActiveLabel> lblMail;
    QPointer<QLabel> lostralin;
    QPointer<QLabel> lpelvarin;
    QPointer<QLabel> lrasmelin;
    QPointer<QLabel> lrevista;
    QPointer<QLabel> ltamberlo;
    QPointer<QLabel> llibro;
    QPointer<QLabel> revistagrande;
    QPointer<QLabel> titulo;
    QPointer<QLabel> titulo2;
    QPointer<ActiveLabel> lblRevistaPDF;
    QPointer<ActiveLabel> lblTamberloPDF;
    QPointer<QLabel> lblBienvenidos;
};
