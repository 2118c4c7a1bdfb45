#include "platform/ui/DialogService.h"

#include "platform/ui/BusyPointer.h"

#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QQueue>
#include <QStandardPaths>

namespace {

struct Script
{
    bool scripted = false;
    QQueue<DialogService::Answer> answers;
    QList<DialogService::Shown> shown;
    QQueue<std::function<void(QDialog&)>> forms;
    QStringList formsShown;
    QQueue<QString> fileNames;
    QQueue<std::function<void(QPrinter&)>> printerChoices;
    QStringList saveDialogs;
    QStringList saveStarts;
};

Script& script()
{
    static Script s;
    return s;
}

DialogService::Answer firstAnswer(DialogService::Buttons buttons)
{
    switch (buttons) {
    case DialogService::Buttons::Ok:
    case DialogService::Buttons::OkCancel:
        return DialogService::Answer::Ok;
    case DialogService::Buttons::YesNo:
    case DialogService::Buttons::YesNoCancel:
        return DialogService::Answer::Yes;
    case DialogService::Buttons::RetryCancel:
        return DialogService::Answer::Retry;
    }
    return DialogService::Answer::Ok;
}

bool offers(DialogService::Buttons buttons, DialogService::Answer answer)
{
    using A = DialogService::Answer;
    switch (buttons) {
    case DialogService::Buttons::Ok:
        return answer == A::Ok;
    case DialogService::Buttons::OkCancel:
        return answer == A::Ok || answer == A::Cancel;
    case DialogService::Buttons::YesNo:
        return answer == A::Yes || answer == A::No;
    case DialogService::Buttons::YesNoCancel:
        return answer == A::Yes || answer == A::No || answer == A::Cancel;
    case DialogService::Buttons::RetryCancel:
        return answer == A::Retry || answer == A::Cancel;
    }
    return false;
}

QMessageBox::Icon toQt(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::None:
        return QMessageBox::NoIcon;
    case DialogService::Icon::Information:
        return QMessageBox::Information;
    case DialogService::Icon::Exclamation:
        return QMessageBox::Warning;
    case DialogService::Icon::Critical:
        return QMessageBox::Critical;
    case DialogService::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

// A message box wraps its text only at blanks and hyphens: a path or any other long word would run past
// its edge. Such a word gets a zero-width space, where it may wrap, after each folder separator and
// wherever it has gone kRun characters without one.
QString wrappable(const QString& text)
{
    constexpr qsizetype kLongWord = 40;
    constexpr qsizetype kRun = 30;
    const QChar breakHere(0x200B);
    QString out;
    out.reserve(text.size() + text.size() / kRun + 8);
    const qsizetype size = text.size();
    qsizetype i = 0;
    while (i < size) {
        qsizetype end = i;
        while (end < size && !text.at(end).isSpace())
            ++end;
        const bool longWord = end - i > kLongWord;
        qsizetype run = 0;
        for (; i < end; ++i) {
            const QChar c = text.at(i);
            out += c;
            ++run;
            if (longWord && i + 1 < end && !c.isHighSurrogate() && (c == u'/' || c == u'\\' || run >= kRun)) {
                out += breakHere;
                run = 0;
            }
        }
        while (i < size && text.at(i).isSpace())
            out += text.at(i++);
    }
    return out;
}

// A save cannot make the folders of its name: a name in a folder that does not exist is refused,
// saying so, and the save dialog stays open for another name. True when refused.
bool refusesMissingFolder(const QString& path, QWidget* parent)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir() || QFileInfo(info.absolutePath()).isDir())
        return false;
    DialogService::message(
        QStringLiteral("La carpeta «%1» no existe.").arg(QDir::toNativeSeparators(info.absolutePath())),
        DialogService::Buttons::Ok, DialogService::Icon::Exclamation, QStringLiteral("Guardar como"), parent);
    return true;
}

