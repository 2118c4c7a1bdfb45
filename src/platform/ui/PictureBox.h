#pragma once

#include <QFrame>
#include <QPixmap>

// A container panel with a background colour, an optional picture drawn unscaled at its top-left,
// and a border that can be switched off.
class PictureBox : public QFrame
{
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setBackColor(const QColor& color);
    QColor backColor() const;
    // 0 none, 1 fixed single.
    void setBorderStyle(int style);
    int borderStyle() const { return m_borderStyle; }
    // 0 flat, 1 3D.
    void setAppearance(int appearance);
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return m_picture; }

Q_SIGNALS:
    void resized();
    void mouseMoved();
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void updateFrame();

    QPixmap m_picture;
    int m_borderStyle = 1;
    int m_appearance = 1;
};
