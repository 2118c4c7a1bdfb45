#include "CompanyGenerator.h"

#include "CompanyFactory.h"

#include <memory>
#include <sqlite3.h>

namespace {

struct StatementDeleter
{
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Statement = std::unique_ptr<sqlite3_stmt, StatementDeleter>;

void bindText(sqlite3_stmt* statement, int index, const CompanyRecord::Text& text)
{
    if (text)
        sqlite3_bind_text(statement, index, text->data(), int(text->size()), SQLITE_STATIC);
    else
        sqlite3_bind_null(statement, index);
}

} // namespace

CompanyGenerator::CompanyGenerator(quint64 seed)
    : m_seed(seed)
{
}

const char* CompanyGenerator::indexSql()
{
    return "CREATE INDEX ix_empresa ON tbl_empresas(empresa);"
           "CREATE INDEX ix_sector ON tbl_empresas(sector);"
           "CREATE INDEX ix_actividad ON tbl_empresas(actividad);"
           "CREATE INDEX ix_autonomia ON tbl_empresas(autonomia);"
           "CREATE INDEX ix_provincia ON tbl_empresas(provincia);"
           "CREATE INDEX ix_poblacion ON tbl_empresas(poblacion);";
}

const char* CompanyGenerator::schemaSql()
{
    return R"(CREATE TABLE tbl_empresas (
  id_emp INTEGER PRIMARY KEY,
  seleccionada BOOLEAN NOT NULL DEFAULT 0,
  sector TEXT COLLATE ES, empresa TEXT COLLATE ES, actividad TEXT COLLATE ES, cif TEXT COLLATE ES,
  autonomia TEXT COLLATE ES, provincia TEXT COLLATE ES, poblacion TEXT COLLATE ES, domicilio TEXT COLLATE ES,
  cp TEXT COLLATE ES, telefono TEXT COLLATE ES, fax TEXT COLLATE ES, email TEXT COLLATE ES, web TEXT COLLATE ES,
  cargo_1 TEXT COLLATE ES, contacto_1 TEXT COLLATE ES, cargo_2 TEXT COLLATE ES, contacto_2 TEXT COLLATE ES,
  superficie TEXT COLLATE ES, vehiculos TEXT COLLATE ES, empleados TEXT COLLATE ES,
  observaciones TEXT COLLATE ES, empresa_id INTEGER))";
}

bool CompanyGenerator::fail(sqlite3* db, const char* step)
{
    m_error = QStringLiteral("%1: %2").arg(QString::fromUtf8(step), QString::fromUtf8(sqlite3_errmsg(db)));
    return false;
}

bool CompanyGenerator::generate(sqlite3* db, int count)
{
    m_error.clear();
    if (sqlite3_exec(db, schemaSql(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(db, "CREATE TABLE tbl_empresas");
    if (sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(db, "BEGIN");

    const char* insert
        = "INSERT INTO tbl_empresas (id_emp, seleccionada, sector, empresa, actividad, cif, "
          "autonomia, provincia, poblacion, domicilio, cp, telefono, fax, email, web, cargo_1, "
          "contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, observaciones, "
          "empresa_id) VALUES (?, 0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, insert, -1, &raw, nullptr) != SQLITE_OK)
        return fail(db, "INSERT INTO tbl_empresas");
    const Statement statement(raw);

    CompanyFactory factory(m_seed);
    CompanyRecord record;
    for (int i = 0; i < count; ++i) {
        factory.next(record);
        sqlite3_stmt* s = statement.get();
        sqlite3_bind_int64(s, 1, record.id);
        int column = 2;
        for (const CompanyRecord::Text* text : {&record.sector, &record.empresa, &record.actividad,
                 &record.cif, &record.autonomia, &record.provincia, &record.poblacion, &record.domicilio,
                 &record.cp, &record.telefono, &record.fax, &record.email, &record.web, &record.cargo1,
                 &record.contacto1, &record.cargo2, &record.contacto2, &record.superficie, &record.vehiculos,
                 &record.empleados, &record.observaciones}) {
            bindText(s, column++, *text);
        }
        if (record.headOfficeId != 0)
            sqlite3_bind_int64(s, column, record.headOfficeId);
        else
            sqlite3_bind_null(s, column);
        if (sqlite3_step(s) != SQLITE_DONE) {
            fail(db, "INSERT INTO tbl_empresas");
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
        sqlite3_reset(s);
    }
    // The columns users sort by most: ORDER BY walks the index instead of sorting every row. They are
    // built under the same collation the program compares with, which keeps them consistent.
    if (sqlite3_exec(db, indexSql(), nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(db, "CREATE INDEX");
    if (sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK)
        return fail(db, "COMMIT");
    return true;
}
