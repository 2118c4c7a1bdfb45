#include "generator/Cif.h"
#include "generator/CompanyGenerator.h"
#include "generator/InstallationGenerator.h"
#include "generator/RankingWriter.h"
#include "generator/SectorDocuments.h"
#include "generator/SpanishGeography.h"
#include "platform/db/SpanishText.h"

#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <memory>
#include <sqlite3.h>

namespace {

constexpr int kCompanies = 2000;
constexpr quint64 kSeed = 7;

// A read-only connection with the collation the columns declare.
class Database
{
public:
    explicit Database(const QString& path)
    {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
        m_db.reset(raw);
        m_ok = raw && SpanishText::install(raw);
    }

    bool isOpen() const { return m_ok; }

    // Every row of the query, each column as text (a null QString for NULL); `values` fill ?1, ?2...
    QList<QStringList> rows(const char* sql, const QStringList& values = {}) const
    {
        QList<QStringList> out;
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(m_db.get(), sql, -1, &statement, nullptr) != SQLITE_OK) {
            qWarning("%s: %s", sql, sqlite3_errmsg(m_db.get()));
            return out;
        }
        for (int i = 0; i < values.size(); ++i)
            sqlite3_bind_text(statement, i + 1, values[i].toUtf8().constData(), -1, SQLITE_TRANSIENT);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QStringList row;
            for (int i = 0; i < sqlite3_column_count(statement); ++i) {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, i));
                row.append(text ? QString::fromUtf8(text, sqlite3_column_bytes(statement, i)) : QString());
            }
            out.append(row);
        }
        sqlite3_finalize(statement);
        return out;
    }

    qint64 count(const QByteArray& sql, const QStringList& values = {}) const
    {
        const QList<QStringList> result = rows(sql.constData(), values);
        return result.isEmpty() ? -1 : result.first().first().toLongLong();
    }

private:
    struct Closer
    {
        void operator()(sqlite3* db) const { sqlite3_close(db); }
    };
    std::unique_ptr<sqlite3, Closer> m_db;
    bool m_ok = false;
};

QString generate(const QTemporaryDir& dir, int companies, quint64 seed)
{
    InstallationGenerator generator({dir.path(), companies, seed});
    if (!generator.run())
        qWarning("%s", qPrintable(generator.errorString()));
    return InstallationGenerator::databasePath(dir.path());
}

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The first table of a page as QTextBrowser reads it, one list of cell texts a row.
QList<QStringList> firstTable(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QList<QStringList> out;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table)
            continue;
        for (int row = 0; row < table->rows(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columns(); ++column) {
                const QTextTableCell cell = table->cellAt(row, column);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells.append(cursor.selectedText());
            }
            out.append(cells);
        }
        break;
    }
    return out;
}

// Every file under a folder, by relative path, with its bytes.
QMap<QString, QByteArray> snapshot(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        file.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(file.fileName()), file.readAll());
    }
    return files;
}

} // namespace

class TestGenerator : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cifAlgorithm_data();
    void cifAlgorithm();
    void sameSeedSameRows();
    void schemaAndIds_data() { addDatabases(); }
    void schemaAndIds();
    void everyCifValid_data() { addDatabases(); }
    void everyCifValid();
    void placesAgree_data() { addDatabases(); }
    void placesAgree();
    void outletsBelongToHeadOffices_data() { addDatabases(); }
    void outletsBelongToHeadOffices();
    void allSectorsPresent_data() { addDatabases(); }
    void allSectorsPresent();
    void awkwardCasesPresent_data();
    void awkwardCasesPresent();
    void rankingsListTheLeadersOfTheirSector_data();
    void rankingsListTheLeadersOfTheirSector();
    void helpPagesLinkOnlyToEachOther();
    void backgroundsAreJpegsOfTheirSize_data();
    void backgroundsAreJpegsOfTheirSize();
    void reportLogoFitsAboveTheTitle();
    void sectorDocuments_data();
    void sectorDocuments();
    void regeneratingOverwritesWithTheSameFiles();

private:
    void addDatabases();
    QList<std::pair<QString, QString>> installations() const;

    QTemporaryDir m_dir;
    QString m_generated;
    QString m_installation;
    SpanishGeography m_geography;
};

