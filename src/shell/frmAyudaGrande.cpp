#include "shell/frmAyudaGrande.h"

#include "core/AppPaths.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsVentanas.h"
#include "shell/mdMain.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QTextBrowser>

frmAyudaGrande::frmAyudaGrande(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint)
    , m_WebBrowser1(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("frmAyudaGrande"));
    setWindowTitle(QStringLiteral("Ayuda"));
    setWindowIcon(Pictures::windowIcon(true));
    setAttribute(Qt::WA_DeleteOnClose);
    m_WebBrowser1->setObjectName(QStringLiteral("WebBrowser1"));
    // Pages of the help open here; other addresses go to the desktop's browser and mail program.
    m_WebBrowser1->setOpenLinks(false);
    connect(m_WebBrowser1, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
        const QUrl target = m_WebBrowser1->source().resolved(url);
        if (target.scheme() == QLatin1String("mailto"))
            DesktopOpener::openMail(target.toString());
        else if (target.isLocalFile())
            m_WebBrowser1->setSource(target);
        else
            DesktopOpener::openWeb(target.toString());
    });
    resize(Twips::toPixels(10920), Twips::toPixels(8160));
    // Over the menu form, wherever that stands; on the screen before there is one.
    QRect centrada(QPoint(), size());
    centrada.moveCenter(
        gFormMenu ? gFormMenu->frameGeometry().center() : clsVentanas::areaPantalla().center());
    setGeometry(centrada);
}

void frmAyudaGrande::keyPressEvent(QKeyEvent* event)
{
    // Without a window manager there is no title bar to close it with.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmAyudaGrande::navega(const QString& ruta)
{
    const QString local = AppPaths::localPath(ruta);
    if (QFileInfo(local).isFile()) {
        m_WebBrowser1->setSource(QUrl::fromLocalFile(local));
        return;
    }
    m_WebBrowser1->setHtml(
        QStringLiteral("<html><body style=\"font-family: Arial\"><h2>Página no disponible</h2>"
                       "<p>No se encuentra la página de ayuda:</p><p><i>%1</i></p></body></html>")
            .arg(ruta.toHtmlEscaped()));
}

void frmAyudaGrande::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    m_WebBrowser1->setGeometry(rect());
}
