#pragma once

#include "shell/Pantalla.h"

#include <QObject>
#include <QPointer>

class ActiveLabel;
class ImageButton;
class PictureBox;
class QLabel;

// Screen 0 of the menu, the first the user sees: two pages in which the publisher presents the
// edition, the second ending with its address, the contact person and its web and e-mail links.
// Its controls live on the menu form, added by name here and removed by name when it goes.
class clsEmpresa : public Pantalla
{
public:
    clsEmpresa();
    ~clsEmpresa() override;
    clsEmpresa(const clsEmpresa&) = delete;
    clsEmpresa& operator=(const clsEmpresa&) = delete;

    void Desmarcar() override;
    // Lays out page 1.
    void pintaPantalla();

private:
    void lblSiguiente_Click();
    void lblAnterior_Click();
    void lblWeb_Click();
    void lblMail_Click(const QLabel* enlace);

    // Connections end with the screen, before the form deletes the removed controls.
    QObject m_contexto;

    QPointer<PictureBox> pantalla;
    QPointer<ActiveLabel> lblSiguiente;
    QPointer<ActiveLabel> lblAnterior;
    QPointer<ImageButton> imgSiguiente;
    QPointer<ImageButton> imgAnterior;
    QPointer<QLabel> titulo;
    QPointer<QLabel> texto;
    QPointer<QLabel> textoPie;
    QPointer<QLabel> ultimo1;
    QPointer<QLabel> ultimo2;
    QPointer<ActiveLabel> lblWeb;
    QPointer<ActiveLabel> lblMail1;
    QPointer<ActiveLabel> lblMail2;
    QPointer<QLabel> lblPersona;
    QPointer<QLabel> lblBienvenidos;
};
