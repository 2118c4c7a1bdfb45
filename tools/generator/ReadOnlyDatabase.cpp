#include "ReadOnlyDatabase.h"

#include "platform/db/SpanishText.h"

#include <QFile>
#include <sqlite3.h>

namespace {

struct StatementFinalizer
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};

} // namespace

void ReadOnlyDatabase::Closer::operator()(sqlite3* db) const
{
    sqlite3_close(db);
}

ReadOnlyDatabase::ReadOnlyDatabase(const QString& path)
{
    sqlite3* raw = nullptr;
    const int opened
        = sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READONLY, nullptr);
    m_db.reset(raw);
    if (opened != SQLITE_OK) {
        m_error = QStringLiteral("Cannot open %1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(raw)));
        return;
    }
    if (!SpanishText::install(raw)) {
        m_error
            = QStringLiteral("Cannot install the %1 collation").arg(QLatin1String(SpanishText::kCollation));
        return;
    }
    // The writers scan the whole table many times over: keep it in memory after the first read.
    sqlite3_exec(raw, "PRAGMA cache_size = -65536", nullptr, nullptr, nullptr);
    m_open = true;
}

QList<QStringList> ReadOnlyDatabase::rows(const QByteArray& sql, const QStringList& values)
{
    QList<QStringList> out;
    if (!m_open)
        return out;
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(m_db.get(), sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK) {
        m_error = QStringLiteral("%1: %2").arg(
            QString::fromUtf8(sql), QString::fromUtf8(sqlite3_errmsg(m_db.get())));
        return out;
    }
    const std::unique_ptr<sqlite3_stmt, StatementFinalizer> statement(raw);
    for (int i = 0; i < values.size(); ++i) {
        const QByteArray value = values[i].toUtf8();
        sqlite3_bind_text(raw, i + 1, value.constData(), int(value.size()), SQLITE_TRANSIENT);
    }
    const int columns = sqlite3_column_count(raw);
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(raw)) == SQLITE_ROW) {
        QStringList row;
        row.reserve(columns);
        for (int column = 0; column < columns; ++column) {
            row.append(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(raw, column)),
                sqlite3_column_bytes(raw, column)));
        }
        out.append(row);
    }
    if (step != SQLITE_DONE) {
        m_error = QStringLiteral("%1: %2").arg(
            QString::fromUtf8(sql), QString::fromUtf8(sqlite3_errmsg(m_db.get())));
        out.clear();
    }
    return out;
}
