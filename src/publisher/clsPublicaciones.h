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

    QPointer<PictureBox> m_pantalla;
    QPointer<ActiveLabel> m_imgOstralin;
    QPointer<ActiveLabel> m_imgPelvarin;
    QPointer<ActiveLabel> m_imgRasmelin;
    QPointer<ActiveLabel> m_imgRevista;
    QPointer<ActiveLabel> m_imgTamberlo;
    QPointer<ActiveLabel> m_imgLibro;
    QPointer<QLabel> m_texto;
    QPointer<ActiveLabel> m_lblMail;
    QPointer<QLabel> m_lostralin;
    QPointer<QLabel> m_lpelvarin;
    QPointer<QLabel> m_lrasmelin;
    QPointer<QLabel> m_lrevista;
    QPointer<QLabel> m_ltamberlo;
    QPointer<QLabel> m_llibro;
    QPointer<QLabel> m_revistagrande;
    QPointer<QLabel> m_titulo;
    QPointer<QLabel> m_titulo2; // the contact line's telephone, after m_lblMail
    QPointer<ActiveLabel> m_lblRevistaPDF;
    QPointer<ActiveLabel> m_lblTamberloPDF;
    QPointer<QLabel> m_lblBienvenidos;
};
