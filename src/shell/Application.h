#pragma once

#include "shell/QtSpanish.h"

#include <QApplication>

// The program's application object: Qt's own dialogs speak Spanish, and an error that escapes an
// event handler is said to the user and the program goes on, instead of ending.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

private:
    QtSpanish m_qtEspanol;
};
