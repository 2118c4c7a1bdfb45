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

    QPointer<PictureBox> m_pantalla;
    QPointer<ActiveLabel> m_lblSiguiente;
    QPointer<ActiveLabel> m_lblAnterior;
    QPointer<ImageButton> m_imgSiguiente;
    QPointer<ImageButton> m_imgAnterior;
    QPointer<QLabel> m_titulo;
    QPointer<QLabel> m_texto;
    QPointer<QLabel> m_textoPie;
    QPointer<QLabel> m_ultimo1; // the bottom line's words before the web address
    QPointer<QLabel> m_ultimo2; // its words between the web address and the mail address
    QPointer<ActiveLabel> m_lblWeb;
    QPointer<ActiveLabel> m_lblMail1; // the mail address on the bottom line
    QPointer<ActiveLabel> m_lblMail2; // the contact person's mail address, beside m_lblPersona
    QPointer<QLabel> m_lblPersona;
    QPointer<QLabel> m_lblBienvenidos;
};
