#pragma once

#include <QString>
#include <QWidget>

// The run-time controls of a host form, by name: screens add their controls to the form by name
// and remove them by name when they go. Names are the controls' object names, unique on the form
// without regard to case; a new control starts hidden.
namespace ControlRegistry {

QWidget* find(const QWidget* form, const QString& name);

template<class T> T* find(const QWidget* form, const QString& name)
{
    return qobject_cast<T*>(find(form, name));
}

// Takes ownership of `control`, names it and puts it in `container` (the form when none); returns it,
// or nullptr (and deletes it) when the name is taken.
QWidget* adopt(QWidget* form, QWidget* control, const QString& name, QWidget* container = nullptr);

template<class T> T* add(QWidget* form, const QString& name, QWidget* container = nullptr)
{
    return static_cast<T*>(adopt(form, new T, name, container));
}

// Removes the control and everything inside it; its name is free at once, the object itself is
// deleted later, so a handler of the control that is still running is safe. False if no such name.
bool remove(QWidget* form, const QString& name);
// The same for a control held by pointer: nothing when it is gone or no longer on the form by its name
// (removed with its container), so a control of the same name that another owner added stays.
bool remove(QWidget* form, const QWidget* control);

} // namespace ControlRegistry
