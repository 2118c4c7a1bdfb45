#pragma once

#include <QLabel>

// A picture that acts as a button: it shows a named picture, its roll-over face ("R" + name) while
// asked to, its disabled face ("D" + name) when disabled, the hand pointer, and acts on the release
// of any mouse button over it. A double click is a press and a release without a second click, as the
// window system counts clicks. Its size is its picture's.
class ImageButton : public QLabel
{
    Q_OBJECT
public:
    explicit ImageButton(QWidget* parent = nullptr);

    // The normal face's picture name; shows that face.
    void setPicture(const QString& name);
    QString picture() const { return m_name; }
    // The name of the picture now shown (normal, roll-over or disabled face).
    QString face() const { return m_face; }

    void showNormal();
    void showRollover();

    // Shows a picture by its full name without changing the button's own name.
    void showPicture(const QString& name);

Q_SIGNALS:
    void released(Qt::MouseButton button);
    void clicked();
    void mouseMoved();

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void refresh();

    QString m_name;
    QString m_face;
    bool m_rollover = false;
    bool m_pressed = false;
    bool m_secondOfDouble = false; // the press was a double click's second one
};