void TestGenerator::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_generated = generate(m_dir, kCompanies, kSeed);
    QVERIFY(QFile::exists(m_generated));
    QVERIFY(!QFile::exists(m_generated + QStringLiteral(".tmp")));
    const QString programDir = qEnvironmentVariable("TARVESA_PROGRAM_DIR");
    if (!programDir.isEmpty() && QFile::exists(InstallationGenerator::databasePath(programDir)))
        m_installation = InstallationGenerator::databasePath(programDir);
}

void TestGenerator::addDatabases()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("generated") << m_generated;
    if (!m_installation.isEmpty())
        QTest::newRow("installation") << m_installation;
}

void TestGenerator::cifAlgorithm_data()
{
    QTest::addColumn<QString>("cif");
    QTest::addColumn<bool>("valid");
    // 2912345: odd places 2,1,3,5 doubled give 4+2+6+1, even places 9+2+4: 28, control 2 ('B').
    QTest::newRow("S.L. with digit") << "B29123452" << true;
    QTest::newRow("S.L. wrong digit") << "B29123453" << false;
    QTest::newRow("S.L. given a letter") << "B2912345B" << false;
    QTest::newRow("public body with letter") << "Q2912345B" << true;
    QTest::newRow("public body given a digit") << "Q29123452" << false;
    // 2800004 sums to 20: control 0, or 'J'.
    QTest::newRow("control zero") << "A28000040" << true;
    QTest::newRow("town council J") << "P2800004J" << true;
    QTest::newRow("association either way, digit") << "G28000040" << true;
    QTest::newRow("association either way, letter") << "G2800004J" << true;
    QTest::newRow("too short") << "B2800004" << false;
    QTest::newRow("no letter") << "128000040" << false;
    QTest::newRow("personal NIF letter") << "X28000040" << false;
}

void TestGenerator::cifAlgorithm()
{
    QFETCH(QString, cif);
    QFETCH(bool, valid);
    QCOMPARE(Cif::isValid(cif.toStdString()), valid);
}

void TestGenerator::sameSeedSameRows()
{
    QTemporaryDir again;
    QTemporaryDir other;
    const char* all = "SELECT * FROM tbl_empresas ORDER BY id_emp";
    const QList<QStringList> first = Database(m_generated).rows(all);
    QCOMPARE(first.size(), kCompanies);
    QCOMPARE(Database(generate(again, kCompanies, kSeed)).rows(all), first);
    QVERIFY(Database(generate(other, kCompanies, kSeed + 1)).rows(all) != first);
}

void TestGenerator::schemaAndIds()
{
    QFETCH(QString, path);
    const Database db(path);
    QVERIFY(db.isOpen());
    const QList<QStringList> schema = db.rows("SELECT sql FROM sqlite_master WHERE type = 'table'");
    QCOMPARE(schema.value(0).value(0), QString::fromUtf8(CompanyGenerator::schemaSql()));
    const qint64 rows = db.count("SELECT count(*) FROM tbl_empresas");
    QVERIFY(rows > 0);
    QCOMPARE(db.count("SELECT count(*) FROM tbl_empresas WHERE id_emp BETWEEN 1 AND (SELECT count(*) FROM "
                      "tbl_empresas) AND seleccionada = 0"),
        rows);
}

void TestGenerator::everyCifValid()
{
    QFETCH(QString, path);
    const Database db(path);
    QVERIFY(db.isOpen());
    for (const QStringList& row : db.rows("SELECT id_emp, cif FROM tbl_empresas"))
        QVERIFY2(Cif::isValid(row[1].toStdString()), qPrintable(row.join(QLatin1Char(' '))));
}

void TestGenerator::placesAgree()
{
    QFETCH(QString, path);
    const Database db(path);
    QVERIFY(db.isOpen());
    int upperCasedTowns = 0;
    for (const QStringList& row :
        db.rows("SELECT id_emp, autonomia, provincia, poblacion, cp, telefono FROM tbl_empresas")) {
        const QString context = row.join(QLatin1String(" | "));
        const SpanishGeography::Province* province = m_geography.provinceByName(row[2]);
        QVERIFY2(province, qPrintable(context));
        QCOMPARE(row[1], QString::fromStdString(province->autonomy));
        QVERIFY2(SpanishGeography::townByName(*province, row[3]), qPrintable(context));
        QVERIFY2(row[4].size() == 5 && row[4].toInt() > 0, qPrintable(context));
        QVERIFY2(row[4].left(2).toInt() == province->code, qPrintable(context));
        QVERIFY2(row[5].size() == 11 && row[5].count(QLatin1Char(' ')) == 2, qPrintable(context));
        if (row[3] == row[3].toUpper() && row[3] != row[3].toLower())
            ++upperCasedTowns;
    }
    QVERIFY(upperCasedTowns > 0);
}

