#pragma once

#include "platform/db/Recordset.h"
#include "platform/ui/MarkerColors.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>
#include <optional>
#include <unordered_map>
#include <vector>

// The contents of a FlexGrid in flex coordinates: row 0 is the fixed header row, column 0 the
// fixed marker column. Model row r - 1 is flex row r, model column c - 1 is flex column c; the
// header row and the marker column are the model's header data.
//
// The texts come either from cells written one by one or from a bound Recordset, which is read on
// demand and never copied, so binding costs the same whatever the number of records.
class FlexGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // One entry of a format string: an optional alignment mark and the header text.
    struct FormatEntry
    {
        std::optional<Qt::Alignment> alignment;
        QString text;
    };

    static constexpr Qt::Alignment kDefaultAlignment = Qt::AlignLeft | Qt::AlignVCenter;

    explicit FlexGridModel(QObject* parent = nullptr);
    ~FlexGridModel() override;

    int rows() const { return m_rows; }
    int cols() const { return m_cols; }
    // Counts include the fixed row and column; binding is given up first.
    bool setRows(int rows);
    bool setCols(int cols);

    Recordset* dataSource() const { return m_recordset; }
    bool isBound() const { return m_recordset != nullptr; }
    // Binds to `recordset` (nullptr unbinds, leaving the header row only). Marks, colours, header
    // texts and captions start afresh; alignments are kept.
    void setDataSource(Recordset* recordset);

    QString textMatrix(int row, int col) const;
    // Refused outside the grid and, while bound, for every cell but the header row's.
    bool setTextMatrix(int row, int col, const QString& text);

    // Entries separated by '|', one per column from column 0: '<' left, '>' right, '^' centre, then
    // the header text. Sets the alignment of the whole column, header included.
    void setFormatString(const QString& format);
    QString formatString() const { return m_formatString; }
    static QList<FormatEntry> parseFormatString(const QString& format);

    // The second header text: shown when the column has no header text of its own.
    QString colHeaderCaption(int col) const;
    bool setColHeaderCaption(int col, const QString& caption);
    // The text the header row shows for `col`.
    QString headerText(int col) const;

    // Alignment of the data cells of `col`; the fixed alignment is that of its header cell.
    Qt::Alignment colAlignment(int col) const;
    bool setColAlignment(int col, Qt::Alignment alignment);
    Qt::Alignment fixedAlignment(int col) const;

    // An invalid colour is "not set": the cell shows the grid's own colour.
    QColor cellBackColor(int row, int col) const;
    bool setCellBackColor(int row, int col, const QColor& color);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct ColumnFormat
    {
        std::optional<QString> header; // unset: the field name while bound
        QString caption;
        Qt::Alignment alignment = kDefaultAlignment;
        Qt::Alignment fixedAlignment = kDefaultAlignment;
    };

    void onRecordsetEvent(Recordset::Event event, int row);
    void readShape();
    void detach();
    void unbind(int rows, int cols);
    void clearColors();
    void noteMarkerChanged(int section);
    void flushMarkerChanges();
    ColumnFormat& format(int col);
    const ColumnFormat* formatOf(int col) const;
    QString cellText(int row, int col) const;
    static quint64 cellKey(int row, int col) { return (quint64(quint32(row)) << 32) | quint32(col); }

    int m_rows = 2;
    int m_cols = 2;
    Recordset* m_recordset = nullptr;
    int m_observer = 0;
    int m_binding = 0; // tells a stale observer call from the current binding's
    bool m_resetting = false;

    std::vector<std::vector<QString>> m_cells; // [row - 1][col], grown on write
    std::vector<ColumnFormat> m_formats; // by flex column, grown on write
    QString m_formatString;

    MarkerColors m_markerColors; // [row - 1]; grown on write
    int m_markersChangedFirst = -1; // sections not yet announced
    int m_markersChangedLast = -1;
    bool m_markerFlushPending = false;
    std::unordered_map<quint64, QRgb> m_cellColors; // every other cell
};
