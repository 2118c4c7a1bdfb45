#include "OfficeOpenBench.h"

#include "BenchSupport.h"
#include "output/export/ExportFile.h"
#include "output/export/ExportWriter.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/office/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QStandardPaths>
#include <QXmlStreamWriter>
#include <cstdio>

namespace {

// Longer than this the run is stopped and reported as not opened.
constexpr int kPatienceMs = 15 * 60 * 1000;
// What openMs() gives for a run stopped that way, and for one that opened nothing.
constexpr double kTooLong = -1;
constexpr double kFailed = -2;

const char kContentTypes[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/><Default Extension="xml" ContentType="application/xml"/><Override PartName="/word/document.xml" ContentType="application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"/></Types>
)";
const char kRelations[] = R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>
<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument" Target="word/document.xml"/></Relationships>
)";

// The same rows as one table with nothing but its cells' text: no widths, rules, shading or page set-up.
bool writePlainTable(Recordset& rs, const QString& path)
{
    QByteArray body;
    QXmlStreamWriter xml(&body);
    xml.writeStartDocument(QStringLiteral("1.0"), true);
    xml.writeStartElement(QStringLiteral("w:document"));
    xml.writeAttribute(QStringLiteral("xmlns:w"),
        QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main"));
    xml.writeStartElement(QStringLiteral("w:body"));
    xml.writeStartElement(QStringLiteral("w:tbl"));
    const auto row = [&xml](const QStringList& cells) {
        xml.writeStartElement(QStringLiteral("w:tr"));
        for (const QString& cell : cells) {
            xml.writeStartElement(QStringLiteral("w:tc"));
            xml.writeStartElement(QStringLiteral("w:p"));
            xml.writeStartElement(QStringLiteral("w:r"));
            xml.writeTextElement(QStringLiteral("w:t"), cell);
            xml.writeEndElement();
            xml.writeEndElement();
            xml.writeEndElement();
        }
        xml.writeEndElement();
    };
    row(ExportWriter::textTitles(false));
    QStringList cells;
    for (int r = 0; r < rs.recordCount(); ++r) {
        cells.clear();
        for (int field = ExportWriter::kFirstField; field <= ExportWriter::kLastPlainField; ++field)
            cells.append(ExportWriter::fieldText(rs, r, field));
        row(cells);
    }
    xml.writeEndElement(); // tbl
    xml.writeEmptyElement(QStringLiteral("w:p"));
    xml.writeEndDocument();

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    ZipWriter zip(file);
    return zip.addEntry(QStringLiteral("[Content_Types].xml"), QByteArray(kContentTypes))
        && zip.addEntry(QStringLiteral("_rels/.rels"), QByteArray(kRelations))
        && zip.addEntry(QStringLiteral("word/document.xml"), body) && zip.finish();
}

// Milliseconds for soffice to load `path` and write its text; kTooLong, or kFailed when it wrote no text.
double openMs(const QString& soffice, const QString& profile, const QString& path)
{
    QProcess process;
    QElapsedTimer t;
    t.start();
    process.start(soffice,
        {QStringLiteral("-env:UserInstallation=file://") + profile, QStringLiteral("--headless"),
            QStringLiteral("--convert-to"), QStringLiteral("txt:Text (encoded):UTF8"),
            QStringLiteral("--outdir"), QFileInfo(path).absolutePath() + QStringLiteral("/txt"), path});
    if (!process.waitForFinished(kPatienceMs)) {
        process.kill();
        process.waitForFinished();
        return kTooLong;
    }
    const QString text = QFileInfo(path).absolutePath() + QStringLiteral("/txt/")
        + QFileInfo(path).completeBaseName() + QStringLiteral(".txt");
    return QFile::exists(text) ? t.nsecsElapsed() / 1e6 : kFailed;
}

void line(int rows, const QString& figure, double ms)
{
    if (ms < 0)
        std::printf("%8d  %-44s %10s\n", rows, qPrintable(figure), ms == kFailed ? "(failed)" : "(not open)");
    else
        std::printf("%8d  %-44s %10.2f ms\n", rows, qPrintable(figure), ms);
    std::fflush(stdout);
    if (ms == kFailed)
        Bench::fail(qPrintable(figure), QStringLiteral("opened nothing: LibreOffice wrote no text of it"));
}

} // namespace

void measureDocxOpen(Connection& conn, int rows, const QString& folder)
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString count = QLocale(QLocale::English).toString(rows);
    const QString figure = QStringLiteral("export to .docx: LibreOffice opens %1 rows").arg(count);
    if (soffice.isEmpty()) {
        std::printf("%8d  %-44s %10s\n", rows, qPrintable(figure), "(no soffice)");
        return;
    }
    QDir dir(folder);
    dir.mkpath(QStringLiteral("docx-open"));
    dir.cd(QStringLiteral("docx-open"));
    Recordset rs;
    rs.open(QStringLiteral("SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, "
                           "poblacion, domicilio, cp, telefono, fax, email, web, cargo_1, contacto_1, "
                           "cargo_2, contacto_2, superficie, vehiculos, empleados, observaciones, "
                           "empresa_id FROM tbl_empresas LIMIT %1")
                .arg(rows),
        conn);
    const QString exported = dir.filePath(QStringLiteral("export.docx"));
    const QString plain = dir.filePath(QStringLiteral("plain.docx"));
    if (!exportCompanies(rs, ExportFormat::Document, exported).ok || !writePlainTable(rs, plain)) {
        Bench::fail(qPrintable(figure), QStringLiteral("has no .docx file to open"));
        return;
    }
    // A first run makes LibreOffice's profile, which is not what is measured.
    const QString profile = dir.filePath(QStringLiteral("profile"));
    QFile empty(dir.filePath(QStringLiteral("empty.txt")));
    if (empty.open(QIODevice::WriteOnly))
        empty.write("-");
    empty.close();
    openMs(soffice, profile, empty.fileName());
    line(rows, figure, openMs(soffice, profile, exported));
    line(rows, QStringLiteral("plain .docx table: LibreOffice opens %1 rows").arg(count),
        openMs(soffice, profile, plain));
}
