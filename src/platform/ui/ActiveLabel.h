#pragma once

#include <QLabel>

// A label or a file picture that raises the mouse events the screens handle, as signals: a press and
// a release of any button, a click of the left one, and the pointer moving over it (see MouseEvents).
class ActiveLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ActiveLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void pressed(Qt::MouseButton button);
    // The button released after a press on the label, wherever the pointer is then.
    void released(Qt::MouseButton button);
    // The same, only when the button came up over the label.
    void releasedOver(Qt::MouseButton button);
    // The left button released over the label.
    void clicked();
    void mouseMoved();
};
