#include "platform/ui/FlexGridModel.h"

#include "platform/db/FieldText.h"

#include <QPointer>
#include <algorithm>

FlexGridModel::FlexGridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

FlexGridModel::~FlexGridModel()
{
    detach();
}

bool FlexGridModel::setRows(int rows)
{
    if (rows < 1)
        return false;
    if (isBound()) {
        unbind(rows, m_cols);
        return true;
    }
    clearColors();
    if (rows > m_rows) {
        beginInsertRows(QModelIndex(), m_rows - 1, rows - 2);
        m_rows = rows;
        endInsertRows();
    } else if (rows < m_rows) {
        beginRemoveRows(QModelIndex(), rows - 1, m_rows - 2);
        m_rows = rows;
        if (m_cells.size() > size_t(rows - 1))
            m_cells.resize(size_t(rows - 1));
        endRemoveRows();
    }
    return true;
}

bool FlexGridModel::setCols(int cols)
{
    if (cols < 1)
        return false;
    if (isBound()) {
        unbind(m_rows, cols);
        return true;
    }
    if (cols > m_cols) {
        beginInsertColumns(QModelIndex(), m_cols - 1, cols - 2);
        m_cols = cols;
        endInsertColumns();
    } else if (cols < m_cols) {
        beginRemoveColumns(QModelIndex(), cols - 1, m_cols - 2);
        m_cols = cols;
        for (auto& line : m_cells) {
            if (line.size() > size_t(cols))
                line.resize(size_t(cols));
        }
        std::erase_if(
            m_cellColors, [cols](const auto& entry) { return int(entry.first & 0xFFFFFFFFu) >= cols; });
        if (m_formats.size() > size_t(cols))
            m_formats.resize(size_t(cols));
        endRemoveColumns();
    }
    return true;
}

void FlexGridModel::setDataSource(Recordset* recordset)
{
    if (!recordset) {
        if (isBound())
            unbind(1, m_cols);
        return;
    }
    beginResetModel();
    detach();
    m_resetting = false;
    m_cells.clear();
    m_markerColors.release();
    m_cellColors.clear();
    for (ColumnFormat& f : m_formats) {
        f.header.reset();
        f.caption.clear();
    }
    m_recordset = recordset;
    // The recordset tells a copy of its observers: this model or this binding may be gone by then.
    const int binding = ++m_binding;
    m_observer = recordset->addObserver(
        [self = QPointer<FlexGridModel>(this), binding](Recordset::Event event, int row) {
            if (self && self->m_recordset && self->m_binding == binding)
                self->onRecordsetEvent(event, row);
        });
    readShape();
    endResetModel();
}

void FlexGridModel::onRecordsetEvent(Recordset::Event event, int row)
{
    switch (event) {
    case Recordset::Event::AboutToReset:
        if (!m_resetting) {
            beginResetModel();
            m_resetting = true;
        }
        break;
    case Recordset::Event::Reset:
        if (!m_resetting)
            beginResetModel();
        m_resetting = false;
        // The rows are other records now: their marks and colours no longer apply.
        m_markerColors.release();
        m_cellColors.clear();
        readShape();
        endResetModel();
        break;
    case Recordset::Event::RowChanged:
        if (!m_resetting && row >= 0 && row < m_rows - 1 && m_cols > 1)
            Q_EMIT dataChanged(index(row, 0), index(row, m_cols - 2));
        break;
    case Recordset::Event::Destroyed:
        unbind(1, m_cols);
        break;
    }
}

void FlexGridModel::readShape()
{
    if (m_recordset && m_recordset->isOpen()) {
        m_rows = m_recordset->recordCount() + 1;
        m_cols = m_recordset->fieldCount() + 1;
    } else {
        m_rows = 1;
        m_cols = 1;
    }
}

void FlexGridModel::detach()
{
    if (!m_recordset)
        return;
    m_recordset->removeObserver(m_observer);
    m_recordset = nullptr;
    ++m_binding;
    m_observer = 0;
}

void FlexGridModel::unbind(int rows, int cols)
{
    if (!m_resetting)
        beginResetModel();
    m_resetting = false;
    // The headers keep showing the field names they showed.
    for (int c = 1; c < m_cols; ++c) {
        ColumnFormat& f = format(c);
        if (!f.header)
            f.header = m_recordset->fieldName(c - 1);
    }
    detach();
    m_cells.clear();
    m_markerColors.release();
    m_cellColors.clear();
    m_rows = rows;
    m_cols = cols;
    if (m_formats.size() > size_t(cols))
        m_formats.resize(size_t(cols));
    endResetModel();
}

