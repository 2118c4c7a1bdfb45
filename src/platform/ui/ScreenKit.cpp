#include "platform/ui/ScreenKit.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/Twips.h"

#include <QLabel>

namespace ScreenKit {

int formHeight(const QWidget* form)
{
    return form ? Twips::fromPixels(form->frameGeometry().height()) : 0;
}

int titleTop(const QWidget* form)
{
    if (!form)
        return 0;
    return formHeight(form) - (form->objectName() == QLatin1String("frmMenu") ? 450 : 900);
}

void setTextColor(QWidget* control, const QColor& color)
{
    if (!control)
        return;
    QPalette pal = control->palette();
    pal.setColor(QPalette::WindowText, color);
    control->setPalette(pal);
}

void setFont(QLabel* label, const QString& name, double pointSize, bool bold, bool italic, bool underline)
{
    if (label)
        label->setFont(Fonts::font(name, pointSize, bold, italic, underline));
}

void setFontSize(QLabel* label, double pointSize, bool bold)
{
    if (!label)
        return;
    QFont f = label->font();
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    label->setFont(f);
}

void resizeFont(QLabel* label, double pointSize)
{
    if (!label)
        return;
    QFont f = label->font();
    f.setPointSizeF(pointSize);
    label->setFont(f);
    sizeToText(label);
}

void sizeToText(QLabel* label)
{
    if (label)
        label->resize(label->sizeHint());
}

void caption(QLabel* label, const QString& text, const QFont& font, const QColor& color)
{
    if (!label)
        return;
    label->setFont(font);
    label->setText(text);
    setTextColor(label, color);
    label->setAutoFillBackground(false);
    sizeToText(label);
}

QString mnemonicText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) != QLatin1Char('&')) {
            shown += caption.at(i);
        } else if (i + 1 < caption.size() && caption.at(i + 1) == QLatin1Char('&')) {
            shown += QLatin1Char('&');
            ++i;
        }
    }
    return shown;
}

} // namespace ScreenKit
