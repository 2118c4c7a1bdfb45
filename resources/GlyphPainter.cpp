#include "resources/GlyphPainter.h"

#include "resources/PictureStyle.h"

#include <QPainter>
#include <QPainterPath>

using namespace PictureStyle;

namespace {

// The capitals the file badges are written with, three pixels by five.
struct Letter
{
    char name;
    const char* rows[5];
};

constexpr Letter kLetters[] = {
    {'P', {"###", "#.#", "###", "#..", "#.."}},
    {'D', {"##.", "#.#", "#.#", "#.#", "##."}},
    {'F', {"###", "#..", "##.", "#..", "#.."}},
    {'X', {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}},
    {'S', {"###", "#..", "###", "..#", "###"}},
    {'O', {"###", "#.#", "#.#", "#.#", "###"}},
    {'C', {"###", "#..", "#..", "#..", "###"}},
};

} // namespace

GlyphPainter::GlyphPainter(QPainter& painter)
    : m_painter(painter)
{
}

void GlyphPainter::hand(const QRectF& box) const
{
    QPainterPath outline;
    const auto add = [&outline](const QPainterPath& part) { outline = outline.united(part); };
    const auto finger = [](qreal x, qreal top, qreal width, qreal bottom) {
        QPainterPath path;
        path.addRoundedRect(QRectF(x, top, width, bottom - top), width / 2, width / 2);
        return path;
    };
    add(finger(9, 1, 6, 18));
    add(finger(15, 9, 5, 19));
    add(finger(20, 10, 5, 20));
    add(finger(25, 12, 4.5, 21));
    QPainterPath palm;
    palm.addRoundedRect(QRectF(9, 14, 20.5, 13), 4, 4);
    add(palm);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(-6, -2.5, 12, 5), 2.5, 2.5);
    add(QTransform().translate(7, 19.5).rotate(52).map(thumb));
    QPainterPath wrist;
    wrist.addRect(QRectF(12, 24, 15, 3));
    add(wrist);
    outline = outline.simplified();

    m_painter.save();
    m_painter.translate(box.topLeft());
    m_painter.scale(box.width() / 32, box.height() / 32);
    m_painter.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.setBrush(Qt::white);
    m_painter.drawPath(outline);
    m_painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap));
    m_painter.drawLine(QPointF(15.5, 13), QPointF(15.5, 18));
    m_painter.drawLine(QPointF(20.5, 14), QPointF(20.5, 18.5));
    m_painter.drawLine(QPointF(25.5, 15.5), QPointF(25.5, 19));
    // The cuff in the product's orange.
    m_painter.setPen(QPen(Qt::black, 1.2));
    m_painter.setBrush(QColor(kAccent));
    m_painter.drawRect(QRectF(11.5, 26.5, 16, 4.5));
    m_painter.restore();
}

void GlyphPainter::printer(
    const QRectF& box, const QColor& body, const QColor& paper, const QColor& ink, const QColor& light) const
{
    const qreal s = qMin(box.width(), box.height());
    const QPointF origin = box.center() - QPointF(s / 2, s / 2);
    const auto r = [&](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(origin + QPointF(x * s, y * s), QSizeF(w * s, h * s));
    };
    m_painter.save();
    m_painter.setPen(QPen(ink, qMax(1.0, s * 0.05), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(paper);
    m_painter.drawRect(r(0.24, 0.04, 0.52, 0.32));
    m_painter.setBrush(body);
    m_painter.drawRoundedRect(r(0.02, 0.32, 0.96, 0.40), s * 0.08, s * 0.08);
    m_painter.setBrush(paper);
    m_painter.drawRect(r(0.22, 0.58, 0.56, 0.38));
    m_painter.setPen(QPen(ink, qMax(1.0, s * 0.04)));
    m_painter.drawLine(r(0.32, 0.73, 0.36, 0).topLeft(), r(0.32, 0.73, 0.36, 0).topRight());
    m_painter.drawLine(r(0.32, 0.85, 0.28, 0).topLeft(), r(0.32, 0.85, 0.28, 0).topRight());
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(light);
    m_painter.drawEllipse(r(0.78, 0.41, 0.1, 0.1));
    m_painter.restore();
}

void GlyphPainter::calculator(const QPoint& topLeft) const
{
    m_painter.save();
    m_painter.translate(topLeft);
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(QPen(QColor(kEdge), 1));
    m_painter.setBrush(QColor(226, 222, 210));
    m_painter.drawRoundedRect(QRectF(3.5, 1.5, 24, 29), 3, 3);
    // Keys and display on whole pixels: blurred at this size they would not read as a calculator.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setPen(QColor(70, 82, 62));
    m_painter.setBrush(QColor(178, 198, 160));
    m_painter.drawRect(QRect(6, 4, 18, 6));
    m_painter.fillRect(QRect(16, 6, 1, 3), QColor(40, 48, 36));
    m_painter.fillRect(QRect(19, 6, 3, 3), QColor(40, 48, 36));
    m_painter.fillRect(QRect(20, 7, 1, 1), QColor(178, 198, 160));
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QRect key(6 + column * 5, 13 + row * 4, 4, 3);
            m_painter.fillRect(key, column == 3 ? QColor(kAccent) : QColor(kFrameLight));
        }
    }
    m_painter.restore();
}

