#include "platform/ui/FlexHeaderView.h"

#include <QPainter>

namespace {
constexpr int kTextMargin = 2;
}

FlexHeaderView::FlexHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent)
{
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setSectionResizeMode(QHeaderView::Fixed);
    setMinimumSectionSize(0);
    m_thickness = orientation == Qt::Horizontal ? fontMetrics().height() + 4 : 16;
}

void FlexHeaderView::setThickness(int pixels)
{
    m_thickness = qMax(0, pixels);
    updateGeometry();
}

QSize FlexHeaderView::sizeHint() const
{
    // Measuring the sections' contents would read every row of a large model.
    return orientation() == Qt::Horizontal ? QSize(length(), m_thickness) : QSize(m_thickness, length());
}

void FlexHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    if (!rect.isValid() || !model())
        return;
    const QVariant background = model()->headerData(logicalIndex, orientation(), Qt::BackgroundRole);
    const QColor fixed = palette().color(QPalette::Button);
    painter->fillRect(rect, background.isValid() ? background.value<QColor>() : fixed);
    if (orientation() == Qt::Vertical)
        return;

    painter->setPen(fixed.darker(160));
    painter->drawLine(rect.topRight(), rect.bottomRight());
    painter->drawLine(rect.bottomLeft(), rect.bottomRight());

    const QString text = model()->headerData(logicalIndex, Qt::Horizontal, Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QVariant alignment = model()->headerData(logicalIndex, Qt::Horizontal, Qt::TextAlignmentRole);
    const int flags = alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(rect.adjusted(kTextMargin, 0, -kTextMargin, 0), flags | Qt::TextSingleLine, text);
}
