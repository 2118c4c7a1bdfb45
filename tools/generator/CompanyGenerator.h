#pragma once

#include <QString>
#include <QtGlobal>

struct sqlite3;

// Creates the directory's company table on an open database and fills it with generated companies.
class CompanyGenerator
{
public:
    explicit CompanyGenerator(quint64 seed);

    // The table exactly as the program expects it; the ES collation must be installed first.
    static const char* schemaSql();
    // The indexes of the columns most often sorted by, in the same collation.
    static const char* indexSql();

    // Creates tbl_empresas and inserts `count` companies with ids 1..count in one transaction.
    bool generate(sqlite3* db, int count);
    QString errorString() const { return m_error; }

private:
    bool fail(sqlite3* db, const char* step);

    quint64 m_seed;
    QString m_error;
};
