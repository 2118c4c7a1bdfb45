#include "output/export/DocumentExportWriter.h"
#include "output/export/ExportFile.h"
#include "output/export/SpreadsheetExportWriter.h"
#include "output/export/TextExportWriter.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"
#include "platform/office/ColumnFit.h"
#include "platform/office/ZipReader.h"
#include "platform/office/ZipWriter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

Q_DECLARE_METATYPE(ExportFormat)

namespace {

const QString kRecordColumns = QStringLiteral(
    "seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, domicilio, cp, "
    "telefono, "
    "fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, "
    "observaciones, empresa_id");

// Companies whose fields try the conversions: accents, the euro sign, a letter Windows-1252 lacks,
// NULLs, line breaks, leading zeros. Null pointers are NULLs; positions 1 to 21 of the record.
const std::vector<std::vector<const char*>> kCompanies = {
    {"HOTELES", "CAFÉ €URO, S.L.", "Cafetería", "B12345678", "Andalucía", "Málaga", "Málaga",
        "Calle Larios, 5", "08001", "0034952000000", "952000001", "cafe@euro.es", "www.euro.es", "Gerente",
        "Ana Núñez", "Jefe de cocina", "Luis Gil", "120", "2", "015", "uno\r\ndos"},
    {"CATERING", "ŁÓDŹ CATERING", nullptr, nullptr, "Galicia", "Lugo", "Lugo", "Rúa Nova, 1\r\n2º B", "27001",
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        "tres\ncuatro"},
    {"VENDING", "ZUMOS", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    {"BARES", "BAR\tUNO", "Caf\x01", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
        "cinco\r\n\r\nseis\rsiete"},
};

// The database is written with sqlite3 itself so that the test fixes every byte that goes in.
bool createDatabase(const QString& path, const QString& numberType = QStringLiteral("TEXT"))
{
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
        return false;
    const QByteArray schema = QStringLiteral(
        "CREATE TABLE tbl_empresas (id_emp INTEGER PRIMARY KEY, seleccionada BOOLEAN NOT NULL DEFAULT 0, "
        "sector TEXT, empresa TEXT, actividad TEXT, cif TEXT, autonomia TEXT, provincia TEXT, poblacion "
        "TEXT, "
        "domicilio TEXT, cp TEXT, telefono TEXT, fax TEXT, email TEXT, web TEXT, cargo_1 TEXT, contacto_1 "
        "TEXT, "
        "cargo_2 TEXT, contacto_2 TEXT, superficie %1, vehiculos TEXT, empleados TEXT, observaciones TEXT, "
        "empresa_id INTEGER)")
                                  .arg(numberType)
                                  .toUtf8();
    bool ok = sqlite3_exec(db, schema.constData(), nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_stmt* st = nullptr;
    ok = ok
        && sqlite3_prepare_v2(db,
               "INSERT INTO tbl_empresas (sector, empresa, actividad, cif, autonomia, provincia, "
               "poblacion, domicilio, cp, telefono, fax, email, web, cargo_1, contacto_1, cargo_2, "
               "contacto_2, superficie, vehiculos, empleados, observaciones) VALUES "
               "(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)",
               -1, &st, nullptr)
            == SQLITE_OK;
    for (const auto& company : kCompanies) {
        for (int i = 0; ok && i < int(company.size()); ++i) {
            if (company[size_t(i)])
                sqlite3_bind_text(st, i + 1, company[size_t(i)], -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(st, i + 1);
        }
        ok = ok && sqlite3_step(st) == SQLITE_DONE;
        sqlite3_reset(st);
    }
    sqlite3_finalize(st);
    // What a stored text may hold that a file cannot: a NUL, bytes that are not UTF-8 (Latin-1 "Málaga"),
    // a value longer than a spreadsheet's cell.
    ok = ok
        && sqlite3_exec(db,
               "UPDATE tbl_empresas SET cif = 'A' || char(0) || 'B' WHERE id_emp = 2; UPDATE tbl_empresas "
               "SET poblacion = CAST(X'4DE16C616761' AS TEXT), observaciones = "
               "replace(hex(zeroblob(20000)), '00', 'xy') WHERE id_emp = 3",
               nullptr, nullptr, nullptr)
            == SQLITE_OK;
    sqlite3_close(db);
    return ok;
}

QByteArray textExport(Recordset& rs, bool withObservations)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TextExportWriter writer(withObservations);
    if (!writer.write(rs, buffer, {}))
        qWarning("%s", qPrintable(writer.errorString()));
    return bytes;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The rows of the first sheet of an .xlsx: each cell as its text, numbers prefixed "#".
QList<QStringList> sheetRows(const QByteArray& xlsx)
{
    QList<QStringList> rows;
    QXmlStreamReader xml(ZipReader(xlsx).entry(QStringLiteral("xl/worksheets/sheet1.xml")));
    QString type;
    QString text;
    int column = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("row")) {
            rows.append(QStringList());
        } else if (xml.isStartElement() && xml.name() == QLatin1String("c")) {
            type = xml.attributes().value(QLatin1String("t")).toString();
            const QString ref = xml.attributes().value(QLatin1String("r")).toString();
            column = ref.at(0).unicode() - 'A';
            text.clear();
        } else if (xml.isStartElement()
            && (xml.name() == QLatin1String("t") || xml.name() == QLatin1String("v"))) {
            text += xml.readElementText();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("c")) {
            QStringList& row = rows.last();
            while (row.size() <= column)
                row.append(QString());
            row[column] = type.isEmpty() || type == QLatin1String("n") ? QLatin1Char('#') + text : text;
        }
    }
    return xml.hasError() ? QList<QStringList>() : rows;
}

struct DocumentTable
{
    int tables = 0;
    bool landscape = false;
    QList<QStringList> rows;
    QList<int> widths; // of the first table's columns
    int cellMargins = 0; // left and right of a cell's text, twips
    int halfPoints = 0; // the type size of the document
};

// The tables of a .docx's body: each cell's text, a <w:br/> as "\n" and a <w:tab/> as "\t"; blanks
// written raw inside a text show as spaces, as a word processor shows them.
DocumentTable documentTable(const QByteArray& docx)
{
    DocumentTable out;
    QXmlStreamReader xml(ZipReader(docx).entry(QStringLiteral("word/document.xml")));
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const QStringView name = xml.qualifiedName();
        if (name == QLatin1String("w:tbl"))
            ++out.tables;
        else if (name == QLatin1String("w:tr"))
            out.rows.append(QStringList());
        else if (name == QLatin1String("w:tc"))
            out.rows.last().append(QString());
        else if (name == QLatin1String("w:t"))
            out.rows.last().last() += xml.readElementText().replace(QRegularExpression("[\t\r\n]"), " ");
        else if (name == QLatin1String("w:gridCol") && out.tables == 1)
            out.widths.append(xml.attributes().value(QLatin1String("w:w")).toInt());
        else if ((name == QLatin1String("w:left") || name == QLatin1String("w:right")) && out.tables == 1
            && out.rows.isEmpty())
            out.cellMargins += xml.attributes().value(QLatin1String("w:w")).toInt();
        else if (name == QLatin1String("w:br"))
            out.rows.last().last() += QLatin1Char('\n');
        else if (name == QLatin1String("w:tab"))
            out.rows.last().last() += QLatin1Char('\t');
        else if (name == QLatin1String("w:pgSz"))
            out.landscape = xml.attributes().value(QLatin1String("w:orient")) == QLatin1String("landscape")
                && xml.attributes().value(QLatin1String("w:w")).toInt()
                    > xml.attributes().value(QLatin1String("w:h")).toInt();
    }
    if (xml.hasError())
        return DocumentTable();
    QXmlStreamReader styles(ZipReader(docx).entry(QStringLiteral("word/styles.xml")));
    while (!styles.atEnd() && out.halfPoints == 0) {
        if (styles.readNextStartElement() && styles.qualifiedName() == QLatin1String("w:sz"))
            out.halfPoints = styles.attributes().value(QLatin1String("w:val")).toInt();
    }
    return out;
}

// A CIF, a C.P., a phone or a fax number takes one line: its column is as wide as its widest value, in
// the document's type, beside the cell's margins and its rule; and hardly wider than that or its title's
// words, so that the room left goes to the columns of longer text. What is wrong, or nothing.
QString codesOnOneLine(const DocumentTable& table)
{
    if (table.halfPoints <= 0 || table.widths.size() != 20 || table.rows.isEmpty())
        return QStringLiteral("no table");
    const auto twips = [&](const QString& text, bool bold) {
        return ColumnFit::advance(text, bold) * table.halfPoints / 100.0 + table.cellMargins + 10;
    };
    for (const int column : {3, 8, 9, 10}) {
        double title = 0;
        for (const QString& word : table.rows[0][column].split(QLatin1Char(' ')))
            title = qMax(title, twips(word, true));
        double widest = 0;
        for (qsizetype row = 1; row < table.rows.size(); ++row)
            widest = qMax(widest, twips(table.rows[row][column], false));
        const int width = table.widths.at(column);
        if (width < widest || width > qMax(title, widest) * 1.05 + 2)
            return QStringLiteral("%1: %2 twips for a text of %3")
                .arg(table.rows[0][column])
                .arg(width)
                .arg(widest);
    }
    return {};
}

// The first word of a title, or of a column of short values (sector, region, province, town, the numbers),
// wider than its column beside the cell's margins and rule; lines break at blanks and after hyphens.
QString wordOverflowing(const DocumentTable& table)
{
    static const QRegularExpression breaks(QStringLiteral("\\s+|(?<=-)"));
    for (qsizetype row = 0; row < table.rows.size(); ++row) {
        for (int column = 0; column < table.widths.size(); ++column) {
            const bool whole = row == 0 || QList {0, 4, 5, 6, 17, 18, 19}.contains(column);
            for (const QString& word : table.rows[row].value(column).split(breaks)) {
                const double twips = ColumnFit::advance(word, row == 0) * table.halfPoints / 100.0;
                if (whole && twips + table.cellMargins + 10 > table.widths[column])
                    return word;
            }
        }
    }
    return {};
}

// A disk that takes `room` bytes and then writes short, as a full one does.
class FullDevice : public QIODevice
{
public:
    explicit FullDevice(qint64 room)
        : m_room(room)
    {
        open(QIODevice::WriteOnly);
    }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char*, qint64 size) override
    {
        const qint64 written = qMin(size, m_room);
        m_room -= written;
        return written;
    }

private:
    qint64 m_room;
};

