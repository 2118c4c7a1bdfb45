#include "PdfReport.h"

#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cctype>

namespace {

// 720 dots per inch: ten to the point, fine enough for text to be laid out without rounding.
constexpr int kResolution = 720;
constexpr qreal kPageWidth = 595.28;
constexpr qreal kPageHeight = 841.89;
constexpr qreal kMargin = 56.7;
constexpr qreal kTextWidth = kPageWidth - 2 * kMargin;
constexpr qreal kBodyTop = 78;
constexpr qreal kBodyBottom = kPageHeight - 62;
constexpr qreal kRowHeight = 13.5;
constexpr qreal kHeaderHeight = 17;
constexpr qreal kCellPadding = 4;

// The date every report carries, for the same files on every run.
constexpr char kIssueDate[] = "20100301100000";

const QColor kInk(46, 46, 46);
const QColor kGrey(110, 106, 98);
const QColor kStripe(237, 230, 214);

} // namespace

PdfReport::PdfReport(const QString& kind, const QString& title, const QString& summary)
    : m_title(title)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_writer = std::make_unique<QPdfWriter>(&m_buffer);
    m_writer->setResolution(kResolution);
    m_writer->setPageLayout(QPageLayout(
        QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Point));
    m_writer->setCreator(QStringLiteral("KORVAN - Tarvesa 2010"));
    m_writer->setTitle(title);
    m_painter = std::make_unique<QPainter>(m_writer.get());
    PictureStyle::prepare(*m_painter);
    titlePage(kind, summary);
    newPage();
}

PdfReport::~PdfReport()
{
    close();
}

qreal PdfReport::units(qreal points) const
{
    return points * kResolution / 72.0;
}

