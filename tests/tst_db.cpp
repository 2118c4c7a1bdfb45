#include "platform/db/Connection.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/db/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>
#include <unistd.h>

namespace {

const char* kSchema
    = "CREATE TABLE tbl_empresas (id_emp INTEGER PRIMARY KEY, seleccionada BOOLEAN NOT NULL DEFAULT 0,"
      " empresa TEXT COLLATE ES, poblacion TEXT COLLATE ES, contacto_1 TEXT COLLATE ES,"
      " empresa_id INTEGER)";

struct Row
{
    const char* empresa;
    const char* poblacion;
    const char* contacto; // nullptr for NULL
    bool marcada;
};

const Row kRows[] = {
    {"CAFÉ CENTRAL, S.L.", "Málaga", "Ana Ruiz", false},
    {"HOTEL PLAYA", "MÁLAGA", "", true},
    {"BAR L'AVI", "L'Hospitalet de Llobregat", nullptr, false},
    {"ZUMOS ÑORA", "Ñora", "Luis Gil", false},
    {"NUEVA COCINA", "Nules", nullptr, true},
    {"ASADOR ÁVILA", "Ávila", "Eva Sanz", false},
    {"AVILÉS CATERING", "Avilés", "", false},
    {"ALMERÍA VENDING", "Almería", "Juan Díaz", false},
    {"OVIEDO HOTELES", "Oviedo", "Rosa Martín", false},
    {"ZAMORA *24* H", "Zamora", "Pablo Ríos", false},
};

// Words of SQLite's own English messages that must never reach the user.
const char* const kEnglish[] = {"database", "attempt", "malformed", "unable", "locked", "disk", "file is"};

} // namespace

