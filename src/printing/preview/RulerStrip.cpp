#include "printing/preview/RulerStrip.h"

#include "platform/ui/Fonts.h"
#include "printing/preview/PreviewLayout.h"

#include <QPainter>
#include <cmath>

RulerStrip::RulerStrip(Qt::Orientation orientation, QWidget* parent)
    : QWidget(parent)
    , m_orientation(orientation)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMouseTracking(true);
}

void RulerStrip::setOffsetCm(double offsetCm)
{
    m_offsetCm = offsetCm;
    update();
}

void RulerStrip::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setFont(Fonts::font(QStringLiteral("Arial"), 6));
    const bool horizontal = m_orientation == Qt::Horizontal;
    const double length = (horizontal ? width() : height()) / PreviewLayout::kPixelsPerCm;
    const double depth = horizontal ? height() : width();
    const int firstMm = int(std::floor(-m_offsetCm * 10));
    const int lastMm = int(std::ceil((length - m_offsetCm) * 10));
    for (int mm = qMax(0, firstMm); mm <= lastMm; ++mm) {
        const double at = (mm / 10.0 + m_offsetCm) * PreviewLayout::kPixelsPerCm;
        const double tick = mm % 10 == 0 ? depth * 0.5 : mm % 5 == 0 ? depth * 0.35 : depth * 0.2;
        if (horizontal)
            painter.drawLine(QPointF(at, depth), QPointF(at, depth - tick));
        else
            painter.drawLine(QPointF(depth, at), QPointF(depth - tick, at));
        if (mm % 10 == 0 && mm > 0) {
            const QString number = QString::number(mm / 10);
            if (horizontal)
                painter.drawText(QPointF(at + 2, depth * 0.45), number);
            else
                painter.drawText(QPointF(1, at - 2), number);
        }
    }
}

void RulerStrip::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    QWidget::mouseMoveEvent(event);
}