void FlexGridModel::clearColors()
{
    const bool markers = !m_markerColors.empty();
    const bool cells = !m_cellColors.empty();
    m_markerColors.release();
    m_cellColors.clear();
    m_markersChangedFirst = -1;
    if (markers && m_rows > 1)
        Q_EMIT headerDataChanged(Qt::Vertical, 0, m_rows - 2);
    if (cells && m_cols > 1) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 2);
        if (m_rows > 1)
            Q_EMIT dataChanged(index(0, 0), index(m_rows - 2, m_cols - 2), {Qt::BackgroundRole});
    }
}

void FlexGridModel::noteMarkerChanged(int section)
{
    // One notice per turn of the event loop: marking every row of a large grid must stay cheap.
    if (m_markersChangedFirst < 0) {
        m_markersChangedFirst = section;
        m_markersChangedLast = section;
    } else {
        m_markersChangedFirst = std::min(m_markersChangedFirst, section);
        m_markersChangedLast = std::max(m_markersChangedLast, section);
    }
    if (!m_markerFlushPending) {
        m_markerFlushPending = true;
        QMetaObject::invokeMethod(this, &FlexGridModel::flushMarkerChanges, Qt::QueuedConnection);
    }
}

void FlexGridModel::flushMarkerChanges()
{
    m_markerFlushPending = false;
    const int first = m_markersChangedFirst;
    const int last = std::min(m_markersChangedLast, m_rows - 2);
    m_markersChangedFirst = -1;
    m_markersChangedLast = -1;
    if (first >= 0 && first <= last)
        Q_EMIT headerDataChanged(Qt::Vertical, first, last);
}

FlexGridModel::ColumnFormat& FlexGridModel::format(int col)
{
    if (m_formats.size() <= size_t(col))
        m_formats.resize(size_t(col) + 1);
    return m_formats[size_t(col)];
}

const FlexGridModel::ColumnFormat* FlexGridModel::formatOf(int col) const
{
    return col >= 0 && size_t(col) < m_formats.size() ? &m_formats[size_t(col)] : nullptr;
}

QString FlexGridModel::cellText(int row, int col) const
{
    if (row == 0)
        return headerText(col);
    if (m_recordset) {
        if (m_resetting || col == 0)
            return {};
        return m_recordset->textAt(row - 1, col - 1);
    }
    const size_t r = size_t(row - 1);
    if (r < m_cells.size() && size_t(col) < m_cells[r].size())
        return m_cells[r][size_t(col)];
    return {};
}

QString FlexGridModel::textMatrix(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return {};
    return cellText(row, col);
}

bool FlexGridModel::setTextMatrix(int row, int col, const QString& text)
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return false;
    if (row == 0) {
        format(col).header = text;
        if (col >= 1)
            Q_EMIT headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        return true;
    }
    if (isBound())
        return false;
    if (m_cells.size() < size_t(row))
        m_cells.resize(size_t(row));
    std::vector<QString>& line = m_cells[size_t(row - 1)];
    if (line.size() <= size_t(col))
        line.resize(size_t(m_cols));
    line[size_t(col)] = text;
    if (col >= 1) {
        const QModelIndex cell = index(row - 1, col - 1);
        Q_EMIT dataChanged(cell, cell, {Qt::DisplayRole});
    }
    return true;
}

QList<FlexGridModel::FormatEntry> FlexGridModel::parseFormatString(const QString& format)
{
    QList<FormatEntry> entries;
    if (format.isEmpty())
        return entries;
    const QStringList parts = format.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString& part = parts[i];
        // A closing '|' ends the last entry rather than opening an empty one.
        if (i > 0 && i == parts.size() - 1 && part.isEmpty())
            break;
        FormatEntry entry;
        const QChar mark = part.isEmpty() ? QChar() : part.front();
        if (mark == QLatin1Char('<'))
            entry.alignment = Qt::AlignLeft | Qt::AlignVCenter;
        else if (mark == QLatin1Char('>'))
            entry.alignment = Qt::AlignRight | Qt::AlignVCenter;
        else if (mark == QLatin1Char('^'))
            entry.alignment = Qt::AlignHCenter | Qt::AlignVCenter;
        entry.text = entry.alignment ? part.mid(1) : part;
        entries.append(entry);
    }
    return entries;
}

void FlexGridModel::setFormatString(const QString& formatString)
{
    m_formatString = formatString;
    const QList<FormatEntry> entries = parseFormatString(formatString);
    for (qsizetype c = 0; c < entries.size(); ++c) {
        ColumnFormat& f = format(int(c));
        f.header = entries[c].text;
        f.alignment = entries[c].alignment.value_or(kDefaultAlignment);
        f.fixedAlignment = f.alignment;
    }
    if (m_cols > 1) {
        Q_EMIT headerDataChanged(Qt::Horizontal, 0, m_cols - 2);
        if (m_rows > 1)
            Q_EMIT dataChanged(index(0, 0), index(m_rows - 2, m_cols - 2), {Qt::TextAlignmentRole});
    }
}