class TestDb : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_path;
    Connection m_conn;

    QStringList column(const QString& sql)
    {
        Recordset rs;
        rs.open(sql, m_conn);
        QStringList out;
        for (rs.moveFirst(); !rs.isEOF(); rs.moveNext())
            out << rs.field(0).toString();
        return out;
    }

    // A database of many pages, so that cutting it leaves pages its header still counts.
    static bool makeLargeDatabase(const QString& path)
    {
        sqlite3* db = nullptr;
        if (sqlite3_open(QFile::encodeName(path).constData(), &db) != SQLITE_OK)
            return false;
        const bool ok = sqlite3_exec(db,
                            "CREATE TABLE tbl_empresas (id_emp INTEGER PRIMARY KEY, empresa TEXT,"
                            " observaciones TEXT);"
                            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<2000)"
                            " INSERT INTO tbl_empresas (empresa, observaciones)"
                            " SELECT 'EMPRESA ' || i, printf('%.200c', 'o') FROM n;",
                            nullptr, nullptr, nullptr)
            == SQLITE_OK;
        sqlite3_close(db);
        return ok;
    }

    static int pageCount(Connection& c)
    {
        Recordset rs;
        rs.open(QStringLiteral("PRAGMA page_count"), c);
        return rs.field(0).value().toInt();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_path = m_dir.filePath(QStringLiteral("DIdarari.idb"));
        sqlite3* db = nullptr;
        QCOMPARE(sqlite3_open(QFile::encodeName(m_path).constData(), &db), SQLITE_OK);
        QVERIFY(SpanishText::install(db));
        QCOMPARE(sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr), SQLITE_OK);
        sqlite3_stmt* st = nullptr;
        sqlite3_prepare_v2(db,
            "INSERT INTO tbl_empresas (seleccionada, empresa, poblacion, contacto_1) VALUES (?,?,?,?)", -1,
            &st, nullptr);
        for (const Row& r : kRows) {
            sqlite3_bind_int(st, 1, r.marcada);
            sqlite3_bind_text(st, 2, r.empresa, -1, SQLITE_STATIC);
            sqlite3_bind_text(st, 3, r.poblacion, -1, SQLITE_STATIC);
            if (r.contacto)
                sqlite3_bind_text(st, 4, r.contacto, -1, SQLITE_STATIC);
            else
                sqlite3_bind_null(st, 4);
            QCOMPARE(sqlite3_step(st), SQLITE_DONE);
            sqlite3_reset(st);
        }
        sqlite3_finalize(st);
        sqlite3_close(db);
        m_conn.open(
            QStringLiteral(" Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Jet OLEDB:DataBase Password=x;")
                .arg(m_path));
        QCOMPARE(m_conn.state(), Connection::Open);
    }

    void compareInSpanishOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("case only") << "MÁLAGA"
                                   << "Málaga" << 0;
        QTest::newRow("ascii case") << "hotel"
                                    << "HOTEL" << 0;
        QTest::newRow("accent breaks tie") << "Avila"
                                           << "Ávila" << -1;
        QTest::newRow("accent is not a letter of its own") << "Ávila"
                                                           << "Avilés" << -1;
        QTest::newRow("enye after n") << "Ñora"
                                      << "Nules" << 1;
        QTest::newRow("enye before o") << "Ñora"
                                       << "Oviedo" << -1;
        QTest::newRow("enye inside a word") << "niño"
                                            << "ninos" << 1;
        QTest::newRow("prefix first") << "Cafe"
                                      << "Cafeteria" << -1;
        QTest::newRow("empty first") << ""
                                     << "a" << -1;
        QTest::newRow("digits before letters") << "24 HORAS"
                                               << "ABC" << -1;
    }

    void compareInSpanishOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, expected);
        QCOMPARE(SpanishText::compare(a, b), expected);
        QCOMPARE(SpanishText::compare(b, a), -expected);
    }

    void likeMatchesWithoutRegardToCase_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("expected");
        QTest::newRow("accented capital") << "%café%"
                                          << "BAR CAFÉ CENTRAL" << true;
        QTest::newRow("accent still counts") << "%cafe%"
                                             << "CAFÉ" << false;
        QTest::newRow("enye") << "%españa%"
                              << "HOTELES ESPAÑA" << true;
        QTest::newRow("prefix") << "CATERIN%"
                                << "catering" << true;
        QTest::newRow("prefix mismatch") << "CATERIN%"
                                         << "vending" << false;
        QTest::newRow("underscore") << "_a%"
                                    << "Valencia" << true;
        QTest::newRow("underscore and accent") << "_a%"
                                               << "Málaga" << false;
        QTest::newRow("apostrophe is a character") << "l'h%"
                                                   << "L'Hospitalet" << true;
        QTest::newRow("backtracking") << "%ab%ab"
                                      << "xxabyyab" << true;
        QTest::newRow("whole text") << "hotel"
                                    << "HOTELES" << false;
    }

    void likeMatchesWithoutRegardToCase()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, expected);
        QCOMPARE(SpanishText::like(pattern.toUtf8(), text.toUtf8()), expected);
    }

    void sqlComparesAndSortsTextTheSpanishWay()
    {
        QCOMPARE(column(QStringLiteral(
                     "SELECT empresa FROM tbl_empresas WHERE poblacion='MÁLAGA' ORDER BY id_emp")),
            QStringList({"CAFÉ CENTRAL, S.L.", "HOTEL PLAYA"}));
        QCOMPARE(column(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE empresa LIKE '%café%'")),
            QStringList({"CAFÉ CENTRAL, S.L."}));
        QCOMPARE(
            column(QStringLiteral("SELECT DISTINCT(poblacion) FROM tbl_empresas WHERE poblacion LIKE 'm%'"))
                .size(),
            1);
        QCOMPARE(column(QStringLiteral("SELECT poblacion FROM tbl_empresas WHERE poblacion NOT LIKE 'm%' "
                                       "AND poblacion NOT LIKE 'L''%' ORDER BY poblacion")),
            QStringList({"Almería", "Ávila", "Avilés", "Nules", "Ñora", "Oviedo", "Zamora"}));
        QCOMPARE(column(QStringLiteral("SELECT poblacion FROM tbl_empresas WHERE poblacion LIKE 'A%' "
                                       "OR poblacion LIKE 'á%' ORDER BY poblacion")),
            QStringList({"Almería", "Ávila", "Avilés"}));
    }

    void booleansAreStoredAsNumbersAndReadAsBooleans()
    {
        QCOMPARE(column(QStringLiteral(
                     "SELECT empresa FROM tbl_empresas WHERE seleccionada= True ORDER BY id_emp")),
            QStringList({"HOTEL PLAYA", "NUEVA COCINA"}));
        QCOMPARE(
            column(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE seleccionada=False")).size(), 8);
        Recordset rs;
        rs.open(QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE id_emp=2"), m_conn);
        QCOMPARE(rs.field(0).value().typeId(), QMetaType::Bool);
        QCOMPARE(rs.field(0).value().toBool(), true);
        QCOMPARE(rs.field(0).toString(), QStringLiteral("Verdadero"));
    }

    void nullStaysDistinctFromEmpty()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT contacto_1 FROM tbl_empresas WHERE id_emp IN (2, 3) ORDER BY id_emp"),
            m_conn);
        QVERIFY(!rs.field(0).isNull());
        QCOMPARE(rs.field(0).toString(), QString());
        rs.moveNext();
        QVERIFY(rs.field(QStringLiteral("CONTACTO_1")).isNull());
        QCOMPARE(rs.field(0).toString(), QString());
        QCOMPARE(
            column(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE contacto_1 IS NULL")).size(), 2);
    }

    void cursorMovesAndPositions()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT empresa FROM tbl_empresas ORDER BY id_emp"), m_conn);
        QCOMPARE(rs.recordCount(), 10);
        QCOMPARE(rs.absolutePosition(), 1);
        QVERIFY(!rs.isBOF());
        rs.movePrevious();
        QVERIFY(rs.isBOF());
        QCOMPARE(rs.absolutePosition(), int(Recordset::PosBOF));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field(0).value());
        rs.moveLast();
        QCOMPARE(rs.absolutePosition(), 10);
        rs.moveNext();
        QVERIFY(rs.isEOF());
        QCOMPARE(rs.absolutePosition(), int(Recordset::PosEOF));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.moveNext());
        rs.setAbsolutePosition(4);
        QCOMPARE(rs.field(QStringLiteral("Empresa")).toString(), QStringLiteral("ZUMOS ÑORA"));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.setAbsolutePosition(11));
        QCOMPARE(rs.source(), QStringLiteral("SELECT empresa FROM tbl_empresas ORDER BY id_emp"));

        Recordset empty;
        empty.open(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE 0"), m_conn);
        QVERIFY(empty.isBOF() && empty.isEOF());
        QCOMPARE(empty.recordCount(), 0);
        QVERIFY_THROWS_EXCEPTION(DbError, empty.getRows());
    }

    void getRowsIsFieldMajorFromTheCurrentRecord()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT id_emp, empresa FROM tbl_empresas WHERE id_emp <= 3 ORDER BY id_emp"),
            m_conn);
        rs.moveNext();
        const QList<QVariantList> rows = rs.getRows();
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0), QVariantList({qlonglong(2), qlonglong(3)}));
        QCOMPARE(rows.at(1).at(1).toString(), QStringLiteral("BAR L'AVI"));
        QVERIFY(rs.isEOF());
    }

    void findSearchesForwardAndTakesLiterals_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<int>("expected");
        QTest::newRow("prefix any case") << 1 << "empresa like 'hotel*'" << 2;
        QTest::newRow("percent wildcard") << 1 << "empresa LIKE 'zum%'" << 4;
        QTest::newRow("forward from current") << 3 << "empresa like 'a*'" << 6;
        QTest::newRow("apostrophe doubled") << 1 << "empresa like 'BAR L''A*'" << 3;
        QTest::newRow("bracketed star is literal") << 1 << "empresa like 'ZAMORA [*]24*'" << 10;
        QTest::newRow("star literal does not match others") << 1 << "empresa like 'ZAMORA [*]99*'" << -3;
        QTest::newRow("equality ignores case") << 1 << "poblacion = 'málaga'" << 1;
        QTest::newRow("no match") << 1 << "empresa like 'xyz*'" << -3;
        QTest::newRow("number") << 1 << "id_emp = 7" << 7;
        QTest::newRow("prefix of a column not searched by name") << 1 << "poblacion like 'nu*'" << 5;
    }

    void findSearchesForwardAndTakesLiterals()
    {
        QFETCH(int, start);
        QFETCH(QString, criterion);
        QFETCH(int, expected);
        Recordset rs;
        rs.setSearchColumn(QStringLiteral("empresa"));
        rs.open(
            QStringLiteral("SELECT id_emp, empresa, poblacion FROM tbl_empresas ORDER BY id_emp"), m_conn);
        rs.setAbsolutePosition(start);
        rs.find(criterion);
        QCOMPARE(rs.absolutePosition(), expected);
    }

    void findLiteralEscapesWhatFindTreatsSpecially_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names"); // in the order searched
        QTest::addColumn<int>("found"); // 1-based; 0 for none
        // Names before the one sought that a wildcard or a bracket left as such would match.
        QTest::newRow("apostrophe") << "BAR L'A" << QStringList {"BAR LA", "BAR L'AVI"} << 2;
        QTest::newRow("star") << "ZAMORA *24" << QStringList {"ZAMORA 1 24", "ZAMORA *24* H"} << 2;
        QTest::newRow("percent in brackets") << "[%]" << QStringList {"% BAR", "[X] BAR", "[%] BAR"} << 3;
        QTest::newRow("bracket") << "[A]" << QStringList {"A BAR", "[A] BAR"} << 2;
        QTest::newRow("percent") << "50%" << QStringList {"50 AÑOS", "50% DTO"} << 2;
        QTest::newRow("underscore") << "A_B" << QStringList {"AXB", "A_B"} << 2;
        QTest::newRow("none") << "[%]" << QStringList {"% BAR", "[X] BAR"} << 0;
    }

    void findLiteralEscapesWhatFindTreatsSpecially()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        QFETCH(int, found);
        QStringList rows;
        for (qsizetype i = 0; i < names.size(); ++i)
            rows << QStringLiteral("SELECT %1 AS n, %2 AS empresa").arg(i).arg(SqlText::literal(names.at(i)));
        Recordset rs;
        rs.open(rows.join(QStringLiteral(" UNION ALL ")) + QStringLiteral(" ORDER BY n"), m_conn);
        QCOMPARE(rs.recordCount(), names.size());
        rs.moveFirst();
        rs.find(QStringLiteral("empresa like '") + SqlText::findLiteral(typed) + QStringLiteral("*'"));
        QCOMPARE(rs.isEOF(), found == 0);
        if (found > 0)
            QCOMPARE(rs.field(1).toString(), names.at(found - 1));
    }

    void findRefusesABrokenCriterion()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT empresa FROM tbl_empresas ORDER BY id_emp"), m_conn);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.find(QStringLiteral("empresa like 'unclosed")));
        QVERIFY_THROWS_EXCEPTION(DbError, rs.find(QStringLiteral("nosuchfield = 1")));
    }

    void updateWritesTheCurrentRowByItsKey()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT seleccionada, empresa FROM tbl_empresas WHERE poblacion='málaga'"),
            m_conn);
        QCOMPARE(rs.fieldCount(), 2);
        QVERIFY(rs.isUpdatable());
        rs.moveFirst();
        rs.field(0) = true;
        rs.field(1) = QStringLiteral("CAFÉ CENTRAL, S.L. (L'ANTIC)");
        QCOMPARE(rs.field(0).value().toBool(), true); // pending values read back
        rs.update();
        QCOMPARE(rs.valueAt(0, 0).toBool(), true);
        QCOMPARE(column(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=1")),
            QStringList({"CAFÉ CENTRAL, S.L. (L'ANTIC)"}));
        // Moving commits pending writes, as the card relies on.
        rs.field(0) = false;
        rs.moveNext();
        QCOMPARE(column(QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE id_emp=1")),
            QStringList({"Falso"}));
        QCOMPARE(column(QStringLiteral("PRAGMA integrity_check")), QStringList({"ok"}));
    }

    // What one recordset writes shows in another once that one reads the row again.
    void resyncReadsAnotherRecordsetsWrite()
    {
        Recordset guia;
        guia.setSearchColumn(QStringLiteral("contacto_1"));
        guia.open(
            QStringLiteral("SELECT seleccionada, empresa, contacto_1 FROM tbl_empresas ORDER BY id_emp"),
            m_conn);
        Recordset ficha;
        ficha.open(
            QStringLiteral("SELECT contacto_1, seleccionada FROM tbl_empresas WHERE id_emp=4"), m_conn);
        QCOMPARE(guia.keyAt(3), std::optional<qint64>(4));
        QCOMPARE(ficha.keyAt(0), std::optional<qint64>(4));
        QCOMPARE(guia.keyAt(int(std::size(kRows))), std::nullopt);
        const QString antes = ficha.field(0).toString();
        ficha.field(0) = QStringLiteral("Nuevo contacto");
        ficha.field(1) = true;
        ficha.update();
        QCOMPARE(guia.valueAt(3, 2).toString(), antes);

        QList<int> cambiadas;
        const int id = guia.addObserver([&](Recordset::Event e, int row) {
            if (e == Recordset::Event::RowChanged)
                cambiadas << row;
        });
        QCOMPARE(guia.resync(4), 1);
        guia.removeObserver(id);
        QCOMPARE(cambiadas, QList<int>({3}));
        QCOMPARE(guia.valueAt(3, 2).toString(), QStringLiteral("Nuevo contacto"));
        guia.find(QStringLiteral("contacto_1 like 'nuevo*'"));
        QCOMPARE(guia.absolutePosition(), 4);
        QCOMPARE(guia.valueAt(3, 0), QVariant(true));
        QCOMPARE(guia.valueAt(3, 1).toString(), QString::fromUtf8(kRows[3].empresa));
        // A NULL written elsewhere reads as NULL, not as an empty text.
        ficha.field(0) = QVariant();
        ficha.update();
        guia.resync(4);
        QVERIFY(guia.isNullAt(3, 2));
        // A key not in the rows, or a row no longer in the table, leaves everything as it was.
        QCOMPARE(guia.resync(999), 0);
        Recordset distintos;
        distintos.open(QStringLiteral("SELECT DISTINCT(poblacion) FROM tbl_empresas"), m_conn);
        QCOMPARE(distintos.resync(4), 0);

        ficha.field(0) = QString::fromUtf8(kRows[3].contacto);
        ficha.field(1) = kRows[3].marcada;
        ficha.update();
    }

    void readOnlyResultsRefuseWrites()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT DISTINCT(poblacion) FROM tbl_empresas"), m_conn);
        QVERIFY(!rs.isUpdatable());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.field(0).setValue(QStringLiteral("x")));
    }

    // A result that takes another's place: a failing query leaves the held rows as they were.
    void replaceKeepsTheRowsWhenTheQueryFails_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::newRow("no such column") << QStringLiteral("SELECT nada FROM tbl_empresas");
        QTest::newRow("not a query") << QStringLiteral("UPDATE tbl_empresas SET empresa = empresa WHERE 0");
        QTest::newRow("bad syntax") << QStringLiteral("SELECT empresa FROM");
    }

    void replaceKeepsTheRowsWhenTheQueryFails()
    {
        QFETCH(QString, sql);
        const QString held
            = QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp <= 5 ORDER BY id_emp");
        Recordset rs;
        rs.open(held, m_conn);
        rs.setAbsolutePosition(3);
        const QString third = rs.field(0).toString();
        QVERIFY_THROWS_EXCEPTION(DbError, rs.replace(sql, m_conn, rs.sizeHint()));
        QVERIFY(rs.isOpen());
        QCOMPARE(rs.source(), held);
        QCOMPARE(rs.recordCount(), 5);
        QCOMPARE(rs.absolutePosition(), 3);
        QCOMPARE(rs.field(0).toString(), third);

        const QString other = QStringLiteral("SELECT empresa, poblacion FROM tbl_empresas WHERE id_emp <= 2");
        rs.replace(other, m_conn, rs.sizeHint());
        QCOMPARE(rs.source(), other);
        QCOMPARE(rs.fieldCount(), 2);
        QCOMPARE(rs.recordCount(), 2);
        QCOMPARE(rs.absolutePosition(), 1);
    }

    void failedOpenThrowsAndCloses()
    {
        Recordset rs;
        rs.open(QStringLiteral("SELECT empresa FROM tbl_empresas"), m_conn);
        QVERIFY_THROWS_EXCEPTION(DbError, rs.open(QStringLiteral("SELECT nada FROM tbl_empresas"), m_conn));
        QVERIFY(!rs.isOpen());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.recordCount());
    }

    void observersFollowEveryReset()
    {
        Recordset rs;
        QList<Recordset::Event> events;
        const int id = rs.addObserver([&](Recordset::Event e, int) { events << e; });
        rs.open(QStringLiteral("SELECT empresa FROM tbl_empresas"), m_conn);
        Recordset other;
        other.open(QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=1"), m_conn);
        rs.adopt(other);
        QCOMPARE(rs.recordCount(), 1);
        QVERIFY(!other.isOpen());
        rs.close();
        QCOMPARE(events,
            QList<Recordset::Event>(
                {Recordset::Event::AboutToReset, Recordset::Event::Reset, Recordset::Event::AboutToReset,
                    Recordset::Event::Reset, Recordset::Event::AboutToReset, Recordset::Event::Reset}));
        rs.removeObserver(id);
    }

    void refusedWritesThrowAndKeepTheStoredValue()
    {
        Connection ro;
        ro.open(m_path);
        ro.execute(QStringLiteral("PRAGMA query_only=1")); // as a read-only file does, even for root
        Recordset rs;
        rs.open(QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE id_emp=3"), ro);
        rs.field(0) = true;
        QVERIFY_THROWS_EXCEPTION(DbError, rs.update());
        QCOMPARE(rs.field(0).value().toBool(), false);
        QCOMPARE(column(QStringLiteral("SELECT seleccionada FROM tbl_empresas WHERE id_emp=3")),
            QStringList({"Falso"}));
    }

    void connectionRejectsWhatIsNotADatabase()
    {
        Connection c;
        QVERIFY_THROWS_EXCEPTION(DbError, c.open(m_dir.filePath(QStringLiteral("missing.idb"))));
        QFile junk(m_dir.filePath(QStringLiteral("junk.idb")));
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(4096, 'x'));
        junk.close();
        QVERIFY_THROWS_EXCEPTION(DbError, c.open(junk.fileName()));
        QCOMPARE(c.state(), Connection::Closed);
        QCOMPARE(Connection::dataSourceOf(
                     QStringLiteral(" Provider=P;Data Source=/a/b.idb;Persist Security Info=False;")),
            QStringLiteral("/a/b.idb"));
    }

    void connectionStringValues_data()
    {
        QTest::addColumn<QString>("connectionString");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << " Provider=P;Data Source=/a/b.idb;Persist Security Info=False;"
                               << "Data Source"
                               << "/a/b.idb";
        QTest::newRow("key without regard to case") << "data source=/a/b.idb"
                                                    << "Data Source"
                                                    << "/a/b.idb";
        QTest::newRow("blanks around key and value") << "  Data Source =  /a/b c.idb  ;x=1"
                                                     << "Data Source"
                                                     << "/a/b c.idb";
        QTest::newRow("double-quoted, with a semicolon") << "Provider=P;Data Source=\"/x;y/b.idb\";Mode=Read"
                                                         << "Data Source"
                                                         << "/x;y/b.idb";
        QTest::newRow("single-quoted, with a semicolon") << "Data Source='/x;y/b.idb';Mode=Read"
                                                         << "Data Source"
                                                         << "/x;y/b.idb";
        QTest::newRow("quoted, blanks kept inside") << "Data Source=\" /a/ \" ;"
                                                    << "Data Source"
                                                    << " /a/ ";
        QTest::newRow("doubled double quote") << "Data Source=\"/a/\"\"q\"\"/b.idb\""
                                              << "Data Source"
                                              << "/a/\"q\"/b.idb";
        QTest::newRow("doubled single quote") << "Data Source='/L''Hospitalet/b.idb'"
                                              << "Data Source"
                                              << "/L'Hospitalet/b.idb";
        QTest::newRow("apostrophe inside a double-quoted value") << "Data Source=\"/L'Hospitalet;1/b.idb\""
                                                                 << "Data Source"
                                                                 << "/L'Hospitalet;1/b.idb";
        QTest::newRow("equals sign in an unquoted value") << "Password=a=b;Data Source=/c"
                                                          << "Password"
                                                          << "a=b";
        QTest::newRow("doubled equals sign in a key") << "a==b=1;Data Source=/c"
                                                      << "a=b"
                                                      << "1";
        QTest::newRow("last of repeated keys") << "Data Source=/a;Data Source=/b"
                                               << "Data Source"
                                               << "/b";
        QTest::newRow("other key") << "Provider=P;Mode=Read;Data Source=/a"
                                   << "Mode"
                                   << "Read";
        QTest::newRow("empty value") << "Data Source=;Mode=Read"
                                     << "Data Source"
                                     << "";
    }

    void connectionStringValues()
    {
        QFETCH(QString, connectionString);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString value = ConnectionString::value(connectionString, key);
        QVERIFY(!value.isNull());
        QCOMPARE(value, expected);
    }

    void missingKeyIsNull()
    {
        QVERIFY(ConnectionString::value(QStringLiteral("Provider=P;Mode=Read"), QStringLiteral("Data Source"))
                    .isNull());
        QVERIFY(
            ConnectionString::value(QStringLiteral("Data Source;Mode=Read"), QStringLiteral("Data Source"))
                .isNull());
        QVERIFY(
            !ConnectionString::value(QStringLiteral("Data Source=;Mode=Read"), QStringLiteral("Data Source"))
                 .isNull());
    }

    void quotedValuesReadBackWhole_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("plain path") << "/home/ana/Tarvesa/DATA/DIdarari.idb";
        QTest::newRow("semicolon") << "/home/ana/Copia;2010/DATA/DIdarari.idb";
        QTest::newRow("double quote") << "/home/ana/\"Tarvesa\"/DATA/DIdarari.idb";
        QTest::newRow("apostrophe") << "/home/ana/L'Hospitalet/DATA/DIdarari.idb";
        QTest::newRow("semicolon and both quotes") << "/a;'b'/\"c\";/d.idb";
        QTest::newRow("edge blanks") << " /a b/ ";
        QTest::newRow("equals sign") << "/a=b/c.idb";
    }

    void quotedValuesReadBackWhole()
    {
        QFETCH(QString, text);
        const QString cs = QStringLiteral("Provider=P;Data Source=%1;Persist Security Info=False;")
                               .arg(ConnectionString::quoted(text));
        QCOMPARE(ConnectionString::value(cs, QStringLiteral("Data Source")), text);
        QCOMPARE(Connection::dataSourceOf(cs), text);
    }

    void aFolderWithASemicolonOpensItsDatabase()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("Copia;2010 de L'Hospitalet"));
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + QStringLiteral("/DIdarari.idb");
        QVERIFY(QFile::copy(m_path, path));
        Connection c;
        c.open(QStringLiteral(" Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Persist Security Info=False;")
                   .arg(ConnectionString::quoted(path)));
        QCOMPARE(c.path(), path);
        Recordset rs;
        rs.open(QStringLiteral("SELECT empresa FROM tbl_empresas"), c);
        QCOMPARE(rs.recordCount(), int(std::size(kRows)));
    }

    void sqliteCodesAreSaidInSpanish_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<QString>("words");
        QTest::newRow("read-only") << SQLITE_READONLY << "attempt to write a readonly database"
                                   << "solo lectura";
        QTest::newRow("read-only, extended")
            << SQLITE_READONLY_DBMOVED << "attempt to write a readonly database"
            << "solo lectura";
        QTest::newRow("damaged") << SQLITE_CORRUPT << "database disk image is malformed"
                                 << "dañado";
        QTest::newRow("damaged, extended") << SQLITE_CORRUPT_INDEX << "database disk image is malformed"
                                           << "dañado";
        QTest::newRow("not a database") << SQLITE_NOTADB << "file is not a database"
                                        << "no es una base de datos";
        QTest::newRow("disk full") << SQLITE_FULL << "database or disk is full"
                                   << "disco está lleno";
        QTest::newRow("busy") << SQLITE_BUSY << "database is locked"
                              << "bloqueada";
        QTest::newRow("locked") << SQLITE_LOCKED << "database table is locked"
                                << "bloqueada";
        QTest::newRow("short read") << SQLITE_IOERR_SHORT_READ << "disk I/O error"
                                    << "leer o escribir";
        QTest::newRow("cannot open") << SQLITE_CANTOPEN << "unable to open database file"
                                     << "No se puede abrir";
        QTest::newRow("no permission") << SQLITE_PERM << "access permission denied"
                                       << "permiso";
        QTest::newRow("missing table") << SQLITE_ERROR << "no such table: tbl_empresas"
                                       << "la tabla «tbl_empresas»";
        QTest::newRow("missing column") << SQLITE_ERROR << "no such column: nada"
                                        << "el campo «nada»";
        QTest::newRow("syntax") << SQLITE_ERROR << "near \"FORM\": syntax error"
                                << "no está bien escrita";
    }

    void sqliteCodesAreSaidInSpanish()
    {
        QFETCH(int, code);
        QFETCH(QString, detail);
        QFETCH(QString, words);
        const DbError e = DbError::fromSqlite(code, detail.toUtf8().constData());
        QVERIFY2(e.description().contains(words), qPrintable(e.description()));
        QCOMPARE(e.sqliteCode(), code);
        for (const char* english : kEnglish)
            QVERIFY2(!e.description().contains(QLatin1String(english), Qt::CaseInsensitive),
                qPrintable(e.description()));
    }

    // Real files in the states a user's installation can be found in.
    void damagedFilesAreSaidInSpanish_data()
    {
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("failsAt"); // "open", "read" or "write"
        QTest::addColumn<QString>("words");
        QTest::newRow("missing") << "missing"
                                 << "open"
                                 << "No se encuentra";
        QTest::newRow("read-only") << "read-only"
                                   << "write"
                                   << "solo lectura";
        QTest::newRow("truncated") << "truncated"
                                   << "open"
                                   << "dañado";
        QTest::newRow("random bytes") << "random"
                                      << "open"
                                      << "no es una base de datos";
        QTest::newRow("locked by another program") << "locked"
                                                   << "open"
                                                   << "bloqueada";
        QTest::newRow("disk full") << "full"
                                   << "write"
                                   << "disco está lleno";
    }

    void damagedFilesAreSaidInSpanish()
    {
        QFETCH(QString, state);
        QFETCH(QString, failsAt);
        QFETCH(QString, words);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("DIdarari.idb"));
        QString cs = QStringLiteral("Provider=P;Data Source=%1;").arg(ConnectionString::quoted(path));
        sqlite3* holder = nullptr;
        if (state != QLatin1String("missing")) {
            QVERIFY(makeLargeDatabase(path));
        }
        if (state == QLatin1String("read-only")) {
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
            // Root may write a read-only file: then the connection asks for reading only.
            if (geteuid() == 0)
                cs += QStringLiteral("Mode=Read;");
        } else if (state == QLatin1String("truncated")) {
            QVERIFY(QFile::resize(path, QFileInfo(path).size() / 2));
        } else if (state == QLatin1String("random")) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QRandomGenerator random(2010);
            QByteArray bytes(16384, '\0');
            for (char& b : bytes)
                b = char(random.bounded(256));
            f.write(bytes);
        } else if (state == QLatin1String("locked")) {
            QCOMPARE(sqlite3_open(QFile::encodeName(path).constData(), &holder), SQLITE_OK);
            QCOMPARE(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
        }
        const auto release = qScopeGuard([&] { sqlite3_close(holder); });

        QString said;
        QString at;
        Connection c;
        try {
            at = QStringLiteral("open");
            c.open(cs);
            if (state == QLatin1String("full"))
                c.execute(QStringLiteral("PRAGMA max_page_count = %1").arg(pageCount(c)));
            at = QStringLiteral("read");
            Recordset rs;
            rs.open(QStringLiteral("SELECT empresa, observaciones FROM tbl_empresas ORDER BY empresa"), c);
            QVERIFY(rs.recordCount() > 0);
            at = QStringLiteral("write");
            rs.field(1) = QString(4000, QLatin1Char('x'));
            rs.update();
            at.clear();
        } catch (const DbError& e) {
            said = e.description();
        }
        QCOMPARE(at, failsAt);
        QVERIFY2(said.contains(words), qPrintable(said));
        for (const char* english : kEnglish)
            QVERIFY2(!said.contains(QLatin1String(english), Qt::CaseInsensitive), qPrintable(said));
        QVERIFY2(!said.contains(QLatin1Char('\\')), qPrintable(said));
    }

    void keywordsAreFoundOutsideLiterals_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<QString>("keyword");
        QTest::addColumn<int>("expected");
        QTest::newRow("plain") << "SELECT a FROM t ORDER BY a"
                               << "ORDER BY" << 16;
        QTest::newRow("lower case, two blanks") << "select a from t order  by a"
                                                << "ORDER BY" << 16;
        QTest::newRow("inside a literal") << "SELECT a FROM t WHERE a='x ORDER BY y'"
                                          << "ORDER BY" << -1;
        QTest::newRow("after a doubled apostrophe") << "SELECT a FROM t WHERE a='L''ORDER BY' ORDER BY a"
                                                    << "ORDER BY" << 38;
        QTest::newRow("part of a word") << "SELECT reorder by FROM t"
                                        << "ORDER BY" << -1;
        QTest::newRow("where") << "SELECT a FROM t  WHERE  b=1"
                               << "WHERE" << 17;
    }

    void keywordsAreFoundOutsideLiterals()
    {
        QFETCH(QString, sql);
        QFETCH(QString, keyword);
        QFETCH(int, expected);
        QCOMPARE(SqlText::indexOfKeyword(sql, keyword), expected);
    }
};

QTEST_GUILESS_MAIN(TestDb)
#include "tst_db.moc"
