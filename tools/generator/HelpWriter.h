#pragma once

#include <QString>

// Writes the program's help, DATA/AYUDA/: the index the menu's Ayuda button opens and the pages the
// screens link to, in the publisher's words.
class HelpWriter
{
public:
    explicit HelpWriter(QString outputFolder);

    bool write();
    QString errorString() const { return m_error; }

private:
    QString m_folder;
    QString m_error;
};
