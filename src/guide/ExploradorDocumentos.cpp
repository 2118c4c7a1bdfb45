#include "guide/ExploradorDocumentos.h"

#include "platform/db/SpanishText.h"

#include <QDir>
#include <algorithm>

namespace ExploradorDocumentos {

QString textoVisible(const QString& nombre)
{
    QString texto = nombre.toUpper();
    for (const char* extension : {".XLSX", ".XLS", ".PDF"})
        texto.remove(QLatin1String(extension));
    return texto;
}

QString imagen(const QString& nombre)
{
    const QString minusculas = nombre.toLower();
    if (minusculas.endsWith(QLatin1String(".xls")) || minusculas.endsWith(QLatin1String(".xlsx")))
        return QStringLiteral("excel");
    if (minusculas.endsWith(QLatin1String(".doc")) || minusculas.endsWith(QLatin1String(".docx")))
        return QStringLiteral("word");
    return QStringLiteral("pdf");
}

QString picture(const QString& imagen)
{
    if (imagen == QLatin1String("carpeta"))
        return QStringLiteral("CARPETA");
    return imagen.toUpper();
}

QStringList ficheros(const QString& carpeta)
{
    QStringList nombres = QDir(carpeta).entryList(QDir::Files, QDir::NoSort);
    std::sort(nombres.begin(), nombres.end(),
        [](const QString& a, const QString& b) { return SpanishText::compare(a, b) < 0; });
    return nombres;
}

} // namespace ExploradorDocumentos
