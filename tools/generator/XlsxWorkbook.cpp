#include "XlsxWorkbook.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <xlsxwriter.h>

namespace {

// 1 March 2010, 10:00 UTC: the day of the edition.
constexpr time_t kIssueDate = 1267437600;

} // namespace

XlsxWorkbook::XlsxWorkbook(QString title)
    : m_title(std::move(title))
{
}

void XlsxWorkbook::addSheet(const QString& name, const QList<Column>& columns, const QList<QStringList>& rows)
{
    m_sheets.append({name, columns, rows, false});
}

void XlsxWorkbook::addNotes(const QString& name, const QStringList& lines)
{
    QList<QStringList> rows;
    for (const QString& line : lines)
        rows.append({line});
    m_sheets.append({name, {{QString(), 110}}, rows, true});
}

bool XlsxWorkbook::save(const QString& path, QString& error) const
{
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        error = QStringLiteral("Cannot create the folder %1").arg(target.absolutePath());
        return false;
    }
    // Hidden, so a file browser never lists a half-written workbook.
    const QString temporary
        = QDir(target.absolutePath()).filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".tmp"));
    const QByteArray temporaryName = QFile::encodeName(temporary);

    lxw_workbook_options options = {};
    lxw_workbook* workbook = workbook_new_opt(temporaryName.constData(), &options);
    if (!workbook) {
        error = QStringLiteral("Cannot create %1").arg(temporary);
        return false;
    }
    // libxlsxwriter copies the properties and the texts it is given.
    const QByteArray title = m_title.toUtf8();
    lxw_doc_properties properties = {};
    properties.title = const_cast<char*>(title.constData());
    properties.author = const_cast<char*>("KORVAN");
    properties.company = const_cast<char*>("KORVAN");
    properties.comments = const_cast<char*>("Tarvesa 2010. Guía de empresas de la hostelería.");
    properties.created = kIssueDate;
    workbook_set_properties(workbook, &properties);

    lxw_format* header = workbook_add_format(workbook);
    format_set_bold(header);
    format_set_font_color(header, 0xFFFFFF);
    format_set_bg_color(header, 0xF08214);
    format_set_bottom(header, LXW_BORDER_THIN);
    lxw_format* number = workbook_add_format(workbook);
    format_set_num_format(number, "#,##0");
    lxw_format* wrapped = workbook_add_format(workbook);
    format_set_text_wrap(wrapped);
    format_set_align(wrapped, LXW_ALIGN_VERTICAL_TOP);

    for (const Sheet& sheet : m_sheets) {
        const QByteArray sheetName = sheet.name.toUtf8();
        lxw_worksheet* worksheet = workbook_add_worksheet(workbook, sheetName.constData());
        if (!worksheet) {
            workbook_close(workbook);
            QFile::remove(temporary);
            error = QStringLiteral("Cannot add the sheet %1 to %2").arg(sheet.name, path);
            return false;
        }
        for (int c = 0; c < sheet.columns.size(); ++c)
            worksheet_set_column(worksheet, lxw_col_t(c), lxw_col_t(c), sheet.columns[c].width,
                sheet.notes ? wrapped : nullptr);
        lxw_row_t row = 0;
        if (!sheet.notes) {
            for (int c = 0; c < sheet.columns.size(); ++c)
                worksheet_write_string(
                    worksheet, 0, lxw_col_t(c), sheet.columns[c].caption.toUtf8().constData(), header);
            worksheet_freeze_panes(worksheet, 1, 0);
            if (!sheet.rows.isEmpty())
                worksheet_autofilter(
                    worksheet, 0, 0, lxw_row_t(sheet.rows.size()), lxw_col_t(sheet.columns.size() - 1));
            row = 1;
        }
        for (const QStringList& cells : sheet.rows) {
            for (int c = 0; c < sheet.columns.size() && c < cells.size(); ++c) {
                const QString& text = cells[c];
                if (text.isEmpty())
                    continue;
                bool isNumber = false;
                const double value = sheet.columns[c].number ? text.toDouble(&isNumber) : 0.0;
                if (isNumber)
                    worksheet_write_number(worksheet, row, lxw_col_t(c), value, number);
                else
                    worksheet_write_string(worksheet, row, lxw_col_t(c), text.toUtf8().constData(), nullptr);
            }
            ++row;
        }
    }
    const lxw_error closed = workbook_close(workbook);
    if (closed != LXW_NO_ERROR) {
        QFile::remove(temporary);
        error = QStringLiteral("Cannot write %1: %2").arg(path, QString::fromUtf8(lxw_strerror(closed)));
        return false;
    }
    // rename() replaces an older copy in one step.
    if (std::rename(temporaryName.constData(), QFile::encodeName(path).constData()) != 0) {
        QFile::remove(temporary);
        error = QStringLiteral("Cannot rename %1 to %2").arg(temporary, path);
        return false;
    }
    return true;
}
