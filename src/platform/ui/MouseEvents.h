#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Mouse handlers for controls that have none of their own (labels, panels): a press and a release of
// any button, a click of the left one, and the pointer moving over the control. A double click is a
// press, a release, a click and a second release. An event a handler took goes no further: a
// container's handler would otherwise undo what the control's did. A disabled control's handlers
// do not run.
class MouseEvents : public QObject
{
    Q_OBJECT
public:
    // Where a release must happen, after a press on the control, for its handler to run.
    enum class Release { OverControl, Anywhere };

    // The handlers live as long as the widget.
    static MouseEvents& of(QWidget* widget);

    void onPress(std::function<void(Qt::MouseButton)> handler) { m_press = std::move(handler); }
    // `over`: the button came up over the control.
    using ReleaseHandler = std::function<void(Qt::MouseButton button, bool over)>;
    void onRelease(ReleaseHandler handler, Release where = Release::OverControl)
    {
        m_release = std::move(handler);
        m_releaseAnywhere = where == Release::Anywhere;
    }
    // The left button released over the control after a press on it.
    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    void onMove(std::function<void()> handler) { m_move = std::move(handler); }

    // The window system pairs two presses as a double click whatever they went to: from now on a widget
    // gets a double click only when the first press of it went to that widget too, and otherwise a plain
    // press, so a double click can't fall through a window that closed on its first click (once for the
    // application).
    static void keepDoubleClicksToOneWidget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MouseEvents(QWidget* widget);

    bool release(QWidget* widget, QEvent* event);

    std::function<void(Qt::MouseButton)> m_press;
    ReleaseHandler m_release;
    std::function<void()> m_click;
    std::function<void()> m_move;
    bool m_releaseAnywhere = false;
    bool m_pressed = false;
    bool m_secondOfDouble = false; // the press was a double click's second one
};
