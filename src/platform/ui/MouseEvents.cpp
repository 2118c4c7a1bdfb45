#include "platform/ui/MouseEvents.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

MouseEvents::MouseEvents(QWidget* widget)
    : QObject(widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

MouseEvents& MouseEvents::of(QWidget* widget)
{
    if (auto* existing = widget->findChild<MouseEvents*>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new MouseEvents(widget);
}

bool MouseEvents::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressed = true;
        return bool(m_click || m_release);
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool inside = widget->rect().contains(mouse->position().toPoint());
        if (!std::exchange(m_pressed, false) || !inside)
            return false;
        // A handler may take the control away: keep what is needed before calling it.
        const QPointer<MouseEvents> self(this);
        const auto click = m_click;
        if (m_release)
            m_release(mouse->button());
        if (self && click && mouse->button() == Qt::LeftButton)
            click();
        return true;
    }
    case QEvent::MouseMove:
        if (m_move)
            m_move();
        return false;
    default:
        return false;
    }
}