// Qt's save dialog reads quotes in the typed name as a list of names ("a" "b"): a name holding one
// is taken here as typed, from the dialog's folder, before the dialog can split it.
class SaveDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    QString typedPath() const { return m_typed; }

    void accept() override
    {
        const auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        // A desktop's own dialog has checked its name and closed already.
        if (!edit) {
            QFileDialog::accept();
            return;
        }
        QString typed = edit->text();
        if (!typed.contains(u'"')) {
            const QStringList files = selectedFiles();
            if (!files.isEmpty() && refusesMissingFolder(files.first(), this))
                return;
            QFileDialog::accept();
            return;
        }
        if (typed == QLatin1String("~") || typed.startsWith(QLatin1String("~/")))
            typed = QDir::homePath() + typed.mid(1);
        const QString path = QDir::cleanPath(directory().absoluteFilePath(typed));
        if (QFileInfo(path).isDir()) {
            setDirectory(path);
            return;
        }
        if (refusesMissingFolder(path, this))
            return;
        m_typed = path;
        QDialog::accept();
    }

private:
    QString m_typed;
};

} // namespace

QString DialogService::applicationTitle()
{
    return QStringLiteral("Tarvesa 2010");
}

DialogService::Answer DialogService::message(const QString& text, Buttons buttons, Icon icon,
    const QString& title, QWidget* parent, std::optional<Answer> defaultAnswer)
{
    const QString caption = title.isEmpty() ? applicationTitle() : title;
    const Answer preferred
        = defaultAnswer && offers(buttons, *defaultAnswer) ? *defaultAnswer : firstAnswer(buttons);
    Script& s = script();
    if (s.scripted) {
        s.shown.append({text, caption, icon, buttons, preferred});
        return s.answers.isEmpty() ? preferred : s.answers.dequeue();
    }

    // A message must never appear under the hourglass.
    const BusyPointer::Pause notBusy;

    QMessageBox box(toQt(icon), caption, QString(), QMessageBox::NoButton, parent);
    // Texts quote what the database holds: shown as written, never as markup.
    box.setTextFormat(Qt::PlainText);
    box.setText(wrappable(text));
    QList<std::pair<QPushButton*, Answer>> map;
    auto add = [&](const QString& label, QMessageBox::ButtonRole role, Answer answer) {
        map.append({box.addButton(label, role), answer});
    };
    switch (buttons) {
    case Buttons::Ok:
        add(QStringLiteral("Aceptar"), QMessageBox::AcceptRole, Answer::Ok);
        break;
    case Buttons::OkCancel:
        add(QStringLiteral("Aceptar"), QMessageBox::AcceptRole, Answer::Ok);
        add(QStringLiteral("Cancelar"), QMessageBox::RejectRole, Answer::Cancel);
        break;
    case Buttons::YesNo:
        add(QStringLiteral("Sí"), QMessageBox::YesRole, Answer::Yes);
        add(QStringLiteral("No"), QMessageBox::NoRole, Answer::No);
        break;
    case Buttons::YesNoCancel:
        add(QStringLiteral("Sí"), QMessageBox::YesRole, Answer::Yes);
        add(QStringLiteral("No"), QMessageBox::NoRole, Answer::No);
        add(QStringLiteral("Cancelar"), QMessageBox::RejectRole, Answer::Cancel);
        break;
    case Buttons::RetryCancel:
        add(QStringLiteral("Reintentar"), QMessageBox::AcceptRole, Answer::Retry);
        add(QStringLiteral("Cancelar"), QMessageBox::RejectRole, Answer::Cancel);
        break;
    }
    box.setDefaultButton(map.first().first);
    for (const auto& [button, a] : map) {
        if (a == preferred)
            box.setDefaultButton(button);
    }
    box.exec();
    Answer answer = buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    if (buttons == Buttons::YesNo)
        answer = Answer::No;
    for (const auto& [button, a] : map) {
        if (box.clickedButton() == button)
            answer = a;
    }
    return answer;
}

void DialogService::setScripted(bool scripted)
{
    script().scripted = scripted;
}

bool DialogService::isScripted()
{
    return script().scripted;
}

void DialogService::queueAnswer(Answer answer)
{
    script().answers.enqueue(answer);
}

QList<DialogService::Shown> DialogService::shown()
{
    return script().shown;
}

