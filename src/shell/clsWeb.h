#pragma once

#include <QPointer>
#include <QString>

class frmAyudaGrande;

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
    void AbreEnVentana(const QString& ruta);
    void cierraVentana();

    frmAyudaGrande* ventana() const;

private:
    static void avisa(const QString& texto);

    QPointer<frmAyudaGrande> m_ventanaAyuda;
};
