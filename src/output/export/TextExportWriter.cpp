#include "output/export/TextExportWriter.h"

#include "platform/db/Recordset.h"

#include <QIODevice>
#include <QStringEncoder>

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
        const bool written = out.write(chunk) == chunk.size();
        chunk.clear();
        return written || fail(QStringLiteral("No se pudo escribir el archivo de texto."));
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
            if (field == kObservaciones)
                line += fieldText(rs, row, field).replace(lineEnd, QStringLiteral(" "));
            else
                line += fieldText(rs, row, field);
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
