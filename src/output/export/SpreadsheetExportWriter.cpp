#include "output/export/SpreadsheetExportWriter.h"

#include "platform/db/Recordset.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QTemporaryFile>
#include <string>
#include <xlsxwriter.h>

namespace {

// Column widths in characters, from "Sector" to "Observaciones".
constexpr double kWidths[]
    = {14, 40, 24, 11, 18, 16, 22, 34, 9, 11, 11, 28, 26, 16, 26, 16, 26, 10, 9, 10, 60};

class Workbook
{
public:
    explicit Workbook(const QString& path)
    {
        lxw_workbook_options options {};
        options.constant_memory = LXW_TRUE;
        m_tmpdir = QFile::encodeName(QDir::tempPath());
        options.tmpdir = m_tmpdir.data();
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    }
    ~Workbook()
    {
        if (m_book)
            close();
    }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }
    lxw_error close()
    {
        const lxw_error result = workbook_close(m_book);
        m_book = nullptr;
        return result;
    }

private:
    QByteArray m_tmpdir;
    lxw_workbook* m_book = nullptr;
};

QString cellError(const QString& title, const QString& company, lxw_error error)
{
    if (error == LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED)
        return QStringLiteral("El campo «%1» de «%2» supera los 32.767 caracteres que admite una celda.")
            .arg(title, company);
    return QStringLiteral("No se pudo escribir el campo «%1» de «%2»: %3.")
        .arg(title, company, QString::fromUtf8(lxw_strerror(error)));
}

} // namespace

bool SpreadsheetExportWriter::write(Recordset& rs, QIODevice& out, const Progress& progress)
{
    if (!begin(rs, kObservaciones))
        return false;
    const qint64 total = rs.recordCount();
    if (total + 1 > LXW_ROW_MAX)
        return fail(
            QStringLiteral("Una hoja de cálculo admite %1 filas: hay demasiadas empresas.").arg(LXW_ROW_MAX));

    QTemporaryFile file(QDir::temp().filePath(QStringLiteral("export-XXXXXX.xlsx")));
    if (!file.open())
        return fail(QStringLiteral("No se pudo crear un archivo temporal para la hoja de cálculo."));
    file.close();
    Workbook book(file.fileName());
    if (!book.get())
        return fail(QStringLiteral("No se pudo crear la hoja de cálculo."));
    lxw_worksheet* sheet = workbook_add_worksheet(book.get(), "Empresas");
    lxw_format* bold = workbook_add_format(book.get());
    format_set_bold(bold);
    lxw_format* wrapped = workbook_add_format(book.get());
    format_set_text_wrap(wrapped);
    format_set_align(wrapped, LXW_ALIGN_VERTICAL_TOP);

    const QStringList titles = spreadsheetTitles();
    for (int c = 0; c < titles.size(); ++c) {
        worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), kWidths[c], nullptr);
        worksheet_write_string(sheet, 0, lxw_col_t(c), titles.at(c).toUtf8().constData(), bold);
    }
    worksheet_freeze_panes(sheet, 1, 0);

    std::string text;
    for (int row = 0; row < total; ++row) {
        const lxw_row_t sheetRow = lxw_row_t(row + 1);
        for (int field = kFirstField; field <= kObservaciones; ++field) {
            if (rs.isNullAt(row, field))
                continue;
            const lxw_col_t column = lxw_col_t(field - kFirstField);
            lxw_error result = LXW_NO_ERROR;
            switch (rs.fieldType(field)) {
            case Field::Type::Integer:
            case Field::Type::Double:
                result = worksheet_write_number(
                    sheet, sheetRow, column, rs.valueAt(row, field).toDouble(), nullptr);
                break;
            case Field::Type::Boolean:
                result = worksheet_write_boolean(
                    sheet, sheetRow, column, rs.valueAt(row, field).toBool(), nullptr);
                break;
            case Field::Type::Text: {
                const QByteArrayView bytes = rs.bytesAt(row, field);
                if (bytes.isEmpty())
                    continue;
                text.assign(bytes.data(), size_t(bytes.size()));
                lxw_format* format = nullptr;
                if (bytes.contains('\n') || bytes.contains('\r')) {
                    // A cell breaks its lines at LF alone.
                    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
                        text.erase(at, 1);
                    format = wrapped;
                }
                result = worksheet_write_string(sheet, sheetRow, column, text.c_str(), format);
                break;
            }
            }
            if (result != LXW_NO_ERROR)
                return fail(cellError(titles.at(column), rs.textAt(row, 2), result));
        }
        if (!advance(progress, row + 1, total))
            return false;
    }
    const lxw_error closed = book.close();
    if (closed != LXW_NO_ERROR)
        return fail(QStringLiteral("No se pudo guardar la hoja de cálculo: %1.")
                        .arg(QString::fromUtf8(lxw_strerror(closed))));

    QFile packed(file.fileName());
    if (!packed.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("No se pudo leer la hoja de cálculo recién escrita."));
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = packed.read(chunk.data(), chunk.size());
        if (n < 0)
            return fail(QStringLiteral("No se pudo leer la hoja de cálculo recién escrita."));
        if (n == 0)
            return true;
        if (out.write(chunk.constData(), n) != n)
            return fail(QStringLiteral("No se pudo escribir la hoja de cálculo."));
    }
}
