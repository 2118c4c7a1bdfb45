#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Hands web addresses, e-mail and documents to the desktop's own programs, and says whether that
// worked instead of failing silently.
namespace DesktopOpener {

// "www.x.es" and "x.es/page" open as web addresses; an explicit scheme is kept.
QUrl webUrl(const QString& address);
// "mailto:" is added unless present in any case.
QUrl mailUrl(const QString& address);

bool openWeb(const QString& address);
bool openMail(const QString& address);
bool openDocument(const QString& path);

// Tests replace the desktop with their own handler; an empty function restores it.
void setHandler(std::function<bool(const QUrl&)> handler);

} // namespace DesktopOpener
