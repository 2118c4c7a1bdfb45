#include "platform/ui/ControlRegistry.h"

namespace ControlRegistry {

QWidget* find(const QWidget* form, const QString& name)
{
    if (!form || name.isEmpty())
        return nullptr;
    if (form->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return const_cast<QWidget*>(form);
    const QList<QWidget*> children = form->findChildren<QWidget*>();
    for (QWidget* child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

QWidget* adopt(QWidget* form, QWidget* control, const QString& name, QWidget* container)
{
    if (!form || name.isEmpty() || find(form, name)) {
        delete control;
        return nullptr;
    }
    control->setObjectName(name);
    control->setParent(container ? container : form);
    control->hide();
    return control;
}

bool remove(QWidget* form, const QString& name)
{
    QWidget* control = find(form, name);
    if (!control || control == form)
        return false;
    control->hide();
    control->setObjectName(QString());
    const QList<QWidget*> inside = control->findChildren<QWidget*>();
    for (QWidget* child : inside)
        child->setObjectName(QString());
    control->setParent(nullptr);
    control->deleteLater();
    return true;
}

bool remove(QWidget* form, const QWidget* control)
{
    if (!control || control->objectName().isEmpty() || find(form, control->objectName()) != control)
        return false;
    return remove(form, control->objectName());
}

} // namespace ControlRegistry
