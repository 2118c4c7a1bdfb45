#pragma once

#include <QPointer>
#include <QString>

class frmAyudaGrande;
class QWidget;

// Opens web addresses and e-mail with the desktop's programs, and pages in a help window of its own.
class clsWeb
{
public:
    clsWeb() = default;
    ~clsWeb() = default;
    clsWeb(const clsWeb&) = delete;
    clsWeb& operator=(const clsWeb&) = delete;

    // Each says so in a message when the address is not valid or cannot be opened, and returns false.
    bool AbreHttp(const QString& url);
    bool AbreMail(QString& destino);
    // `encima`: a window the help belongs to, above which it works while that one is modal.
    void AbreEnVentana(const QString& ruta, QWidget* encima = nullptr);
    void cierraVentana();

    frmAyudaGrande* ventana() const;

private:
    static void avisa(const QString& texto);

    QPointer<frmAyudaGrande> m_ventanaAyuda;
};
