#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;

// The finished company database opened read-only, with the collation its columns declare, for the
// writers that draw documents from it.
class ReadOnlyDatabase
{
public:
    explicit ReadOnlyDatabase(const QString& path);

    bool isOpen() const { return m_open; }
    QString errorString() const { return m_error; }

    // Every row of the query, each column as text ("" for NULL); `values` fill ?1, ?2... On failure the
    // result is empty and errorString() says why.
    QList<QStringList> rows(const QByteArray& sql, const QStringList& values = {});
    bool failed() const { return !m_error.isEmpty(); }

private:
    struct Closer
    {
        void operator()(sqlite3* db) const;
    };

    std::unique_ptr<sqlite3, Closer> m_db;
    bool m_open = false;
    QString m_error;
};