void GlyphPainter::emblem(const QRectF& box, const QColor& colour, qreal penWidth) const
{
    const qreal s = qMin(box.width(), box.height());
    const QPointF origin = box.center() - QPointF(s / 2, s / 2);
    const auto p = [&](qreal x, qreal y) { return origin + QPointF(x * s, y * s); };
    m_painter.save();
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawEllipse(p(0.5, 0.5), s * 0.30, s * 0.30);
    m_painter.setPen(QPen(colour, penWidth * 0.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    m_painter.drawEllipse(p(0.5, 0.5), s * 0.22, s * 0.22);

    m_painter.setPen(QPen(colour, penWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    // The fork: three tines joined over the handle.
    for (const qreal x : {0.05, 0.10, 0.15})
        m_painter.drawLine(p(x, 0.14), p(x, 0.32));
    QPainterPath neck;
    neck.moveTo(p(0.05, 0.32));
    neck.quadTo(p(0.05, 0.42), p(0.10, 0.44));
    neck.quadTo(p(0.15, 0.42), p(0.15, 0.32));
    m_painter.drawPath(neck);
    m_painter.drawLine(p(0.10, 0.44), p(0.10, 0.86));
    // The knife: a blade rounded at the back, on its handle.
    QPainterPath blade;
    blade.moveTo(p(0.88, 0.52));
    blade.lineTo(p(0.88, 0.14));
    blade.quadTo(p(0.96, 0.22), p(0.94, 0.52));
    blade.closeSubpath();
    m_painter.setBrush(colour);
    m_painter.drawPath(blade);
    m_painter.drawLine(p(0.91, 0.52), p(0.91, 0.86));
    m_painter.restore();
}

void GlyphPainter::fileIcon(const QRectF& box, const QString& kind) const
{
    // Drawn on a 20 x 20 grid; the badge's colour tells the kinds apart as the desktop's icons do.
    const bool sheet = kind == QLatin1String("XLS");
    const QColor badge = kind == QLatin1String("PDF") ? QColor(196, 36, 28)
        : sheet                                       ? QColor(33, 115, 70)
                                                      : QColor(43, 87, 165);
    m_painter.save();
    m_painter.translate(box.topLeft());
    m_painter.scale(box.width() / 20, box.height() / 20);

    QPainterPath page;
    page.moveTo(4.5, 0.5);
    page.lineTo(13.5, 0.5);
    page.lineTo(18.5, 5.5);
    page.lineTo(18.5, 19.5);
    page.lineTo(4.5, 19.5);
    page.closeSubpath();
    m_painter.setPen(QPen(QColor(kFrameLight), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    m_painter.setBrush(Qt::white);
    m_painter.drawPath(page);
    QPainterPath corner;
    corner.moveTo(13.5, 0.5);
    corner.lineTo(13.5, 5.5);
    corner.lineTo(18.5, 5.5);
    m_painter.setBrush(QColor(kPage));
    m_painter.drawPath(corner);

    // What the page holds: cells for a spreadsheet, lines of text otherwise.
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    if (sheet) {
        m_painter.setPen(QColor(kMuted));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.fillRect(QRect(7, 3, 5, 1), QColor(kMuted));
        m_painter.drawRect(QRect(6, 6, 11, 4));
        m_painter.drawLine(10, 6, 10, 10);
        m_painter.drawLine(14, 6, 14, 10);
        m_painter.drawLine(6, 8, 17, 8);
    } else {
        for (const int y : {3, 5, 7, 9})
            m_painter.fillRect(QRect(7, y, y < 7 ? 5 : 10, 1), QColor(kMuted));
    }

    // The letters pixel by pixel: a font this small would blur into a smudge.
    m_painter.fillRect(QRect(0, 11, 15, 7), badge);
    int x = 2;
    for (const QChar character : kind) {
        for (const Letter& letter : kLetters) {
            if (letter.name != character.toLatin1())
                continue;
            for (int row = 0; row < 5; ++row) {
                for (int column = 0; column < 3; ++column) {
                    if (letter.rows[row][column] == '#')
                        m_painter.fillRect(QRect(x + column, 12 + row, 1, 1), Qt::white);
                }
            }
        }
        x += 4;
    }
    m_painter.restore();
}

void GlyphPainter::folder(const QRectF& box) const
{
    // Drawn on a 25 x 25 grid.
    m_painter.save();
    m_painter.translate(box.topLeft());
    m_painter.scale(box.width() / 25, box.height() / 25);
    const QPen outline(QColor(kAccentDeep), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);

    QPainterPath back;
    back.moveTo(1.5, 4.5);
    back.lineTo(8.5, 4.5);
    back.lineTo(10.5, 6.5);
    back.lineTo(22.5, 6.5);
    back.lineTo(22.5, 21.5);
    back.lineTo(1.5, 21.5);
    back.closeSubpath();
    m_painter.setPen(outline);
    m_painter.setBrush(QColor(kAccentDeep).lighter(115));
    m_painter.drawPath(back);

    m_painter.setPen(QPen(QColor(kMuted), 1));
    m_painter.setBrush(QColor(kPage));
    m_painter.drawRect(QRectF(4.5, 8.5, 16, 9));
    m_painter.drawLine(QPointF(7, 10.5), QPointF(17, 10.5));

    QPainterPath front;
    front.moveTo(3.5, 11.5);
    front.lineTo(23.5, 11.5);
    front.lineTo(22.5, 21.5);
    front.lineTo(1.5, 21.5);
    front.closeSubpath();
    QLinearGradient light(0, 11.5, 0, 21.5);
    light.setColorAt(0, QColor(kAccentLight));
    light.setColorAt(1, QColor(kAccent));
    m_painter.setPen(outline);
    m_painter.setBrush(light);
    m_painter.drawPath(front);
    m_painter.restore();
}

void GlyphPainter::formatIcon(const QRectF& box, const QString& kind) const
{
    m_painter.save();
    const QRectF area = box.adjusted(0.5, 0.5, -0.5, -0.5);
    if (kind == QLatin1String("TXT")) {
        // A notepad: ruled white sheet under a bound top edge.
        const qreal w = area.width();
        const qreal h = area.height();
        const QRectF pad(area.left() + w * 0.06, area.top() + h * 0.12, w * 0.88, h * 0.86);
        m_painter.setPen(QPen(QColor(kFrameLight), 1));
        m_painter.setBrush(QColor(255, 253, 228));
        m_painter.drawRect(pad);
        m_painter.setPen(QPen(QColor(120, 150, 200), 1));
        for (qreal y = pad.top() + h * 0.22; y < pad.bottom() - 2; y += h * 0.12)
            m_painter.drawLine(QPointF(pad.left() + 2, y), QPointF(pad.right() - 2, y));
        m_painter.setPen(QPen(QColor(200, 60, 50), 1));
        m_painter.drawLine(
            QPointF(pad.left() + w * 0.22, pad.top() + 1), QPointF(pad.left() + w * 0.22, pad.bottom() - 1));
        m_painter.fillRect(QRectF(area.left(), area.top() + h * 0.04, w, h * 0.12), QColor(kFrameLight));
        m_painter.setPen(QPen(QColor(190, 190, 190), 1.2));
        for (int i = 0; i < 4; ++i) {
            const qreal x = area.left() + w * (0.2 + 0.2 * i);
            m_painter.drawLine(QPointF(x, area.top()), QPointF(x, area.top() + h * 0.2));
        }
        m_painter.restore();
        return;
    }
    // A sheet or a page behind a coloured badge carrying the application's letter.
    const bool sheet = kind == QLatin1String("XLS");
    const QColor colour = sheet ? QColor(33, 115, 70) : QColor(43, 87, 165);
    const qreal s = qMin(area.width(), area.height());
    const QRectF page(area.right() - s * 0.68, area.top(), s * 0.68, s);
    m_painter.setPen(QPen(QColor(kFrameLight), 1));
    m_painter.setBrush(Qt::white);
    m_painter.drawRect(page);
    m_painter.setPen(QPen(colour.lighter(150), 1));
    if (sheet) {
        for (qreal y = page.top() + s * 0.2; y < page.bottom(); y += s * 0.16)
            m_painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
        m_painter.drawLine(QPointF(page.center().x(), page.top()), QPointF(page.center().x(), page.bottom()));
    } else {
        for (qreal y = page.top() + s * 0.2; y < page.bottom() - 2; y += s * 0.13)
            m_painter.drawLine(QPointF(page.left() + s * 0.28, y), QPointF(page.right() - 2, y));
    }
    const QRectF badge(area.left(), area.top() + s * 0.18, s * 0.62, s * 0.64);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(colour);
    m_painter.drawRoundedRect(badge, s * 0.06, s * 0.06);
    QFont f = font(s * 0.5);
    m_painter.setFont(f);
    m_painter.setPen(Qt::white);
    m_painter.drawText(badge, Qt::AlignCenter, sheet ? QStringLiteral("X") : QStringLiteral("W"));
    m_painter.restore();
}
