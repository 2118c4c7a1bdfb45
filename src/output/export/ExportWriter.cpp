#include "output/export/ExportWriter.h"

#include "platform/db/Recordset.h"
#include "platform/office/WriteAll.h"

#include <QDir>
#include <QLocale>

namespace {

// How often progress is told: often enough for a window to repaint, seldom enough to cost nothing.
constexpr qint64 kProgressStep = 500;
// The most characters of a value a message quotes.
constexpr qsizetype kQuoted = 60;

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

QString ExportWriter::quoted(const QString& text)
{
    QString line = text.simplified();
    if (line.size() <= kQuoted)
        return line;
    line.truncate(kQuoted - 1);
    if (line.back().isHighSurrogate())
        line.chop(1);
    return line + QChar(0x2026);
}

bool ExportWriter::begin(Recordset& rs, int lastField)
{
    m_error.clear();
    m_notice.clear();
    m_cancelled = false;
    m_outOfSpace = false;
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

bool ExportWriter::failWriting(bool full, const QString& reason)
{
    if (!full)
        return fail(reason);
    m_outOfSpace = true;
    return fail(QStringLiteral("No queda espacio libre en el disco."));
}

bool ExportWriter::writeOut(QIODevice& out, QByteArrayView data, const QString& reason)
{
    bool full = false;
    return writeAll(out, data, full) || failWriting(full, reason);
}

QString ExportWriter::workFolder() const
{
    return m_workFolder.isEmpty() ? QDir::tempPath() : m_workFolder;
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