// The word of the reason the export must give for a folder, from what creating a file in it really
// fails with for whoever runs the test (root or not, a writable /sys or a read-only one): an unnamed file
// first, as a save tries where the system has them, then a named one.
QString reasonOfTheCreation(const QString& folder)
{
    const QByteArray unnamedIn = QFile::encodeName(folder);
    const int unnamed = ::open(unnamedIn.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
    if (unnamed >= 0) {
        ::close(unnamed);
        return {};
    }
    if (errno == EOPNOTSUPP || errno == EISDIR) {
        const QByteArray probe = QFile::encodeName(folder + QStringLiteral("/tarvesa-probe"));
        const int fd = ::open(probe.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::close(fd);
            ::unlink(probe.constData());
            return {};
        }
    }
    switch (errno) {
    case EACCES:
    case EPERM:
        return QStringLiteral("permiso");
    case EROFS:
        return QStringLiteral("solo lectura");
    default:
        return QStringLiteral("No se pudo crear");
    }
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    Connection m_conn;
    Connection m_installation;
    QString m_select;

    QString installationDatabase() const
    {
        return QDir(qEnvironmentVariable("TARVESA_PROGRAM_DIR"))
            .filePath(QStringLiteral("DATA/DIdarari.idb"));
    }

    qint64 installationCompanies()
    {
        Recordset count;
        count.open(QStringLiteral("SELECT COUNT(*) FROM tbl_empresas"), m_installation);
        return count.field(0).value().toLongLong();
    }

private Q_SLOTS:
    void initTestCase();
    void textBytes_data();
    void textBytes();
    void textReadsFromTheFirstRowAndKeepsThePosition_data();
    void textReadsFromTheFirstRowAndKeepsThePosition();
    void textOfTheInstallationHasALinePerCompany();
    void finalName_data();
    void finalName();
    void failingTargetKeepsTheOldFile_data();
    void failingTargetKeepsTheOldFile();
    void aRefusedCreationIsPutDownToItsCause_data();
    void aRefusedCreationIsPutDownToItsCause();
    void aNameTooLongIsRefusedBeforeWriting_data();
    void aNameTooLongIsRefusedBeforeWriting();
    void cancelledExportKeepsTheOldFile();
    void documentCancelledWhilePacked();
    void emptyExportIsTitlesOnly_data();
    void emptyExportIsTitlesOnly();
    void spreadsheetReadBack();
    void spreadsheetKeepsDatabaseTypes();
    void spreadsheetOfTheInstallation();
    void documentReadBack();
    void documentOfTheInstallation_data();
    void documentOfTheInstallation();
    void codesTakeTheirLineAndNoMore_data();
    void codesTakeTheirLineAndNoMore();
    void exportLeavesTheRecordsetWhereItWas_data();
    void exportLeavesTheRecordsetWhereItWas();
    void writersSayTheDiskIsFull_data();
    void writersSayTheDiskIsFull();
    void zipRoundTripIsRepeatable();
    void officeSuiteReadsTheFiles_data();
    void officeSuiteReadsTheFiles();
};

void TestExport::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString path = m_dir.filePath(QStringLiteral("companies.db"));
    QVERIFY(createDatabase(path));
    m_conn.open(path);
    m_select = QStringLiteral("SELECT %1 FROM tbl_empresas ORDER BY id_emp").arg(kRecordColumns);
    m_installation.open(installationDatabase());
    QVERIFY(m_installation.isOpen());
}

