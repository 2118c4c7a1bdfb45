#include "platform/ui/WindowBehaviour.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace WindowBehaviour {
namespace {

std::function<bool(QWindow*)>& systemMove()
{
    static std::function<bool(QWindow*)> move;
    return move;
}

// Moves the window once the pointer moves with the left button held after a press on the window
// itself: a quick click (a tap) never starts a move that would outlive its release. Held means held
// now: a move handled late still carries the button its release has since let go of.
class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            m_pressed = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
            return false;
        case QEvent::MouseButtonRelease:
        case QEvent::WindowDeactivate:
            m_pressed = false;
            return false;
        case QEvent::MouseMove:
            break;
        default:
            return false;
        }
        const bool held = QGuiApplication::mouseButtons() & Qt::LeftButton;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!std::exchange(m_pressed, false) || !held || !widget || !widget->window()->windowHandle())
            return false;
        QWindow* window = widget->window()->windowHandle();
        return systemMove() ? systemMove()(window) : window->startSystemMove();
    }

private:
    bool m_pressed = false;
};

} // namespace

void makeDraggable(QWidget* window)
{
    static const char* const kInstalled = "tarvesaDraggable";
    if (!window || window->property(kInstalled).toBool())
        return;
    window->setProperty(kInstalled, true);
    window->installEventFilter(new DragFilter(window));
}

void setSystemMove(std::function<bool(QWindow*)> move)
{
    systemMove() = std::move(move);
}

void showOnTop(QWidget* window)
{
    if (!window)
        return;
    const bool wasVisible = window->isVisible();
    window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    if (!(window->windowFlags() & Qt::WindowStaysOnTopHint))
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!wasVisible || !window->isVisible())
        window->show();
    window->raise();
    window->activateWindow();
}

} // namespace WindowBehaviour
