#include "card/RecordCardLayout.h"

#include "platform/db/FieldText.h"

namespace {

const std::array<RecordCardLayout::Placement, 17> kFilas = {{
    {RecordCardLayout::Empresa, "Empresa:", 315, 1095, "lblEmpresa", 2250},
    {RecordCardLayout::Cif, "CIF:", 315, 1095, "lblCIF", 2235},
    {RecordCardLayout::Sector, "Sector:", 300, 1635, "lblSector", 2250},
    {RecordCardLayout::Actividad, "Tipo de Empresa:", 315, 1635, "lblTipoEmpresa", 2250},
    {RecordCardLayout::Superficie, "Superficie:", 300, 1785, "lblSuperficie", 2250},
    {RecordCardLayout::Vehiculos, "Vehículos:", 6675, 1035, "lblVehiculos", 8100},
    {RecordCardLayout::Empleados, "Nº Empleados:", 300, 1785, "lblEmpleados", 2250},
    {RecordCardLayout::Domicilio, "Dirección:", 315, 1095, "lblDireccion", 2250},
    {RecordCardLayout::Poblacion, "Población:", 315, 1335, "lblPoblacion", 2235},
    {RecordCardLayout::Provincia, "Provincia:", 315, 1095, "lblProvincia", 2250},
    {RecordCardLayout::Cp, "Código Postal:", 6675, 1335, "lblCP", 8100},
    {RecordCardLayout::Autonomia, "Autonomía:", 315, 1260, "lblAutonomia", 2235},
    {RecordCardLayout::Telefono, "Teléfono:", 300, 1935, "lblTelefono", 2250},
    {RecordCardLayout::Fax, "Fax:", 300, 1935, "lblFax", 2250},
    {RecordCardLayout::Email, "Email:", 300, 1935, "lblEmail", 2250},
    {RecordCardLayout::Web, "Web:", 300, 1935, "lblWeb", 2250},
    {RecordCardLayout::EmpresaId, "Punto de Venta:", 300, 1935, "lblEmpresaLink", 2250},
}};

const RecordCardLayout::Placement kContactos
    = {RecordCardLayout::Cargo1, "Contactos:", 300, 1935, "lblContactos", 300};
const RecordCardLayout::Placement kObservaciones
    = {RecordCardLayout::Observaciones, "Observaciones:", 300, 1935, "txtObservaciones", 300};

const QString kCrLf = QStringLiteral("\r\n");

QVariant valorEn(const QVariantList& valores, int posicion)
{
    return posicion < valores.size() ? valores.at(posicion) : QVariant();
}

// Only blanks, as the platform's Trim removes them.
QString sinBlancos(const QString& texto)
{
    qsizetype inicio = 0;
    qsizetype fin = texto.size();
    while (inicio < fin && texto.at(inicio) == QLatin1Char(' '))
        ++inicio;
    while (fin > inicio && texto.at(fin - 1) == QLatin1Char(' '))
        --fin;
    return texto.mid(inicio, fin - inicio);
}

} // namespace

const std::array<RecordCardLayout::Placement, 17>& RecordCardLayout::filas()
{
    return kFilas;
}

const RecordCardLayout::Placement& RecordCardLayout::contactos()
{
    return kContactos;
}

const RecordCardLayout::Placement& RecordCardLayout::observaciones()
{
    return kObservaciones;
}

bool RecordCardLayout::presente(const QVariant& valor)
{
    return valor.isValid() && !valor.isNull() && !valor.toString().isEmpty();
}

std::optional<qint64> RecordCardLayout::claveSede(const QVariant& empresaId)
{
    if (!presente(empresaId))
        return std::nullopt;
    const QString texto = empresaId.toString().trimmed();
    if (texto.isEmpty())
        return std::nullopt;
    for (const QChar c : texto) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    bool ok = false;
    const qint64 clave = texto.toLongLong(&ok);
    return ok ? std::optional<qint64>(clave) : std::nullopt;
}

