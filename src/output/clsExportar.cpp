#include "output/clsExportar.h"

#include "core/Installation.h"
#include "output/frmExportar.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/frmWhile.h"
#include "shell/mdMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace {

QString filtro(int formato)
{
    switch (formato) {
    case clsExportar::kHojaCalculo:
        return QStringLiteral("Hoja de cálculo de Excel (*.xls, *.xlsx)|*.xls;*.xlsx");
    case clsExportar::kDocumento:
        return QStringLiteral("Documento de Microsoft Word (*.doc, *.docx)|*.doc;*.docx");
    default:
        return QStringLiteral("Documento de Texto (*.txt)|*.txt");
    }
}

ExportFormat formatoDe(int formato)
{
    switch (formato) {
    case clsExportar::kHojaCalculo:
        return ExportFormat::Spreadsheet;
    case clsExportar::kDocumento:
        return ExportFormat::Document;
    default:
        return ExportFormat::Text;
    }
}

} // namespace

clsExportar::clsExportar()
    : m_formExportar(new frmExportar(gFormMenu))
    , m_escritor(&exportCompanies)
{
    frmExportar* form = m_formExportar.data();
    m_imgAceptar = ControlRegistry::add<ImageButton>(form, QStringLiteral("iaceptar"));
    m_imgCancelar = ControlRegistry::add<ImageButton>(form, QStringLiteral("icancelar"));
    m_imgAyuda = ControlRegistry::add<ImageButton>(form, QStringLiteral("iayuda"));
    colocaBotones();
    QObject::connect(m_imgAceptar, &ImageButton::released, form, [this] { imgAceptar_MouseUp(); });
    QObject::connect(m_imgCancelar, &ImageButton::released, form, [this] { imgCancelar_MouseUp(); });
    QObject::connect(m_imgAyuda, &ImageButton::released, form, [this] { imgAyuda_MouseUp(); });
    for (ImageButton* boton : {m_imgAceptar.data(), m_imgCancelar.data(), m_imgAyuda.data()})
        QObject::connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);
    QObject::connect(form, &frmExportar::fondoMovido, form, [this] { restauraBotones(); });
    QObject::connect(form, &frmExportar::aceptar, form, [this] { imgAceptar_MouseUp(); });
    QObject::connect(form, &frmExportar::cancelar, form, [this] { imgCancelar_MouseUp(); });
}

clsExportar::~clsExportar()
{
    delete m_formExportar.data();
}

void clsExportar::setEscritor(Escritor escritor)
{
    m_escritor = std::move(escritor);
}

void clsExportar::colocaBotones()
{
    const int alto = Twips::height(m_formExportar.data());
    const int ancho = Twips::width(m_formExportar.data());
    m_imgCancelar->setPicture(QStringLiteral("CANCELAR"));
    m_imgAceptar->setPicture(QStringLiteral("ACEPTAR"));
    m_imgAyuda->setPicture(QStringLiteral("AYUDA2"));
    Twips::move(m_imgCancelar, ancho - (550 + Twips::width(m_imgCancelar)), alto - 750);
    Twips::move(m_imgAceptar, Twips::left(m_imgCancelar) - (300 + Twips::width(m_imgAceptar)), alto - 750);
    Twips::move(m_imgAyuda, 300, alto - 750);
    for (ImageButton* boton : {m_imgCancelar.data(), m_imgAceptar.data(), m_imgAyuda.data()})
        boton->show();
}

void clsExportar::restauraBotones()
{
    for (ImageButton* boton : {m_imgAceptar.data(), m_imgCancelar.data(), m_imgAyuda.data()})
        boton->showNormal();
}

void clsExportar::Muestra(Recordset* rs)
{
    m_registros = rs;
    m_formato = -1;
    m_fichero.clear();
    gVentanas().redondea(m_formExportar.data(), 44, 44);
    const int registros = rs && rs->isOpen() ? rs->recordCount() : 0;
    m_formExportar->setRegistros(QString::number(registros) + QStringLiteral(" Registros"));
    // The file is written once the dialog has closed, outside its modal loop.
    if (DialogService::exec(*m_formExportar.data()) == QDialog::Accepted && !m_fichero.isEmpty())
        escribe(m_formato, m_fichero);
    m_registros = nullptr;
}

void clsExportar::Exportar(int formato)
{
    if (formato != kHojaCalculo && formato != kTexto && formato != kDocumento)
        return;
    const QString fichero = pideFichero(formato);
    if (fichero.isEmpty())
        return;
    m_formato = formato;
    m_fichero = fichero;
    m_formExportar->accept();
}

