#pragma once

#include "guide/CaptionHistory.h"
#include "guide/GuideQueries.h"
#include "shell/Pantalla.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class FlexGrid;
class ImageButton;
class PictureBox;
class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;
class clsDatosBD;

// The company guide screen: the grid of companies with their selection marks, the search by name,
// the toolbar, the sector row and the document explorer, all built by name on the menu form and
// removed from it by name when the screen goes.
class clsGuia : public QObject, public Pantalla
{
    Q_OBJECT

public:
    // What setDatosGrid returns for a query that failed (already said to the user): not a count,
    // so the navigation neither undoes nor takes it for an empty result.
    static constexpr int kConsultaFallida = -1;

    clsGuia();
    ~clsGuia() override;

    void Desmarcar() override;
    void PintaSubMenu();
    void muestraDatos(int tipo) override;
    int setDatosGrid(const QString& sql, const QString& titulo) override;
    int getTipo() const { return tipoGuia; }
    bool deshacer() override;
    void setTipo(int tipo) { tipoGuia = tipo; }
    void MarcaFilasSeleccionadas();
    bool esGuia() const override { return true; }

    // The caption of the companies shown (the listing's title) and the current sector index.
    QString getTitulo() const { return tituloGuia; }
    int getSector() const { return sectorActual; }

private:
    void creaControles();
    void pintaPantalla();
    void pintaToolbar();
    void cargaExploradorFicheros();
    void conectaEventos();
    void muestraPaginaDatos();
    void ponRegistros(int n);

    clsDatosBD& datosBD();
    void muestraSector();
    // Formats the columns and paints the marks: every refill of the grid ends here, so the marks
    // always follow the stored values.
    void formateaGrid();
    void anchoColumnas();
    void muestraFicha();
    void pintaMarca(int fila, bool marcada);
    void cambiaMarca(int fila);
    void avisaConsultaFallida();

    // The toolbar.
    void ejecuta(void (clsGuia::*accion)());
    bool vistaFicheros() const;
    void exporta();
    void ordena();
    void listado();
    void etiquetas();
    void sobres();
    void todas();
    void todasConSectores();
    void ayuda();
    void correo();
    void cambiaVista();
    void ponVista(bool ficheros);
    void verSeleccionadas();
    void desmarcaTodas();

    // The sector row.
    std::array<QLabel*, GuideQueries::kSectorCount> etiquetasSector() const;
    void restauraColorSectores();
    void restauraTamanoSectores();
    static void colorea(QLabel* label, const QColor& color);
    static void cambiaTamano(QLabel* label, double puntos);
    void resaltaSector(int indice);
    void eligeSector(int indice);
    void pantalla_MouseMove();

    // The document explorer.
    std::array<QTreeWidget*, 8> arboles() const;
    void cargaFicherosCarpeta(const QString& carpeta, QTreeWidgetItem* padre);
    void abreDocumento(size_t arbol, QTreeWidgetItem* item);

    void mfgDatos_MouseMove(double x);
    void mfgDatos_Click();
    void mfgDatos_DblClick();
    void txtBusqueda_Change();

    QPointer<PictureBox> pantalla;
    QPointer<PictureBox> ExploradorFicheros;
    QPointer<QTreeWidget> arbolDistri;
    QPointer<QTreeWidget> arbolPrinci;
    QPointer<QTreeWidget> arbolCatering;
    QPointer<QTreeWidget> arbolVending;
    QPointer<QTreeWidget> arbolFranq;
    QPointer<QTreeWidget> arbolHotel;
    QPointer<QTreeWidget> arbolEscuelas;
    QPointer<QTreeWidget> arbolEquipa;
    QPointer<FlexGrid> mfgDatos;
    QPointer<ImageButton> imgFicha;
    QPointer<ImageButton> imgExportar;
    QPointer<ImageButton> imgOrdenar;
    QPointer<ImageButton> imgTodos;
    QPointer<ImageButton> imgAyuda;
    QPointer<ImageButton> imgListado;
    QPointer<ImageButton> imgEtiquetas;
    QPointer<ImageButton> imgSobres;
    QPointer<ImageButton> imgContenidoFichero;
    QPointer<ImageButton> imgVerSeleccionados;
    QPointer<ImageButton> imgDesmarcarSeleccionados;
    QPointer<QLabel> lblFicha;
    QPointer<QLabel> lblExportar;
    QPointer<QLabel> lblOrdenar;
    QPointer<QLabel> lblTodos;
    QPointer<QLabel> lblAyuda;
    QPointer<QLabel> lblListado;
    QPointer<QLabel> lblEtiquetas;
    QPointer<QLabel> lblSobres;
    QPointer<QLabel> lblContenidoFichero;
    QPointer<QLabel> lblSectorCatering;
    QPointer<QLabel> lblSectorDistribucion;
    QPointer<QLabel> lblSectorVending;
    QPointer<QLabel> lblSectorHoteles;
    QPointer<QLabel> lblSectorTransporte;
    QPointer<QLabel> lblSectorEscuelas;
    QPointer<QLabel> lblSectorEquipamiento;
    QPointer<QLabel> lblSectorFranquicias;
    QPointer<QLineEdit> txtBusqueda;
    QPointer<QLabel> lblMail;

    QPointer<QLabel> lblAviso;
    std::array<QPointer<QLabel>, 8> lblSeparador; // 1 to 7
    QPointer<QLabel> lblBusqueda;
    QPointer<QLabel> lblTitulo;
    QPointer<QLabel> lblCabecera;
    QPointer<QLabel> lblRegistros;
    std::unique_ptr<clsDatosBD> m_datosBD;
    int tipoGuia = 0;
    QString tituloGuia;
    int sectorActual = 0;

    CaptionHistory m_titulos;
    int m_izquierdaFicheros = -1;
    // Set while a fill, sort or mark runs: a grid event arriving meanwhile is not acted on.
    bool m_ocupado = false;
};
