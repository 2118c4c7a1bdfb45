#include "RankingWriter.h"

#include "HtmlPage.h"
#include "OutputFile.h"
#include "platform/db/SpanishText.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <memory>
#include <sqlite3.h>

namespace {

struct Ranking
{
    const char* file;
    const char* title;
    const char* condition; // compared under the columns' ES collation, so without regard to case
};

const Ranking kRankings[] = {
    {"Catering.html", "Catering", "sector = 'CATERING'"},
    {"Equipamientos.html", "Equipamiento", "sector = 'EQUIPAMIENTO'"},
    {"Distribucion.html", "Distribución",
        "sector = 'DISTRIBUCION' AND (actividad IS NULL OR actividad <> 'Cash & Carry')"},
    {"Vending.html", "Vending", "sector = 'VENDING'"},
    {"Cash.html", "Cash & Carry", "actividad = 'Cash & Carry'"},
};

struct ConnectionCloser
{
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};

struct StatementFinalizer
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

QString columnText(sqlite3_stmt* statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
        sqlite3_column_bytes(statement, column));
}

// Compact enough for the small menu's panel, which shows a handful of rows and scrolls. The title is a
// paragraph because QTextBrowser keeps its own size for headings.
const char* const kRankingStyle = R"(
body { font-size: 9pt; }
p.titulo { color: #2E2E2E; font-size: 11pt; font-weight: bold; margin-top: 0px; margin-bottom: 0px; }
p.nota { margin-top: 1px; margin-bottom: 4px; }
table.ranking { border-collapse: collapse; }
th { background-color: #F08214; color: #FFFFFF; font-weight: bold; padding: 2px 5px; }
td { padding: 1px 5px; }
tr.impar td { background-color: #FFFFFF; }
tr.par td { background-color: #EDE6D6; }
td.num { text-align: right; }
)";

} // namespace

RankingWriter::RankingWriter(QString databasePath, QString outputFolder)
    : m_databasePath(std::move(databasePath))
    , m_outputFolder(std::move(outputFolder))
{
}

bool RankingWriter::fail(const QString& message)
{
    m_error = message;
    return false;
}

bool RankingWriter::write()
{
    m_error.clear();
    sqlite3* raw = nullptr;
    const int opened
        = sqlite3_open_v2(QFile::encodeName(m_databasePath).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    const std::unique_ptr<sqlite3, ConnectionCloser> db(raw);
    if (opened != SQLITE_OK)
        return fail(
            QStringLiteral("Cannot open %1: %2").arg(m_databasePath, QString::fromUtf8(sqlite3_errmsg(raw))));
    if (!SpanishText::install(db.get()))
        return fail(
            QStringLiteral("Cannot install the %1 collation").arg(QLatin1String(SpanishText::kCollation)));

    const QLocale spanish(QLocale::Spanish, QLocale::Spain);
    for (const Ranking& ranking : kRankings) {
        // Ties go by name, then by id so that equal names keep one order from run to run.
        const QByteArray sql
            = QByteArray("SELECT empresa, poblacion, provincia, CAST(empleados AS INTEGER) AS n "
                         "FROM tbl_empresas WHERE empresa_id IS NULL AND empleados GLOB '[0-9]*' AND ")
            + ranking.condition + " ORDER BY n DESC, empresa, id_emp LIMIT " + QByteArray::number(kPlaces);
        sqlite3_stmt* rawStatement = nullptr;
        if (sqlite3_prepare_v2(db.get(), sql.constData(), -1, &rawStatement, nullptr) != SQLITE_OK)
            return fail(QStringLiteral("Cannot rank %1: %2")
                            .arg(QLatin1String(ranking.file), QString::fromUtf8(sqlite3_errmsg(db.get()))));
        const std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement(rawStatement);

        QString rows;
        int place = 0;
        int step = SQLITE_ROW;
        while ((step = sqlite3_step(statement.get())) == SQLITE_ROW) {
            ++place;
            rows += QStringLiteral("<tr class=\"%1\"><td class=\"num\" align=\"right\">%2</td><td>%3</td>"
                                   "<td>%4 (%5)</td><td class=\"num\" align=\"right\">%6</td></tr>\n")
                        .arg(place % 2 ? QStringLiteral("impar") : QStringLiteral("par"),
                            QString::number(place), columnText(statement.get(), 0).toHtmlEscaped(),
                            columnText(statement.get(), 1).toHtmlEscaped(),
                            columnText(statement.get(), 2).toHtmlEscaped(),
                            spanish.toString(sqlite3_column_int64(statement.get(), 3)));
        }
        if (step != SQLITE_DONE)
            return fail(QStringLiteral("Cannot rank %1: %2")
                            .arg(QLatin1String(ranking.file), QString::fromUtf8(sqlite3_errmsg(db.get()))));

        const QString sector = QString::fromUtf8(ranking.title);
        const QString title = QStringLiteral("Ranking 2010 · %1").arg(sector);
        QString body = QStringLiteral("<p class=\"titulo\">%1</p>\n").arg(title.toHtmlEscaped());
        if (place == 0) {
            body
                += QStringLiteral("<p>La guía no recoge todavía el número de empleados de ninguna empresa de "
                                  "este sector.</p>\n");
        } else {
            const QString who = place == 1 ? QStringLiteral("la empresa con más empleados")
                                           : QStringLiteral("las %1 empresas con más empleados").arg(place);
            body += QStringLiteral(
                "<p class=\"nota\">Elaborado por KORVAN a partir de los datos de la guía: "
                "%1, contando sólo las sedes centrales.</p>\n"
                "<table class=\"ranking\" width=\"100%\" cellspacing=\"0\" cellpadding=\"2\">\n"
                "<thead><tr><th align=\"right\">Posición</th>"
                "<th width=\"50%\" align=\"left\">Empresa</th>"
                "<th align=\"left\">Población (Provincia)</th>"
                "<th align=\"right\">Empleados</th></tr></thead>\n%2</table>\n")
                        .arg(who, rows);
        }
        const QString path = QDir(m_outputFolder).filePath(QString::fromLatin1(ranking.file));
        if (!OutputFile::write(
                path, HtmlPage::document(title, body, QString::fromLatin1(kRankingStyle)).toUtf8(), m_error))
            return false;
    }
    return true;
}
