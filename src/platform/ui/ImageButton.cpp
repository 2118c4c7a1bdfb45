#include "platform/ui/ImageButton.h"

#include "resources/Pictures.h"

#include <QMouseEvent>
#include <QPointer>
#include <QToolTip>

ImageButton::ImageButton(QWidget* parent)
    : QLabel(parent)
{
    setCursor(Pictures::handCursor());
    setMouseTracking(true);
    setScaledContents(false);
}

void ImageButton::setPicture(const QString& name)
{
    m_name = name;
    m_rollover = false;
    refresh();
}

void ImageButton::showNormal()
{
    m_rollover = false;
    refresh();
}

void ImageButton::showRollover()
{
    m_rollover = true;
    refresh();
}

void ImageButton::showPicture(const QString& name)
{
    const QPixmap pixmap = Pictures::get(name);
    if (pixmap.isNull())
        return;
    m_face = name;
    setPixmap(pixmap);
    resize(pixmap.size());
}

void ImageButton::refresh()
{
    if (m_name.isEmpty())
        return;
    QString name = m_name;
    if (!isEnabled() && Pictures::exists(QLatin1Char('D') + m_name))
        name = QLatin1Char('D') + m_name;
    else if (m_rollover && Pictures::exists(QLatin1Char('R') + m_name))
        name = QLatin1Char('R') + m_name;
    showPicture(name);
}

bool ImageButton::event(QEvent* event)
{
    // A disabled button has no tip: a stale one would lie over its neighbours and take their clicks.
    if (event->type() == QEvent::ToolTip && !isEnabled()) {
        event->accept();
        return true;
    }
    return QLabel::event(event);
}

void ImageButton::mousePressEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_secondOfDouble = false;
    event->accept();
}

void ImageButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_pressed = true;
    m_secondOfDouble = true;
    event->accept();
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event)
{
    const bool wasPressed = std::exchange(m_pressed, false);
    const bool secondOfDouble = std::exchange(m_secondOfDouble, false);
    if (!wasPressed || !rect().contains(event->position().toPoint()))
        return;
    event->accept();
    // A handler may tear the button down: nothing of it is touched after the signals.
    const bool left = event->button() == Qt::LeftButton;
    const QPointer<ImageButton> self(this);
    Q_EMIT released(event->button());
    if (self && left && !secondOfDouble)
        Q_EMIT clicked();
}

void ImageButton::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMoved();
    event->accept();
}

void ImageButton::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        refresh();
        if (!isEnabled() && QToolTip::isVisible() && QToolTip::text() == toolTip())
            QToolTip::hideText();
    }
}
