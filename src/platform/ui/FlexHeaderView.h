#pragma once

#include <QHeaderView>

// A fixed row or column of a FlexGrid, painted flat in the palette's Button and ButtonText colours
// (the grid's fixed-cell colours) or in the cell colour the model gives. The vertical one is the
// marker column: one coloured strip per row, without text or grid lines.
class FlexHeaderView : public QHeaderView
{
    Q_OBJECT

public:
    explicit FlexHeaderView(Qt::Orientation orientation, QWidget* parent = nullptr);

    // Height of the header row, or width of the marker column, in pixels.
    int thickness() const { return m_thickness; }
    void setThickness(int pixels);

    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;

private:
    int m_thickness = 0;
};
