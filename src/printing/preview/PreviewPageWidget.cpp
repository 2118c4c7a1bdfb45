#include "printing/preview/PreviewPageWidget.h"

#include "platform/print/PreviewSurface.h"
#include "platform/print/PrintPainter.h"
#include "printing/preview/PreviewLayout.h"

#include <QPainter>

PreviewPageWidget::PreviewPageWidget(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("picTexto"));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMouseTracking(true);
}

void PreviewPageWidget::setPage(const PrintPage& page, const QSizeF& pageCm)
{
    m_page = page;
    m_pageCm = pageCm;
    resize(PreviewLayout::toPixels(QRectF(QPointF(), pageCm)).size());
    update();
}

void PreviewPageWidget::clear()
{
    m_page.clear();
    update();
}

QPointF PreviewPageWidget::toCm(const QPoint& position) const
{
    return QPointF(position) / PreviewLayout::kPixelsPerCm;
}

int PreviewPageWidget::itemAt(const QPoint& position) const
{
    return PreviewSurface::itemAt(m_page, toCm(position));
}

void PreviewPageWidget::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    PrintPainter(painter, PreviewLayout::kPixelsPerCm).paint(m_page);
}

void PreviewPageWidget::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    QWidget::mouseMoveEvent(event);
}
