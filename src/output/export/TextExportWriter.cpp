#include "output/export/TextExportWriter.h"

#include "platform/db/Recordset.h"

#include <QIODevice>
#include <QStringEncoder>
#include <algorithm>

namespace {

constexpr char kSubstitute = '\x1a'; // what the converter writes for a character it cannot hold
constexpr qsizetype kChunk = 1 << 16;

// Appends `text` in Windows-1252 to `out`; a character the code page lacks becomes "?".
void appendEncoded(QByteArray& out, QStringEncoder& encoder, const QString& text)
{
    const qsizetype start = out.size();
    out.resize(start + encoder.requiredSpace(text.size()));
    char* end = encoder.appendToBuffer(out.data() + start, text);
    out.resize(end - out.constData());
    if (!QByteArrayView(out).sliced(start).contains(kSubstitute))
        return;
    if (!text.contains(QChar(kSubstitute))) {
        std::replace(out.begin() + start, out.end(), kSubstitute, '?');
        return;
    }
    // The text holds the substitute control character itself: encode one character at a time.
    out.truncate(start);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = QStringView(text).sliced(i, width);
        const QByteArray bytes = encoder.encode(character);
        out += bytes == QByteArrayView(&kSubstitute, 1) && character != QChar(kSubstitute) ? QByteArray("?")
                                                                                           : bytes;
        i += width - 1;
    }
}

// A value on its record's one line: a line break (CR LF, CR or LF) or a TAB becomes one space, a NUL
// is left out.
QString oneLine(QString value)
{
    const auto breaks = [](QChar c) { return c == u'\t' || c == u'\r' || c == u'\n' || c == u'\0'; };
    if (std::none_of(value.cbegin(), value.cend(), breaks))
        return value;
    value.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    value.remove(QChar(u'\0'));
    for (QChar& c : value) {
        if (breaks(c))
            c = u' ';
    }
    return value;
}

} // namespace

bool TextExportWriter::write(Recordset& rs, QIODevice& out, const Progress& progress)
{
    const int lastField = m_withObservations ? kObservaciones : kLastPlainField;
    if (!begin(rs, lastField))
        return false;
    QStringEncoder encoder("windows-1252");
    if (!encoder.isValid())
        return fail(QStringLiteral("El sistema no dispone de la codificación Windows-1252."));

    QByteArray chunk;
    chunk.reserve(kChunk + 4096);
    const auto flush = [&] {
        const bool written = writeOut(out, chunk, QStringLiteral("No se pudo escribir el archivo de texto."));
        chunk.clear();
        return written;
    };
    const QString separator(QLatin1Char('\t'));
    const QString lineEnd = QStringLiteral("\r\n");
    appendEncoded(chunk, encoder, textTitles(m_withObservations).join(separator) + lineEnd);

    const qint64 total = rs.recordCount();
    QString line;
    for (int row = 0; row < total; ++row) {
        line.clear();
        for (int field = kFirstField; field <= lastField; ++field) {
            if (field > kFirstField)
                line += separator;
            line += oneLine(fieldText(rs, row, field));
        }
        line += lineEnd;
        appendEncoded(chunk, encoder, line);
        if (chunk.size() >= kChunk && !flush())
            return false;
        if (!advance(progress, row + 1, total))
            return false;
    }
    return flush();
}