void TestExport::textBytes_data()
{
    QTest::addColumn<bool>("withObservations");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray titles = "Sector\tEmpresa\tActividad\tCIF\tAutonom\xED"
                              "a\tProvincia\tPoblaci\xF3n\tDirecci\xF3n\t"
                              "C\xF3"
                              "digo Postal\tTel\xE9"
                              "fono\tFax\tMail\tWeb\tCargo 1\tContacto 1\tCargo 2\t"
                              "Contacto 2\tSuperficie\tVehiculos\tEmpleados";
    const QByteArray first
        = "HOTELES\tCAF\xC9 \x80URO, S.L.\tCafeter\xED"
          "a\tB12345678\tAndaluc\xED"
          "a\tM\xE1laga\t"
          "M\xE1laga\tCalle Larios, 5\t08001\t0034952000000\t952000001\tcafe@euro.es\twww.euro.es\t"
          "Gerente\tAna N\xFA\xF1"
          "ez\tJefe de cocina\tLuis Gil\t120\t2\t015";
    // A line break in the address is a space, a NUL is left out; "Ł" and "Ź" are not in the code page.
    const QByteArray second = "CATERING\t?\xD3"
                              "D? CATERING\t\tAB\tGalicia\tLugo\tLugo\tR\xFA"
                              "a Nova, 1 2\xBA B\t"
                              "27001\t\t\t\t\t\t\t\t\t\t\t";
    // Bytes that are not UTF-8 read as the other exports read them.
    const QByteArray third = "VENDING\tZUMOS\t\t\t\t\tM?laga" + QByteArray(13, '\t');
    // A TAB inside a value is a space; a control character is written as it is.
    const QByteArray fourth = "BARES\tBAR UNO\tCaf\x01" + QByteArray(17, '\t');
    QTest::newRow("with observations")
        << true
        << titles + "\tObservaciones\r\n" + first + "\tuno dos\r\n" + second + "\ttres cuatro\r\n" + third
            + "\t" + QByteArray("xy").repeated(20000) + "\r\n" + fourth + "\tcinco  seis siete\r\n";
    QTest::newRow("without observations")
        << false << titles + "\r\n" + first + "\r\n" + second + "\r\n" + third + "\r\n" + fourth + "\r\n";
}

void TestExport::textBytes()
{
    QFETCH(bool, withObservations);
    QFETCH(QByteArray, expected);
    Recordset rs;
    rs.open(m_select, m_conn);
    QCOMPARE(textExport(rs, withObservations), expected);
}

