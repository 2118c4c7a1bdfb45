#include "platform/ui/WindowBehaviour.h"

#include <QMouseEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

namespace WindowBehaviour {
namespace {

class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (mouse->button() != Qt::LeftButton || !widget || !widget->window()->windowHandle())
            return false;
        return widget->window()->windowHandle()->startSystemMove();
    }
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

void showOnTopWithoutFocus(QWidget* window)
{
    if (!window)
        return;
    const bool wasVisible = window->isVisible();
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    if (!(window->windowFlags() & Qt::WindowStaysOnTopHint))
        window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (!wasVisible || !window->isVisible())
        window->show();
    window->raise();
}

} // namespace WindowBehaviour
