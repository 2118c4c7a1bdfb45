#include "printing/EnvelopeDrag.h"

#include "platform/print/PreviewSurface.h"
#include "printing/EnvelopeControls.h"
#include "printing/preview/PreviewPageWidget.h"

#include <QMouseEvent>

EnvelopeDrag::EnvelopeDrag(PreviewPageWidget& page, EnvelopeControls& sobre, std::function<void()> redibuja)
    : QObject(&page)
    , m_page(page)
    , m_sobre(sobre)
    , m_redibuja(std::move(redibuja))
{
    m_page.installEventFilter(this);
}

void EnvelopeDrag::mueve(const QPoint& position)
{
    m_sobre.mueveBloque(m_page.toCm(position) - *m_agarre, m_tamano);
    m_redibuja();
}

bool EnvelopeDrag::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_page)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint at = mouse->position().toPoint();
        const int item = m_page.itemAt(at);
        if (mouse->button() != Qt::LeftButton || item < 0)
            return false;
        const PrintItem block = m_page.page().at(item);
        m_agarre = m_page.toCm(at) - block.at;
        m_tamano = PreviewSurface::bounds(block).size();
        m_page.setCursor(Qt::ClosedHandCursor);
        return true;
    }
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (m_agarre) {
            mueve(mouse->position().toPoint());
            return true;
        }
        // Over the block, the pointer says it can be taken.
        m_page.setCursor(
            m_page.itemAt(mouse->position().toPoint()) >= 0 ? Qt::OpenHandCursor : Qt::ArrowCursor);
        return false;
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_agarre || mouse->button() != Qt::LeftButton)
            return false;
        mueve(mouse->position().toPoint());
        m_agarre.reset();
        m_page.setCursor(Qt::OpenHandCursor);
        return true;
    }
    default:
        return false;
    }
}