void TestExport::textReadsFromTheFirstRowAndKeepsThePosition_data()
{
    QTest::addColumn<int>("position"); // 1-based; 0 at BOF, -1 at EOF
    QTest::newRow("first") << 1;
    QTest::newRow("middle") << 3;
    QTest::newRow("last") << 4;
    QTest::newRow("end of file") << -1;
}

void TestExport::textReadsFromTheFirstRowAndKeepsThePosition()
{
    QFETCH(int, position);
    Recordset rs;
    rs.open(m_select, m_conn);
    const QByteArray whole = textExport(rs, true);
    if (position > 0) {
        rs.setAbsolutePosition(position);
    } else {
        rs.moveLast();
        rs.moveNext();
    }
    QCOMPARE(textExport(rs, true), whole);
    if (position > 0)
        QCOMPARE(rs.absolutePosition(), position);
    else
        QVERIFY(rs.isEOF());
}

void TestExport::textOfTheInstallationHasALinePerCompany()
{
    Recordset rs;
    rs.open(QStringLiteral("SELECT %1 FROM tbl_empresas").arg(kRecordColumns), m_installation);
    const QByteArray text = textExport(rs, false);
    QVERIFY(text.endsWith("\r\n"));
    const QList<QByteArray> lines = text.chopped(2).split('\n');
    // Without observations a line break can only come from a value of the first twenty fields.
    QCOMPARE(lines.size(), installationCompanies() + 1);
    for (const QByteArray& line : lines)
        QCOMPARE(line.count('\t'), 19);
}

void TestExport::finalName_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<QString>("expected");
    const auto S = ExportFormat::Spreadsheet;
    const auto D = ExportFormat::Document;
    const auto T = ExportFormat::Text;
    QTest::newRow("xls") << "/a/lista.xls" << S << "/a/lista.xlsx";
    QTest::newRow("XLS") << "/a/lista.XLS" << S << "/a/lista.XLSX";
    QTest::newRow("Xls") << "/a/lista.Xls" << S << "/a/lista.Xlsx";
    QTest::newRow("xlsx") << "/a/lista.xlsx" << S << "/a/lista.xlsx";
    QTest::newRow("spreadsheet, none") << "/a/lista" << S << "/a/lista.xlsx";
    QTest::newRow("spreadsheet, dot in folder") << "/a.b/lista" << S << "/a.b/lista.xlsx";
    QTest::newRow("spreadsheet, ending dot") << "/a/lista." << S << "/a/lista.xlsx";
    QTest::newRow("spreadsheet, csv") << "/a/lista.csv" << S << "/a/lista.csv";
    QTest::newRow("spreadsheet, doc") << "/a/lista.doc" << S << "/a/lista.doc";
    QTest::newRow("doc") << "/a/lista.doc" << D << "/a/lista.docx";
    QTest::newRow("DOC") << "/a/lista.DOC" << D << "/a/lista.DOCX";
    QTest::newRow("docx") << "/a/lista.docx" << D << "/a/lista.docx";
    QTest::newRow("document, none") << "lista" << D << "lista.docx";
    QTest::newRow("document, xls") << "lista.xls" << D << "lista.xls";
    QTest::newRow("txt") << "/a/lista.txt" << T << "/a/lista.txt";
    QTest::newRow("text, none") << "/a/lista" << T << "/a/lista.txt";
    QTest::newRow("text, xls") << "/a/lista.xls" << T << "/a/lista.xls";
    QTest::newRow("text, csv") << "/a/lista.csv" << T << "/a/lista.csv";
}

void TestExport::finalName()
{
    QFETCH(QString, chosen);
    QFETCH(ExportFormat, format);
    QFETCH(QString, expected);
    QCOMPARE(finalExportName(chosen, format), expected);
}

void TestExport::failingTargetKeepsTheOldFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<QString>("reason"); // a word the message holds
    for (const auto& [name, format] :
        {std::pair {"text", ExportFormat::Text}, std::pair {"spreadsheet", ExportFormat::Spreadsheet},
            std::pair {"document", ExportFormat::Document}}) {
        QTest::addRow("read-only folder, %s", name) << "read-only" << format << "permiso";
        QTest::addRow("read-only old file, %s", name) << "read-only file" << format << "es de solo lectura";
        QTest::addRow("a folder of that name, %s", name) << "folder" << format << "carpeta";
        QTest::addRow("no such folder, %s", name) << "missing" << format << "no existe";
        QTest::addRow("closed query, %s", name) << "closed" << format << "consulta";
        // Folders of no disk, with no free blocks: the reason is the failed creation's, not a full disk.
        QTest::addRow("a folder that takes no files, %s", name) << "/proc" << format << QString();
        QTest::addRow("a folder that refuses even root, %s", name) << "/sys" << format << QString();
    }
}

