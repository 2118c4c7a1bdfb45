#include "platform/ui/FlexGrid.h"

#include "platform/ui/FlexHeaderView.h"
#include "platform/ui/Twips.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QScrollBar>

namespace {
constexpr int kDefaultColumnPixels = 64;
constexpr int kDefaultMarkerPixels = 16;
// Rows whose sections an emptied grid gives back (8 bytes each, kept by Qt once allocated).
constexpr int kReleaseSectionsFrom = 1024;
} // namespace

FlexGrid::FlexGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new FlexGridModel(this))
    , m_topHeader(new FlexHeaderView(Qt::Horizontal, this))
{
    setHorizontalHeader(m_topHeader);
    installMarkerHeader(new FlexHeaderView(Qt::Vertical, this));
    m_topHeader->setDefaultSectionSize(kDefaultColumnPixels);
    m_markerHeader->setThickness(kDefaultMarkerPixels);

    // Before setModel, so that these run before the selection model moves its current index.
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, &FlexGrid::holdCurrent);
    connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, &FlexGrid::holdCurrent);
    connect(m_model, &QAbstractItemModel::columnsAboutToBeRemoved, this, &FlexGrid::holdCurrent);
    setModel(m_model);
    followHeaders();

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setTabKeyNavigation(false);
    setWordWrap(false);

    setMouseTracking(true);
    viewport()->setMouseTracking(true);
    viewport()->installEventFilter(this);
    trackMouseOn(m_topHeader);
    // The top-left corner is QTableView's own button: it is painted and answered here instead.
    m_corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
    if (m_corner) {
        m_corner->setMouseTracking(true);
        m_corner->installEventFilter(this);
    }

    m_backColor = palette().color(QPalette::Base);
    m_foreColor = palette().color(QPalette::Text);
    m_backColorFixed = palette().color(QPalette::Button);
    m_foreColorFixed = palette().color(QPalette::ButtonText);
    applyColors();
    updateRowHeight();
}

FlexGrid::~FlexGrid() = default;

void FlexGrid::trackMouseOn(QHeaderView* header)
{
    header->setMouseTracking(true);
    header->viewport()->setMouseTracking(true);
    header->viewport()->installEventFilter(this);
}

void FlexGrid::installMarkerHeader(FlexHeaderView* header)
{
    trackMouseOn(header);
    m_markerHeader = header;
    m_markerSections = 0;
    connect(header, &QHeaderView::sectionCountChanged, this,
        [this](int, int count) { m_markerSections = std::max(m_markerSections, count); });
    // The header in place goes with it (QTableView owns it).
    setVerticalHeader(header);
}

void FlexGrid::followHeaders()
{
    // After the headers' own connections, so that these run once the headers have their new sections.
    disconnect(m_model, &QAbstractItemModel::modelReset, this, &FlexGrid::onModelReset);
    disconnect(m_model, &QAbstractItemModel::rowsRemoved, this, &FlexGrid::onShapeChanged);
    disconnect(m_model, &QAbstractItemModel::columnsRemoved, this, &FlexGrid::onShapeChanged);
    disconnect(m_model, &QAbstractItemModel::columnsInserted, this, &FlexGrid::onShapeChanged);
    connect(m_model, &QAbstractItemModel::modelReset, this, &FlexGrid::onModelReset);
    connect(m_model, &QAbstractItemModel::rowsRemoved, this, &FlexGrid::onShapeChanged);
    connect(m_model, &QAbstractItemModel::columnsRemoved, this, &FlexGrid::onShapeChanged);
    connect(m_model, &QAbstractItemModel::columnsInserted, this, &FlexGrid::onShapeChanged);
}

void FlexGrid::releaseRowSections()
{
    m_releaseWanted = false;
    if (rows() > 1 || m_markerSections < kReleaseSectionsFrom)
        return;
    // Never while a mouse event is being handled: the header may be the one receiving it.
    if (m_eventDepth > 0) {
        m_releaseWanted = true;
        return;
    }
    // QHeaderView keeps its section list's storage however few sections remain: an emptied grid
    // takes a fresh marker header, set up like the one it replaces.
    installMarkerHeader(new FlexHeaderView(Qt::Vertical, this));
    followHeaders();
    applyColors();
    updateRowHeight();
    applyColumnWidth(0);
}

