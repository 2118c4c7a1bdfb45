#include "PdfReader.h"

#include <QProcess>
#include <QRegularExpression>

namespace PdfReader {

namespace {

QString unescaped(QString text)
{
    text.replace(QLatin1String("&lt;"), QLatin1String("<"));
    text.replace(QLatin1String("&gt;"), QLatin1String(">"));
    text.replace(QLatin1String("&quot;"), QLatin1String("\""));
    text.replace(QLatin1String("&apos;"), QLatin1String("'"));
    text.replace(QLatin1String("&#39;"), QLatin1String("'"));
    text.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return text;
}

} // namespace

QString output(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pages(const QString& pdf)
{
    static const QRegularExpression count(QStringLiteral("Pages:\\s+(\\d+)"));
    return count.match(output(QStringLiteral("pdfinfo"), {pdf})).captured(1).toInt();
}

QSizeF pageSize(const QString& pdf)
{
    static const QRegularExpression size(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts"));
    const auto match = size.match(output(QStringLiteral("pdfinfo"), {pdf}));
    return QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
}

QList<Word> words(const QString& pdf, int page)
{
    static const QRegularExpression word(QStringLiteral(
        "<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"[\\d.]+\">([^<]*)</word>"));
    QStringList arguments {QStringLiteral("-bbox")};
    if (page > 0)
        arguments << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
                  << QString::number(page);
    arguments << pdf << QStringLiteral("-");
    QList<Word> found;
    const QString html = output(QStringLiteral("pdftotext"), arguments);
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        found.append({unescaped(m.captured(4)), QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
            m.captured(3).toDouble()});
    }
    return found;
}

} // namespace PdfReader