void TestExport::failingTargetKeepsTheOldFile()
{
    QFETCH(QString, kind);
    QFETCH(ExportFormat, format);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("salida"));
    QVERIFY(QDir().mkpath(folder));
    const QString old = QDir(folder).filePath(QStringLiteral("empresas"));
    QFile file(old);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("datos anteriores");
    file.close();

    QString target = old;
    Recordset rs;
    rs.open(m_select, m_conn);
    if (kind == QLatin1String("read-only")) {
        if (geteuid() == 0)
            QSKIP("Running as root: a read-only folder is still writable");
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (kind == QLatin1String("read-only file")) {
        if (geteuid() == 0)
            QSKIP("Running as root: a read-only file is still replaced");
        QVERIFY(QFile::setPermissions(old, QFileDevice::ReadOwner));
    } else if (kind == QLatin1String("folder")) {
        target = folder;
    } else if (kind == QLatin1String("missing")) {
        target = dir.filePath(QStringLiteral("otra/empresas"));
    } else if (kind.startsWith(QLatin1Char('/'))) {
        target = kind + QStringLiteral("/tarvesa.txt");
        reason = reasonOfTheCreation(kind);
        QVERIFY2(!reason.isEmpty(), "a file could be created there");
    } else {
        rs.close();
    }
    const ExportOutcome outcome = exportCompanies(rs, format, target);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(!outcome.ok);
    QVERIFY(!outcome.cancelled);
    QVERIFY2(outcome.message.contains(reason), qPrintable(outcome.message));
    QVERIFY2(!outcome.message.contains(QStringLiteral("espacio")), qPrintable(outcome.message));
    QFile::setPermissions(old, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(readFile(old), QByteArray("datos anteriores"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList {QStringLiteral("empresas")});
}

void TestExport::aRefusedCreationIsPutDownToItsCause_data()
{
    QTest::addColumn<QString>("old"); // the file already there: none, "mine", "read-only" or "another's"
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason");
    QTest::newRow("no old file") << "none" << EACCES << "No tiene permiso para escribir en la carpeta";
    QTest::newRow("an old file of mine")
        << "mine" << EACCES << "No tiene permiso para escribir en la carpeta";
    QTest::newRow("a read-only old file") << "read-only" << EACCES << "es de solo lectura";
    QTest::newRow("a read-only old file, not permitted") << "read-only" << EPERM << "es de solo lectura";
    QTest::newRow("another user's old file") << "another's" << EACCES << "es de otro usuario";
    QTest::newRow("an old file on a read-only disk") << "read-only" << EROFS << "disco de solo lectura";
}

// The same for whoever runs the test: a refusal that root never meets is put down to what it is.
void TestExport::aRefusedCreationIsPutDownToItsCause()
{
    QFETCH(QString, old);
    QFETCH(int, error);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("empresas.txt"));
    if (old != QLatin1String("none")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
    }
    if (old == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    } else if (old == QLatin1String("another's")) {
        // Root gives the file away; anyone else finds one that is not theirs.
        if (geteuid() == 0)
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
        else
            path = QStringLiteral("/etc/passwd");
    }
    const QString message = creationFailure(QFileInfo(path), error);
    QVERIFY2(message.contains(reason), qPrintable(message));
    QVERIFY2(
        message.contains(QFileInfo(path).fileName()) || message.contains(dir.path()), qPrintable(message));
}

void TestExport::aNameTooLongIsRefusedBeforeWriting_data()
{
    QTest::addColumn<QString>("name"); // in a folder of the test's own
    QTest::addColumn<QString>("reason"); // words the refusal holds; empty when the name is taken
    QTest::addColumn<QString>("replacing"); // the same, writing over the file of that name
    const int most = int(::pathconf(QFile::encodeName(QDir::tempPath()).constData(), _PC_NAME_MAX));
    QVERIFY(most > 20);
    // Replacing a file, it is first written under its name and ".XXXXXX" beside it.
    const QString replaced = QStringLiteral("caben como mucho %1 al reemplazar un archivo.").arg(most - 7);
    QTest::newRow("250 characters") << QString(246, u'a') + ".txt"
                                    << "" << replaced;
    QTest::newRow("the longest name replaced") << QString(most - 11, u'a') + ".txt"
                                               << ""
                                               << "";
    QTest::newRow("the longest name taken") << QString(most - 4, u'a') + ".txt"
                                            << "" << replaced;
    const QString over
        = QStringLiteral("nombre del archivo es demasiado largo. Tiene %1 caracteres y caben como "
                         "mucho %2.")
              .arg(most + 1)
              .arg(most);
    QTest::newRow("one letter more") << QString(most - 3, u'a') + ".txt" << over << over;
    QTest::newRow("an extension taking it past the limit") << QString(most - 2, u'b') + ".txt"
                                                           << "demasiado largo"
                                                           << "demasiado largo";
    // Fewer letters than the limit, more bytes.
    const int enes = most / 2 + 1;
    const QString wide
        = QStringLiteral("Tiene %1 caracteres, que cuentan como %2 (una letra con acento o una "
                         "eñe cuenta como dos), y caben como mucho %3.")
              .arg(enes + 4)
              .arg(2 * enes + 4)
              .arg(most);
    QTest::newRow("letters that take two bytes") << QString(enes, u'\u00F1') + ".txt" << wide << wide;
    QTest::newRow("a folder's name") << QString(most + 1, u'c') + "/a.txt"
                                     << "carpeta «ccc"
                                     << "carpeta «ccc";
    QTest::newRow("the whole path") << (QString(200, u'd') + "/").repeated(22) + "a.txt"
                                    << "ruta es demasiado larga"
                                    << "ruta es demasiado larga";
}

void TestExport::aNameTooLongIsRefusedBeforeWriting()
{
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(QString, replacing);
    QTemporaryDir dir;
    if (const int fd = ::open(QFile::encodeName(dir.path()).constData(), O_TMPFILE | O_RDWR, 0600); fd < 0)
        QSKIP("The temporary folder's file system cannot hold an unnamed file");
    else
        ::close(fd);
    const QString path = dir.filePath(name);
    Recordset rs;
    rs.open(m_select, m_conn);
    // Written twice: the second time over the first.
    for (const QString& why : {reason, replacing}) {
        // The save dialog refuses it by the same rule.
        QCOMPARE(nameTooLong(path).isEmpty(), why.isEmpty());
        bool written = false;
        const ExportOutcome outcome = exportCompanies(rs, ExportFormat::Text, path, [&](qint64, qint64) {
            written = true;
            return true;
        });
        QVERIFY2(outcome.ok == why.isEmpty(), qPrintable(outcome.message));
        QCOMPARE(written, why.isEmpty());
        if (!why.isEmpty()) {
            QVERIFY2(outcome.message.contains(why), qPrintable(outcome.message));
            // Said whole, but never so long that the box runs off the screen.
            QVERIFY(outcome.message.size() < 800);
        }
        const QStringList left
            = QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QCOMPARE(left, reason.isEmpty() ? QStringList {name} : QStringList {});
    }
}

void TestExport::cancelledExportKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empresas.txt"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("datos anteriores");
    file.close();
    Recordset rs;
    rs.open(QStringLiteral("SELECT %1 FROM tbl_empresas").arg(kRecordColumns), m_installation);
    for (const ExportFormat format :
        {ExportFormat::Text, ExportFormat::Spreadsheet, ExportFormat::Document}) {
        qint64 calls = 0;
        const ExportOutcome outcome = exportCompanies(rs, format, path, [&](qint64 done, qint64 total) {
            ++calls;
            return done < total / 2;
        });
        QVERIFY(calls > 1);
        QVERIFY(!outcome.ok);
        QVERIFY(outcome.cancelled);
        QCOMPARE(readFile(path), QByteArray("datos anteriores"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
            QStringList {QStringLiteral("empresas.txt")});
    }
}

void TestExport::documentCancelledWhilePacked()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empresas.docx"));
    Recordset rs;
    rs.open(m_select, m_conn);
    int allWritten = 0;
    const ExportOutcome outcome
        = exportCompanies(rs, ExportFormat::Document, path, [&](qint64 done, qint64 total) {
              allWritten += done == total;
              return allWritten < 2;
          });
    QCOMPARE(allWritten, 2);
    QVERIFY(outcome.cancelled);
    QVERIFY(QDir(dir.path()).isEmpty());
}

