#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;
class Recordset;

// Writes the companies of a recordset (the company record, read by field position) to a device in
// one file format. Every row is read from the first, in the recordset's order, by position: the
// recordset's current record is left where it was.
class ExportWriter
{
public:
    // Called as rows are written; returning false cancels the export.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    virtual ~ExportWriter() = default;

    // False on failure or cancellation; errorString() then says why, in Spanish.
    virtual bool write(Recordset& rs, QIODevice& out, const Progress& progress) = 0;

    QString errorString() const { return m_error; }
    bool wasCancelled() const { return m_cancelled; }
    // Whether writing failed because a disk was full.
    bool outOfSpace() const { return m_outOfSpace; }
    // What to tell the user after a complete export (values cut to fit), in Spanish; usually empty.
    QString notice() const { return m_notice; }

    // Where temporary files go: the target's folder, so that they use the disk the file is written to.
    void setWorkFolder(const QString& folder) { m_workFolder = folder; }

    // Field positions of the company record that exports write.
    static constexpr int kFirstField = 1; // sector
    static constexpr int kLastPlainField = 20; // empleados
    static constexpr int kObservaciones = 21;

    // Titles of the text and document columns "Sector" to "Empleados", and "Observaciones" if asked.
    static QStringList textTitles(bool withObservations);
    // Titles of the spreadsheet's columns: "E-Mail" for the mail, "Observaciones" always.
    static QStringList spreadsheetTitles();
    // A field as text: nothing for NULL, whole numbers plain, decimals with the user's separator.
    static QString fieldText(const Recordset& rs, int row, int position);
    // A text short enough to quote in a message.
    static QString quoted(const QString& text);

protected:
    // Resets the outcome and checks that the recordset is open and holds the fields up to `lastField`.
    bool begin(Recordset& rs, int lastField);
    bool fail(const QString& reason);
    // Fails saying that the disk is full when `full`, else with `reason`.
    bool failWriting(bool full, const QString& reason);
    // Writes all of `data` to `out`, failing with `reason` (or a full disk) when it cannot.
    bool writeOut(QIODevice& out, QByteArrayView data, const QString& reason);
    QString workFolder() const;
    void setNotice(const QString& notice) { m_notice = notice; }
    // Tells the caller every so many rows and at the end; false (with the reason set) when cancelled.
    bool advance(const Progress& progress, qint64 done, qint64 total);

private:
    QString m_error;
    QString m_notice;
    QString m_workFolder;
    bool m_cancelled = false;
    bool m_outOfSpace = false;
};
