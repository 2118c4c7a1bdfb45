#include "platform/os/DesktopOpener.h"

#include <QDesktopServices>
#include <QFileInfo>

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
    if (trimmed.isEmpty())
        return {};
    const QUrl url(trimmed);
    if (url.isValid() && !url.scheme().isEmpty() && url.scheme().size() > 1)
        return url;
    return QUrl(QStringLiteral("http://") + trimmed);
}

QUrl mailUrl(const QString& address)
{
    QString text = address.trimmed();
    if (text.isEmpty())
        return {};
    if (!text.contains(QLatin1String("mailto:"), Qt::CaseInsensitive))
        text = QStringLiteral("mailto:") + text;
    const qsizetype at = text.indexOf(QLatin1String("mailto:"), 0, Qt::CaseInsensitive);
    return QUrl(QStringLiteral("mailto:") + text.mid(at + 7));
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