void TestExport::emptyExportIsTitlesOnly_data()
{
    QTest::addColumn<ExportFormat>("format");
    QTest::newRow("text") << ExportFormat::Text;
    QTest::newRow("spreadsheet") << ExportFormat::Spreadsheet;
    QTest::newRow("document") << ExportFormat::Document;
}

void TestExport::emptyExportIsTitlesOnly()
{
    QFETCH(ExportFormat, format);
    QTemporaryDir dir;
    const QString path = finalExportName(dir.filePath(QStringLiteral("vacio")), format);
    Recordset rs;
    rs.open(QStringLiteral("SELECT %1 FROM tbl_empresas WHERE 0").arg(kRecordColumns), m_conn);
    const ExportOutcome outcome = exportCompanies(rs, format, path);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    const QByteArray bytes = readFile(path);
    switch (format) {
    case ExportFormat::Text:
        QCOMPARE(bytes.count("\r\n"), 1);
        QVERIFY(bytes.startsWith("Sector\t") && bytes.endsWith("\tObservaciones\r\n"));
        break;
    case ExportFormat::Spreadsheet:
        QCOMPARE(sheetRows(bytes).size(), 1);
        break;
    case ExportFormat::Document:
        QCOMPARE(documentTable(bytes).rows.size(), 1);
        break;
    }
}

void TestExport::spreadsheetReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empresas.xlsx"));
    Recordset rs;
    rs.open(m_select, m_conn);
    const ExportOutcome outcome = exportCompanies(rs, ExportFormat::Spreadsheet, path);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    const QList<QStringList> rows = sheetRows(readFile(path));
    QCOMPARE(rows.size(), rs.recordCount() + 1);
    QCOMPARE(rows[0], ExportWriter::spreadsheetTitles());
    QCOMPARE(rows[0].first(), QStringLiteral("Sector"));
    QCOMPARE(rows[0].last(), QStringLiteral("Observaciones"));
    // Text stays text: the postal code and the numbers keep their leading zeros.
    QCOMPARE(rows[1][8], QStringLiteral("08001"));
    QCOMPARE(rows[1][9], QStringLiteral("0034952000000"));
    QCOMPARE(rows[1][19], QStringLiteral("015"));
    QCOMPARE(rows[1][1], QStringLiteral("CAFÉ €URO, S.L."));
    // Line breaks stay inside their cells.
    QCOMPARE(rows[1][20], QStringLiteral("uno\ndos"));
    QCOMPARE(rows[2][7], QStringLiteral("Rúa Nova, 1\n2º B"));
    QCOMPARE(rows[2][20], QStringLiteral("tres\ncuatro"));
    QCOMPARE(rows[2][1], QStringLiteral("ŁÓDŹ CATERING"));
    QCOMPARE(rows[3].value(2), QString());
    QCOMPARE(rows[4][1], QStringLiteral("BAR\tUNO"));
    QCOMPARE(rows[4][20].left(7), QStringLiteral("cinco\n\n"));
    // Counts that are plain numbers can be added up.
    QCOMPARE(rows[1][17], QStringLiteral("#120"));
    QCOMPARE(rows[1][18], QStringLiteral("#2"));
    // A NUL does not cut its cell; bytes that are not UTF-8 read as the other exports read them.
    QCOMPARE(rows[2][3], QStringLiteral("AB"));
    QCOMPARE(rows[3][6], QStringLiteral("M\uFFFDlaga"));
    // A value longer than a cell is cut to fit, and its company named after, without the value.
    QCOMPARE(rows[3][20].size(), 32767);
    QVERIFY2(outcome.notice.contains(QStringLiteral("«ZUMOS»")) && outcome.notice.size() < 300,
        qPrintable(outcome.notice));
}