void TestGenerator::outletsBelongToHeadOffices()
{
    QFETCH(QString, path);
    const Database db(path);
    QVERIFY(db.isOpen());
    QCOMPARE(
        db.count("SELECT count(*) FROM tbl_empresas p LEFT JOIN tbl_empresas h ON h.id_emp = p.empresa_id "
                 "WHERE p.empresa_id IS NOT NULL AND (h.id_emp IS NULL OR h.empresa_id IS NOT NULL "
                 "OR upper(h.sector) <> upper(p.sector) COLLATE BINARY)"),
        0);
    const qint64 rows = db.count("SELECT count(*) FROM tbl_empresas");
    const qint64 outlets = db.count("SELECT count(*) FROM tbl_empresas WHERE empresa_id IS NOT NULL");
    QVERIFY2(outlets * 100 > rows * 4 && outlets * 100 < rows * 12, qPrintable(QString::number(outlets)));
}

void TestGenerator::allSectorsPresent()
{
    QFETCH(QString, path);
    const Database db(path);
    QVERIFY(db.isOpen());
    QSet<QString> sectors;
    for (const QStringList& row : db.rows("SELECT DISTINCT upper(sector) FROM tbl_empresas"))
        sectors.insert(row[0]);
    const QSet<QString> expected {QStringLiteral("CATERING"), QStringLiteral("DISTRIBUCION"),
        QStringLiteral("EQUIPAMIENTO"), QStringLiteral("ESCUELAS"), QStringLiteral("FRANQUICIAS"),
        QStringLiteral("HOTELES"), QStringLiteral("TRANSPORTE"), QStringLiteral("VENDING")};
    QCOMPARE(sectors, expected);
}

void TestGenerator::awkwardCasesPresent_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QByteArray>("condition");
    const QList<std::pair<const char*, const char*>> cases = {
        {"town with an apostrophe", "poblacion LIKE '%''%'"},
        {"name with an apostrophe", "empresa LIKE '%''%'"},
        {"name with a double quote", "instr(empresa, '\"') > 0"},
        {"name with an enye", "empresa LIKE '%Ñ%'"},
        {"NULL contact", "contacto_1 IS NULL"},
        {"empty contact", "contacto_1 = ''"},
        {"NULL post", "cargo_2 IS NULL"},
        {"empty post", "cargo_2 = ''"},
        {"NULL fax", "fax IS NULL"},
        {"NULL web", "web IS NULL"},
        {"long remark over lines", "instr(observaciones, char(13, 10)) > 0 AND length(observaciones) > 300"},
        {"sector not in capitals", "sector <> upper(sector) COLLATE BINARY"},
        {"Cash & Carry", "actividad = 'Cash & Carry'"},
    };
    for (const auto& [name, condition] : cases) {
        QTest::addRow("generated: %s", name) << m_generated << QByteArray(condition);
        if (!m_installation.isEmpty())
            QTest::addRow("installation: %s", name) << m_installation << QByteArray(condition);
    }
}

void TestGenerator::awkwardCasesPresent()
{
    QFETCH(QString, path);
    QFETCH(QByteArray, condition);
    const Database db(path);
    QVERIFY(db.isOpen());
    QVERIFY(db.count("SELECT count(*) FROM tbl_empresas WHERE " + condition) > 0);
}

QList<std::pair<QString, QString>> TestGenerator::installations() const
{
    QList<std::pair<QString, QString>> folders {{QStringLiteral("generated"), m_dir.path()}};
    if (!m_installation.isEmpty())
        folders.append({QStringLiteral("installation"), qEnvironmentVariable("TARVESA_PROGRAM_DIR")});
    return folders;
}

