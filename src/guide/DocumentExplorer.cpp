#include "guide/DocumentExplorer.h"

#include "core/AppPaths.h"
#include "guide/GuideLayout.h"
#include "platform/db/SpanishText.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <algorithm>

namespace {

const QColor kPagina = bgrColor(0xEAF3F6);

// Control creation order, by Tree.
const int kCreation[] = {DocumentExplorer::Distribuidores, DocumentExplorer::Equipamientos,
    DocumentExplorer::Catering, DocumentExplorer::Escuelas, DocumentExplorer::Franquicias,
    DocumentExplorer::Hoteles, DocumentExplorer::Principales, DocumentExplorer::Vending};

// A regular file (not a link) standing directly in the folder: nothing outside it is opened.
bool dentroDe(const QString& carpeta, const QString& ruta)
{
    const QFileInfo fichero(ruta);
    if (fichero.isSymLink() || !fichero.isFile())
        return false;
    const QString padre = QFileInfo(fichero.absolutePath()).canonicalFilePath();
    return !padre.isEmpty() && padre == QFileInfo(carpeta).canonicalFilePath();
}

} // namespace

DocumentExplorer::DocumentExplorer(QWidget* form)
    : m_form(form)
{
    m_pagina = ControlRegistry::add<PictureBox>(form, QStringLiteral("exploradorficheros"));
    for (int i : kCreation)
        m_arboles[size_t(i)]
            = ControlRegistry::add<QTreeWidget>(form, QString::fromLatin1(kFolders[i].control), m_pagina);
    m_aviso = ControlRegistry::add<QLabel>(form, QStringLiteral("aviso"), m_pagina);
}

DocumentExplorer::~DocumentExplorer()
{
    // The trees and the hint line go with their page.
    ControlRegistry::remove(m_form, m_pagina.data());
}

PictureBox* DocumentExplorer::pagina() const
{
    return m_pagina;
}

bool DocumentExplorer::visible() const
{
    return m_pagina && !m_pagina->isHidden();
}

void DocumentExplorer::carga(int codigo, const QString& rutaApp)
{
    m_rutaApp = rutaApp;
    if (m_aviso) {
        if (GuideLayout::showsHint(codigo)) {
            ScreenKit::caption(m_aviso,
                QStringLiteral("Haga doble clic con el ratón sobre el archivo que desea visualizar"),
                Fonts::font(QStringLiteral("Arial"), 12), Qt::black);
            Twips::move(m_aviso, GuideLayout::kHint.x(), GuideLayout::kHint.y());
            m_aviso->show();
        } else {
            m_aviso->hide();
        }
    }
    const int alto = m_pagina ? Twips::height(m_pagina) : 0;
    for (int i = 0; i < kTrees; ++i) {
        QTreeWidget* t = m_arboles[size_t(i)];
        if (!t)
            continue;
        const QRect lugar = GuideLayout::tree(i, codigo, alto);
        Twips::place(t, lugar.x(), lugar.y(), lugar.width(), lugar.height());
        t->setHeaderHidden(true);
        t->setEditTriggers(QAbstractItemView::NoEditTriggers);
        t->setFrameShape(QFrame::NoFrame);
        t->setIconSize(QSize(20, 20));
        // A long name is shown whole: the column takes its width and the tree scrolls sideways.
        t->header()->setStretchLastSection(false);
        t->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
        t->setTextElideMode(Qt::ElideNone);
        t->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        QPalette pal = t->palette();
        pal.setColor(QPalette::Base, kPagina);
        t->setPalette(pal);
        t->show();
        // A missing folder or an unreadable file leaves that tree or item out; the others go on.
        auto* raiz = new QTreeWidgetItem(t, QStringList(QString::fromLatin1(kFolders[i].raiz)));
        raiz->setIcon(0, QIcon(Pictures::get(QStringLiteral("CARPETA"))));
        raiz->setData(0, Qt::UserRole, QString());
        raiz->setExpanded(true);
        cargaFicherosCarpeta(AppPaths::localPath(rutaApp + QString::fromLatin1(kFolders[i].ruta)), raiz);
        raiz->setExpanded(true);
        connect(t, &QTreeWidget::itemDoubleClicked, this,
            [this, i](QTreeWidgetItem* item) { abreDocumento(i, item); });
    }
}

void DocumentExplorer::cargaFicherosCarpeta(const QString& carpeta, QTreeWidgetItem* padre)
{
    for (const QString& nombre : ficheros(carpeta)) {
        auto* hoja = new QTreeWidgetItem(padre, QStringList(textoVisible(nombre)));
        hoja->setToolTip(0, textoVisible(nombre));
        hoja->setData(0, Qt::UserRole, nombre);
        hoja->setIcon(0, QIcon(Pictures::get(picture(imagen(nombre)))));
    }
}

void DocumentExplorer::abreDocumento(int arbol, QTreeWidgetItem* item)
{
    // Nothing chosen, or the folder itself: nothing to open.
    if (!item || !item->parent() || arbol < 0 || arbol >= kTrees)
        return;
    const QString nombre = item->data(0, Qt::UserRole).toString();
    // The name is the file's own, found on disk: a backslash in it is a character, not a separator.
    const QString carpeta = AppPaths::localPath(m_rutaApp + QString::fromLatin1(kFolders[arbol].ruta));
    const QString ruta = QDir(carpeta).filePath(nombre);
    if (!dentroDe(carpeta, ruta) || !DesktopOpener::openDocument(ruta))
        DialogService::message(QStringLiteral("No se ha podido abrir el documento %1").arg(nombre),
            DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
}

QString DocumentExplorer::textoVisible(const QString& nombre)
{
    QString texto = nombre.toUpper();
    for (const char* extension : {".XLSX", ".XLS", ".PDF"})
        texto.remove(QLatin1String(extension));
    return texto;
}

QString DocumentExplorer::imagen(const QString& nombre)
{
    const QString minusculas = nombre.toLower();
    if (minusculas.endsWith(QLatin1String(".xls")) || minusculas.endsWith(QLatin1String(".xlsx")))
        return QStringLiteral("excel");
    if (minusculas.endsWith(QLatin1String(".doc")) || minusculas.endsWith(QLatin1String(".docx")))
        return QStringLiteral("word");
    return QStringLiteral("pdf");
}

QString DocumentExplorer::picture(const QString& imagen)
{
    if (imagen == QLatin1String("carpeta"))
        return QStringLiteral("CARPETA");
    return imagen.toUpper();
}

QStringList DocumentExplorer::ficheros(const QString& carpeta)
{
    QStringList nombres = QDir(carpeta).entryList(QDir::Files | QDir::NoSymLinks, QDir::NoSort);
    std::sort(nombres.begin(), nombres.end(),
        [](const QString& a, const QString& b) { return SpanishText::compare(a, b) < 0; });
    return nombres;
}
