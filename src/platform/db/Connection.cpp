#include "platform/db/Connection.h"

#include "platform/db/ConnectionString.h"
#include "platform/db/DbError.h"
#include "platform/db/SpanishText.h"

#include <QDir>
#include <QFileInfo>
#include <sqlite3.h>

Connection::~Connection()
{
    close();
}

QString Connection::dataSourceOf(const QString& connectionString)
{
    const QString source = ConnectionString::value(connectionString, QStringLiteral("Data Source"));
    if (!source.isNull())
        return source;
    // A bare path: no pairs at all, or a file that exists under that whole name.
    const QString bare = connectionString.trimmed();
    if (!bare.contains(QLatin1Char('=')) || QFileInfo(bare).isFile())
        return bare;
    return {};
}

bool Connection::asksReadOnly(const QString& connectionString)
{
    return ConnectionString::value(connectionString, QStringLiteral("Mode"))
               .trimmed()
               .compare(QLatin1String("Read"), Qt::CaseInsensitive)
        == 0;
}

void Connection::open(const QString& connectionString)
{
    close();
    const QString path = dataSourceOf(connectionString);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw DbError(DbError::Failed,
            QStringLiteral("No se encuentra la base de datos «%1»").arg(QDir::toNativeSeparators(path)),
            SQLITE_CANTOPEN);

    sqlite3* db = nullptr;
    const bool readOnly = asksReadOnly(connectionString);
    const int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (!readOnly && (rc == SQLITE_READONLY || rc == SQLITE_CANTOPEN || rc == SQLITE_PERM)) {
        // A read-only file still shows its companies; writes then fail one by one.
        sqlite3_close(db);
        db = nullptr;
        rc = sqlite3_open_v2(
            QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    if (rc != SQLITE_OK) {
        const DbError error
            = DbError::fromSqlite(db ? sqlite3_extended_errcode(db) : rc, db ? sqlite3_errmsg(db) : nullptr);
        sqlite3_close(db);
        throw error;
    }
    // A lock held for a moment by another program (a save) is waited for, at opening too.
    sqlite3_busy_timeout(db, 2000);
    // Reject a file that is not a database, or a truncated one, now rather than at the first query.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr) != SQLITE_OK
        || !SpanishText::install(db)) {
        const DbError error = DbError::fromSqlite(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
        sqlite3_close(db);
        throw error;
    }
    // The snapshot holds what was read, so pages need not stay cached after a scan; a sort's
    // overflow stays in memory rather than in temporary files.
    sqlite3_exec(db, "PRAGMA cache_size = -4096; PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
    m_db = db;
    m_path = path;
}

void Connection::close()
{
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

int Connection::execute(const QString& sql)
{
    if (!m_db)
        throw DbError(
            DbError::NotAllowedWhenClosed, QStringLiteral("La conexión con la base de datos está cerrada"));
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError::fromSqlite(sqlite3_extended_errcode(m_db), sqlite3_errmsg(m_db));
    return sqlite3_changes(m_db);
}
