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

// Where the catalogue's Spanish is wrong: an English word kept, a size named as another, a unit
// mistaken, a capital in mid-sentence.
constexpr Correction kCorrections[] = {
    {"QPrintSettingsOutput", "Page Set:", "Conjunto de páginas:"},
    {"QPrintDialog",
        "Options 'Pages Per Sheet' and 'Page Set' cannot be used together.\nPlease turn one of those options "
        "off.",
        "Las opciones «Páginas por hoja» y «Conjunto de páginas» no se pueden usar a la vez.\nDesactive "
        "una de ellas."},
    {"QPrintDialog", "Right to Left, Top to Bottom", "Derecha a izquierda, arriba a abajo"},
    {"QPageSize", "Architect D", "Arquitecto D"},
    {"QPageSize", "Custom (%1in x %2in)", "Personalizado (%1 pulg. x %2 pulg.)"},
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
