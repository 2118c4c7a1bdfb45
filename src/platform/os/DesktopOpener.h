#pragma once

#include <QString>
#include <QUrl>
#include <functional>

// Hands web addresses, e-mail and documents to the desktop's own programs, and says whether that
// worked instead of failing silently.
namespace DesktopOpener {

// "www.x.es" and "x.es/page" open as http addresses; an http or https scheme is kept. Empty for
// anything else (another scheme, no host, a user name).
QUrl webUrl(const QString& address);
// "mailto:" and one plain address, which may already carry the prefix in any case; empty for anything
// else (a query such as "?attach=", several addresses).
QUrl mailUrl(const QString& address);

bool openWeb(const QString& address);
bool openMail(const QString& address);
bool openDocument(const QString& path);

// Tests replace the desktop with their own handler; an empty function restores it.
void setHandler(std::function<bool(const QUrl&)> handler);

} // namespace DesktopOpener
