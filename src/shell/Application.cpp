#include "shell/Application.h"

#include "platform/db/DbError.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/DialogService.h"

#include <QLibraryInfo>
#include <QLocale>

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Qt's catalogue as the system installs it; without it Qt's texts stay in English.
    if (m_qtEspanol.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
            QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_qtEspanol);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    QString fallo;
    try {
        return QApplication::notify(receiver, event);
    } catch (const DbError& e) {
        fallo = e.description();
    } catch (const std::exception& e) {
        fallo = QString::fromLocal8Bit(e.what());
    }
    BusyPointer::set(false);
    DialogService::message(QStringLiteral("No se ha podido completar la operación:\n%1").arg(fallo),
        DialogService::Buttons::Ok, DialogService::Icon::Critical);
    return false;
}
