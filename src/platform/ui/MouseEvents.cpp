#include "platform/ui/MouseEvents.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <utility>

namespace {

// Sees the window system's presses (spontaneous events) at the widget they went to, before anything else
// does (the copies that go on to its containers are not spontaneous), and keeps which widget had the last.
class DoubleClickPairing : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick) || !event->spontaneous()
            || !watched->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(watched);
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool paired = type == QEvent::MouseButtonPress || widget == m_pressed;
        m_pressed = widget;
        if (paired)
            return false;
        QMouseEvent press(QEvent::MouseButtonPress, mouse->position(), mouse->scenePosition(),
            mouse->globalPosition(), mouse->button(), mouse->buttons(), mouse->modifiers(),
            mouse->pointingDevice());
        press.setTimestamp(mouse->timestamp());
        QCoreApplication::sendEvent(widget, &press);
        // The press has gone to the widget and its containers: the double click, taken here, goes nowhere.
        return true;
    }

private:
    QPointer<QWidget> m_pressed;
};

} // namespace

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

void MouseEvents::keepDoubleClicksToOneWidget()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QCoreApplication::instance()->installEventFilter(
            new DoubleClickPairing(QCoreApplication::instance()));
}

bool MouseEvents::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return false;
    // Filters see a disabled control's mouse events before Qt drops them: a disabled control does nothing.
    if (!widget->isEnabled()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick)
            m_pressed = false;
        return false;
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        if (!m_press && !m_click && !m_release)
            return false;
        m_pressed = true;
        m_secondOfDouble = false;
        event->accept();
        if (m_press)
            m_press(static_cast<QMouseEvent*>(event)->button());
        return true;
    }
    case QEvent::MouseButtonDblClick:
        // The second press of a double click: no press of its own, but its release still counts.
        if (!m_press && !m_click && !m_release)
            return false;
        m_pressed = true;
        m_secondOfDouble = true;
        event->accept();
        return true;
    case QEvent::MouseButtonRelease:
        return release(widget, event);
    case QEvent::MouseMove:
        if (!m_move)
            return false;
        event->accept();
        m_move();
        return true;
    default:
        return false;
    }
}

bool MouseEvents::release(QWidget* widget, QEvent* event)
{
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool inside = widget->rect().contains(mouse->position().toPoint());
    const bool secondOfDouble = std::exchange(m_secondOfDouble, false);
    if (!std::exchange(m_pressed, false) || (!inside && !m_releaseAnywhere))
        return false;
    event->accept();
    // A handler may take the control away: keep what is needed before calling it.
    const QPointer<MouseEvents> self(this);
    const auto click = m_click;
    const Qt::MouseButton button = mouse->button();
    if (m_release)
        m_release(button, inside);
    // A double click makes one click, as the window system counts them.
    if (self && click && inside && button == Qt::LeftButton && !secondOfDouble)
        click();
    return true;
}
