#include "platform/os/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QRegularExpression>

namespace DesktopOpener {
namespace {

std::function<bool(const QUrl&)>& handler()
{
    static std::function<bool(const QUrl&)> h;
    return h;
}

bool open(const QUrl& url)
{
    if (!url.isValid() || url.isEmpty())
        return false;
    if (handler())
        return handler()(url);
    return QDesktopServices::openUrl(url);
}

} // namespace

QUrl webUrl(const QString& address)
{
    const QString trimmed = address.trimmed();
    // A scheme is a name before ':' that is not followed by a port number ("x.es:8080").
    static const QRegularExpression scheme(QStringLiteral("^([A-Za-z][A-Za-z0-9+.-]*):(?!\\d+(?:[/?#]|$))"));
    const QRegularExpressionMatch m = scheme.match(trimmed);
    const QUrl url(m.hasMatch() ? trimmed : QStringLiteral("http://") + trimmed, QUrl::StrictMode);
    const bool web = url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
    if (!web || !url.isValid() || url.host().isEmpty() || !url.userInfo().isEmpty())
        return {};
    return url;
}

QUrl mailUrl(const QString& address)
{
    QString text = address.trimmed();
    // Blanks stored around the address are no part of it, with or without the prefix.
    if (text.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive))
        text = text.mid(7).trimmed();
    // One plain address: no query (?subject=, ?attach=), no second address, no blanks.
    static const QRegularExpression plain(QStringLiteral("^[\\w.+'-]+@[\\w-]+(?:\\.[\\w-]+)*$"),
        QRegularExpression::UseUnicodePropertiesOption);
    if (!plain.match(text).hasMatch())
        return {};
    return QUrl(QStringLiteral("mailto:") + text);
}

bool openWeb(const QString& address)
{
    return open(webUrl(address));
}

bool openMail(const QString& address)
{
    return open(mailUrl(address));
}

bool openDocument(const QString& path)
{
    if (!QFileInfo::exists(path))
        return false;
    return open(QUrl::fromLocalFile(path));
}

void setHandler(std::function<bool(const QUrl&)> h)
{
    handler() = std::move(h);
}

} // namespace DesktopOpener
