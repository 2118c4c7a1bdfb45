#include "platform/ui/PictureCheckBox.h"

#include "resources/Pictures.h"

#include <QPainter>

PictureCheckBox::PictureCheckBox(QString uncheckedPicture, QString checkedPicture, QWidget* parent)
    : QAbstractButton(parent)
    , m_unchecked(std::move(uncheckedPicture))
    , m_checked(std::move(checkedPicture))
{
    setCheckable(true);
    setCursor(Pictures::handCursor());
}

QString PictureCheckBox::face() const
{
    return isChecked() ? m_checked : m_unchecked;
}

void PictureCheckBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap picture = Pictures::get(face());
    painter.drawPixmap(
        QRect(QPoint(0, 0), picture.size()).translated(rect().center() - picture.rect().center()), picture);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
