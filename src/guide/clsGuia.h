#pragma once

#include "guide/CaptionHistory.h"
#include "guide/GuideQueries.h"
#include "guide/GuideToolbar.h"
#include "shell/Pantalla.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>

class DocumentExplorer;
class FlexGrid;
class PictureBox;
class QLabel;
class QLineEdit;
class SectorMenu;
class clsDatosBD;

// The company guide screen: the grid of companies with their selection marks, the search by name,
// the toolbar, the sector row and the document explorer, all built by name on the menu form and
// removed from it when the screen goes. The toolbar, the sector row and the explorer are parts of their
// own; the screen places the pages and acts on what the parts report.
class clsGuia : public QObject, public Pantalla
{
    Q_OBJECT

public:
    // What setDatosGrid returns for a query that failed (already said to the user): not a count,
    // so the navigation neither undoes nor takes it for an empty result.
    static constexpr int kConsultaFallida = Pantalla::kConsultaFallida;
    // The guide's type while it shows every company (muestraDatos, getTipo).
    static constexpr int kTodas = 1;

    clsGuia();
    ~clsGuia() override;

    void Desmarcar() override;
    void PintaSubMenu();
    void muestraDatos(int tipo) override;
    int setDatosGrid(const QString& sql, const QString& titulo) override;
    int getTipo() const { return m_tipoGuia; }
    // False when there is no earlier query to go back to. When the earlier query fails to run again,
    // that is said and the guide stays on the rows, count and caption it shows (true).
    bool deshacer() override;
    void setTipo(int tipo) { m_tipoGuia = tipo; }
    void MarcaFilasSeleccionadas();
    bool esGuia() const override { return true; }

    // The caption of the companies shown (the listing's title) and the current sector index.
    QString getTitulo() const { return m_tituloGuia; }
    int getSector() const { return m_sectorActual; }

private:
    void creaControles();
    void pintaPantalla();
    void muestraPaginaDatos();
    // No database to ask: the page, its toolbar and header, and no company.
    void muestraVacia(const QString& titulo);
    void ponRegistros(int n);

    clsDatosBD& datosBD();
    void muestraSector();
    // Formats the columns and paints the marks: every refill of the grid ends here, so the marks
    // always follow the stored values.
    void formateaGrid();
    void muestraFicha();
    void cambiaMarca(int fila);
    void avisaConsultaFallida();

    // The toolbar's actions.
    void actua(GuideToolbar::Action accion);
    bool vistaFicheros() const;
    void exporta();
    void ordena();
    void listado();
    void etiquetas();
    void sobres();
    void todasConSectores();
    void ayuda();
    void correo();
    void cambiaVista();
    void ponVista(bool ficheros);
    void verSeleccionadas();
    void desmarcaTodas();

    void eligeSector(int indice);
    void pantalla_MouseMove();

    void mfgDatos_MouseMove(double x);
    void mfgDatos_Click();
    void mfgDatos_DblClick();
    void txtBusqueda_Change();

    QPointer<PictureBox> m_pantalla;
    std::unique_ptr<DocumentExplorer> m_explorador;
    std::unique_ptr<GuideToolbar> m_barra;
    std::unique_ptr<SectorMenu> m_sectores;
    QPointer<FlexGrid> m_mfgDatos;
    QPointer<QLineEdit> m_txtBusqueda;
    QPointer<QLabel> m_lblMail;
    QPointer<QLabel> m_lblBusqueda;
    QPointer<QLabel> m_lblTitulo;
    QPointer<QLabel> m_lblCabecera;
    QPointer<QLabel> m_lblRegistros;
    std::unique_ptr<clsDatosBD> m_datosBD;
    int m_tipoGuia = 0;
    QString m_tituloGuia;
    int m_sectorActual = 0;

    CaptionHistory m_titulos;
    // Set while a fill, sort or mark runs: a grid event arriving meanwhile is not acted on.
    bool m_ocupado = false;
};