void TestGenerator::rankingsListTheLeadersOfTheirSector_data()
{
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("page");
    QTest::addColumn<QByteArray>("condition");
    const QList<std::pair<const char*, const char*>> pages = {
        {"Catering.html", "sector = 'CATERING'"},
        {"Equipamientos.html", "sector = 'EQUIPAMIENTO'"},
        {"Distribucion.html",
            "sector = 'DISTRIBUCION' AND (actividad IS NULL OR actividad <> 'Cash & Carry')"},
        {"Vending.html", "sector = 'VENDING'"},
        {"Cash.html", "actividad = 'Cash & Carry'"},
    };
    for (const auto& [name, folder] : installations()) {
        for (const auto& [page, condition] : pages)
            QTest::addRow("%s: %s", qPrintable(name), page) << folder << page << QByteArray(condition);
    }
}

void TestGenerator::rankingsListTheLeadersOfTheirSector()
{
    QFETCH(QString, folder);
    QFETCH(QString, page);
    QFETCH(QByteArray, condition);
    const Database db(InstallationGenerator::databasePath(folder));
    QVERIFY(db.isOpen());
    const QList<QStringList> table
        = firstTable(readText(QDir(folder).filePath(QStringLiteral("DATA/RANKING/") + page)));
    QVERIFY(table.size() > 1);
    QCOMPARE(table.first(), QStringList({"Posición", "Empresa", "Población (Provincia)", "Empleados"}));

    const QByteArray candidates
        = "FROM tbl_empresas WHERE empresa_id IS NULL AND empleados <> '' AND (" + condition + ")";
    const qint64 ranked = table.size() - 1;
    QCOMPARE(ranked, std::min<qint64>(RankingWriter::kPlaces, db.count("SELECT count(*) " + candidates)));
    qint64 previous = std::numeric_limits<qint64>::max();
    for (int row = 1; row < table.size(); ++row) {
        const QStringList& cells = table[row];
        const QString context = cells.join(QLatin1String(" | "));
        QCOMPARE(cells[0].toInt(), row);
        const qint64 employees = QString(cells[3]).remove(QLatin1Char('.')).toLongLong();
        QVERIFY2(employees <= previous, qPrintable(context));
        previous = employees;
        QVERIFY2(db.count("SELECT count(*) " + candidates
                         + " AND empresa = ?1 AND CAST(empleados AS INTEGER) = ?2",
                     {cells[1], QString::number(employees)})
                > 0,
            qPrintable(context));
    }
    // Nobody left out has more employees than the last one listed.
    QVERIFY(db.count("SELECT count(*) " + candidates + " AND CAST(empleados AS INTEGER) > ?1",
                {QString::number(previous)})
        < ranked);
}

void TestGenerator::helpPagesLinkOnlyToEachOther()
{
    const QDir help(QDir(m_dir.path()).filePath(QStringLiteral("DATA/AYUDA")));
    QSet<QString> reached;
    QStringList pending {QStringLiteral("index.html")};
    while (!pending.isEmpty()) {
        const QString page = pending.takeFirst();
        if (reached.contains(page))
            continue;
        reached.insert(page);
        const QString html = readText(help.filePath(page));
        QVERIFY2(!html.isEmpty(), qPrintable(page));
        QTextDocument document;
        document.setHtml(html);
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (href.isEmpty())
                    continue;
                const QUrl target = QUrl::fromLocalFile(help.filePath(page)).resolved(QUrl(href));
                QVERIFY2(target.isLocalFile(), qPrintable(page + QLatin1String(": ") + href));
                const QString linked = help.relativeFilePath(target.toLocalFile());
                QVERIFY2(
                    QFileInfo(help.filePath(linked)).isFile(), qPrintable(page + QLatin1String(": ") + href));
                pending.append(linked);
            }
        }
    }
    const QStringList screensLinkTo
        = {QStringLiteral("la guia.htm"), QStringLiteral("buscar.htm"), QStringLiteral("exportar.htm"),
            QStringLiteral("listado.htm"), QStringLiteral("etiquetas.htm"), QStringLiteral("sobres.htm")};
    for (const QString& page : screensLinkTo)
        QVERIFY2(reached.contains(page), qPrintable(page));
    // Nothing in the folder is out of reach of the index.
    const QStringList files = help.entryList(QDir::Files);
    QCOMPARE(QSet<QString>(files.begin(), files.end()), reached);
}

