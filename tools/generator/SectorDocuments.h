#pragma once

#include "SpanishGeography.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class ReadOnlyDatabase;

// Writes the documents the guide's explorer lists, DATA/Files/<folder>/: for each trade a printed
// report (PDF) and spreadsheets of its companies (.xlsx), and the publisher's yearly "40 principales",
// all read from the finished company database so that they agree with it.
class SectorDocuments
{
public:
    // Rows the spreadsheets and the long tables stop at: the explorer's documents are samples.
    static constexpr int kMaxRows = 200;

    SectorDocuments(QString databasePath, QString filesFolder);

    bool write();
    QString errorString() const { return m_error; }

    // The folders under DATA/Files, as they are named on disk.
    static QStringList folders();

private:
    struct Figures;
    struct Folder;

    static const std::vector<Folder>& sectorFolders();
    bool fail(const QString& message);
    bool writeSector(ReadOnlyDatabase& db, const Folder& folder);
    bool writeLeaders(ReadOnlyDatabase& db);
    bool writeSchoolDirectory(ReadOnlyDatabase& db);
    bool figures(ReadOnlyDatabase& db, const QByteArray& condition, Figures& out);
    // Head offices matching the condition, most employees first (or most establishments first, when
    // they are counted): empresa, actividad, población, provincia, teléfono, empleados, establecimientos.
    QList<QStringList> companies(
        ReadOnlyDatabase& db, const QByteArray& condition, int limit, bool byEstablishments = false);
    void tidyPlaces(QList<QStringList>& rows, int townColumn, int provinceColumn) const;
    static void sortByPlace(QList<QStringList>& rows, int townColumn, int provinceColumn);
    QString path(const char* folder, const char* file) const;

    QString m_databasePath;
    QString m_filesFolder;
    QString m_error;
    SpanishGeography m_geography;
};