void TestExport::spreadsheetKeepsDatabaseTypes()
{
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("typed.db"));
    QVERIFY(createDatabase(database, QStringLiteral("INTEGER")));
    Connection typed;
    typed.open(database);
    Recordset rs;
    rs.open(m_select, typed);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SpreadsheetExportWriter writer;
    QVERIFY2(writer.write(rs, buffer, {}), qPrintable(writer.errorString()));
    const QList<QStringList> rows = sheetRows(bytes);
    QCOMPARE(rows[1][17], QStringLiteral("#120"));
    QCOMPARE(rows[1][8], QStringLiteral("08001"));
}

void TestExport::spreadsheetOfTheInstallation()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todas.xlsx"));
    Recordset rs;
    rs.open(
        QStringLiteral("SELECT %1 FROM tbl_empresas ORDER BY empresa").arg(kRecordColumns), m_installation);
    QVERIFY(exportCompanies(rs, ExportFormat::Spreadsheet, path).ok);
    const QList<QStringList> rows = sheetRows(readFile(path));
    QCOMPARE(rows.size(), installationCompanies() + 1);
    for (const int row : {0, rs.recordCount() / 2, rs.recordCount() - 1}) {
        QCOMPARE(rows[row + 1].value(1), rs.textAt(row, 2));
        QCOMPARE(rows[row + 1].value(8), rs.textAt(row, 9));
    }
}

void TestExport::documentReadBack()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empresas.docx"));
    Recordset rs;
    rs.open(m_select, m_conn);
    const ExportOutcome outcome = exportCompanies(rs, ExportFormat::Document, path);
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    const DocumentTable table = documentTable(readFile(path));
    QVERIFY(table.landscape);
    QCOMPARE(table.tables, 1);
    QCOMPARE(table.rows.size(), rs.recordCount() + 1);
    QCOMPARE(table.rows[0], ExportWriter::textTitles(false));
    QCOMPARE(table.rows[0].size(), 20);
    QVERIFY(!table.rows[0].contains(QStringLiteral("Observaciones")));
    QCOMPARE(table.rows[1][1], QStringLiteral("CAFÉ €URO, S.L."));
    QCOMPARE(table.rows[1][8], QStringLiteral("08001"));
    // The address on two lines keeps its company on one row.
    QCOMPARE(table.rows[2][7], QStringLiteral("Rúa Nova, 1\n2º B"));
    QCOMPARE(table.rows[2][8], QStringLiteral("27001"));
    QCOMPARE(table.rows[3][0], QStringLiteral("VENDING"));
    QCOMPARE(table.rows[3].size(), 20);
    // A TAB stays in its cell; a control character, which XML cannot carry, is left out.
    QCOMPARE(table.rows[4][1], QStringLiteral("BAR\tUNO"));
    QCOMPARE(table.rows[4][2], QStringLiteral("Caf"));
    // Each column as wide as what it holds.
    QVERIFY(table.widths.value(3) < table.widths.value(1));
    const QString codes = codesOnOneLine(table);
    QVERIFY2(codes.isEmpty(), qPrintable(codes));
}

void TestExport::documentOfTheInstallation_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<qint64>("companies");
    QTest::newRow("every company by town") << QStringLiteral("ORDER BY poblacion") << installationCompanies();
    // Every sector mixed: the twenty columns need more than the page has.
    QTest::newRow("500 companies by name") << QStringLiteral("ORDER BY empresa LIMIT 500") << qint64(500);
}

void TestExport::documentOfTheInstallation()
{
    QFETCH(QString, query);
    QFETCH(qint64, companies);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("todas.docx"));
    Recordset rs;
    rs.open(QStringLiteral("SELECT %1 FROM tbl_empresas %2").arg(kRecordColumns, query), m_installation);
    QVERIFY(exportCompanies(rs, ExportFormat::Document, path).ok);
    const DocumentTable table = documentTable(readFile(path));
    QCOMPARE(table.rows.size(), companies + 1);
    for (const int row : {0, rs.recordCount() - 1})
        QCOMPARE(table.rows[row + 1].value(6), rs.textAt(row, 7));

    const QString codes = codesOnOneLine(table);
    QVERIFY2(codes.isEmpty(), qPrintable(codes));
    const QString word = wordOverflowing(table);
    QVERIFY2(word.isEmpty(), qPrintable(word));
}

void TestExport::codesTakeTheirLineAndNoMore_data()
{
    QTest::addColumn<int>("width");
    QTest::newRow("room to spare") << 10000;
    QTest::newRow("too narrow for the words") << 1200;
}

void TestExport::codesTakeTheirLineAndNoMore()
{
    QFETCH(int, width);
    ColumnFit columns({QStringLiteral("Empresa"), QStringLiteral("Fax")});
    columns.keepOnOneLine(1);
    columns.addRow({QStringLiteral("BAR"), QStringLiteral("952 123 456")});
    const ColumnFit::Fit fit = columns.fit(width, 90, {14});
    QCOMPARE(fit.widths.size(), 2);
    QCOMPARE(fit.widths[0] + fit.widths[1], width);
    const double line = ColumnFit::advance(u"952 123 456", false) * 14 / 100.0 + 90;
    QVERIFY2(
        fit.widths[1] >= line && fit.widths[1] <= line * 1.05, qPrintable(QString::number(fit.widths[1])));
}

void TestExport::exportLeavesTheRecordsetWhereItWas_data()
{
    emptyExportIsTitlesOnly_data();
}