bool FlexGrid::setRows(int rows)
{
    return m_model->setRows(rows);
}

bool FlexGrid::setCols(int cols)
{
    return m_model->setCols(cols);
}

bool FlexGrid::setRow(int row)
{
    if (row < 0 || row >= rows())
        return false;
    m_row = row;
    scheduleSync();
    return true;
}

bool FlexGrid::setCol(int col)
{
    if (col < 0 || col >= cols())
        return false;
    m_col = col;
    scheduleSync();
    return true;
}

int FlexGrid::topRow() const
{
    // Scrolling is by whole rows: the scroll bar's value is the first data row shown.
    return verticalScrollBar()->value() + 1;
}

bool FlexGrid::setTopRow(int row)
{
    if (rows() <= 1)
        return false;
    executeDelayedItemsLayout();
    updateGeometries();
    verticalScrollBar()->setValue(qBound(1, row, rows() - 1) - 1);
    return true;
}

int FlexGrid::leftCol() const
{
    // Hidden columns at the far left take no room: scrolled fully left, the first one counts.
    if (horizontalScrollBar()->value() == 0)
        return 1;
    const int section = m_topHeader->logicalIndexAt(0);
    return section < 0 ? 1 : section + 1;
}

bool FlexGrid::setLeftCol(int col)
{
    if (cols() <= 1)
        return false;
    executeDelayedItemsLayout();
    updateGeometries();
    horizontalScrollBar()->setValue(m_topHeader->sectionPosition(qBound(1, col, cols() - 1) - 1));
    return true;
}

int FlexGrid::colPos(int col) const
{
    if (col <= 0 || col >= cols())
        return 0;
    const int x = viewport()->geometry().left() - contentsRect().left()
        + m_topHeader->sectionViewportPosition(col - 1);
    return Twips::fromPixels(x);
}

int FlexGrid::colWidth(int col) const
{
    if (col < 0 || col >= cols())
        return 0;
    if (size_t(col) < m_colWidths.size() && m_colWidths[size_t(col)] >= 0)
        return m_colWidths[size_t(col)];
    return Twips::fromPixels(col == 0 ? m_markerHeader->thickness() : m_topHeader->sectionSize(col - 1));
}

bool FlexGrid::setColWidth(int col, int twips)
{
    if (col < 0 || col >= cols() || twips < 0)
        return false;
    if (m_colWidths.size() <= size_t(col))
        m_colWidths.resize(size_t(col) + 1, -1);
    m_colWidths[size_t(col)] = twips;
    applyColumnWidth(col);
    return true;
}

void FlexGrid::applyColumnWidth(int col)
{
    const int twips = size_t(col) < m_colWidths.size() ? m_colWidths[size_t(col)] : -1;
    if (col == 0) {
        const int pixels = twips < 0 ? kDefaultMarkerPixels : Twips::toPixels(twips);
        m_markerHeader->setThickness(pixels);
        m_markerHeader->setHidden(pixels == 0);
        updateGeometries();
        return;
    }
    if (col - 1 >= m_topHeader->count())
        return;
    m_topHeader->setSectionHidden(col - 1, twips == 0);
    if (twips > 0)
        m_topHeader->resizeSection(col - 1, Twips::toPixels(twips));
}

void FlexGrid::applyColumnLayout()
{
    for (int c = 0; c < cols(); ++c)
        applyColumnWidth(c);
}

void FlexGrid::setBackColor(const QColor& color)
{
    m_backColor = color;
    applyColors();
}

void FlexGrid::setForeColor(const QColor& color)
{
    m_foreColor = color;
    applyColors();
}

void FlexGrid::setBackColorFixed(const QColor& color)
{
    m_backColorFixed = color;
    applyColors();
}

void FlexGrid::setForeColorFixed(const QColor& color)
{
    m_foreColorFixed = color;
    applyColors();
}

