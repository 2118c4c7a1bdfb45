#include "platform/ui/WindowBehaviour.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
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

// Where windows may not place themselves, only the window system can move one.
bool placementRefused()
{
    return systemMove() || QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Follows the pointer from a left-button press on the window itself (or on a control that leaves the
// press to it) until that button comes up: the release always ends the drag, however late its moves
// are handled, and no window manager is needed. The second press of a double click comes only as a
// double click, and drags as well.
class DragFilter : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget)
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            m_dragging = mouse->button() == Qt::LeftButton;
            m_pointerStart = mouse->globalPosition().toPoint();
            m_windowStart = widget->window()->pos();
            return false;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::WindowDeactivate:
        case QEvent::Hide:
            m_dragging = false;
            return false;
        case QEvent::MouseMove:
            return follow(widget->window(), static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }

private:
    bool follow(QWidget* window, const QMouseEvent* mouse)
    {
        if (!m_dragging)
            return false;
        if (!(mouse->buttons() & Qt::LeftButton)) {
            m_dragging = false;
            return false;
        }
        if (placementRefused()) {
            m_dragging = false;
            QWindow* handle = window->windowHandle();
            return handle && (systemMove() ? systemMove()(handle) : handle->startSystemMove());
        }
        window->move(m_windowStart + mouse->globalPosition().toPoint() - m_pointerStart);
        // The window's own move handlers still see the pointer.
        return false;
    }

    bool m_dragging = false;
    QPoint m_pointerStart;
    QPoint m_windowStart;
};

// Qt's own rule: a modal window blocks every window of its family (its ancestors and theirs'
// descendants) but itself and what it opened; an application-modal one blocks all the others.
bool blocks(const QWindow* modal, const QWindow* window)
{
    if (window == modal || modal->isAncestorOf(window, QWindow::IncludeTransients))
        return false;
    if (modal->modality() == Qt::ApplicationModal)
        return true;
    for (const QWindow* w = window; w; w = w->parent(QWindow::IncludeTransients)) {
        if (w == modal || w->isAncestorOf(modal, QWindow::IncludeTransients))
            return true;
    }
    return false;
}

// Gives a modal window the activation once the window system has done with the focus.
void activateLater(QWindow* modal)
{
    QTimer::singleShot(0, modal, [modal = QPointer<QWindow>(modal)] {
        if (modal && modal->isVisible() && QGuiApplication::modalWindow() == modal
            && QGuiApplication::focusWindow() != modal)
            modal->requestActivate();
    });
}

// A modal window left open when the one above it closes takes the keyboard back, while the application
// has it: without a window manager it would go to the screen's root window.
class UnblockedModal : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::WindowUnblocked && QGuiApplication::focusWindow()) {
            auto* window = qobject_cast<QWindow*>(watched);
            if (window && window == QGuiApplication::modalWindow())
                activateLater(window);
        }
        return false;
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

void keepModalWindowsActive()
{
    static bool installed = false;
    if (std::exchange(installed, true))
        return;
    QObject::connect(qGuiApp, &QGuiApplication::focusWindowChanged, qGuiApp, [](QWindow* focus) {
        QWindow* modal = QGuiApplication::modalWindow();
        // After the window system has finished giving the blocked window the focus.
        if (focus && modal && blocks(modal, focus))
            activateLater(modal);
    });
    qGuiApp->installEventFilter(new UnblockedModal(qGuiApp));
}

} // namespace WindowBehaviour
