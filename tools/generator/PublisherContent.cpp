#include "PublisherContent.h"

#include "MagazineIssue.h"
#include "OutputFile.h"
#include "PublicationCover.h"
#include "resources/BannerPainter.h"
#include "resources/PictureStyle.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace {

// Sizes the publications screen is laid out for: thumbnails in a two by two grid, the large picture in
// the slot beside it.
const QSize kThumbnail(68, 90);
const QSize kLarge800(120, 160);
const QSize kLarge1024(180, 240);
const QSize kLogo800(120, 80);
const QSize kLogo1024(180, 120);

struct Publication
{
    const char* file;
    bool thumbnail;
    PublicationCover::Spec spec;
};

QList<Publication> publications()
{
    using Motif = PublicationCover::Motif;
    return {
        {"ostralin", true,
            {QStringLiteral("Ostralin"), QStringLiteral("Anuario de la distribución"),
                QStringLiteral("Edición 2010"), QColor(28, 72, 132), Motif::Chart}},
        {"pelvarin", true,
            {QStringLiteral("Pelvarin"), QStringLiteral("Guía de mayoristas y distribuidores"),
                QStringLiteral("Edición 2010"), QColor(36, 112, 64), Motif::Crates}},
        {"rasmelin", true,
            {QStringLiteral("Rasmelin"), QStringLiteral("Anuario de droguería y perfumería"),
                QStringLiteral("Edición 2010"), QColor(128, 40, 110), Motif::Bottles}},
        {"sendavo", true,
            {QStringLiteral("Sendavo"), QStringLiteral("Revista quincenal de la distribución"),
                QStringLiteral("Nº 412 · Marzo 2010"), QColor(178, 34, 40), Motif::Headlines}},
        {"tamberlo", false,
            {QStringLiteral("Tamberlo"), QStringLiteral("Revista trimestral de gestión"),
                QStringLiteral("Nº 37 · Primer trimestre 2010"), QColor(20, 110, 120), Motif::Interview}},
        {"tarvesa", false,
            {QStringLiteral("Tarvesa 2010"), QStringLiteral("Guía de empresas de la hostelería"),
                QStringLiteral("Con CD incluido"), QColor(52, 52, 52), Motif::Emblem}},
    };
}

// The publisher's logo for the picture slot: its mark on the dark frame, with what it does below.
QImage logo(const QSize& size)
{
    QImage image(size * 2, QImage::Format_RGB32);
    const qreal w = image.width();
    const qreal h = image.height();
    QPainter p(&image);
    PictureStyle::prepare(p);
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0, QColor(PictureStyle::kFrameLight));
    fill.setColorAt(1, QColor(PictureStyle::kFrameDeep));
    p.fillRect(image.rect(), fill);
    p.fillRect(QRectF(0, h * 0.74, w, h * 0.025), QColor(PictureStyle::kAccent));
    // The logo sizes its text by the height and aligns right: keep it low enough to fit the width.
    const qreal alto = qMin(h * 0.36, w * 0.17);
    BannerPainter(p).publisherLogo(QRectF(w * 0.06, h * 0.38 - alto / 2, w * 0.88, alto));
    const QString line = QStringLiteral("Información para profesionales desde 1990");
    p.setFont(PictureStyle::fitted(PictureStyle::font(h * 0.09, false), line, QSizeF(w * 0.86, h * 0.12)));
    p.setPen(QColor(PictureStyle::kPage));
    p.drawText(QRectF(0, h * 0.78, w, h * 0.18), Qt::AlignCenter, line);
    p.end();
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

PublisherContent::PublisherContent(QString installationFolder)
    : m_folder(std::move(installationFolder))
{
}

bool PublisherContent::writeImage(const QString& name, const QImage& image)
{
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "JPEG", kQuality)) {
        m_error = QStringLiteral("Cannot encode %1 as JPEG").arg(name);
        return false;
    }
    return OutputFile::write(QDir(m_folder).filePath(name), jpeg, m_error);
}

bool PublisherContent::write()
{
    m_error.clear();
    for (const Publication& publication : publications()) {
        const PublicationCover cover(publication.spec);
        const QString base = QStringLiteral("images/") + QString::fromLatin1(publication.file);
        if (publication.thumbnail && !writeImage(base + QStringLiteral("00.jpg"), cover.render(kThumbnail)))
            return false;
        if (!writeImage(base + QStringLiteral("800.jpg"), cover.render(kLarge800))
            || !writeImage(base + QStringLiteral("1024.jpg"), cover.render(kLarge1024)))
            return false;
    }
    if (!writeImage(QStringLiteral("images/logo_nuevo.jpg"), logo(kLogo1024))
        || !writeImage(QStringLiteral("images/logo_nuevo800.jpg"), logo(kLogo800)))
        return false;
    MagazineIssue issue;
    const QByteArray pdf = issue.write();
    if (pdf.isEmpty()) {
        m_error = QStringLiteral("Cannot write the magazine issue revistas/Sendavo.pdf");
        return false;
    }
    return OutputFile::write(QDir(m_folder).filePath(QStringLiteral("revistas/Sendavo.pdf")), pdf, m_error);
}
