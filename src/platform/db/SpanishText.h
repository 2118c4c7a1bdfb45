#pragma once

#include <QByteArrayView>
#include <QString>

struct sqlite3;

// Text comparison as the directory's users expect it: letters compare without regard to case,
// accents only break ties (so "Ávila" sorts beside "Avila"), and ñ is a letter of its own after n.
namespace SpanishText {

// The name under which the collation is registered on every connection.
inline constexpr const char* kCollation = "ES";

// Three-way comparison of two UTF-8 texts in Spanish order; 0 when they differ only in case.
int compare(QByteArrayView a, QByteArrayView b);
int compare(const QString& a, const QString& b);

// SQL LIKE: '%' any run, '_' one character, `escape` (0 for none) makes the next character literal.
// Case-insensitive for every letter, accent-sensitive.
bool like(QByteArrayView pattern, QByteArrayView text, char32_t escape = 0);

// Bytes `from` to `from + width` of the text's sort key, whose byte order is compare()'s order: the
// primary weights (each one byte, or 0xFF and three), a 1, then the accents; zeros past its end.
// True when the key ends inside the window: texts whose keys are equal up to there compare equal.
bool sortKey(QByteArrayView text, qsizetype from, unsigned char* window, int width);
// How many bytes of the sort key the whole characters among the first `bytes` bytes of `text` make:
// texts that begin with the same bytes have keys that begin so.
qsizetype sortKeyPrefix(QByteArrayView text, qsizetype bytes);

// The case-folded form of a text, as the comparisons see it.
QString fold(const QString& text);

// Registers the collation and the like() functions on a connection; false on failure. The program's
// connection and the loadable extension (tarvesa_es) both call it.
bool install(sqlite3* db);

} // namespace SpanishText
