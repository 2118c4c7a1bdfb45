#include "publisher/ActiveLabel.h"

#include <QMouseEvent>
#include <QPointer>
#include <utility>

ActiveLabel::ActiveLabel(QWidget* parent)
    : QLabel(parent)
{
    setMouseTracking(true);
}

void ActiveLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    event->accept();
    Q_EMIT pressed(event->button());
}

void ActiveLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (!std::exchange(m_pressed, false))
        return;
    event->accept();
    const bool inside = rect().contains(event->position().toPoint());
    const bool left = event->button() == Qt::LeftButton;
    // A handler may take the label down: nothing of it is touched once it has gone.
    const QPointer<ActiveLabel> self(this);
    Q_EMIT released(event->button());
    if (self && inside && left)
        Q_EMIT clicked();
}

void ActiveLabel::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    Q_EMIT mouseMoved();
}