QString clsExportar::pideFichero(int formato)
{
    // Asked again until the user settles a name or cancels, as the save dialog does when its own
    // question is answered No; it opens again where the user was, with the name typed.
    QString inicio;
    for (;;) {
        const QString elegido = DialogService::saveFileName(filtro(formato), m_formExportar.data(), inicio);
        if (elegido.isEmpty())
            return {};
        inicio = elegido;
        // The name that will really be written is the one asked about.
        const QString fichero = finalExportName(elegido, formatoDe(formato));
        // A name the disk cannot take is refused now, not once the whole file has been written.
        if (const QString largo = nameTooLong(fichero); !largo.isEmpty()) {
            DialogService::message(largo, DialogService::Buttons::Ok, DialogService::Icon::Exclamation,
                QStringLiteral("Guardar como"), m_formExportar.data());
            continue;
        }
        const QFileInfo info(fichero);
        const QString nombre = QDir::toNativeSeparators(info.absoluteFilePath());
        if (info.isDir()) {
            DialogService::message(QStringLiteral("Ya existe una carpeta llamada %1.\nEscriba otro nombre "
                                                  "para el archivo.")
                                       .arg(nombre),
                DialogService::Buttons::Ok, DialogService::Icon::Exclamation, QStringLiteral("Guardar como"),
                m_formExportar.data());
            continue;
        }
        DialogService::Answer respuesta;
        if (info.exists()) {
            // Replacing a file loses it: Enter keeps it.
            respuesta = DialogService::message(nombre + QStringLiteral(" ya existe.\n¿Desea reemplazarlo?"),
                DialogService::Buttons::YesNo, DialogService::Icon::Exclamation,
                QStringLiteral("Guardar como"), m_formExportar.data(), DialogService::Answer::No);
        } else {
            respuesta = DialogService::message(
                nombre + QStringLiteral("\nEste archivo no existe.\n¿Desea crearlo?"),
                DialogService::Buttons::YesNo, DialogService::Icon::Question, QStringLiteral("Guardar como"),
                m_formExportar.data());
        }
        if (respuesta == DialogService::Answer::Yes)
            return fichero;
    }
}

void clsExportar::escribe(int formato, const QString& fichero)
{
    Recordset* rs = m_registros;
    ExportOutcome resultado;
    if (!rs || !rs->isOpen()) {
        resultado.message = QStringLiteral("No hay ninguna consulta de empresas abierta.");
    } else {
        int posicion = Recordset::PosUnknown;
        try {
            posicion = rs->absolutePosition();
        } catch (const DbError&) {
        }
        QPointer<QWidget> menu = gFormMenu;
        {
            const BusyPointer::Scope busy;
            PendingEvents::process();
            frmWhile::instance().mostrar();
            if (menu)
                menu->setEnabled(false);
            // The window repaints now and then, not at every company.
            QElapsedTimer reloj;
            reloj.start();
            const auto progreso = [&reloj](qint64, qint64) {
                if (reloj.elapsed() >= 40) {
                    PendingEvents::process();
                    reloj.restart();
                }
                return true;
            };
            try {
                resultado = m_escritor(*rs, formatoDe(formato), fichero, progreso);
            } catch (const DbError& e) {
                resultado = {false, e.description()};
            } catch (const std::exception& e) {
                resultado = {false, QString::fromLocal8Bit(e.what())};
            }
            if (menu)
                menu->setEnabled(true);
            frmWhile::instance().unload();
        }
        // The guide's recordset stays where it was.
        try {
            if (posicion >= 1 && posicion <= rs->recordCount())
                rs->setAbsolutePosition(posicion);
        } catch (const DbError&) {
        }
    }
    if (resultado.ok) {
        // What the file lacks of the data (a value cut to fit) is said once it is written.
        if (!resultado.notice.isEmpty()) {
            DialogService::message(QStringLiteral("Se exportó el archivo ")
                    + QDir::toNativeSeparators(fichero) + QStringLiteral("\n\n") + resultado.notice,
                DialogService::Buttons::Ok, DialogService::Icon::Information, QString(), gFormMenu);
        }
        return;
    }
    const QString motivo
        = resultado.message.isEmpty() ? QStringLiteral("Error desconocido.") : resultado.message;
    DialogService::message(QStringLiteral("No se pudo exportar el archivo ")
            + QDir::toNativeSeparators(fichero) + QStringLiteral("\n\n") + motivo,
        DialogService::Buttons::Ok, DialogService::Icon::Critical, QString(), gFormMenu);
}

void clsExportar::imgAceptar_MouseUp()
{
    Exportar(m_formExportar->getPulsado());
}

void clsExportar::imgCancelar_MouseUp()
{
    m_formExportar->reject();
}

void clsExportar::imgAyuda_MouseUp()
{
    clsWeb web;
    web.AbreEnVentana(gRutaApp + QStringLiteral("\\data\\ayuda\\exportar.htm"));
}
