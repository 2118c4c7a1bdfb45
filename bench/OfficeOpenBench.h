#pragma once

#include <QString>

class Connection;

// How long LibreOffice takes to open the .docx export of the first `rows` companies of `conn`, and a
// plain table of the same rows; one line each, none without soffice. Files go to `folder`.
void measureDocxOpen(Connection& conn, int rows, const QString& folder);
