#pragma once

#include "platform/print/PrintItem.h"

#include <QSizeF>
#include <QWidget>

// The page of the print preview (picTexto): a white sheet the size of the page area that paints
// the page's items through the print painter at the screen's zoom, and tells which item lies
// under a point.
class PreviewPageWidget : public QWidget
{
    Q_OBJECT
public:
    explicit PreviewPageWidget(QWidget* parent = nullptr);

    // Shows `page` on a page area of `pageCm` centimetres; the widget takes that size.
    void setPage(const PrintPage& page, const QSizeF& pageCm);
    // Removes every item (limpiaPagina); the sheet stays.
    void clear();
    PrintPage page() const { return m_page; }
    QSizeF pageSizeCm() const { return m_pageCm; }

    // The index in page() of the item on top at `position` (widget pixels); -1 for none.
    int itemAt(const QPoint& position) const;
    // A widget position in centimetres of the page.
    QPointF toCm(const QPoint& position) const;

Q_SIGNALS:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PrintPage m_page;
    QSizeF m_pageCm;
};