void DialogService::queueForm(std::function<void(QDialog&)> handler)
{
    script().forms.enqueue(std::move(handler));
}

QStringList DialogService::formsShown()
{
    return script().formsShown;
}

void DialogService::clearShown()
{
    script().shown.clear();
    script().answers.clear();
    script().forms.clear();
    script().formsShown.clear();
    script().fileNames.clear();
    script().saveDialogs.clear();
    script().saveStarts.clear();
    script().printerChoices.clear();
}

void DialogService::queueFileName(const QString& path)
{
    script().fileNames.enqueue(path);
}

QStringList DialogService::saveDialogStarts()
{
    return script().saveStarts;
}

void DialogService::queuePrinterChoice(std::function<void(QPrinter&)> choice)
{
    script().printerChoices.enqueue(std::move(choice));
}

QStringList DialogService::saveDialogsShown()
{
    return script().saveDialogs;
}

QString DialogService::saveFileName(const QString& filter, QWidget* parent, const QString& start)
{
    Script& s = script();
    if (s.scripted) {
        s.saveDialogs.append(filter);
        s.saveStarts.append(start);
        // As the dialog does, a refused name leaves it open for the next one.
        while (!s.fileNames.isEmpty()) {
            const QString name = s.fileNames.dequeue();
            if (!refusesMissingFolder(name, parent))
                return name;
        }
        return {};
    }
    // "Description (*.a, *.b)|*.a;*.b" becomes Qt's "Description (*.a *.b)".
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    const QString patterns = filter.section(QLatin1Char('|'), 1).replace(QLatin1Char(';'), QLatin1Char(' '));
    const qsizetype paren = description.indexOf(QLatin1Char('('));
    const QString name = (paren >= 0 ? description.left(paren) : description).trimmed();
    SaveDialog dialog(parent, QStringLiteral("Guardar como"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // The user's documents, as a desktop's save dialog opens, not the folder the program was started from.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!start.isEmpty())
        dialog.setDirectory(QFileInfo(start).absolutePath());
    else if (!documents.isEmpty() && QDir(documents).exists())
        dialog.setDirectory(documents);
    // Spanish whether or not Qt's own catalogue is loaded.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Guardar en:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("&Nombre:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Tipo:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("&Guardar"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Cancelar"));
    dialog.setNameFilter(
        patterns.isEmpty() ? name : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    if (!start.isEmpty())
        dialog.selectFile(QFileInfo(start).fileName());
    const bool wasBusy = BusyPointer::isBusy();
    BusyPointer::set(false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    BusyPointer::set(wasBusy);
    if (accepted && !dialog.typedPath().isEmpty())
        return dialog.typedPath();
    const QStringList files = dialog.selectedFiles();
    return accepted && !files.isEmpty() ? files.first() : QString();
}

int DialogService::exec(QDialog& dialog)
{
    Script& s = script();
    if (!s.scripted) {
        // A form must never open under the hourglass.
        const BusyPointer::Pause notBusy;
        return dialog.exec();
    }
    s.formsShown.append(dialog.objectName());
    if (s.forms.isEmpty())
        return QDialog::Rejected;
    // Taken off the queue first: the handler may open further forms.
    const std::function<void(QDialog&)> handler = s.forms.dequeue();
    dialog.setResult(QDialog::Rejected);
    dialog.show();
    handler(dialog);
    if (dialog.isVisible())
        dialog.reject();
    return dialog.result();
}

bool DialogService::printDialog(QPrinter* printer, QWidget* parent, int lastPage)
{
    Script& s = script();
    if (s.scripted) {
        s.shown.append({QStringLiteral("Imprimir"), applicationTitle(), Icon::None, Buttons::OkCancel});
        if (!s.printerChoices.isEmpty() && printer)
            s.printerChoices.dequeue()(*printer);
        return !s.answers.isEmpty() && s.answers.dequeue() == Answer::Ok;
    }
    const BusyPointer::Pause notBusy;
    QPrintDialog dialog(printer, parent);
    if (lastPage > 0) {
        dialog.setMinMax(1, lastPage);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage);
    }
    return dialog.exec() == QDialog::Accepted;
}
