#include "shell/frmGeneric.h"

#include "platform/ui/Colors.h"
#include "platform/ui/Twips.h"

#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>

frmGeneric::frmGeneric(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::Window)
    , m_txtAnotaciones(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("frmGeneric"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, bgrColor(0xC0FFC0));
    setPalette(pal);
    setFixedSize(Twips::toPixels(3990), Twips::toPixels(2235));
    m_txtAnotaciones->setObjectName(QStringLiteral("txtAnotaciones"));
    m_txtAnotaciones->setGeometry(rect().adjusted(8, 8, -8, -8));
}

void frmGeneric::mouseMoveEvent(QMouseEvent* event)
{
    if ((event->buttons() & Qt::LeftButton) && windowHandle())
        windowHandle()->startSystemMove();
}
