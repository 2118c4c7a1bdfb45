#include "resources/Pictures.h"

#include "resources/GlyphPainter.h"
#include "resources/PictureCatalog.h"

#include <QGuiApplication>
#include <QPixmapCache>
#include <utility>

namespace Pictures {

namespace {

// The pictures are drawn with the system's fonts and held as pixmaps: both need the GUI application.
bool canDraw()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return true;
    static bool warned = false;
    if (!std::exchange(warned, true))
        qWarning("Pictures: no picture is drawn before the QGuiApplication exists");
    return false;
}

} // namespace

QPixmap get(const QString& name)
{
    const PictureSpec* spec = PictureCatalog::instance().find(name);
    if (!spec || !canDraw())
        return {};
    // Qt's pixmap cache goes away with the application, unlike a static one.
    const QString key = QStringLiteral("tarvesa/picture/") + QString::fromLatin1(spec->name);
    QPixmap pixmap;
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap = QPixmap::fromImage(PictureCatalog::render(*spec));
        QPixmapCache::insert(key, pixmap);
    }
    return pixmap;
}

bool exists(const QString& name)
{
    return PictureCatalog::instance().find(name) != nullptr;
}

QSize size(const QString& name)
{
    const PictureSpec* spec = PictureCatalog::instance().find(name);
    return spec ? spec->size : QSize();
}

QStringList names()
{
    return PictureCatalog::instance().names();
}

QCursor handCursor()
{
    const QPixmap hand = get(QStringLiteral("MANO"));
    if (hand.isNull())
        return QCursor(Qt::PointingHandCursor);
    const QPoint hotSpot = GlyphPainter::handHotSpot();
    return QCursor(hand, hotSpot.x(), hotSpot.y());
}

QIcon windowIcon(bool bordered)
{
    return QIcon(get(bordered ? QStringLiteral("ICONO32") : QStringLiteral("ICONO24")));
}

QImage background(bool small)
{
    const PictureSpec* spec
        = PictureCatalog::instance().find(small ? QStringLiteral("FONDO800") : QStringLiteral("FONDO1024"));
    if (!spec || !canDraw())
        return {};
    static QImage drawn[2];
    QImage& image = drawn[small ? 0 : 1];
    if (image.isNull())
        image = PictureCatalog::render(*spec);
    return image;
}

} // namespace Pictures
