#include "resources/BannerPainter.h"

#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace PictureStyle;

namespace {
const QString kPublisher = QStringLiteral("KORVAN");
}

BannerPainter::BannerPainter(QPainter& painter)
    : m_painter(painter)
{
}

void BannerPainter::productTitle(
    const QPointF& baseline, const QString& title, qreal pixelSize, qreal width) const
{
    // The year, when the title ends with one, is written in orange.
    const qsizetype space = title.lastIndexOf(QLatin1Char(' '));
    const QString head = space < 0 ? title : title.left(space + 1);
    const QString year = space < 0 ? QString() : title.mid(space + 1);
    const QFont f = fitted(font(pixelSize), title, QSizeF(width, pixelSize));
    const QFontMetricsF metrics(f);
    m_painter.save();
    m_painter.setFont(f);
    m_painter.setPen(QColor(0, 0, 0, 160));
    m_painter.drawText(baseline + QPointF(1, 2), title);
    m_painter.setPen(QColor(kPage));
    m_painter.drawText(baseline, head);
    m_painter.setPen(QColor(kAccent));
    m_painter.drawText(baseline + QPointF(metrics.horizontalAdvance(head), 0), year);
    m_painter.restore();
}

void BannerPainter::publisherLogo(const QRectF& box) const
{
    const qreal h = box.height();
    QFont f = font(h * 0.62);
    f.setLetterSpacing(QFont::PercentageSpacing, 118);
    const qreal textWidth = QFontMetricsF(f).horizontalAdvance(kPublisher);
    const qreal gap = h * 0.3;
    const QRectF mark(box.right() - textWidth - gap - h, box.top(), h, h);

    m_painter.save();
    // The mark: a white K cut into an orange rounded square.
    QLinearGradient fill(mark.topLeft(), mark.bottomLeft());
    fill.setColorAt(0, QColor(kAccentLight));
    fill.setColorAt(1, QColor(kAccentDeep));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(fill);
    m_painter.drawRoundedRect(mark, h * 0.2, h * 0.2);
    const auto p = [&mark, h](qreal x, qreal y) { return mark.topLeft() + QPointF(x * h, y * h); };
    m_painter.setPen(QPen(Qt::white, h * 0.14, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    m_painter.drawLine(p(0.33, 0.2), p(0.33, 0.8));
    m_painter.drawLine(p(0.36, 0.55), p(0.72, 0.2));
    m_painter.drawLine(p(0.48, 0.45), p(0.74, 0.8));

    m_painter.setFont(f);
    m_painter.setPen(QColor(kPage));
    const qreal baseline = mark.center().y() + QFontMetricsF(f).capHeight() / 2;
    m_painter.drawText(QPointF(mark.right() + gap, baseline), kPublisher);
    m_painter.restore();
}

void BannerPainter::splash(const QRectF& rect, const QString& title, const QString& subtitle) const
{
    const qreal foot = rect.height() * 0.78;
    QLinearGradient sky(rect.topLeft(), QPointF(rect.left(), foot));
    sky.setColorAt(0, QColor(70, 70, 70));
    sky.setColorAt(1, QColor(34, 34, 34));
    m_painter.fillRect(QRectF(rect.topLeft(), QPointF(rect.right(), foot)), sky);
    m_painter.fillRect(QRectF(QPointF(rect.left(), foot), rect.bottomRight()), QColor(kFrameDeep));
    m_painter.fillRect(QRectF(rect.left(), foot - 2, rect.width(), 3), QColor(kAccent));

    const qreal emblem = foot - 40;
    GlyphPainter(m_painter).emblem(
        QRectF(rect.left() + 22, rect.top() + 20, emblem, emblem), QColor(kAccent), 4);
    const qreal left = rect.left() + 44 + emblem;
    productTitle(QPointF(left, rect.top() + foot * 0.52), title, foot * 0.34, rect.right() - left - 18);
    m_painter.fillRect(QRectF(left + 2, rect.top() + foot * 0.62, 64, 3), QColor(kAccent));
    m_painter.setFont(font(foot * 0.115, false));
    m_painter.setPen(QColor(kPage));
    m_painter.drawText(QPointF(left + 2, rect.top() + foot * 0.84), subtitle);

    const qreal logo = (rect.bottom() - foot) * 0.6;
    publisherLogo(QRectF(rect.left(), foot + (rect.bottom() - foot - logo) / 2 + 1, rect.width() - 18, logo));
    m_painter.setPen(QPen(QColor(kEdge), 1));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
}

void BannerPainter::working(const QRectF& rect, const QString& caption) const
{
    m_painter.fillRect(rect, QColor(kFrame));
    m_painter.setPen(QPen(QColor(kFrameLight), 1));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    m_painter.fillRect(QRectF(rect.left() + 1, rect.top() + 1, rect.width() - 2, 3), QColor(kAccent));

    QFont f = font(rect.height() * 0.17);
    f.setLetterSpacing(QFont::PercentageSpacing, 112);
    f = fitted(f, caption, QSizeF(rect.width() - 24, rect.height()));
    m_painter.setFont(f);
    m_painter.setPen(QColor(kPage));
    const QFontMetricsF metrics(f);
    const QPointF at(
        rect.center().x() - metrics.horizontalAdvance(caption) / 2, rect.top() + rect.height() * 0.47);
    m_painter.drawText(at, caption);

    // The stripe: diagonal orange bands in a rounded track.
    const qreal trackHeight = rect.height() * 0.15;
    const QRectF track(rect.left() + 22, rect.top() + rect.height() * 0.62, rect.width() - 44, trackHeight);
    m_painter.setPen(QPen(QColor(kEdge), 1));
    m_painter.setBrush(QColor(kFrameDeep));
    m_painter.drawRoundedRect(track, trackHeight / 2, trackHeight / 2);
    const QRectF bar = track.adjusted(3, 3, -3, -3);
    QPainterPath clip;
    clip.addRoundedRect(bar, bar.height() / 2, bar.height() / 2);
    m_painter.save();
    m_painter.setClipPath(clip);
    m_painter.fillRect(bar, QColor(kAccent));
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(QColor(kAccentDeep));
    const qreal band = bar.height();
    for (qreal x = bar.left() - band; x < bar.right() + band; x += band * 2) {
        const QPointF points[]
            = {{x, bar.bottom()}, {x + band, bar.top()}, {x + band * 2, bar.top()}, {x + band, bar.bottom()}};
        m_painter.drawPolygon(points, 4);
    }
    QLinearGradient shine(bar.topLeft(), bar.bottomLeft());
    shine.setColorAt(0, QColor(255, 255, 255, 90));
    shine.setColorAt(0.5, QColor(255, 255, 255, 0));
    m_painter.fillRect(bar, shine);
    m_painter.restore();
}

void BannerPainter::titleBand(const QRectF& rect, const QString& caption) const
{
    const qreal h = rect.height();
    m_painter.fillRect(rect, QColor(kFrame));
    m_painter.fillRect(
        QRectF(rect.left(), rect.top() + h * 0.18, qRound(h * 0.14), h * 0.58), QColor(kAccent));

    const qreal left = rect.left() + h * 0.42;
    const QFont f = fitted(font(h * 0.5), caption, QSizeF(rect.right() - left - 8, h));
    const QFontMetricsF metrics(f);
    const qreal baseline = rect.top() + h * 0.64;
    m_painter.setFont(f);
    m_painter.setPen(QColor(0, 0, 0, 170));
    m_painter.drawText(QPointF(left + 1, baseline + 1), caption);
    m_painter.setPen(QColor(kPage));
    m_painter.drawText(QPointF(left, baseline), caption);

    const qreal rule = qMax(2.0, qRound(h / 16.0) * 1.0);
    const qreal ruleTop = qRound(rect.top() + h * 0.78);
    const qreal textEnd = left + metrics.horizontalAdvance(caption);
    m_painter.fillRect(QRectF(left, ruleTop, textEnd - left + h * 0.3, rule), QColor(kAccent));
    m_painter.fillRect(QRectF(textEnd + h * 0.3, ruleTop + rule - 1, rect.right() - textEnd - h * 0.3, 1),
        QColor(kFrameLight));
}

void BannerPainter::productIcon(const QRectF& rect) const
{
    const qreal s = qMin(rect.width(), rect.height());
    const QRectF tile(rect.topLeft(), QSizeF(s, s));
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, QColor(78, 78, 78));
    fill.setColorAt(1, QColor(30, 30, 30));
    m_painter.setPen(QPen(QColor(kEdge), 1));
    m_painter.setBrush(fill);
    m_painter.drawRoundedRect(tile.adjusted(0.5, 0.5, -0.5, -0.5), s * 0.18, s * 0.18);
    // The T on whole pixels so that it stays sharp at 24 pixels.
    const auto px = [s](qreal f) { return qreal(qRound(s * f)); };
    const QColor orange(kAccent);
    m_painter.fillRect(QRectF(tile.left() + px(0.2), tile.top() + px(0.18), px(0.6), px(0.17)), orange);
    m_painter.fillRect(QRectF(tile.left() + px(0.41), tile.top() + px(0.18), px(0.18), px(0.58)), orange);
    m_painter.fillRect(
        QRectF(tile.left() + px(0.2), tile.top() + px(0.82), px(0.6), qMax(1.0, px(0.04))), QColor(kPage));
}

void BannerPainter::dialogBackground(const QRectF& rect, const QString& caption, qreal band) const
{
    // The dialog's own page colour under a dark band that serves as title bar.
    m_painter.fillRect(rect, QColor(kPage));
    const QRectF title(rect.left(), rect.top(), rect.width(), band);
    QLinearGradient fill(title.topLeft(), title.bottomLeft());
    fill.setColorAt(0, QColor(kFrameLight));
    fill.setColorAt(1, QColor(kFrame));
    m_painter.fillRect(title, fill);
    m_painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 2), QColor(kAccent));
    m_painter.fillRect(QRectF(rect.left(), rect.top() + band - 1, rect.width(), 1), QColor(kEdge));

    const QString upper = caption.toUpper();
    QFont f = font(24);
    f.setLetterSpacing(QFont::PercentageSpacing, 110);
    f = fitted(f, upper, QSizeF(rect.width() - 40, band * 0.5));
    const QFontMetricsF metrics(f);
    const QPointF at(rect.left() + 20, rect.top() + 36 - (65 - band) * 0.6);
    m_painter.setFont(f);
    m_painter.setPen(QColor(0, 0, 0, 170));
    m_painter.drawText(at + QPointF(1, 1), upper);
    m_painter.setPen(Qt::white);
    m_painter.drawText(at, upper);

    // The ornament under the name: a short white rule ending in a diamond.
    const qreal y = at.y() + 11;
    const qreal width = qMin(metrics.horizontalAdvance(upper), qreal(70));
    m_painter.fillRect(QRectF(at.x(), y - 1, width, 2), Qt::white);
    const QPointF tip(at.x() + width + 7, y);
    const QPointF diamond[]
        = {tip + QPointF(-4, 0), tip + QPointF(0, -4), tip + QPointF(4, 0), tip + QPointF(0, 4)};
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(Qt::white);
    m_painter.drawPolygon(diamond, 4);
}