void FlexGrid::applyColors()
{
    QPalette data = palette();
    data.setColor(QPalette::Base, m_backColor);
    data.setColor(QPalette::Text, m_foreColor);
    // The current row stays marked while another control has the focus.
    data.setColor(QPalette::Inactive, QPalette::Highlight, data.color(QPalette::Active, QPalette::Highlight));
    data.setColor(QPalette::Inactive, QPalette::HighlightedText,
        data.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(data);

    QPalette fixed = data;
    fixed.setColor(QPalette::Button, m_backColorFixed);
    fixed.setColor(QPalette::Window, m_backColorFixed);
    fixed.setColor(QPalette::ButtonText, m_foreColorFixed);
    m_topHeader->setPalette(fixed);
    m_markerHeader->setPalette(fixed);
    if (m_corner) {
        m_corner->setPalette(fixed);
        m_corner->update();
    }
}

void FlexGrid::setMouseIcon(const QCursor& cursor)
{
    m_mouseIcon = cursor;
    if (m_pointer == Pointer::Custom)
        setCursor(m_mouseIcon);
}

void FlexGrid::setMousePointer(Pointer pointer)
{
    if (pointer == m_pointer)
        return;
    m_pointer = pointer;
    if (m_pointer == Pointer::Custom)
        setCursor(m_mouseIcon);
    else
        unsetCursor();
}

void FlexGrid::refresh()
{
    viewport()->update();
    m_topHeader->viewport()->update();
    m_markerHeader->viewport()->update();
    if (m_corner)
        m_corner->update();
}

void FlexGrid::updateRowHeight()
{
    const int height = QFontMetrics(font()).height() + 4;
    m_topHeader->setFont(font());
    m_topHeader->setThickness(height);
    m_markerHeader->setMinimumSectionSize(0);
    m_markerHeader->setDefaultSectionSize(height);
    updateGeometries();
}

void FlexGrid::changeEvent(QEvent* event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateRowHeight();
}

void FlexGrid::scheduleSync()
{
    if (m_syncPending)
        return;
    m_syncPending = true;
    QMetaObject::invokeMethod(this, &FlexGrid::syncCurrent, Qt::QueuedConnection);
}

void FlexGrid::syncCurrent()
{
    m_syncPending = false;
    QItemSelectionModel* selection = selectionModel();
    if (!selection)
        return;
    const QScopedValueRollback syncing(m_syncing, true);
    // Like the flex grid's, a new current row does not scroll the grid.
    const bool autoScroll = hasAutoScroll();
    setAutoScroll(false);
    if (m_row >= 1 && m_row < rows() && cols() > 1) {
        const QModelIndex index = m_model->index(m_row - 1, qBound(1, m_col, cols() - 1) - 1);
        selection->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    } else {
        selection->clear();
    }
    setAutoScroll(autoScroll);
}

void FlexGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QTableView::currentChanged(current, previous);
    // The keyboard and the mouse move the current cell through the view.
    if (!m_syncing && !m_modelChanging && current.isValid()) {
        m_row = current.row() + 1;
        m_col = current.column() + 1;
    }
}

void FlexGrid::keyPressEvent(QKeyEvent* event)
{
    if (m_syncPending)
        syncCurrent();
    QTableView::keyPressEvent(event);
}

void FlexGrid::holdCurrent()
{
    m_modelChanging = true;
}

void FlexGrid::onModelReset()
{
    m_modelChanging = false;
    applyColumnLayout();
    m_row = rows() > 1 ? 1 : 0;
    m_col = cols() > 1 ? 1 : 0;
    verticalScrollBar()->setValue(0);
    scheduleSync();
    releaseRowSections();
}

void FlexGrid::onShapeChanged()
{
    m_modelChanging = false;
    applyColumnLayout();
    m_row = qMin(m_row, rows() - 1);
    m_col = qMin(m_col, cols() - 1);
    scheduleSync();
    releaseRowSections();
}

