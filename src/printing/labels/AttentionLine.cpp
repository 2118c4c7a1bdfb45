#include "printing/labels/AttentionLine.h"

namespace AttentionLine {

namespace {

// A column's text, or nothing when it is NULL, empty or only blanks.
QString texto(const QVariant& value)
{
    if (value.isNull() || !value.isValid())
        return QString();
    const QString text = value.toString();
    return text.trimmed().isEmpty() ? QString() : text;
}

QString contactoOPuesto(const QVariant& contacto, const QVariant& cargo)
{
    const QString persona = texto(contacto);
    return persona.isEmpty() ? texto(cargo) : persona;
}

} // namespace

QStringList cargos()
{
    return {QStringLiteral("<Ninguno>"), QStringLiteral("Personalizado"), QStringLiteral("Presidente"),
        QStringLiteral("Vicepresidente"), QStringLiteral("Dtor. General"), QStringLiteral("Dtor. Comercial"),
        QStringLiteral("Dtor. Financiero"), QStringLiteral("Dtor. de Compras"),
        QStringLiteral("Dtor. de Ventas"), QStringLiteral("Dtor. de Logística"),
        QStringLiteral("Dtor. de Personal"), QStringLiteral("Dtor. de Informática"),
        QStringLiteral("Dtor. de Expansión"), QStringLiteral("Dtor. de Gestión"),
        QStringLiteral("Dtor. de Sucursalismo"), QStringLiteral("Dtor. de Franquicia"),
        QStringLiteral("Dtor. de Marketing"), QStringLiteral("Dtor. de Perecederos")};
}

QStringList cargosConContactos()
{
    QStringList list = cargos();
    list.insert(2, kCargo1);
    list.insert(3, kCargo2);
    return list;
}

QStringList saludos()
{
    return {QString(), QStringLiteral("Sr."), QStringLiteral("Sra."), QStringLiteral("D."),
        QStringLiteral("Dña.")};
}

QString destinatario(const AttentionChoice& choice, const AttentionContacts& contacts)
{
    if (choice.cargo == kCargo1)
        return contactoOPuesto(contacts.contacto1, contacts.cargo1);
    if (choice.cargo == kCargo2)
        return contactoOPuesto(contacts.contacto2, contacts.cargo2);
    return choice.cargo;
}

QString linea(const AttentionChoice& choice, const AttentionContacts& contacts)
{
    if (choice.indiceCargo <= 0)
        return QString();
    const QString quien = destinatario(choice, contacts);
    if (quien.isEmpty())
        return QString();
    const QString nombre = choice.indiceCargo == 1 ? choice.textoLibre : quien;
    return QStringLiteral("Att. ") + choice.saludo + QLatin1Char(' ') + nombre;
}

} // namespace AttentionLine
