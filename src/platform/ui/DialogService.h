#pragma once

#include <QList>
#include <QString>

class QPrinter;
class QWidget;

// Every message box of the program goes through here: the program's title when none is given, the
// Spanish buttons, and, for tests, answers given in advance instead of a modal window.
class DialogService
{
public:
    enum class Icon { None, Information, Exclamation, Critical, Question };
    enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
    enum class Answer { Ok, Cancel, Yes, No, Retry };

    struct Shown
    {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    static Answer message(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                          const QString& title = QString(), QWidget* parent = nullptr);

    static QString applicationTitle();

    // The printer dialog; true when the user chose to print. Scripted: the next queued answer (Ok
    // prints), or cancel.
    static bool printDialog(QPrinter* printer, QWidget* parent = nullptr);

    // Test hooks: once scripted, nothing modal is shown; each message takes the next queued answer
    // (or its first button) and is recorded.
    static void setScripted(bool scripted);
    static bool isScripted();
    static void queueAnswer(Answer answer);
    static QList<Shown> shown();
    static void clearShown();
};
