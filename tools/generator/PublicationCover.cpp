#include "PublicationCover.h"

#include "resources/BannerPainter.h"
#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

using namespace PictureStyle;

PublicationCover::PublicationCover(Spec spec)
    : m_spec(std::move(spec))
{
}

QImage PublicationCover::render(const QSize& size) const
{
    QImage large(size * 2, QImage::Format_RGB32);
    paint(large);
    return large.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void PublicationCover::paint(QImage& image) const
{
    const qreal w = image.width();
    const qreal h = image.height();
    const QColor colour = m_spec.colour;
    QPainter p(&image);
    prepare(p);
    p.fillRect(image.rect(), QColor(kPage));

    // The title band.
    const qreal band = h * 0.27;
    QLinearGradient fill(0, 0, 0, band);
    fill.setColorAt(0, colour.lighter(118));
    fill.setColorAt(1, colour.darker(118));
    p.fillRect(QRectF(0, 0, w, band), fill);
    p.fillRect(QRectF(0, band, w, h * 0.012), QColor(kAccent));
    const QFont titleFont = fitted(font(band * 0.5), m_spec.title, QSizeF(w * 0.88, band));
    p.setFont(titleFont);
    p.setPen(Qt::white);
    p.drawText(
        QRectF(w * 0.06, band * 0.08, w * 0.88, band * 0.66), Qt::AlignLeft | Qt::AlignVCenter, m_spec.title);
    const QFont subtitleFont = fitted(font(band * 0.15, false), m_spec.subtitle, QSizeF(w * 0.88, band));
    p.setFont(subtitleFont);
    p.setPen(QColor(255, 255, 255, 225));
    p.drawText(QRectF(w * 0.06, band * 0.7, w * 0.88, band * 0.25), Qt::AlignLeft | Qt::AlignVCenter,
        m_spec.subtitle);

    // The subject of the publication, drawn in its colour.
    const QRectF art(w * 0.1, band + h * 0.07, w * 0.8, h * 0.42);
    const QColor light = colour.lighter(160);
    p.setPen(Qt::NoPen);
    switch (m_spec.motif) {
    case Motif::Chart:
        for (int i = 0; i < 5; ++i) {
            const qreal bar = art.height() * (0.35 + 0.13 * i);
            p.setBrush(i == 4 ? QColor(kAccent) : (i % 2 ? colour : light));
            p.drawRect(QRectF(art.left() + i * art.width() / 5 + art.width() * 0.03, art.bottom() - bar,
                art.width() / 5 - art.width() * 0.06, bar));
        }
        break;
    case Motif::Crates:
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column) {
                p.setBrush((row + column) % 2 ? colour : light);
                p.drawRoundedRect(
                    QRectF(art.left() + column * art.width() / 3 + 2, art.top() + row * art.height() / 3 + 2,
                        art.width() / 3 - 4, art.height() / 3 - 4),
                    3, 3);
            }
        }
        p.setBrush(QColor(kAccent));
        p.drawRect(QRectF(art.left(), art.top() + art.height() / 3 - 3, art.width(), 4));
        break;
    case Motif::Bottles:
        for (int i = 0; i < 4; ++i) {
            const qreal bw = art.width() / 4;
            const qreal bh = art.height() * (0.6 + 0.1 * (i % 3));
            const QRectF body(art.left() + i * bw + bw * 0.15, art.bottom() - bh, bw * 0.7, bh);
            p.setBrush(i % 2 ? colour : light);
            p.drawRoundedRect(body, bw * 0.2, bw * 0.2);
            p.setBrush(QColor(kAccent));
            p.drawRect(QRectF(body.center().x() - bw * 0.1, body.top() - bh * 0.12, bw * 0.2, bh * 0.13));
        }
        break;
    case Motif::Headlines:
    case Motif::Interview: {
        p.setBrush(light);
        const qreal photo = m_spec.motif == Motif::Interview ? art.width() * 0.45 : art.width();
        p.drawRect(QRectF(art.left(), art.top(), photo, art.height() * 0.55));
        if (m_spec.motif == Motif::Interview) {
            p.setBrush(colour);
            p.drawEllipse(
                QRectF(art.left() + photo * 0.25, art.top() + art.height() * 0.08, photo * 0.5, photo * 0.5));
        } else {
            p.setBrush(colour);
            p.drawEllipse(QPointF(art.left() + art.width() * 0.3, art.top() + art.height() * 0.3),
                art.width() * 0.12, art.width() * 0.12);
            p.drawRect(QRectF(art.left() + art.width() * 0.5, art.top() + art.height() * 0.18,
                art.width() * 0.4, art.height() * 0.3));
        }
        p.setBrush(QColor(70, 70, 70));
        for (int line = 0; line < 4; ++line) {
            const qreal y = art.top() + art.height() * (0.63 + 0.1 * line);
            const qreal length = line == 0 ? 1.0 : 0.9 - 0.15 * (line % 2);
            p.drawRect(
                QRectF(art.left(), y, art.width() * length, art.height() * (line == 0 ? 0.06 : 0.035)));
        }
        break;
    }
    case Motif::Emblem:
        GlyphPainter(p).emblem(art, colour, qMax(2.0, w * 0.02));
        break;
    }

    // The edition and the publisher's mark at the foot.
    p.setPen(QColor(60, 60, 60));
    const QFont editionFont = fitted(font(h * 0.045), m_spec.edition, QSizeF(w * 0.88, h * 0.06));
    p.setFont(editionFont);
    p.drawText(
        QRectF(w * 0.06, h * 0.76, w * 0.88, h * 0.07), Qt::AlignLeft | Qt::AlignVCenter, m_spec.edition);
    const qreal foot = h * 0.13;
    p.fillRect(QRectF(0, h - foot, w, foot), QColor(kFrame));
    BannerPainter(p).publisherLogo(QRectF(w * 0.08, h - foot * 0.78, w * 0.84, foot * 0.56));
    p.setPen(QPen(QColor(kEdge), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(1, 1, w - 2, h - 2));
}