QString FlexGridModel::colHeaderCaption(int col) const
{
    const ColumnFormat* f = formatOf(col);
    return f ? f->caption : QString();
}

bool FlexGridModel::setColHeaderCaption(int col, const QString& caption)
{
    if (col < 0 || col >= m_cols)
        return false;
    format(col).caption = caption;
    if (col >= 1)
        Q_EMIT headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    return true;
}

QString FlexGridModel::headerText(int col) const
{
    const ColumnFormat* f = formatOf(col);
    if (f && f->header && !f->header->isEmpty())
        return *f->header;
    if (f && !f->caption.isEmpty())
        return f->caption;
    if (f && f->header)
        return *f->header;
    if (m_recordset && !m_resetting && col >= 1 && col < m_cols)
        return m_recordset->fieldName(col - 1);
    return {};
}

Qt::Alignment FlexGridModel::colAlignment(int col) const
{
    const ColumnFormat* f = formatOf(col);
    return f ? f->alignment : kDefaultAlignment;
}

bool FlexGridModel::setColAlignment(int col, Qt::Alignment alignment)
{
    if (col < 0 || col >= m_cols)
        return false;
    format(col).alignment = alignment;
    if (col >= 1 && m_rows > 1)
        Q_EMIT dataChanged(index(0, col - 1), index(m_rows - 2, col - 1), {Qt::TextAlignmentRole});
    return true;
}

Qt::Alignment FlexGridModel::fixedAlignment(int col) const
{
    const ColumnFormat* f = formatOf(col);
    return f ? f->fixedAlignment : kDefaultAlignment;
}

QColor FlexGridModel::cellBackColor(int row, int col) const
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return {};
    if (col == 0 && row >= 1) {
        const QRgb color = m_markerColors.at(size_t(row - 1));
        return color ? QColor::fromRgb(color) : QColor();
    }
    const auto it = m_cellColors.find(cellKey(row, col));
    return it != m_cellColors.end() ? QColor::fromRgb(it->second) : QColor();
}

bool FlexGridModel::setCellBackColor(int row, int col, const QColor& color)
{
    if (row < 0 || row >= m_rows || col < 0 || col >= m_cols)
        return false;
    // Opaque, so that 0 can stand for "not set".
    const QRgb value = color.isValid() ? color.rgb() | 0xFF000000u : 0;
    if (col == 0 && row >= 1) {
        if (m_markerColors.size() < size_t(m_rows - 1)) {
            if (!value)
                return true;
            m_markerColors.resize(size_t(m_rows - 1));
        }
        m_markerColors.set(size_t(row - 1), value);
        noteMarkerChanged(row - 1);
        return true;
    }
    if (value)
        m_cellColors[cellKey(row, col)] = value;
    else
        m_cellColors.erase(cellKey(row, col));
    if (row == 0) {
        if (col >= 1)
            Q_EMIT headerDataChanged(Qt::Horizontal, col - 1, col - 1);
    } else {
        const QModelIndex cell = index(row - 1, col - 1);
        Q_EMIT dataChanged(cell, cell, {Qt::BackgroundRole});
    }
    return true;
}

int FlexGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_rows - 1;
}

int FlexGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_cols - 1;
}

QVariant FlexGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows - 1 || index.column() >= m_cols - 1)
        return {};
    const int row = index.row() + 1;
    const int col = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        // A cell is one line: the view would cut a stored text at its first line break.
        return FieldText::oneLine(cellText(row, col));
    case Qt::TextAlignmentRole:
        return colAlignment(col).toInt();
    case Qt::BackgroundRole:
        if (!m_cellColors.empty()) {
            const auto it = m_cellColors.find(cellKey(row, col));
            if (it != m_cellColors.end())
                return QColor::fromRgb(it->second);
        }
        return {};
    default:
        return {};
    }
}

QVariant FlexGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (section < 0)
        return {};
    const int flex = section + 1;
    if (orientation == Qt::Vertical) {
        if (role != Qt::BackgroundRole || flex >= m_rows)
            return {};
        const QColor color = cellBackColor(flex, 0);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    if (flex >= m_cols)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return headerText(flex);
    case Qt::TextAlignmentRole:
        return fixedAlignment(flex).toInt();
    case Qt::BackgroundRole: {
        const QColor color = cellBackColor(0, flex);
        return color.isValid() ? QVariant(color) : QVariant();
    }
    default:
        return {};
    }
}

Qt::ItemFlags FlexGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}
