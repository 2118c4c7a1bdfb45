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
    , m_printedAt(QDateTime::currentDateTime())
{
}

int CompanyReport::companyCount() const
{
    return m_companies.isOpen() ? m_companies.recordCount() : 0;
}

ReportLayout CompanyReport::layout(const QSizeF& pageSize) const
{
    return ReportLayout(pageSize, companyCount());
}

ColumnPlan CompanyReport::columns(double pageWidth) const
{
    return planColumns(m_choice, m_widths, pageWidth);
}

void CompanyReport::drawHeader(PrintSurface& surface) const
{
    const double width = surface.pageSize().width();
    const QLocale locale = QLocale::system();
    surface.picture(QPointF(1.0, 0.7), m_logo);
    surface.text(QPointF(width / 2 - 4.8, 2.5), QStringLiteral("EMPRESAS TARVESA 2010"), kTitleFont);
    surface.text(QPointF(1.0, 3.7), QStringLiteral("Total Empresas: %1").arg(companyCount()), kHeaderFont);
    surface.text(QPointF(1.0, 4.2),
        locale.toString(m_printedAt.date(), QLocale::ShortFormat) + QLatin1String("    ")
            + locale.toString(m_printedAt.time(), QLocale::ShortFormat),
        kHeaderFont);
    surface.text(QPointF(1.0, 4.7), QStringLiteral("Criterio de selección: ") + m_criterion, kHeaderFont);
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
        surface.text(QPointF(column.x, ReportLayout::headingY(page)), fitted(surface, heading, column.width),
            kRowFont);
    }
    const double ruleY = ReportLayout::ruleY(page);
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
    surface.text(QPointF(ReportLayout::kLeft, ReportLayout::labelY(page)),
        QStringLiteral("Página: %1 de %2").arg(page).arg(pages.pageCount()), kLabelFont);
}

bool CompanyReport::printAll(PrintSurface& surface, const Progress& progress) const
{
    const int count = layout(surface.pageSize()).pageCount();
    for (int page = 1; page <= count; ++page) {
        if (progress && !progress(page, count)) {
            surface.abort();
            return false;
        }
        surface.newPage();
        drawPage(surface, page);
    }
    return surface.end();
}

bool CompanyReport::printPage(PrintSurface& surface, int page) const
{
    drawPage(surface, page);
    return surface.end();
}
