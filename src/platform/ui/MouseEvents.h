#pragma once

#include <QObject>
#include <functional>

class QWidget;

// Mouse handlers for controls that have none of their own (labels, panels): the program's captions
// act on a click, its image buttons on the release of any button, and both light up under the pointer.
class MouseEvents : public QObject
{
    Q_OBJECT
public:
    // The handlers live as long as the widget.
    static MouseEvents& of(QWidget* widget);

    void onClick(std::function<void()> handler) { m_click = std::move(handler); }
    void onRelease(std::function<void(Qt::MouseButton)> handler) { m_release = std::move(handler); }
    void onMove(std::function<void()> handler) { m_move = std::move(handler); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit MouseEvents(QWidget* widget);

    std::function<void()> m_click;
    std::function<void(Qt::MouseButton)> m_release;
    std::function<void()> m_move;
    bool m_pressed = false;
};