void BannerPainter::reportLogo(const QRectF& rect) const
{
    m_painter.fillRect(rect, QColor(kFrame));
    m_painter.fillRect(QRectF(rect.left(), rect.bottom() - 4, rect.width(), 4), QColor(kAccent));
    const qreal h = rect.height() * 0.5;
    publisherLogo(QRectF(rect.left(), rect.top() + (rect.height() - 4 - h) / 2, rect.width() - 12, h));
}

void BannerPainter::framedDialogBackground(const QRectF& rect, const QString& caption) const
{
    // A narrow band, so that the dialog's first line of text sits on the page below it.
    const qreal band = 36;
    const qreal side = 5;
    m_painter.fillRect(rect, QColor(kFrame));
    QLinearGradient fill(rect.topLeft(), QPointF(rect.left(), rect.top() + band));
    fill.setColorAt(0, QColor(kFrameLight));
    fill.setColorAt(1, QColor(kFrame));
    m_painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), band), fill);
    m_painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 2), QColor(kAccent));
    const QRectF page(
        rect.left() + side, rect.top() + band, rect.width() - 2 * side, rect.height() - band - side);
    m_painter.fillRect(page, QColor(kPage));
    m_painter.setPen(QPen(QColor(kEdge), 1));
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(page.adjusted(-0.5, -0.5, 0.5, 0.5));

    const QString upper = caption.toUpper();
    QFont f = font(17);
    f.setLetterSpacing(QFont::PercentageSpacing, 112);
    f = fitted(f, upper, QSizeF(rect.width() * 0.6, band * 0.6));
    const QPointF at(rect.left() + 14, rect.top() + 25);
    m_painter.setFont(f);
    m_painter.setPen(QColor(0, 0, 0, 170));
    m_painter.drawText(at + QPointF(1, 1), upper);
    m_painter.setPen(Qt::white);
    m_painter.drawText(at, upper);
    const qreal x = at.x() + QFontMetricsF(f).horizontalAdvance(upper) + 10;
    m_painter.fillRect(QRectF(x, at.y() - 6, rect.right() - side - 10 - x, 2), QColor(kAccent));
}
