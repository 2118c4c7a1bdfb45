#include "printing/CompanyReport.h"

#include "platform/db/Recordset.h"
#include "platform/print/PrintSurface.h"

#include <QLocale>

namespace {

const PrintFont kTitleFont {QStringLiteral("Arial"), 16, true};
const PrintFont kHeaderFont {QStringLiteral("Times"), 11, true};
const PrintFont kRowFont {QStringLiteral("Courier New"), 7, false};
const PrintFont kLabelFont {QStringLiteral("Courier New"), 7, true};

// Room left between a value and the next column.
constexpr double kColumnGap = 0.1;
// A criterion longer than this many lines is cut: the page keeps room for its rows.
constexpr int kMaxCriterionLines = 8;

// The longest beginning of `text` no wider than `room`.
qsizetype fittingLength(const QString& text, const PrintFont& font, double room)
{
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (PrintSurface::measure(text.left(middle), font).width.toCm() <= room)
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}

// A value is one line: line breaks inside it become blanks.
QString oneLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

} // namespace

CompanyReport::CompanyReport(
    const Recordset& companies, QImage logo, QString criterion, FieldChoice choice, ColumnWidths widths)
    : m_companies(companies)
    , m_logo(std::move(logo))
    , m_criterion(std::move(criterion))
    , m_choice(std::move(choice))
    , m_widths(std::move(widths))
    , m_clock(&QDateTime::currentDateTime)
{
}

int CompanyReport::companyCount() const
{
    return m_companies.isOpen() ? m_companies.recordCount() : 0;
}

ReportLayout CompanyReport::layout(const QSizeF& pageSize) const
{
    return ReportLayout(pageSize, companyCount(), int(criterionLines(pageSize.width()).size()));
}

QStringList CompanyReport::criterionLines(double pageWidth) const
{
    if (m_wrappedWidth == pageWidth && !m_wrapped.isEmpty())
        return m_wrapped;
    const double room = pageWidth - ReportLayout::kLeft;
    QString rest = QStringLiteral("Criterio de selección: ") + m_criterion;
    QStringList lines;
    while (!rest.isEmpty()) {
        qsizetype cut = fittingLength(rest, kHeaderFont, room);
        if (cut >= rest.size()) {
            lines.append(rest);
            break;
        }
        if (lines.size() == kMaxCriterionLines - 1) {
            const QString ellipsis = QStringLiteral("…");
            lines.append(rest.left(fittingLength(rest, kHeaderFont,
                             room - PrintSurface::measure(ellipsis, kHeaderFont).width.toCm()))
                + ellipsis);
            break;
        }
        // At the last blank that fits; a word wider than the page is cut where it reaches the edge.
        const qsizetype blank = rest.lastIndexOf(QLatin1Char(' '), cut);
        if (blank > 0)
            cut = blank;
        lines.append(rest.left(qMax<qsizetype>(1, cut)).trimmed());
        rest = rest.mid(qMax<qsizetype>(1, cut)).trimmed();
    }
    m_wrappedWidth = pageWidth;
    m_wrapped = lines;
    return lines;
}

ColumnPlan CompanyReport::columns(double pageWidth) const
{
    return planColumns(m_choice, m_widths, pageWidth);
}

void CompanyReport::drawHeader(PrintSurface& surface) const
{
    const double width = surface.pageSize().width();
    const QLocale locale = QLocale::system();
    const QDateTime now = m_clock();
    surface.picture(QPointF(1.0, 0.7), m_logo);
    surface.text(QPointF(width / 2 - 4.8, 2.5), QStringLiteral("EMPRESAS TARVESA 2010"), kTitleFont);
    surface.text(QPointF(1.0, 3.7), QStringLiteral("Total Empresas: %1").arg(companyCount()), kHeaderFont);
    surface.text(QPointF(1.0, 4.2),
        locale.toString(now.date(), QLocale::ShortFormat) + QLatin1String("    ")
            + locale.toString(now.time(), QLocale::ShortFormat),
        kHeaderFont);
    // A long criterion goes on over further lines, and the page's rows move down under it.
    const QStringList criterio = criterionLines(width);
    for (qsizetype i = 0; i < criterio.size(); ++i)
        surface.text(
            QPointF(ReportLayout::kLeft, ReportLayout::kCriterionY + ReportLayout::kHeaderPitch * double(i)),
            criterio.at(i), kHeaderFont);
}

QString CompanyReport::fitted(const PrintSurface& surface, const QString& text, double width) const
{
    const double room = width - kColumnGap;
    if (text.isEmpty() || surface.textSize(text, kRowFont).width() <= room)
        return text;
    // The longest beginning that fits.
    qsizetype low = 0;
    qsizetype high = text.size();
    while (low < high) {
        const qsizetype middle = (low + high + 1) / 2;
        if (surface.textSize(text.left(middle), kRowFont).width() <= room)
            low = middle;
        else
            high = middle - 1;
    }
    return text.left(low);
}

void CompanyReport::drawPage(PrintSurface& surface, int page) const
{
    const QSizeF size = surface.pageSize();
    const ReportLayout pages = layout(size);
    if (page < 1 || page > pages.pageCount())
        return;
    if (page == 1)
        drawHeader(surface);
    const ColumnPlan plan = columns(size.width());
    const QList<ReportField>& fields = ReportFields::all();
    for (const ReportColumn& column : plan.columns) {
        const QString heading = QString::fromUtf8(fields.at(column.field).heading);
        surface.text(
            QPointF(column.x, pages.headingY(page)), fitted(surface, heading, column.width), kRowFont);
    }
    const double ruleY = pages.ruleY(page);
    surface.line(QPointF(ReportLayout::kLeft, ruleY), QPointF(size.width(), ruleY));

    const int first = pages.firstRow(page);
    const int rows = pages.rowsOn(page);
    for (int i = 0; i < rows; ++i) {
        const double y = pages.rowY(page, i);
        for (const ReportColumn& column : plan.columns) {
            const int position = fields.at(column.field).position;
            if (m_companies.isNullAt(first + i, position))
                continue;
            const QString value = oneLine(m_companies.textAt(first + i, position));
            surface.text(QPointF(column.x, y), fitted(surface, value, column.width), kRowFont);
        }
    }
    surface.text(QPointF(ReportLayout::kLeft, pages.labelY(page)),
        QStringLiteral("Página: %1 de %2").arg(page).arg(pages.pageCount()), kLabelFont);
}
