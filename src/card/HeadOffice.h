#pragma once

#include <QString>
#include <QVariant>
#include <memory>
#include <optional>

class Connection;
class Recordset;

// The head office of a point of sale, found by the key its `empresa_id` holds.
namespace HeadOffice {

// The link's caption: "(" + the head office's name + ")", empty when no company has that key; none
// when there is no key or the lookup fails.
std::optional<QString> textoEnlace(Connection* conexion, const QVariant& empresaId);

// The head office's record on a recordset of its own, positioned on it; none when it is not found.
std::unique_ptr<Recordset> abre(Connection* conexion, qint64 clave);

} // namespace HeadOffice
