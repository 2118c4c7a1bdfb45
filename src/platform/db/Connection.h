#pragma once

#include <QString>

struct sqlite3;

// The one connection to a directory database: an SQLite file on which the program's SQL texts run
// with the directory's text comparison (see SpanishText).
class Connection
{
public:
    enum State { Closed = 0, Open = 1 };

    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Accepts an OLE DB style string ("...;Data Source=path;...", "Mode=Read" for read-only) or a bare
    // path. Provider and password parts are ignored: the file has none. Throws DbError, in Spanish,
    // when the file cannot be opened.
    void open(const QString& connectionString);
    void close();

    bool isOpen() const { return m_db != nullptr; }
    State state() const { return isOpen() ? Open : Closed; }
    QString path() const { return m_path; }

    // Runs a statement that returns no rows; returns the number of rows it changed.
    int execute(const QString& sql);

    sqlite3* handle() const { return m_db; }

    // The data-source part of a connection string, or the string itself when it has none.
    static QString dataSourceOf(const QString& connectionString);
    // True when the connection string asks for a read-only connection ("Mode=Read").
    static bool asksReadOnly(const QString& connectionString);

private:
    sqlite3* m_db = nullptr;
    QString m_path;
};
