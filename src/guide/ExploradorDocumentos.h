#pragma once

#include <QString>
#include <QStringList>

// The documents filed for the sectors, as the guide's explorer lists them.
namespace ExploradorDocumentos {

struct Carpeta
{
    const char* raiz; // the tree's root node
    const char* ruta; // under the program's folder
};

// The eight folders in the order their trees are filled.
inline constexpr Carpeta kCarpetas[] = {
    {"Distribuidores", "\\DATA\\Files\\Distribuidores"},
    {"Principales", "\\DATA\\Files\\40 principales"},
    {"Catering", "\\DATA\\Files\\Catering"},
    {"Vending", "\\DATA\\Files\\Vending"},
    {"Franquicias", "\\DATA\\Files\\Franquicias"},
    {"Hoteles", "\\DATA\\Files\\Hoteles"},
    {"Escuelas", "\\DATA\\Files\\Escuelas"},
    {"Equipamientos", "\\DATA\\Files\\Equipamientos"},
};

// The name upper-cased without the spreadsheet and PDF extensions, wherever they stand.
QString textoVisible(const QString& nombre);

// "excel", "word" or "pdf" by the last extension; anything else shows as "pdf".
QString imagen(const QString& nombre);

// The picture of an image key.
QString picture(const QString& imagen);

// The files of a folder (not its sub-folders), in alphabetical order without regard to case; empty
// when the folder does not exist.
QStringList ficheros(const QString& carpeta);

} // namespace ExploradorDocumentos
