#include "output/export/SpreadsheetExportWriter.h"

#include "platform/db/Recordset.h"
#include "platform/office/WriteAll.h"
#include "platform/office/ZipReader.h"

#include <QDir>
#include <QFile>
#include <QIODevice>
#include <QLocale>
#include <QStorageInfo>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>

namespace {

// Column widths in characters, from "Sector" to "Observaciones".
constexpr double kWidths[]
    = {14, 40, 24, 11, 18, 16, 22, 34, 9, 11, 11, 28, 26, 16, 26, 16, 26, 10, 9, 10, 60};
// The most characters a cell holds.
constexpr qsizetype kCellLimit = 32767;
// Superficie, Vehiculos and Empleados: counts, written as numbers where they are plain ones.
constexpr int kFirstCount = 18;
constexpr int kLastCount = 20;
// Cut values named one by one in the notice; the rest are counted.
constexpr int kNamedCuts = 5;
// Below this much free space a failure of the library is put down to a full disk.
constexpr qint64 kNearlyFull = 1 << 20;

// A workbook of libxlsxwriter that is always released: closed (written) or, on failure, freed with
// the temporary file holding its rows.
class Workbook
{
public:
    Workbook(const QString& path, const QString& workFolder)
        : m_tmpdir(QFile::encodeName(workFolder))
    {
        lxw_workbook_options options {};
        options.constant_memory = LXW_TRUE;
        options.tmpdir = m_tmpdir.data();
        m_book = workbook_new_opt(QFile::encodeName(path).constData(), &options);
    }
    ~Workbook() { discard(); }
    Workbook(const Workbook&) = delete;
    Workbook& operator=(const Workbook&) = delete;

    lxw_workbook* get() const { return m_book; }

    lxw_worksheet* addSheet(const char* name)
    {
        m_sheet = workbook_add_worksheet(m_book, name);
        return m_sheet;
    }

    // How many bytes of rows went to their temporary file; -1 when they did not all go.
    qint64 rowBytes() const
    {
        FILE* rows = m_sheet ? m_sheet->optimize_tmpfile : nullptr;
        if (!rows)
            return 0;
        return std::fflush(rows) == 0 && !std::ferror(rows) ? qint64(std::ftell(rows)) : -1;
    }

    // Writes the workbook; `cause` is the system's error when it could not.
    lxw_error close(int& cause)
    {
        FILE* rows = m_sheet ? m_sheet->optimize_tmpfile : nullptr;
        const int fd = rows ? fileno(rows) : -1;
        struct stat before
        {
        };
        const bool known = fd >= 0 && fstat(fd, &before) == 0;
        errno = 0;
        const lxw_error result = workbook_close(m_book);
        cause = errno;
        m_book = nullptr;
        m_sheet = nullptr;
        // On some failures the library leaves its file of rows open, already deleted: its room comes
        // back only once it is closed.
        struct stat after
        {
        };
        if (result != LXW_NO_ERROR && known && fstat(fd, &after) == 0 && after.st_dev == before.st_dev
            && after.st_ino == before.st_ino)
            ::close(fd);
        return result;
    }

    void discard()
    {
        if (!m_book)
            return;
        if (m_sheet && m_sheet->optimize_tmpfile) {
            std::fclose(m_sheet->optimize_tmpfile);
            m_sheet->optimize_tmpfile = nullptr;
        }
        lxw_workbook_free(m_book);
        m_book = nullptr;
        m_sheet = nullptr;
    }

private:
    QByteArray m_tmpdir;
    lxw_workbook* m_book = nullptr;
    lxw_worksheet* m_sheet = nullptr;
};

bool nearlyFull(const QString& folder)
{
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() >= 0 && storage.bytesAvailable() < kNearlyFull;
}

// A whole number without leading zeros, that a sheet can add up.
bool isPlainNumber(QByteArrayView text)
{
    return !text.isEmpty() && text.size() <= 15 && (text.front() != '0' || text.size() == 1)
        && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a cell can hold of a stored text: valid UTF-8 (as the other exports read it), no NUL, line
// breaks as a cell has them (LF alone) and at most the cell's limit; `cut` tells whether it was cut.
void cellText(QByteArrayView bytes, std::string& text, bool& cut)
{
    cut = false;
    if (bytes.size() <= kCellLimit && bytes.isValidUtf8() && !bytes.contains('\0')) {
        text.assign(bytes.data(), size_t(bytes.size()));
    } else {
        QString value = QString::fromUtf8(bytes);
        value.remove(QChar(u'\0'));
        if (value.size() > kCellLimit) {
            value.truncate(kCellLimit);
            if (value.back().isHighSurrogate())
                value.chop(1);
            cut = true;
        }
        const QByteArray utf8 = value.toUtf8();
        text.assign(utf8.constData(), size_t(utf8.size()));
    }
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at))
        text.erase(at, 1);
}

