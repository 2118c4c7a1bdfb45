#include "PreviewWidths.h"

#include "PdfReader.h"
#include "TextCapture.h"
#include "platform/print/PrintSurface.h"

#include <QWidget>
#include <algorithm>

namespace PreviewWidths {

namespace {

constexpr double kPointsPerCm = 72 / 2.54;

struct Placed
{
    QString text;
    QPointF at; // its line's top-left corner, cm
    PrintFont font;
};

QList<Placed> linesOf(const PrintPage& page)
{
    QList<Placed> lines;
    for (const PrintItem& item : page) {
        if (item.kind != PrintItem::Kind::Text)
            continue;
        const QStringList parts = item.text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const QPointF at = item.at + QPointF(0, double(i) * PrintSurface::lineSpacing(item.font).toCm());
            lines.append({parts.at(i), at, item.font});
        }
    }
    return lines;
}

// Where the next line to the right on the same line of the page begins, cm; far right for none.
double nextOnTheRight(const QList<Placed>& lines, const Placed& line)
{
    double limit = 1e9;
    for (const Placed& other : lines) {
        if (qAbs(other.at.y() - line.at.y()) < 1e-6 && other.at.x() > line.at.x() + 1e-6)
            limit = qMin(limit, other.at.x());
    }
    return limit;
}

} // namespace

QList<Line> measure(
    QWidget& sheet, const PrintPage& page, double pixelsPerCm, const QString& pdf, const QPointF& origin)
{
    TextCapture capture(sheet.size(), sheet.logicalDpiY());
    sheet.render(&capture);
    const QList<TextCapture::Line> painted = capture.lines();
    const QList<PdfReader::Word> words = PdfReader::words(pdf, 1);
    const QList<Placed> lines = linesOf(page);
    QList<Line> measured;
    for (const Placed& line : lines) {
        if (line.text.isEmpty() || line.text != line.text.trimmed())
            continue;
        Line result;
        result.text = line.text;
        const double pitch = PrintSurface::lineSpacing(line.font).toCm();
        for (const TextCapture::Line& run : painted) {
            const QPointF at = run.start / pixelsPerCm;
            if (run.text == line.text && qAbs(at.x() - line.at.x()) < 0.05 && at.y() > line.at.y()
                && at.y() < line.at.y() + pitch)
                result.screenCm = run.width / pixelsPerCm;
        }
        // The words whose tops lie on this line, from its start to the next text on its right.
        const QPointF top = origin + line.at * kPointsPerCm;
        const double limit = origin.x() + nextOnTheRight(lines, line) * kPointsPerCm;
        QList<PdfReader::Word> onLine;
        for (const PdfReader::Word& word : words) {
            const double drop = word.topLeft.y() - top.y();
            if (drop > -0.3 * pitch * kPointsPerCm && drop < 0.6 * pitch * kPointsPerCm
                && word.topLeft.x() > top.x() - 1.5 && word.topLeft.x() < limit - 0.5)
                onLine.append(word);
        }
        std::sort(onLine.begin(), onLine.end(),
            [](const PdfReader::Word& a, const PdfReader::Word& b) { return a.topLeft.x() < b.topLeft.x(); });
        if (!onLine.isEmpty()) {
            QStringList texts;
            for (const PdfReader::Word& word : std::as_const(onLine))
                texts.append(word.text);
            result.printed = texts.join(QLatin1Char(' '));
            result.paperCm = (onLine.last().right - onLine.first().topLeft.x()) / kPointsPerCm;
        }
        measured.append(result);
    }
    return measured;
}

QString difference(const QList<Line>& lines, double tolerance)
{
    for (const Line& line : lines) {
        if (line.printed != line.text.simplified())
            return QStringLiteral("\"%1\" printed as \"%2\"").arg(line.text, line.printed);
        if (qAbs(line.screenCm - line.paperCm) > tolerance * line.paperCm)
            return QStringLiteral("%1: %2 cm on screen, %3 cm on paper")
                .arg(line.text)
                .arg(line.screenCm)
                .arg(line.paperCm);
    }
    return QString();
}

} // namespace PreviewWidths