QString RecordCardLayout::textoContactos(const QVariantList& valores)
{
    const QVariant cargo1 = valorEn(valores, Cargo1);
    const QVariant contacto1 = valorEn(valores, Contacto1);
    const QVariant cargo2 = valorEn(valores, Cargo2);
    const QVariant contacto2 = valorEn(valores, Contacto2);
    // Each field on its one line of the block.
    const auto linea = [](const QVariant& v) { return FieldText::oneLine(v.toString()).toUpper(); };
    QString texto = presente(cargo1) ? linea(cargo1) + QStringLiteral(": ") : QString();
    if (presente(contacto1))
        texto += linea(contacto1);
    else
        texto.clear();
    if (!texto.isEmpty())
        texto += QLatin1Char('\n');
    if (presente(cargo2))
        texto += linea(cargo2) + QStringLiteral(": ");
    if (presente(contacto2))
        texto += linea(contacto2);
    return texto;
}

QString RecordCardLayout::comoEditor(const QString& texto)
{
    QString editor = texto;
    editor.replace(kCrLf, QStringLiteral("\n"));
    editor.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return editor;
}

QString RecordCardLayout::comoAlmacen(const QString& texto)
{
    return comoEditor(texto).replace(QLatin1Char('\n'), kCrLf);
}

RecordCardLayout RecordCardLayout::calcula(const QVariantList& valores, const std::optional<QString>& sede)
{
    RecordCardLayout l;
    const QVariant marca = valorEn(valores, Seleccionada);
    if (marca.isValid() && !marca.isNull())
        l.m_seleccionada = marca.toBool();

    int posicion = kPrimeraFila;
    for (const Placement& d : kFilas) {
        Row& fila = l.m_filas[size_t(d.posicion)];
        const QVariant valor = valorEn(valores, d.posicion);
        if (d.posicion == EmpresaId) {
            fila.visible = presente(valor) && sede.has_value();
            fila.texto = fila.visible ? FieldText::oneLine(*sede) : QString();
        } else {
            fila.visible = presente(valor);
            // A field is one line on the card: a stored line break would print over the next row.
            const QString texto = FieldText::oneLine(valor.toString());
            if (fila.visible)
                fila.texto = d.posicion == Email || d.posicion == Web ? texto : texto.toUpper();
        }
        if (!fila.visible)
            continue;
        // The right-hand column shares the row of its neighbour on the left when that one shows.
        const int vecino = d.posicion == Vehiculos ? Superficie : d.posicion == Cp ? Provincia : -1;
        if (vecino >= 0 && l.m_filas[size_t(vecino)].visible) {
            fila.top = l.m_filas[size_t(vecino)].top;
            continue;
        }
        fila.top = posicion;
        posicion += kAltoFila;
    }

    Row& contactos = l.m_filas[Cargo1];
    contactos.texto = textoContactos(valores);
    contactos.visible = !contactos.texto.isEmpty();
    if (contactos.visible) {
        contactos.top = posicion;
        posicion += kAltoContactos + 300;
    }

    Row& obs = l.m_filas[Observaciones];
    const QVariant observaciones = valorEn(valores, Observaciones);
    obs.visible = true;
    obs.texto = presente(observaciones) ? comoEditor(observaciones.toString()) : QString();
    obs.top = posicion;
    return l;
}

QString RecordCardLayout::partirObservaciones(const QString& texto)
{
    constexpr qsizetype kLinea = 85;
    constexpr qsizetype kCorteDesde = 75;
    if (texto.size() <= kLinea)
        return texto;
    QString w = sinBlancos(texto);
    // Positions count from 1, as the rule is stated.
    qsizetype p = 1;
    while (p < w.size()) {
        const qsizetype q = w.indexOf(kCrLf, p - 1) + 1;
        if (q > 0 && q - p < kLinea) {
            p = q + 1;
            continue;
        }
        const qsizetype s = w.indexOf(QLatin1Char(' '), p + kCorteDesde - 1) + 1;
        if (s == 0) {
            p += kLinea;
            continue;
        }
        w = w.left(s) + kCrLf + QLatin1Char(' ') + w.mid(s);
        p = s + 5;
    }
    return w;
}