QString libraryFailure(lxw_error error)
{
    switch (error) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("No hay memoria suficiente para la hoja de cálculo.");
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("No se pudo crear el archivo de la hoja de cálculo.");
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("No se pudo usar un archivo temporal de la hoja de cálculo.");
    default:
        return QStringLiteral("No se pudo escribir la hoja de cálculo (error %1 de la biblioteca).")
            .arg(int(error));
    }
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

    const QString folder = workFolder();
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral(".export-XXXXXX.xlsx")));
    // Said from the failed creation's own error, not from the free space.
    if (!file.open())
        return failWriting(noRoomLeft(errno),
            QStringLiteral("No se pudo crear un archivo temporal en la carpeta «%1».")
                .arg(QDir::toNativeSeparators(folder)));
    file.close();
    Workbook book(file.fileName(), folder);
    lxw_worksheet* sheet = book.get() ? book.addSheet("Empresas") : nullptr;
    if (!sheet)
        return failWriting(noRoomLeft(errno), QStringLiteral("No se pudo crear la hoja de cálculo."));
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

    QStringList cuts;
    std::string text;
    for (int row = 0; row < total; ++row) {
        const lxw_row_t sheetRow = lxw_row_t(row + 1);
        for (int field = kFirstField; field <= kObservaciones; ++field) {
            if (rs.isNullAt(row, field))
                continue;
            const lxw_col_t column = lxw_col_t(field - kFirstField);
            lxw_error result = LXW_NO_ERROR;
            const QByteArrayView bytes
                = rs.fieldType(field) == Field::Type::Text ? rs.bytesAt(row, field) : QByteArrayView();
            if (rs.fieldType(field) == Field::Type::Integer || rs.fieldType(field) == Field::Type::Double
                || (field >= kFirstCount && field <= kLastCount && isPlainNumber(bytes))) {
                result = worksheet_write_number(
                    sheet, sheetRow, column, rs.valueAt(row, field).toDouble(), nullptr);
            } else if (rs.fieldType(field) == Field::Type::Boolean) {
                result = worksheet_write_boolean(
                    sheet, sheetRow, column, rs.valueAt(row, field).toBool(), nullptr);
            } else if (!bytes.isEmpty()) {
                bool cut = false;
                cellText(bytes, text, cut);
                if (cut)
                    cuts.append(
                        QStringLiteral("«%1» de «%2»").arg(titles.at(column), quoted(rs.textAt(row, 2))));
                const bool breaks = text.find('\n') != std::string::npos;
                result = worksheet_write_string(
                    sheet, sheetRow, column, text.c_str(), breaks ? wrapped : nullptr);
            }
            if (result != LXW_NO_ERROR)
                return fail(QStringLiteral("No se pudo escribir el campo «%1» de «%2».")
                                .arg(titles.at(column), quoted(rs.textAt(row, 2))));
        }
        if (!advance(progress, row + 1, total))
            return false;
    }
    const qint64 rowBytes = book.rowBytes();
    if (rowBytes < 0)
        return failWriting(noRoomLeft(errno) || nearlyFull(folder),
            QStringLiteral("No se pudo escribir la hoja de cálculo."));
    int cause = 0;
    const lxw_error closed = book.close(cause);
    if (closed != LXW_NO_ERROR)
        return failWriting(noRoomLeft(cause) || nearlyFull(folder), libraryFailure(closed));
    // The library does not see a copy of the rows cut short by a full disk: the sheet must hold them all.
    if (ZipReader::entrySize(file.fileName(), QStringLiteral("xl/worksheets/sheet1.xml")) < rowBytes)
        return failWriting(true, QStringLiteral("La hoja de cálculo quedó incompleta."));

    QFile packed(file.fileName());
    if (!packed.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("No se pudo leer la hoja de cálculo recién escrita."));
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 n = packed.read(chunk.data(), chunk.size());
        if (n < 0)
            return fail(QStringLiteral("No se pudo leer la hoja de cálculo recién escrita."));
        if (n == 0)
            break;
        if (!writeOut(out, QByteArrayView(chunk.constData(), n),
                QStringLiteral("No se pudo escribir la hoja de cálculo.")))
            return false;
    }
    if (!cuts.isEmpty()) {
        QString named = cuts.mid(0, kNamedCuts).join(QStringLiteral(", "));
        if (cuts.size() > kNamedCuts)
            named += QStringLiteral(" y %1 más").arg(cuts.size() - kNamedCuts);
        setNotice(QStringLiteral("Una celda de la hoja de cálculo admite %1 caracteres: se cortó lo que "
                                 "pasaba de ahí en %2.")
                      .arg(QLocale().toString(kCellLimit), named));
    }
    return true;
}
