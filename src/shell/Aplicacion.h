#pragma once

#include <QApplication>

// The program's application object: an error that escapes an event handler is said to the user and
// the program goes on, instead of ending.
class Aplicacion : public QApplication
{
    Q_OBJECT
public:
    Aplicacion(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};
