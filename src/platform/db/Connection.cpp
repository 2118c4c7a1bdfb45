#include "platform/db/Connection.h"

#include "platform/db/DbError.h"
#include "platform/db/SpanishText.h"

#include <QFileInfo>
#include <sqlite3.h>

Connection::~Connection()
{
    close();
}

QString Connection::dataSourceOf(const QString& connectionString)
{
    const QStringList parts = connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        const qsizetype eq = part.indexOf(QLatin1Char('='));
        if (eq > 0 && part.left(eq).trimmed().compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0)
            return part.mid(eq + 1).trimmed();
    }
    return connectionString.contains(QLatin1Char('=')) ? QString() : connectionString.trimmed();
}

void Connection::open(const QString& connectionString)
{
    close();
    const QString path = dataSourceOf(connectionString);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        throw DbError(DbError::Failed, QStringLiteral("No se encuentra la base de datos «%1»").arg(path));

    sqlite3* db = nullptr;
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc == SQLITE_READONLY || rc == SQLITE_CANTOPEN || rc == SQLITE_PERM) {
        // A read-only file still shows its companies; writes then fail one by one.
        sqlite3_close(db);
        db = nullptr;
        rc = sqlite3_open_v2(
            QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    if (rc != SQLITE_OK) {
        const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
        sqlite3_close(db);
        throw DbError(DbError::Failed, message);
    }
    // Reject a file that is not a database now rather than at the first query.
    char* err = nullptr;
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, &err) != SQLITE_OK
        || !SpanishText::install(db)) {
        const QString message = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        sqlite3_close(db);
        throw DbError(DbError::Failed, message);
    }
    sqlite3_busy_timeout(db, 2000);
    // Sorting a whole directory by name must stay in memory, not spill to temporary files.
    sqlite3_exec(db, "PRAGMA cache_size = -65536; PRAGMA temp_store = MEMORY", nullptr, nullptr, nullptr);
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

bool Connection::isReadOnly() const
{
    return m_db && sqlite3_db_readonly(m_db, "main") == 1;
}

int Connection::execute(const QString& sql)
{
    if (!m_db)
        throw DbError(
            DbError::NotAllowedWhenClosed, QStringLiteral("La conexión con la base de datos está cerrada"));
    char* err = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString message = QString::fromUtf8(err ? err : sqlite3_errmsg(m_db));
        sqlite3_free(err);
        throw DbError(DbError::Failed, message);
    }
    return sqlite3_changes(m_db);
}
