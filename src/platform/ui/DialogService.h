#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QDialog;
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
        // The button that Enter presses.
        Answer defaultAnswer = Answer::Ok;
    };

    // `defaultAnswer` names the button that Enter presses; the first one when not given or not shown.
    static Answer message(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
        const QString& title = QString(), QWidget* parent = nullptr,
        std::optional<Answer> defaultAnswer = std::nullopt);

    static QString applicationTitle();

    // The printer dialog; true when the user chose to print. With `lastPage` above 0 it offers the page
    // shown and a range within pages 1 to `lastPage`, which the caller prints itself. Scripted:
    // the next queued printer choice is made, then the next queued answer (Ok prints) or cancel.
    static bool printDialog(QPrinter* printer, QWidget* parent = nullptr, int lastPage = 0);

    // The save-file dialog, filter written "description|*.a;*.b", opening in the folder of `start` with
    // its name (the user's documents when empty). The chosen path exactly as typed, quotes included (no
    // extension added, no question about existing files: the caller asks about the name it will
    // really write); empty when cancelled. A name in a folder that does not exist is refused, saying so,
    // and the dialog stays open. Scripted: the next queued file name not so refused, or cancel.
    static QString saveFileName(const QString& filter, QWidget* parent = nullptr, const QString& start = {});

    // One of the program's own modal forms; its result. Scripted: the form is shown without blocking
    // and handed to the next queued form handler, which drives it; a form still open afterwards is
    // rejected. With no handler queued the form is not shown at all.
    static int exec(QDialog& dialog);

    // Test hooks: once scripted, nothing modal is shown; each message takes the next queued answer
    // (or its default button) and is recorded.
    static void setScripted(bool scripted);
    static bool isScripted();
    static void queueAnswer(Answer answer);
    static void queueForm(std::function<void(QDialog&)> handler);
    static void queueFileName(const QString& path);
    // What the user does in the next print dialog to its printer (pages, copies, margins, another queue).
    static void queuePrinterChoice(std::function<void(QPrinter&)> choice);
    // The filters of the save dialogs shown while scripted, and the paths they started at.
    static QStringList saveDialogsShown();
    static QStringList saveDialogStarts();
    static QList<Shown> shown();
    // Object names of the forms run through exec() while scripted.
    static QStringList formsShown();
    static void clearShown();
};
