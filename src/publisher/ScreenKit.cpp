#include "publisher/ScreenKit.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"
#include "shell/MenuForm.h"
#include "shell/mdMain.h"

#include <QCoreApplication>
#include <QLabel>

namespace ScreenKit {

int alturaFormulario()
{
    const QWidget* form = gFormMenu.data();
    if (!form)
        return 0;
    const auto* menu = qobject_cast<const MenuForm*>(form);
    return menu ? menu->alturaTwips() : Twips::fromPixels(form->frameGeometry().height());
}

int tituloTop()
{
    const QWidget* form = gFormMenu.data();
    if (!form)
        return 0;
    return alturaFormulario() - (form->objectName() == QLatin1String("frmMenu") ? 450 : 900);
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

void sizeToText(QLabel* label)
{
    if (label)
        label->resize(label->sizeHint());
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

void processEvents()
{
    PendingEvents::process();
}

} // namespace ScreenKit
