#include "output/export/ExportWriter.h"

#include "platform/db/Recordset.h"

#include <QLocale>

namespace {

// How often progress is told: often enough for a window to repaint, seldom enough to cost nothing.
constexpr qint64 kProgressStep = 500;

} // namespace

QStringList ExportWriter::textTitles(bool withObservations)
{
    QStringList titles {QStringLiteral("Sector"), QStringLiteral("Empresa"), QStringLiteral("Actividad"),
        QStringLiteral("CIF"), QStringLiteral("Autonomía"), QStringLiteral("Provincia"),
        QStringLiteral("Población"), QStringLiteral("Dirección"), QStringLiteral("Código Postal"),
        QStringLiteral("Teléfono"), QStringLiteral("Fax"), QStringLiteral("Mail"), QStringLiteral("Web"),
        QStringLiteral("Cargo 1"), QStringLiteral("Contacto 1"), QStringLiteral("Cargo 2"),
        QStringLiteral("Contacto 2"), QStringLiteral("Superficie"), QStringLiteral("Vehiculos"),
        QStringLiteral("Empleados")};
    if (withObservations)
        titles.append(QStringLiteral("Observaciones"));
    return titles;
}

QStringList ExportWriter::spreadsheetTitles()
{
    QStringList titles = textTitles(true);
    titles[titles.indexOf(QStringLiteral("Mail"))] = QStringLiteral("E-Mail");
    return titles;
}

QString ExportWriter::fieldText(const Recordset& rs, int row, int position)
{
    if (rs.isNullAt(row, position))
        return {};
    if (rs.fieldType(position) == Field::Type::Double) {
        QString text = QString::number(rs.valueAt(row, position).toDouble(), 'g', 15);
        return text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    }
    return rs.textAt(row, position);
}

bool ExportWriter::begin(Recordset& rs, int lastField)
{
    m_error.clear();
    m_cancelled = false;
    if (!rs.isOpen())
        return fail(QStringLiteral("No hay empresas que exportar: la consulta está cerrada."));
    if (rs.fieldCount() <= lastField)
        return fail(QStringLiteral("La consulta no tiene las columnas de la ficha de empresa."));
    return true;
}

bool ExportWriter::fail(const QString& reason)
{
    if (m_error.isEmpty())
        m_error = reason;
    return false;
}

bool ExportWriter::advance(const Progress& progress, qint64 done, qint64 total)
{
    if (!progress || (done % kProgressStep != 0 && done != total))
        return true;
    if (progress(done, total))
        return true;
    m_cancelled = true;
    return fail(QStringLiteral("Se canceló la exportación."));
}