void TestExport::exportLeavesTheRecordsetWhereItWas()
{
    QFETCH(ExportFormat, format);
    QTemporaryDir dir;
    Recordset rs;
    rs.open(m_select, m_conn);
    rs.setAbsolutePosition(2);
    qint64 last = -1;
    const ExportOutcome outcome = exportCompanies(rs, format,
        finalExportName(dir.filePath(QStringLiteral("e")), format), [&](qint64 done, qint64 total) {
            last = done;
            return total == rs.recordCount();
        });
    QVERIFY2(outcome.ok, qPrintable(outcome.message));
    QCOMPARE(last, rs.recordCount());
    QCOMPARE(rs.absolutePosition(), 2);
}

void TestExport::writersSayTheDiskIsFull_data()
{
    emptyExportIsTitlesOnly_data();
}

void TestExport::writersSayTheDiskIsFull()
{
    QFETCH(ExportFormat, format);
    Recordset rs;
    rs.open(m_select, m_conn);
    FullDevice disk(1000);
    TextExportWriter text;
    SpreadsheetExportWriter spreadsheet;
    DocumentExportWriter document;
    ExportWriter& writer = format == ExportFormat::Text ? static_cast<ExportWriter&>(text)
        : format == ExportFormat::Spreadsheet           ? static_cast<ExportWriter&>(spreadsheet)
                                                        : document;
    QVERIFY(!writer.write(rs, disk, {}));
    QVERIFY(writer.outOfSpace());
    QVERIFY2(writer.errorString().startsWith(QStringLiteral("No queda espacio libre")),
        qPrintable(writer.errorString()));
}

void TestExport::zipRoundTripIsRepeatable()
{
    const auto pack = [] {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        ZipWriter zip(buffer);
        zip.setTimestamp(QDateTime(QDate(2010, 3, 1), QTime(10, 0)));
        const bool ok = zip.addEntry(QStringLiteral("a.txt"), QByteArray("uno"))
            && zip.addEntry(QStringLiteral("carpeta/año.xml"),
                [](QIODevice& entry) { return entry.write(QByteArray(100000, 'x')) == 100000; })
            && zip.finish();
        return ok ? bytes : QByteArray();
    };
    const QByteArray first = pack();
    QVERIFY(first.startsWith("PK"));
    QVERIFY(first.size() < 10000);
    QCOMPARE(pack(), first);
    const ZipReader reader(first);
    QVERIFY(reader.isValid());
    QCOMPARE(reader.entryNames(), (QStringList {QStringLiteral("a.txt"), QStringLiteral("carpeta/año.xml")}));
    QCOMPARE(reader.entry(QStringLiteral("a.txt")), QByteArray("uno"));
    QCOMPARE(reader.entry(QStringLiteral("carpeta/año.xml")), QByteArray(100000, 'x'));
}

void TestExport::officeSuiteReadsTheFiles_data()
{
    QTest::addColumn<ExportFormat>("format");
    QTest::addColumn<QString>("convertTo");
    QTest::newRow("spreadsheet") << ExportFormat::Spreadsheet << "csv:Text - txt - csv (StarCalc):9,34,76";
    QTest::newRow("document") << ExportFormat::Document << "txt:Text (encoded):UTF8";
}

void TestExport::officeSuiteReadsTheFiles()
{
    QFETCH(ExportFormat, format);
    QFETCH(QString, convertTo);
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        QSKIP("LibreOffice (soffice) is not installed: the exported files are not opened by an office suite");
    // An installation of the word processor alone has no spreadsheet to open the workbook with.
    if (format == ExportFormat::Spreadsheet
        && QDir(QFileInfo(soffice).canonicalPath()).entryList({QStringLiteral("*sclo.*")}).isEmpty())
        QSKIP("LibreOffice Calc is not installed: the spreadsheet is not opened by an office suite");
    QTemporaryDir dir;
    const QString path = finalExportName(dir.filePath(QStringLiteral("empresas")), format);
    Recordset rs;
    rs.open(m_select, m_conn);
    QVERIFY(exportCompanies(rs, format, path).ok);
    QProcess process;
    process.setWorkingDirectory(dir.path());
    process.start(soffice,
        {QStringLiteral("-env:UserInstallation=file://") + dir.filePath(QStringLiteral("profile")),
            QStringLiteral("--headless"), QStringLiteral("--convert-to"), convertTo,
            QStringLiteral("--outdir"), dir.filePath(QStringLiteral("out")), path});
    // However long a busy machine takes; the test's own limit still holds.
    QVERIFY(process.waitForFinished(-1));
    const QString converted = QDir(dir.filePath(QStringLiteral("out")))
                                  .filePath(QFileInfo(path).completeBaseName()
                                      + (format == ExportFormat::Spreadsheet ? ".csv" : ".txt"));
    const QString text = QString::fromUtf8(readFile(converted));
    QVERIFY2(!text.isEmpty(), qPrintable(QString::fromLocal8Bit(process.readAllStandardError())));
    for (const QString& expected :
        {QStringLiteral("Autonomía"), QStringLiteral("CAFÉ €URO, S.L."), QStringLiteral("08001"),
            QStringLiteral("ŁÓDŹ CATERING"), QStringLiteral("Rúa Nova, 1\n2º B"), QStringLiteral("VENDING")})
        QVERIFY2(text.contains(expected), qPrintable(expected));
    if (format == ExportFormat::Spreadsheet)
        QVERIFY(text.startsWith(QStringLiteral("Sector\tEmpresa\t")));
}

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
