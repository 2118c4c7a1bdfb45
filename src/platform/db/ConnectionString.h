#pragma once

#include <QString>

// The key-value pairs of an OLE DB style connection string ("Provider=...;Data Source=...;"), read by
// the usual rules: pairs separated by ";", keys without regard to case, blanks around keys and
// unquoted values dropped, a value in double or single quotes taken whole (";" included) with its
// quote doubled inside, "==" in a key for a literal "=", the last of repeated keys winning.
namespace ConnectionString {

// The value of `key`, unquoted; a null string when the connection string has no such key.
QString value(const QString& connectionString, const QString& key);

// `text` written as a value that reads back whole: quoted when it holds ";", a quote or edge blanks.
QString quoted(const QString& text);

} // namespace ConnectionString
