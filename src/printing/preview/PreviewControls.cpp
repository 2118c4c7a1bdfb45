#include "printing/preview/PreviewControls.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/Twips.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>

namespace PreviewControls {
namespace {
constexpr quint32 kOptionColor = 0x505E59;
// Under the frame's caption.
constexpr int kOptionTop = 210;
constexpr int kOptionHeight = 345;
} // namespace

void fillBackground(QWidget* widget, quint32 bgr)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, bgrColor(bgr));
    widget->setPalette(palette);
}

QGroupBox* frame(const QString& caption, QWidget* parent, int left, int top, int width, int height)
{
    auto* box = new QGroupBox(caption, parent);
    box->setFont(Fonts::font(QStringLiteral("Arial"), 8.25, false, true));
    fillBackground(box, kBarColor);
    const int half = (QFontMetrics(box->font()).height() + 1) / 2;
    box->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid #a8a398; margin-top: %1px; }"
                                      "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: "
                                      "top left; left: 6px; padding: 0 2px; }")
                           .arg(half));
    Twips::place(box, left, top, width, height);
    return box;
}

QRadioButton* option(const QString& name, const QString& text, QGroupBox* frame, int left, int width)
{
    auto* button = new QRadioButton(text, frame);
    button->setObjectName(name);
    button->setFont(Fonts::font(QStringLiteral("Arial"), 9));
    button->setStyleSheet(QStringLiteral(
        "QRadioButton { background-color: %1; color: white; spacing: 4px; padding-left: 2px; }")
                              .arg(bgrColor(kOptionColor).name()));
    Twips::place(button, left, kOptionTop, width, kOptionHeight);
    const int wide = qMin(button->sizeHint().width(), frame->width() - button->x() - 3);
    if (wide > button->width())
        button->resize(wide, button->height());
    return button;
}

void clearChoice(QButtonGroup* group)
{
    group->setExclusive(false);
    const QList<QAbstractButton*> buttons = group->buttons();
    for (QAbstractButton* b : buttons)
        b->setChecked(false);
    group->setExclusive(true);
}

} // namespace PreviewControls