FlexGrid::Cell FlexGrid::cellAt(QPoint pos) const
{
    Cell cell;
    const QRect data = viewport()->geometry();
    const QRect top = m_topHeader->isHidden() ? QRect() : m_topHeader->geometry();
    const QRect side = m_markerHeader->isHidden() ? QRect() : m_markerHeader->geometry();
    if (side.isValid() && pos.x() >= side.left() && pos.x() <= side.right()) {
        cell.col = 0;
    } else if (pos.x() >= data.left() && pos.x() <= data.right()) {
        const int section = m_topHeader->logicalIndexAt(pos.x() - data.left());
        cell.col = section < 0 ? -1 : section + 1;
    }
    if (top.isValid() && pos.y() >= top.top() && pos.y() <= top.bottom()) {
        cell.row = 0;
    } else if (pos.y() >= data.top() && pos.y() <= data.bottom()) {
        const int section = m_markerHeader->logicalIndexAt(pos.y() - data.top());
        cell.row = section < 0 ? -1 : section + 1;
    }
    return cell;
}

QPoint FlexGrid::trackMouse(QWidget* source, const QMouseEvent* event)
{
    const QPoint pos = source->mapTo(this, event->position().toPoint());
    const Cell cell = cellAt(pos);
    m_mouseRow = cell.row;
    m_mouseCol = cell.col;
    return pos - contentsRect().topLeft();
}

void FlexGrid::pressCell(Cell cell)
{
    if (cell.row < 0 || cell.col < 0 || (cell.row == 0 && cell.col == 0))
        return;
    // A header makes its column current and leaves the row; a marker cell makes its row current.
    if (cell.row > 0)
        m_row = cell.row;
    m_col = cell.col;
    syncCurrent();
}

bool FlexGrid::mouseEvent(QWidget* source, QMouseEvent* event)
{
    const bool data = source == viewport();
    const QPoint pos = trackMouse(source, event);
    const QPointer<FlexGrid> alive(this);
    switch (event->type()) {
    case QEvent::MouseMove:
        Q_EMIT mouseMoved(event->buttons(), event->modifiers(), double(Twips::fromPixels(pos.x())),
            double(Twips::fromPixels(pos.y())));
        // Dragging over the data moves the current row only after a press the view has seen.
        return !alive || !data || (event->buttons() != Qt::NoButton && !m_nativePress);
    case QEvent::MouseButtonPress:
        if (event->button() != Qt::LeftButton)
            return true;
        m_leftDown = true;
        pressCell({m_mouseRow, m_mouseCol});
        setFocus(Qt::MouseFocusReason);
        m_nativePress = data && m_mouseRow > 0 && m_mouseCol > 0;
        return !m_nativePress;
    case QEvent::MouseButtonRelease: {
        if (event->button() != Qt::LeftButton)
            return true;
        const bool native = m_nativePress;
        m_nativePress = false;
        if (m_leftDown) {
            m_leftDown = false;
            Q_EMIT clicked();
        }
        return !alive || !native;
    }
    case QEvent::MouseButtonDblClick:
        if (event->button() != Qt::LeftButton)
            return true;
        // The release that ends a double-click is no click.
        m_leftDown = false;
        m_nativePress = false;
        pressCell({m_mouseRow, m_mouseCol});
        Q_EMIT doubleClicked();
        return true;
    default:
        return false;
    }
}

bool FlexGrid::eventFilter(QObject* watched, QEvent* event)
{
    const bool ours = watched == viewport() || watched == m_topHeader->viewport()
        || watched == m_markerHeader->viewport() || (m_corner && watched == m_corner);
    if (!ours)
        return QTableView::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::Paint:
        if (watched == m_corner) {
            paintCorner();
            return true;
        }
        break;
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick: {
        // What the grid's signals start may empty it while this event is still being handled.
        const QPointer<FlexGrid> alive(this);
        ++m_eventDepth;
        const bool handled = mouseEvent(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
        if (alive && --m_eventDepth == 0 && m_releaseWanted)
            QMetaObject::invokeMethod(this, &FlexGrid::releaseRowSections, Qt::QueuedConnection);
        return handled;
    }
    default:
        break;
    }
    return QTableView::eventFilter(watched, event);
}

void FlexGrid::paintCorner()
{
    QPainter painter(m_corner);
    painter.fillRect(m_corner->rect(), m_backColorFixed);
}
