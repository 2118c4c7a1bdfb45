#pragma once

#include "platform/print/Length.h"
#include "printing/preview/PreviewPaging.h"

#include <QDialog>
#include <array>
#include <memory>

class ImageButton;
class PreviewDocument;
class PreviewPageWidget;
class QButtonGroup;
class QGroupBox;
class QPrinter;
class QRadioButton;
class QScrollBar;
class RulerStrip;

// The print preview ("Presentacion preliminar") of a listing, a sheet of labels or envelopes: the
// document's pages one at a time on a page of the printer's size (an envelope at its own size), paged
// forwards and back, on A4 or A3 upright or landscape, and printed (all pages, or the one shown) on
// the printer chosen.
class frmVPreliminar : public QDialog
{
    Q_OBJECT
public:
    // The modes of setConfiguracion().
    enum Modo { Informe = 0, Etiquetas = 1, Sobres = 2 };

    explicit frmVPreliminar(QWidget* parent = nullptr);
    ~frmVPreliminar() override;

    // The printer the preview lays out for and prints on; a launcher sets its paper before showing.
    QPrinter& impresora() const { return *m_impresora; }
    void setImpresora(std::unique_ptr<QPrinter> impresora);

    // Puts the frame in a mode (its buttons, paper and orientation options, panels); any other
    // value changes nothing.
    void setConfiguracion(int tipoInforme);
    int modo() const { return m_modo; }
    // The document shown; it must outlive the frame's use of it. Drawn when the window shows.
    void setDocumento(PreviewDocument* documento);
    PreviewDocument* documento() const { return m_documento; }

    // Shows the preview modally (through the dialog service); returns when it is closed.
    int muestra();

    // For the envelope and attention-line controls of labels and envelopes.
    QGroupBox* picSobres() const { return m_picSobres; }
    QWidget* picAtencion() const { return m_picAtencion; }
    // The page and its items (the envelope's address block is dragged on it).
    PreviewPageWidget* picTexto() const { return m_picTexto; }
    // Lays the document out again from its first page, as after a change of its settings.
    void vuelveAEmpezar();
    // Applies the paper and orientation options (envelopes: an A4 sheet, landscape) to the printer,
    // and the page area to the page (envelopes: the envelope, the document's previewPage()), as after
    // the envelope's size changed; false, having said so once, when the printer refuses them. The
    // page is drawn again by vuelveAEmpezar() or redibuja().
    bool configuraPagina();
    // Draws the page shown again.
    void redibuja();
    // Scrolls the page so that its part `zonaCm` (page centimetres) is in view.
    void muestraZona(const QRectF& zonaCm);

    // The paging state and the page area, as the preview now stands.
    const PreviewPaging& paginacion() const { return m_paginacion; }
    PageExtent areaPagina() const { return m_area; }
    bool ocupado() const { return m_ocupado; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    void creaBotonera();
    void creaPagina();
    ImageButton* boton(const QString& nombre, const QString& cara, int left, int top, int width, int height);

    // Draws the page shown from its first record.
    void muestraPagina();
    // Says the document's notice on the page area, once while it stays the same.
    void avisa();
    // The same once the window is on the screen.
    void avisaEncima();
    // Lays the pages out again and shows the one that holds record `registro`.
    void vuelveAlRegistro(int registro);
    void opcionElegida(bool marcada);
    // The options as the page was last set up: what a click that cannot be taken now goes back to.
    void guardaOpciones();
    void restauraOpciones();
    void siguiente();
    void anterior();
    void imprime();
    void configura();
    void ayuda();
    void restauraBotones();
    void actualizaPaginado();
    void colocaControles();
    void desplaza();
    void setOcupado(bool ocupado);

    std::unique_ptr<QPrinter> m_impresora;
    PreviewDocument* m_documento = nullptr;
    PreviewPaging m_paginacion;
    PageExtent m_area {Length::cm(20), Length::cm(29)};
    int m_modo = -1;
    bool m_configurada = false;
    bool m_ocupado = false;
    bool m_silencio = false;
    int m_esperasAviso = 0;
    int m_papelAplicado = -1;
    int m_orientacionAplicada = -1;
    QString m_avisoDicho;

    QWidget* m_picBotones = nullptr;
    ImageButton* m_cmdCerrar = nullptr;
    ImageButton* m_cmdImprime = nullptr;
    ImageButton* m_cmdConf = nullptr;
    ImageButton* m_cmdAnterior = nullptr;
    ImageButton* m_cmdSiguiente = nullptr;
    ImageButton* m_cmdAyuda = nullptr;
    QGroupBox* m_fraPapel = nullptr;
    QGroupBox* m_fraOrientacion = nullptr;
    std::array<QRadioButton*, 2> m_optPapel {};
    std::array<QRadioButton*, 2> m_optOrientacion {};
    QButtonGroup* m_grupoPapel = nullptr;
    QButtonGroup* m_grupoOrientacion = nullptr;
    QGroupBox* m_picSobres = nullptr;
    QWidget* m_picAtencion = nullptr;
    QWidget* m_picFondo = nullptr;
    PreviewPageWidget* m_picTexto = nullptr;
    RulerStrip* m_picHScroll = nullptr;
    RulerStrip* m_picVScroll = nullptr;
    QScrollBar* m_VScroll1 = nullptr; // scroll the page up and down in its frame
    QScrollBar* m_HScroll1 = nullptr; // and across
};
