#pragma once

#include <QString>

// Reading and writing SQL texts without being fooled by what stands inside their literals.
namespace SqlText {

// Position of a keyword sequence ("ORDER BY", "WHERE") outside string literals and quoted names,
// matched without regard to case, at word boundaries, with any blanks between its words; -1 if none.
qsizetype indexOfKeyword(const QString& sql, const QString& keyword, qsizetype from = 0);

// A string literal: the value between apostrophes, its own apostrophes doubled.
QString literal(const QString& value);

// The value with its apostrophes doubled, for texts that put the apostrophes around it themselves.
QString doubleApostrophes(const QString& value);

// A value for a recordset find criterion, taken literally: apostrophes doubled, and the wildcards
// * and % (and the bracket) enclosed in brackets.
QString findLiteral(const QString& value);

} // namespace SqlText
