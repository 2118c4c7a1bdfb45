#include "platform/db/SpanishText.h"

#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

// Entry point of tarvesa_es.so: the sqlite3 shell (`.load`) and other SQLite tools find it by the file's
// name, so a directory database can be read, checked and repaired with them.
extern "C" __attribute__((visibility("default"))) int sqlite3_tarvesaes_init(
    sqlite3* db, char** errorMessage, const sqlite3_api_routines* api)
{
    SQLITE_EXTENSION_INIT2(api);
    if (SpanishText::install(db))
        return SQLITE_OK;
    if (errorMessage)
        *errorMessage = sqlite3_mprintf("%s", sqlite3_errmsg(db));
    return SQLITE_ERROR;
}