void TestGenerator::backgroundsAreJpegsOfTheirSize_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    for (const auto& [name, folder] : installations()) {
        QTest::addRow("%s: small", qPrintable(name))
            << QDir(folder).filePath(QStringLiteral("fondos/fondo800.jpg")) << QSize(800, 600);
        QTest::addRow("%s: large", qPrintable(name))
            << QDir(folder).filePath(QStringLiteral("fondos/fondo1024.jpg")) << QSize(1024, 768);
    }
}

void TestGenerator::backgroundsAreJpegsOfTheirSize()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QImageReader reader(file);
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    QCOMPARE(image.size(), size);
}

void TestGenerator::reportLogoFitsAboveTheTitle()
{
    for (const auto& [name, folder] : installations()) {
        QImageReader reader(QDir(folder).filePath(QStringLiteral("logoKorvan.bmp")));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage logo = reader.read();
        QVERIFY2(!logo.isNull(), qPrintable(name));
        // The listing draws it at its own size from 0.7 cm down; its title stands at 2.5 cm.
        QVERIFY(logo.dotsPerMeterY() > 0);
        QVERIFY(0.7 + logo.height() * 100.0 / logo.dotsPerMeterY() < 2.5);
        QVERIFY(logo.width() * 100.0 / logo.dotsPerMeterX() < 9.0);
    }
}

void TestGenerator::sectorDocuments_data()
{
    QTest::addColumn<QString>("installation");
    QTest::addColumn<QString>("folder");
    for (const auto& [name, installation] : installations()) {
        for (const QString& folder : SectorDocuments::folders())
            QTest::addRow("%s: %s", qPrintable(name), qPrintable(folder)) << installation << folder;
    }
}

void TestGenerator::sectorDocuments()
{
    QFETCH(QString, installation);
    QFETCH(QString, folder);
    const QDir dir(QDir(installation).filePath(QStringLiteral("DATA/Files/") + folder));
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    QVERIFY2(files.size() >= 2, qPrintable(dir.path()));
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    Database db(InstallationGenerator::databasePath(installation));
    QVERIFY(db.isOpen());
    const QList<QStringList> companies = db.rows("SELECT DISTINCT empresa FROM tbl_empresas");

    QSet<QString> kinds;
    for (const QFileInfo& info : files) {
        const QString context = info.filePath();
        QVERIFY2(!info.fileName().startsWith(QLatin1Char('.')), qPrintable(context));
        const QString kind = info.suffix().toLower();
        kinds.insert(kind);
        QFile file(info.filePath());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray head = file.read(4);
        if (kind == QLatin1String("pdf")) {
            QCOMPARE(head, QByteArray("%PDF"));
            QProcess process;
            process.start(pdftotext, {info.filePath(), QStringLiteral("-")});
            QVERIFY(process.waitForFinished(-1));
            const QString text = QString::fromUtf8(process.readAllStandardOutput());
            QVERIFY2(text.contains(QLatin1String("KORVAN")) && text.contains(QStringLiteral("Introducción"))
                    && text.contains(QStringLiteral("Página 2")),
                qPrintable(context));
            const bool namesACompany = std::any_of(companies.begin(), companies.end(),
                [&text](const QStringList& row) { return text.contains(row[0]); });
            QVERIFY2(namesACompany, qPrintable(context));
        } else {
            QVERIFY2(kind == QLatin1String("xlsx") || kind == QLatin1String("docx"), qPrintable(context));
            QVERIFY2(head.startsWith("PK"), qPrintable(context));
            if (kind == QLatin1String("xlsx"))
                QVERIFY2(info.size() >= 4096, qPrintable(context));
        }
    }
    QVERIFY2(kinds.contains(QStringLiteral("pdf")) && kinds.contains(QStringLiteral("xlsx")),
        qPrintable(dir.path()));
}

void TestGenerator::regeneratingOverwritesWithTheSameFiles()
{
    const QMap<QString, QByteArray> before = snapshot(m_dir.path());
    QVERIFY(before.contains(QStringLiteral("DATA/RANKING/Cash.html")));
    QFile::remove(QDir(m_dir.path()).filePath(QStringLiteral("DATA/AYUDA/sobres.htm")));
    generate(m_dir, kCompanies, kSeed);
    const QMap<QString, QByteArray> after = snapshot(m_dir.path());
    QCOMPARE(after.keys(), before.keys());
    QVERIFY(after == before);
}

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
