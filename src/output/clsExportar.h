#pragma once

#include "output/export/ExportFile.h"

#include <QPointer>
#include <QString>
#include <functional>

class ImageButton;
class Recordset;
class frmExportar;

// Exports the companies shown to a spreadsheet, a document or a text file: the dialog that picks the
// format, the save dialog and its questions, and the waiting state while the file is written.
class clsExportar
{
public:
    using Escritor = std::function<ExportOutcome(
        Recordset&, ExportFormat, const QString&, const std::function<bool(qint64, qint64)>&)>;

    clsExportar();
    ~clsExportar();
    clsExportar(const clsExportar&) = delete;
    clsExportar& operator=(const clsExportar&) = delete;

    // Format codes of the dialog.
    static constexpr int kHojaCalculo = 0;
    static constexpr int kTexto = 1;
    static constexpr int kDocumento = 2;

    // The accept action: asks for the file with the format `formato`; once a file is settled the
    // dialog closes and the export runs. A cancelled save dialog leaves the dialog open.
    void Exportar(int formato);
    // Every company of `rs`; its current record is kept.
    void Muestra(Recordset* rs);

    // What writes the file (the program's writers unless replaced).
    void setEscritor(Escritor escritor);

private:
    QString pideFichero(int formato);
    void escribe(int formato, const QString& fichero);
    void colocaBotones();
    void restauraBotones();
    void imgAceptar_MouseUp();
    void imgCancelar_MouseUp();
    void imgAyuda_MouseUp();

    Recordset* m_registros = nullptr;
    // Child of the menu form, released with this object.
    QPointer<frmExportar> m_formExportar;
    QPointer<ImageButton> m_imgAceptar;
    QPointer<ImageButton> m_imgCancelar;
    QPointer<ImageButton> m_imgAyuda;
    Escritor m_escritor;
    int m_formato = -1;
    QString m_fichero;
};
