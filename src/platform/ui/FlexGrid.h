#pragma once

#include "platform/ui/FlexGridModel.h"

#include <QColor>
#include <QCursor>
#include <QTableView>
#include <vector>

class FlexHeaderView;
class QAbstractButton;
class QHeaderView;
class QMouseEvent;

// The company grid: a read-only table with the flex grid's operations. Row 0 is the fixed header
// row and column 0 the fixed marker column, whose cells show only their colour; rows and columns
// from 1 hold the data. Lengths are in twips. The grid is filled cell by cell or bound to a
// Recordset, which it reads on demand.
//
// The current cell (row(), col()) may be a fixed cell. Setting it is cheap: the selection shown
// follows when control returns to the event loop, so loops over every row stay fast.
class FlexGrid : public QTableView
{
    Q_OBJECT

public:
    enum class Pointer { Default = 0, Custom = 99 };

    explicit FlexGrid(QWidget* parent = nullptr);
    ~FlexGrid() override;

    FlexGridModel* flexModel() const { return m_model; }

    // Counts include the fixed row and column; setting either while bound unbinds first.
    int rows() const { return m_model->rows(); }
    bool setRows(int rows);
    int cols() const { return m_model->cols(); }
    bool setCols(int cols);
    QString textMatrix(int row, int col) const { return m_model->textMatrix(row, col); }
    bool setTextMatrix(int row, int col, const QString& text)
    {
        return m_model->setTextMatrix(row, col, text);
    }

    Recordset* dataSource() const { return m_model->dataSource(); }
    void setDataSource(Recordset* recordset) { m_model->setDataSource(recordset); }

    // Setters return false, changing nothing, when the grid refuses the value.
    int row() const { return m_row; }
    bool setRow(int row);
    int col() const { return m_col; }
    bool setCol(int col);
    int topRow() const;
    bool setTopRow(int row);
    int leftCol() const;
    bool setLeftCol(int col);

    // The cell under the pointer at the last mouse event: 0 on the fixed row or column, -1 outside.
    int mouseRow() const { return m_mouseRow; }
    int mouseCol() const { return m_mouseCol; }

    // Left edge of `col` inside the grid, as shown (scrolled columns move), in twips.
    int colPos(int col) const;
    int colWidth(int col) const;
    // 0 hides the column; column 0 is the marker column.
    bool setColWidth(int col, int twips);
    Qt::Alignment colAlignment(int col) const { return m_model->colAlignment(col); }
    bool setColAlignment(int col, Qt::Alignment alignment)
    {
        return m_model->setColAlignment(col, alignment);
    }
    QString formatString() const { return m_model->formatString(); }
    void setFormatString(const QString& format) { m_model->setFormatString(format); }
    QString colHeaderCaption(int col) const { return m_model->colHeaderCaption(col); }
    bool setColHeaderCaption(int col, const QString& caption)
    {
        return m_model->setColHeaderCaption(col, caption);
    }

    // Of the current cell; invalid when never set.
    QColor cellBackColor() const { return m_model->cellBackColor(m_row, m_col); }
    bool setCellBackColor(const QColor& color) { return m_model->setCellBackColor(m_row, m_col, color); }

    void setBackColor(const QColor& color);
    void setForeColor(const QColor& color);
    QColor backColorFixed() const { return m_backColorFixed; }
    void setBackColorFixed(const QColor& color);
    void setForeColorFixed(const QColor& color);

    void setMouseIcon(const QCursor& cursor);
    Pointer mousePointer() const { return m_pointer; }
    void setMousePointer(Pointer pointer);

    void refresh();

Q_SIGNALS:
    // On the release of the left button, after a press on the grid.
    void clicked();
    void doubleClicked();
    // Position from the grid's top-left corner, inside its frame.
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, double xTwips, double yTwips);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Cell
    {
        int row = -1;
        int col = -1;
    };

    void trackMouseOn(QHeaderView* header);
    void installMarkerHeader(FlexHeaderView* header);
    void followHeaders();
    void releaseRowSections();
    Cell cellAt(QPoint pos) const;
    QPoint trackMouse(QWidget* source, const QMouseEvent* event);
    bool mouseEvent(QWidget* source, QMouseEvent* event);
    void pressCell(Cell cell);
    void scheduleSync();
    void syncCurrent();
    void holdCurrent();
    void onModelReset();
    void onShapeChanged();
    void applyColumnLayout();
    void applyColumnWidth(int col);
    void applyColors();
    void updateRowHeight();
    void paintCorner();

    FlexGridModel* m_model;
    FlexHeaderView* m_topHeader;
    FlexHeaderView* m_markerHeader = nullptr;
    int m_markerSections = 0; // the most sections m_markerHeader has had
    QAbstractButton* m_corner = nullptr;

    int m_row = 1;
    int m_col = 1;
    int m_mouseRow = -1;
    int m_mouseCol = -1;
    bool m_syncPending = false;
    bool m_syncing = false;
    bool m_modelChanging = false;
    bool m_leftDown = false;
    bool m_nativePress = false;
    int m_eventDepth = 0; // mouse events being handled
    bool m_releaseWanted = false;

    std::vector<int> m_colWidths; // twips by column, -1 = default

    QColor m_backColor;
    QColor m_foreColor;
    QColor m_backColorFixed;
    QColor m_foreColorFixed;
    QCursor m_mouseIcon;
    Pointer m_pointer = Pointer::Default;
};
