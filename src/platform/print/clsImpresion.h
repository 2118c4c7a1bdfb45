#pragma once

#include "platform/print/Length.h"
#include "platform/print/PrintFont.h"

#include <QPointF>
#include <QStringList>

class PrintSurface;
class QWidget;

// Printing primitives over a print surface in the manner of a printer object: a scale unit in which
// every position is given, the sheet's paper and orientation, a print position and a font that
// printing moves and changes. Text that would run past the right edge of the page area continues on
// the next line, and text that would run past its bottom continues on a new page.
class clsImpresion
{
public:
    // Scale units, by their codes.
    enum Unidad { Twips = 1, Puntos = 2, Pulgadas = 5, Milimetros = 6, Centimetros = 7 };
    enum Orientaciones { Vertical = 1, Apaisado = 2 };
    enum Papeles { A3 = 8, A4 = 9 };

    explicit clsImpresion(PrintSurface& impresora);
    clsImpresion(const clsImpresion&) = delete;
    clsImpresion& operator=(const clsImpresion&) = delete;

    // A visible label's or text box's text at its place on its container, in its font; each line it
    // shows is one printed line, the next one a line and 50 twips lower.
    void ImprimeObjeto(const QWidget* obj);
    // A line from (x, y) to the right-hand edge of the sheet, in the unit in force.
    void imprimeLinea(double x, double y);
    // A text with its top-left corner at (x, y) in the current font; its lines start at x.
    void imprimeTexto(const QString& texto, double x, double y);
    // A label's or picture box's picture at its place, at its own size; false for anything else.
    bool ImprimeDibujo(const QWidget* obj);
    // Ends the document; false when it could not be output.
    bool imprime();
    // Abandons the document: nothing of it is output.
    void Cancela();

    int UnidadMedida() const { return m_unidadMedida; }
    // False, changing nothing, for a unit the printer has not.
    bool setUnidadMedida(int unidad);
    int Orientacion() const { return m_orientacion; }
    void setOrientacion(int orientacion);
    int Papel() const { return m_papel; }
    // False when the printer refuses the paper; the code is kept all the same.
    bool setPapel(int papel);

    // Measures of a sheet of labels and a font size, stored and returned as set; no primitive reads them.
    float MargenIzquierdo() const { return m_margenIzquierdo; }
    void setMargenIzquierdo(float valor) { m_margenIzquierdo = valor; }
    float MargenSuperior() const { return m_margenSuperior; }
    void setMargenSuperior(float valor) { m_margenSuperior = valor; }
    float DistEntreEtiq() const { return m_distEntreEtiq; }
    void setDistEntreEtiq(float valor) { m_distEntreEtiq = valor; }
    float SegundaEtiq() const { return m_segundaEtiq; }
    void setSegundaEtiq(float valor) { m_segundaEtiq = valor; }
    quint8 tamLetra() const { return m_tamLetra; }
    void setTamLetra(quint8 valor) { m_tamLetra = valor; }

    // A sheet of any size (an envelope), upright; false when the printer refuses it.
    bool setHoja(Length anchura, Length altura);
    // The sheet in millimetres.
    qint16 AlturaHoja() const;
    void setAlturaHoja(qint16 milimetros);
    qint16 AnchuraHoja() const;
    void setAnchuraHoja(qint16 milimetros);

    // The print position in the unit in force, and the font of the next text.
    QPointF posicion() const;
    PrintFont fuente() const { return m_fuente; }
    void setFuente(const PrintFont& fuente) { m_fuente = fuente; }

    // The lines a text prints as: one per line break, none for an empty text.
    static QStringList lineas(const QString& texto);

private:
    void calculaTamHoja();
    // A place given in the unit in force.
    PagePoint punto(double x, double y) const;
    // Prints one line at the print position and moves it down by a line and `espacio`.
    void imprimeLineaEn(const QString& linea, Length x, Length espacio);
    qsizetype cabeEnLinea(const QString& linea, Length ancho) const;

    PrintSurface& m_impresora;
    int m_unidadMedida = Centimetros;
    Length m_unidad = Length::cm(1);
    int m_orientacion = Vertical;
    int m_papel = A4;
    Length m_anchuraHoja = Length::cm(20);
    Length m_alturaHoja = Length::cm(27);
    float m_margenIzquierdo = 0;
    float m_margenSuperior = 0;
    quint8 m_tamLetra = 0;
    float m_segundaEtiq = 0;
    float m_distEntreEtiq = 0;

    PagePoint m_posicion;
    PrintFont m_fuente;
};
