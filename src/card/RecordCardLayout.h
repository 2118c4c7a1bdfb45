#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <array>
#include <optional>

// The record card's panel for one company, in twips from the panel's corner: which rows show, their
// texts and their tops, stacked from the top with no gap for empty fields. Pure: the caller looks the
// head office up and passes what its link shows.
class RecordCardLayout
{
public:
    // Positions of the company record.
    enum Item {
        Seleccionada = 0,
        Sector,
        Empresa,
        Actividad,
        Cif,
        Autonomia,
        Provincia,
        Poblacion,
        Domicilio,
        Cp,
        Telefono,
        Fax,
        Email,
        Web,
        Cargo1,
        Contacto1,
        Cargo2,
        Contacto2,
        Superficie,
        Vehiculos,
        Empleados,
        Observaciones,
        EmpresaId,
        NumCampos
    };

    // One row of the card: its title, and the label that shows its value.
    struct Placement
    {
        int posicion;
        const char* titulo;
        int tituloLeft;
        int tituloWidth;
        const char* valor;
        int valorLeft;
    };

    struct Row
    {
        bool visible = false;
        QString texto;
        int top = 0;
    };

    static constexpr int kPrimeraFila = 100;
    static constexpr int kAltoFila = 320;
    static constexpr int kAltoTitulo = 255;
    static constexpr int kBajoTitulo = 250; // from a title to its block
    static constexpr int kAltoContactos = 840;

    // The single-field rows in the order they are laid out, then the contacts and the observations.
    static const std::array<Placement, 17>& filas();
    static const Placement& contactos();
    static const Placement& observaciones();

    // `sede`: what the head-office link shows, or none when there is no link to show.
    static RecordCardLayout calcula(const QVariantList& valores, const std::optional<QString>& sede);

    // The row of a field position (also Cargo1 for the contacts block and Observaciones).
    const Row& fila(int posicion) const { return m_filas.at(size_t(posicion)); }
    // The top of the contacts block itself (its title is at fila(Cargo1).top).
    int topContactos() const { return fila(Cargo1).top + kBajoTitulo; }
    int topObservaciones() const { return fila(Observaciones).top + kBajoTitulo; }
    // The stored mark, none when it is NULL.
    std::optional<bool> seleccionada() const { return m_seleccionada; }

    // Not NULL and not empty (blanks count as a value).
    static bool presente(const QVariant& valor);
    // The head office's key, when `empresaId` holds a whole number.
    static std::optional<qint64> claveSede(const QVariant& empresaId);
    // "POST: NAME" lines of the two contacts; a post without a name is dropped.
    static QString textoContactos(const QVariantList& valores);
    // Line breaks as the card's editors show them ('\n').
    static QString comoEditor(const QString& texto);
    // Line breaks as the database keeps them (CR LF).
    static QString comoAlmacen(const QString& texto);
    // The card's line breaking of observations for printing, on CR LF text. A text of at most 85
    // characters stays as it is; in a longer one, lines longer than 85 characters break after a blank
    // at the 76th character or later, the continuation starting with one blank, and the user's own
    // line breaks stay.
    static QString partirObservaciones(const QString& texto);

private:
    std::array<Row, NumCampos> m_filas;
    std::optional<bool> m_seleccionada;
};
