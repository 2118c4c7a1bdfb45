#include "platform/ui/PictureBox.h"

#include <QMouseEvent>
#include <QPainter>

PictureBox::PictureBox(QWidget* parent)
    : QFrame(parent)
{
    setAutoFillBackground(true);
    setMouseTracking(true);
    updateFrame();
}

void PictureBox::setBackColor(const QColor& color)
{
    QPalette pal = palette();
    pal.setColor(QPalette::Window, color);
    setPalette(pal);
}

QColor PictureBox::backColor() const
{
    return palette().color(QPalette::Window);
}

void PictureBox::setBorderStyle(int style)
{
    m_borderStyle = style;
    updateFrame();
}

void PictureBox::setAppearance(int appearance)
{
    m_appearance = appearance;
    updateFrame();
}

void PictureBox::updateFrame()
{
    if (m_borderStyle == 0)
        setFrameStyle(QFrame::NoFrame);
    else
        setFrameStyle(QFrame::Box | (m_appearance == 0 ? QFrame::Plain : QFrame::Sunken));
}

void PictureBox::setPicture(const QPixmap& picture)
{
    m_picture = picture;
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (!m_picture.isNull()) {
        QPainter p(this);
        p.drawPixmap(0, 0, m_picture);
    }
    QFrame::paintEvent(event);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Q_EMIT resized();
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    QFrame::mouseMoveEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    QFrame::mouseReleaseEvent(event);
}
