#pragma once

#include <QObject>
#include <QTimer>
#include <memory>

class QSocketNotifier;

// Ends the program when the session asks it to (SIGTERM at logout or shutdown, SIGINT, SIGHUP) as
// closing the menu form does: the windows above it close first as the user would close them, so an
// open card stores its edit. One at a time: it installs the handlers and puts the defaults back.
class SessionEnd : public QObject
{
    Q_OBJECT
public:
    explicit SessionEnd(QObject* parent = nullptr);
    ~SessionEnd() override;
    SessionEnd(const SessionEnd&) = delete;
    SessionEnd& operator=(const SessionEnd&) = delete;

private:
    void termina();

    std::unique_ptr<QSocketNotifier> m_notifier;
    // Asks again until the program's event loop runs: a signal may come while it starts.
    QTimer m_salida;
};
