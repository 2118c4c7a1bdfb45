#pragma once

#include <QString>
#include <stdexcept>

// An error raised by the data-access layer, with the number and text the callers report.
class DbError : public std::runtime_error
{
public:
    enum Number {
        Failed = 3000,
        ArgumentOutOfRange = 3001,
        NoCurrentRecord = 3021,
        // The row to write is no longer in its table, or holds other values than those read.
        RecordDeleted = 3167,
        ChangedElsewhere = 3197,
        NotAllowedWhenClosed = 3704,
        NotUpdatable = 3251,
        BadCriterion = 3265,
        NoConnection = 30000,
    };

    DbError(int number, const QString& description, int sqliteCode = 0)
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(description)
        , m_sqliteCode(sqliteCode)
    {
    }

    // The error of an SQLite call, said in Spanish: the library's English text never reaches the user.
    static DbError fromSqlite(int resultCode, const char* englishDetail = nullptr);
    // The Spanish words for an SQLite result code (primary or extended).
    static QString sqliteDescription(int resultCode, const QString& englishDetail = {});

    int number() const { return m_number; }
    QString description() const { return m_description; }
    // The SQLite result code behind the error, 0 when it did not come from SQLite.
    int sqliteCode() const { return m_sqliteCode; }
    // Another program holds the file: it mends by itself once that program lets go.
    bool isLocked() const;
    // The file is not a sound database: only another copy of it mends that.
    bool isDamaged() const;

private:
    int m_number;
    QString m_description;
    int m_sqliteCode;
};