QFont PdfReport::font(qreal points, bool bold, bool italic) const
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void PdfReport::titlePage(const QString& kind, const QString& summary)
{
    QPainter& p = *m_painter;
    const auto rect = [this](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(units(x), units(y), units(w), units(h));
    };
    p.fillRect(rect(0, 0, kPageWidth, kPageHeight), QColor(PictureStyle::kPage));
    p.fillRect(rect(0, 0, kPageWidth, 270), QColor(PictureStyle::kFrame));
    p.fillRect(rect(0, 270, kPageWidth, 7), QColor(PictureStyle::kAccent));

    p.setPen(QColor(PictureStyle::kAccent));
    p.setFont(font(30, true));
    p.drawText(rect(kMargin, 70, 330, 44), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("KORVAN"));
    p.setPen(QColor(PictureStyle::kPage));
    p.setFont(font(18, true));
    p.drawText(rect(kMargin, 128, 330, 26), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Tarvesa 2010"));
    p.setPen(QColor(PictureStyle::kMuted));
    p.setFont(font(12));
    p.drawText(rect(kMargin, 156, 330, 20), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Guía de empresas de la hostelería"));
    GlyphPainter(p).emblem(
        rect(kPageWidth - kMargin - 150, 60, 150, 150), QColor(PictureStyle::kAccent), units(5));

    p.setPen(QColor(PictureStyle::kAccentDeep));
    p.setFont(font(11, true));
    p.drawText(rect(kMargin, 340, kTextWidth, 18), Qt::AlignLeft | Qt::AlignVCenter, kind.toUpper());
    p.setPen(kInk);
    p.setFont(font(28, true));
    QRectF used;
    p.drawText(
        rect(kMargin, 364, kTextWidth, 200), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_title, &used);
    const qreal below = used.bottom() / units(1) + 18;
    p.fillRect(rect(kMargin, below, 60, 3), QColor(PictureStyle::kAccent));
    p.setPen(kGrey);
    p.setFont(font(12));
    p.drawText(
        rect(kMargin, below + 16, kTextWidth, 120), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary);

    p.setPen(kInk);
    p.setFont(font(11, true));
    p.drawText(
        rect(kMargin, 742, kTextWidth, 16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Edición 2010"));
    p.setPen(kGrey);
    p.setFont(font(9));
    p.drawText(rect(kMargin, 760, kTextWidth, 28), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
        QStringLiteral("© 2010 KORVAN. Elaborado con los datos de la guía Tarvesa 2010. Prohibida su "
                       "reproducción total o parcial sin autorización del editor."));
}

void PdfReport::newPage()
{
    m_writer->newPage();
    ++m_page;
    QPainter& p = *m_painter;
    const auto rect = [this](qreal x, qreal y, qreal w, qreal h) {
        return QRectF(units(x), units(y), units(w), units(h));
    };
    p.setFont(font(8, true));
    p.setPen(QColor(PictureStyle::kAccentDeep));
    p.drawText(
        rect(kMargin, 34, kTextWidth, 12), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("KORVAN"));
    p.setFont(font(8));
    p.setPen(kGrey);
    p.drawText(rect(kMargin, 34, kTextWidth - 60, 12), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Tarvesa 2010 · %1").arg(m_title));
    p.fillRect(rect(kMargin, 49, kTextWidth, 1.5), QColor(PictureStyle::kAccent));

    p.fillRect(rect(kMargin, kPageHeight - 48, kTextWidth, 0.6), kGrey);
    p.drawText(rect(kMargin, kPageHeight - 44, kTextWidth, 12), Qt::AlignLeft | Qt::AlignVCenter,
        QStringLiteral("Guía de empresas de la hostelería · Edición 2010"));
    p.drawText(rect(kMargin, kPageHeight - 44, kTextWidth, 12), Qt::AlignRight | Qt::AlignVCenter,
        QStringLiteral("Página %1").arg(m_page));
    m_y = kBodyTop;
}

bool PdfReport::fits(qreal points) const
{
    return m_y + points <= kBodyBottom;
}

void PdfReport::heading(const QString& text)
{
    // A heading is not left alone at the foot of a page.
    if (!fits(60))
        newPage();
    else if (m_y > kBodyTop)
        m_y += 10;
    QPainter& p = *m_painter;
    p.setFont(font(14, true));
    p.setPen(kInk);
    p.drawText(QRectF(units(kMargin), units(m_y), units(kTextWidth), units(20)),
        Qt::AlignLeft | Qt::AlignVCenter, text);
    p.fillRect(QRectF(units(kMargin), units(m_y + 21), units(36), units(2)), QColor(PictureStyle::kAccent));
    m_y += 32;
}

void PdfReport::paragraph(const QString& text)
{
    QPainter& p = *m_painter;
    p.setFont(font(10));
    const int flags = Qt::AlignJustify | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF box(units(kMargin), 0, units(kTextWidth), units(kPageHeight));
    const qreal height = p.boundingRect(box, flags, text).height() / units(1);
    if (!fits(height))
        newPage();
    p.setFont(font(10));
    p.setPen(kInk);
    p.drawText(QRectF(units(kMargin), units(m_y), units(kTextWidth), units(height + 2)), flags, text);
    m_y += height + 8;
}

void PdfReport::note(const QString& text)
{
    QPainter& p = *m_painter;
    p.setFont(font(8, false, true));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    const QRectF box(units(kMargin), 0, units(kTextWidth), units(kPageHeight));
    const qreal height = p.boundingRect(box, flags, text).height() / units(1);
    if (!fits(height))
        newPage();
    p.setFont(font(8, false, true));
    p.setPen(kGrey);
    p.drawText(QRectF(units(kMargin), units(m_y), units(kTextWidth), units(height + 2)), flags, text);
    m_y += height + 8;
}

void PdfReport::table(const QList<Column>& columns, const QList<QStringList>& rows)
{
    if (!fits(kHeaderHeight + 3 * kRowHeight))
        newPage();
    tableHeader(columns);
    if (rows.isEmpty())
        tableRow({{QString(), 1.0}}, {QStringLiteral("Sin datos en esta edición de la guía.")}, false);
    for (int i = 0; i < rows.size(); ++i) {
        if (!fits(kRowHeight)) {
            newPage();
            tableHeader(columns);
        }
        tableRow(columns, rows[i], i % 2 == 1);
    }
    m_y += 10;
}

void PdfReport::tableHeader(const QList<Column>& columns)
{
    QPainter& p = *m_painter;
    p.fillRect(QRectF(units(kMargin), units(m_y), units(kTextWidth), units(kHeaderHeight)),
        QColor(PictureStyle::kAccent));
    p.setFont(font(8.5, true));
    p.setPen(Qt::white);
    qreal x = kMargin;
    for (const Column& column : columns) {
        const qreal width = column.share * kTextWidth;
        const QRectF cell(
            units(x + kCellPadding), units(m_y), units(width - 2 * kCellPadding), units(kHeaderHeight));
        p.drawText(cell, (column.number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
            QFontMetricsF(p.font(), m_writer.get()).elidedText(column.caption, Qt::ElideRight, cell.width()));
        x += width;
    }
    m_y += kHeaderHeight;
}

void PdfReport::tableRow(const QList<Column>& columns, const QStringList& cells, bool shaded)
{
    QPainter& p = *m_painter;
    const QRectF band(units(kMargin), units(m_y), units(kTextWidth), units(kRowHeight));
    p.fillRect(band, shaded ? kStripe : QColor(Qt::white));
    p.setFont(font(8.5));
    p.setPen(kInk);
    const QFontMetricsF metrics(p.font(), m_writer.get());
    qreal x = kMargin;
    for (int i = 0; i < columns.size(); ++i) {
        const qreal width = columns[i].share * kTextWidth;
        const QRectF cell(
            units(x + kCellPadding), units(m_y), units(width - 2 * kCellPadding), units(kRowHeight));
        p.drawText(cell, (columns[i].number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter,
            metrics.elidedText(cells.value(i), Qt::ElideRight, cell.width()));
        x += width;
    }
    m_y += kRowHeight;
}

void PdfReport::close()
{
    if (!m_painter)
        return;
    m_painter->end();
    m_painter.reset();
    m_writer.reset();
}

QByteArray PdfReport::finish()
{
    close();
    QByteArray pdf = m_buffer.data();
    // The writer stamps the time it ran; as many digits keep the cross-reference offsets right.
    const QByteArray key("/CreationDate (D:");
    const QByteArray date(kIssueDate);
    for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
        const QByteArray stamp = pdf.mid(at + key.size(), date.size());
        if (stamp.size() == date.size() && std::all_of(stamp.begin(), stamp.end(), ::isdigit))
            pdf.replace(at + key.size(), date.size(), date);
    }
    return pdf;
}
