#include "shell/QtSpanish.h"

#include <QLibraryInfo>
#include <QLocale>

namespace {

struct Completion
{
    const char* source;
    const char* spanish;
};

// Texts of the print dialog, its properties and its messages that the catalogue lacks.
constexpr Completion kPrintDialog[] = {
    {"Pages", "Páginas"},
    {"Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a "
     "hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.",
        "Escriba páginas o intervalos separados por comas; un intervalo son dos números unidos por un "
        "guion. Por ejemplo, 3,5-7,9 imprime las páginas 3, 5, 6, 7 y 9."},
    {"Double Sided Printing", "Impresión a doble cara"},
    {"Off", "Desactivada"},
    {"Long side binding", "Encuadernación por el lado largo"},
    {"Short side binding", "Encuadernación por el lado corto"},
    {"Advanced", "Avanzado"},
    {"There are conflicts in some options. Please fix them.",
        "Algunas opciones no se pueden usar juntas. Corríjalas."},
    {"Invalid Pages Definition", "Páginas no válidas"},
    {"%1 does not follow the correct syntax. Please use ',' to separate ranges and pages, '-' to define "
     "ranges and make sure ranges do not intersect with each other.",
        "%1 no está bien escrito. Separe las páginas y los intervalos con ',', escriba cada intervalo con "
        "'-' y compruebe que los intervalos no se solapan."},
    {"Duplex Settings Conflicts", "Opciones de doble cara incompatibles"},
    {"There are conflicts in duplex settings. Do you want to fix them?",
        "Las opciones de doble cara no se pueden usar juntas. ¿Desea corregirlas?"},
    {"Page Setup Conflicts", "Opciones de página incompatibles"},
    {"There are conflicts in page setup options. Do you want to fix them?",
        "Las opciones de página no se pueden usar juntas. ¿Desea corregirlas?"},
    {"Advanced Option Conflicts", "Opciones avanzadas incompatibles"},
    {"There are conflicts in some advanced options. Do you want to fix them?",
        "Algunas opciones avanzadas no se pueden usar juntas. ¿Desea corregirlas?"},
};

struct Correction
{
    const char* context;
    const char* source;
    const char* spanish;
};

// Where the catalogue's Spanish is wrong: an English word kept, a word translated literally, a size
// named as another, a unit mistaken, a capital in mid-sentence, an accent missing, "fichero" beside
// "archivo".
constexpr Correction kCorrections[] = {
    {"QPrintWidget", "Output &file:", "&Archivo de salida:"},
    {"QPrintDialog", "Print To File ...", "Imprimir a archivo..."},
    {"QPrintDialog", "%1 is a directory.\nPlease choose a different file name.",
        "%1 es una carpeta.\nElija otro nombre de archivo."},
    {"QPrintDialog", "File %1 is not writable.\nPlease choose a different file name.",
        "No se puede escribir en el archivo %1.\nElija otro nombre de archivo."},
    {"QPrintDialog", "%1 already exists.\nDo you want to overwrite it?",
        "%1 ya existe.\n¿Desea reemplazarlo?"},
    {"QPrintSettingsOutput", "Print range", "Intervalo de impresión"},
    {"QPrintSettingsOutput", "to", "hasta"},
    {"QPrintDialog", "The 'From' value cannot be greater than the 'To' value.",
        "El valor «desde» no puede ser mayor que el valor «hasta»."},
    {"QPrintSettingsOutput", "Current Page", "Página actual"},
    {"QPrintSettingsOutput", "Collate", "Intercalar"},
    {"QPrintSettingsOutput", "Reverse", "Orden inverso"},
    {"QPrintSettingsOutput", "Page Set:", "Conjunto de páginas:"},
    {"QPrintDialog",
        "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options "
        "off.",
        "Las opciones «Páginas por hoja» y «Conjunto de páginas» no se pueden usar a la vez.\nDesactive "
        "una de ellas."},
    {"QPrintPropertiesDialog", "Printer Properties", "Propiedades de la impresora"},
    {"QPrintPropertiesDialog", "Job Options", "Opciones del trabajo"},
    {"QCupsJobWidget", "Job Control", "Control del trabajo"},
    {"QCupsJobWidget", "Hold Indefinitely", "Retener indefinidamente"},
    // A work shift is a "turno"; days of the week take no capital.
    {"QCupsJobWidget", "Second Shift (16:00 to 23:59)", "Segundo turno (16:00 a 23:59)"},
    {"QCupsJobWidget", "Third Shift (00:00 to 07:59)", "Tercer turno (00:00 a 07:59)"},
    {"QCupsJobWidget", "Weekend (Saturday to Sunday)", "Fin de semana (sábado a domingo)"},
    // "De arriba abajo", not "arriba a abajo".
    {"QPrintDialog", "Left to Right, Top to Bottom", "De izquierda a derecha, de arriba abajo"},
    {"QPrintDialog", "Left to Right, Bottom to Top", "De izquierda a derecha, de abajo arriba"},
    {"QPrintDialog", "Right to Left, Bottom to Top", "De derecha a izquierda, de abajo arriba"},
    {"QPrintDialog", "Right to Left, Top to Bottom", "De derecha a izquierda, de arriba abajo"},
    {"QPrintDialog", "Bottom to Top, Left to Right", "De abajo arriba, de izquierda a derecha"},
    {"QPrintDialog", "Bottom to Top, Right to Left", "De abajo arriba, de derecha a izquierda"},
    {"QPrintDialog", "Top to Bottom, Left to Right", "De arriba abajo, de izquierda a derecha"},
    {"QPrintDialog", "Top to Bottom, Right to Left", "De arriba abajo, de derecha a izquierda"},
    // Units after the number, apart from it; an inch is "pulg.".
    {"QPageSetupWidget", "Inches (in)", "Pulgadas (pulg.)"},
    {"QPageSetupWidget", "Cicero (CC)", "Cícero (CC)"},
    {"QPageSetupWidget", "mm", " mm"},
    {"QPageSetupWidget", "pt", " pt"},
    {"QPageSetupWidget", "in", " pulg."},
    {"QPageSetupWidget", "P̸", " P̸"},
    {"QPageSetupWidget", "DD", " DD"},
    {"QPageSetupWidget", "CC", " CC"},
    // Sizes in inches with a decimal comma; %L writes a number in the program's (Spanish) locale.
    {"QPageSize", "%1 x %2 in", "%1 x %2 pulg."},
    {"QPageSize", "Custom (%1in x %2in)", "Personalizado (%L1 x %L2 pulg.)"},
    {"QPageSize", "Custom (%1mm x %2mm)", "Personalizado (%L1 x %L2 mm)"},
    {"QPageSize", "Custom (%1pt x %2pt)", "Personalizado (%L1 x %L2 pt)"},
    {"QPageSize", "Custom (%1pc x %2pc)", "Personalizado (%L1 x %L2 pc)"},
    {"QPageSize", "Custom (%1DD x %2DD)", "Personalizado (%L1 x %L2 DD)"},
    {"QPageSize", "Custom (%1CC x %2CC)", "Personalizado (%L1 x %L2 CC)"},
    {"QPageSize", "Executive (7.5 x 10 in)", "Ejecutivo (7,5 x 10 pulg.)"},
    {"QPageSize", "Executive (7.25 x 10.5 in)", "Ejecutivo (7,25 x 10,5 pulg.)"},
    {"QPageSize", "Folio (8.27 x 13 in)", "Folio (8,27 x 13 pulg.)"},
    // Continuous (fan-fold) paper is "papel continuo".
    {"QPageSize", "Fan-fold US (14.875 x 11 in)", "Papel continuo EE. UU. (14,875 x 11 pulg.)"},
    {"QPageSize", "Fan-fold German (8.5 x 12 in)", "Papel continuo alemán (8,5 x 12 pulg.)"},
    {"QPageSize", "Fan-fold German Legal (8.5 x 13 in)", "Papel continuo alemán legal (8,5 x 13 pulg.)"},
    {"QPageSize", "Quarto", "Cuarto"},
    // Statement, 5.5 x 8.5 in: half a letter sheet.
    {"QPageSize", "Statement", "Media carta"},
    {"QPageSize", "Architect D", "Arquitecto D"},
    {"QPageSize", "A4 Small", "A4 pequeño"},
    {"QPageSize", "Envelope Italian", "Sobre italiano"},
    {"QPageSize", "Envelope Chou 3", "Sobre Chou 3"},
    {"QPageSize", "Envelope Chou 4", "Sobre Chou 4"},
    {"QPageSize", "Envelope US 9", "Sobre EE. UU. 9"},
    {"QPageSize", "Envelope US 10", "Sobre EE. UU. 10"},
    {"QPageSize", "Envelope US 11", "Sobre EE. UU. 11"},
    {"QPageSize", "Envelope US 12", "Sobre EE. UU. 12"},
    {"QPageSize", "Envelope US 14", "Sobre EE. UU. 14"},
    // The file chooser of "Imprimir a archivo" says "archivo" and "carpeta", as the rest of the program.
    {"QFileDialog", "File &name:", "&Nombre de archivo:"},
    {"QFileDialog", "Files of type:", "Archivos de tipo:"},
    {"QFileDialog", "All Files (*)", "Todos los archivos (*)"},
    {"QFileDialog", "Directory:", "Carpeta:"},
    {"QFileDialog", "Show &hidden files", "Mostrar los arc&hivos ocultos"},
    {"QFileDialog", "%1 already exists.\nDo you want to replace it?",
        "El archivo %1 ya existe.\n¿Desea reemplazarlo?"},
    {"QFileDialog", "%1\nFile not found.\nPlease verify the correct file name was given.",
        "%1\nNo se encuentra el archivo.\nCompruebe que su nombre es correcto."},
    {"QFileDialog", "%1\nDirectory not found.\nPlease verify the correct directory name was given.",
        "%1\nNo se encuentra la carpeta.\nCompruebe que su nombre es correcto."},
    {"QFileDialog", "Could not delete directory.", "No se pudo borrar la carpeta."},
    {"QFileDialog", "Parent Directory", "Carpeta superior"},
    {"QFileDialog", "Go to the parent directory", "Ir a la carpeta superior"},
    {"QFileDialog", "Find Directory", "Buscar carpeta"},
    {"QFileDialog", "Directories", "Carpetas"},
    {"QFileDialog", "File Folder", "Carpeta de archivos"},
    {"QFileSystemModel", "Invalid filename", "Nombre de archivo no válido"},
    {"QFileSystemModel", "My Computer", "Mi equipo"},
};

// The file chooser of "Imprimir a archivo" names the kinds of its entries.
constexpr Completion kFileKinds[] = {
    {"Folder", "Carpeta"},
    {"Drive", "Unidad"},
    {"Unknown", "Desconocido"},
};

bool isPrintDialog(const QByteArrayView context)
{
    return context.startsWith("QPrint") || context.startsWith("QUnixPrint")
        || context.startsWith("QPageSetup") || context.startsWith("QCups") || context.startsWith("QPPD");
}

template<size_t N> QString find(const Completion (&table)[N], const QByteArrayView source)
{
    for (const Completion& c : table) {
        if (source == c.source)
            return QString::fromUtf8(c.spanish);
    }
    return QString();
}

} // namespace

QtSpanish::QtSpanish(QObject* parent)
    : QTranslator(parent)
{
}

bool QtSpanish::loadCatalogue()
{
    return m_catalogue.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
        QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString QtSpanish::translate(
    const char* context, const char* sourceText, const char* disambiguation, int n) const
{
    if (context && sourceText) {
        for (const Correction& c : kCorrections) {
            if (QByteArrayView(context) == c.context && QByteArrayView(sourceText) == c.source)
                return QString::fromUtf8(c.spanish);
        }
    }
    const QString translated = m_catalogue.translate(context, sourceText, disambiguation, n);
    if (!translated.isEmpty() || !context || !sourceText)
        return translated;
    const QByteArrayView where(context);
    if (isPrintDialog(where))
        return find(kPrintDialog, sourceText);
    if (where == "QAbstractFileIconProvider")
        return find(kFileKinds, sourceText);
    return QString();
}
