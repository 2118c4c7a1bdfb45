#pragma once

#include "shell/QtSpanish.h"
#include "shell/SessionEnd.h"

#include <QApplication>

// The program's application object: Qt's own dialogs speak Spanish, an error that escapes an event
// handler is said to the user and the program goes on, instead of ending, and the end of the session
// ends the program as closing the menu form does.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QtSpanish m_qtEspanol;
    SessionEnd m_finSesion;
};
