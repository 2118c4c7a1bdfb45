#pragma once

#include <QString>

// Writes the ranking pages the menu's Ranking panel shows, DATA/RANKING/*.html: the head offices of a
// sector with the most employees, read from the finished company database.
class RankingWriter
{
public:
    static constexpr int kPlaces = 50;

    RankingWriter(QString databasePath, QString outputFolder);

    bool write();
    QString errorString() const { return m_error; }

private:
    bool fail(const QString& message);

    QString m_databasePath;
    QString m_outputFolder;
    QString m_error;
};
