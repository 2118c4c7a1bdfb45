#pragma once

#include <QString>

// The program's string table: the paragraphs of the publisher's presentation, by resource number
// (101 to 106). They are written as the labels show them: a doubled ampersand shows as one.
class StringTable
{
public:
    // The empty text for a number that is not in the table.
    static QString text(int id);
};
