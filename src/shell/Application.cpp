#include "shell/Application.h"

#include "platform/db/DbError.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/WindowBehaviour.h"

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    // Qt's catalogue as the system installs it, completed where it leaves the print dialog in English.
    m_qtEspanol.loadCatalogue();
    installTranslator(&m_qtEspanol);
    WindowBehaviour::keepModalWindowsActive();
    MouseEvents::keepDoubleClicksToOneWidget();
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
