#include "resources/PictureCatalog.h"

#include "resources/BackgroundPainter.h"
#include "resources/BannerPainter.h"
#include "resources/FacePainter.h"
#include "resources/GlyphPainter.h"
#include "resources/PictureStyle.h"

#include <QPainter>

namespace {

using enum PictureKind;
using enum PictureFace;

// Menu buttons: the roll-over face has the R after "BOTON_", as the menu form names them.
const PictureSpec kPictures[] = {
    {"BOTON_EMPRESA_800", {76, 36}, CaptionButton, Normal, "Empresa"},
    {"BOTON_REMPRESA_800", {76, 36}, CaptionButton, Rollover, "Empresa"},
    {"BOTON_EMPRESA_1024", {97, 45}, CaptionButton, Normal, "Empresa"},
    {"BOTON_REMPRESA_1024", {97, 45}, CaptionButton, Rollover, "Empresa"},
    {"BOTON_GUIA_800", {116, 36}, CaptionButton, Normal, "Guía de Empresas"},
    {"BOTON_RGUIA_800", {116, 36}, CaptionButton, Rollover, "Guía de Empresas"},
    {"BOTON_GUIA_1024", {148, 45}, CaptionButton, Normal, "Guía de Empresas"},
    {"BOTON_RGUIA_1024", {148, 45}, CaptionButton, Rollover, "Guía de Empresas"},
    {"BOTON_RANKING_800", {106, 36}, CaptionButton, Normal, "Ranking"},
    {"BOTON_RRANKING_800", {106, 36}, CaptionButton, Rollover, "Ranking"},
    {"BOTON_RANKING_1024", {135, 45}, CaptionButton, Normal, "Ranking"},
    {"BOTON_RRANKING_1024", {135, 45}, CaptionButton, Rollover, "Ranking"},
    {"BOTON_PUBLI_800", {103, 36}, CaptionButton, Normal, "Publicaciones"},
    {"BOTON_RPUBLI_800", {103, 36}, CaptionButton, Rollover, "Publicaciones"},
    {"BOTON_PUBLI_1024", {132, 45}, CaptionButton, Normal, "Publicaciones"},
    {"BOTON_RPUBLI_1024", {132, 45}, CaptionButton, Rollover, "Publicaciones"},
    {"BOTON_BUSCAR_800", {51, 36}, CaptionButton, Normal, "Buscar"},
    {"BOTON_RBUSCAR_800", {51, 36}, CaptionButton, Rollover, "Buscar"},
    {"BOTON_BUSCAR_1024", {67, 45}, CaptionButton, Normal, "Buscar"},
    {"BOTON_RBUSCAR_1024", {67, 45}, CaptionButton, Rollover, "Buscar"},
    {"BOTON_AYUDA_800", {82, 37}, CaptionButton, Normal, "Ayuda"},
    {"BOTON_RAYUDA_800", {82, 37}, CaptionButton, Rollover, "Ayuda"},
    {"BOTON_AYUDA_1024", {105, 47}, CaptionButton, Normal, "Ayuda"},
    {"BOTON_RAYUDA_1024", {105, 47}, CaptionButton, Rollover, "Ayuda"},
    {"BOTON_SALIR_800", {59, 37}, CaptionButton, Normal, "Salir"},
    {"BOTON_RSALIR_800", {59, 37}, CaptionButton, Rollover, "Salir"},
    {"BOTON_SALIR_1024", {75, 47}, CaptionButton, Normal, "Salir"},
    {"BOTON_RSALIR_1024", {75, 47}, CaptionButton, Rollover, "Salir"},

    {"IMPRIMIR", {31, 31}, PrinterButton, Normal, ""},
    {"RIMPRIMIR", {31, 31}, PrinterButton, Rollover, ""},
    // The print preview's configure button.
    {"CONFIGURAR", {32, 31}, ToolButton, Normal, "configurar"},
    {"RCONFIGURAR", {32, 31}, ToolButton, Rollover, "configurar"},
    {"DCONFIGURAR", {32, 31}, ToolButton, Disabled, "configurar"},

    // The guide's document explorer: its folders and the kinds of file it lists.
    {"CARPETA", {25, 25}, FolderIcon, Normal, ""},
    {"PDF", {20, 20}, FileIcon, Normal, "PDF"},
    {"EXCEL", {20, 20}, FileIcon, Normal, "XLS"},
    {"WORD", {20, 20}, FileIcon, Normal, "DOC"},

    // The company guide's toolbar.
    {"FICHA", {30, 30}, ToolButton, Normal, "ficha"},
    {"RFICHA", {30, 30}, ToolButton, Rollover, "ficha"},
    {"EXPORTAR", {31, 31}, ToolButton, Normal, "exportar"},
    {"REXPORTAR", {31, 31}, ToolButton, Rollover, "exportar"},
    {"ORDENAR", {35, 32}, ToolButton, Normal, "ordenar"},
    {"RORDENAR", {35, 32}, ToolButton, Rollover, "ordenar"},
    {"TODOS", {30, 30}, ToolButton, Normal, "todos"},
    {"RTODOS", {30, 30}, ToolButton, Rollover, "todos"},
    {"FICHEROS", {29, 29}, ToolButton, Normal, "ficheros"},
    {"RFICHEROS", {29, 29}, ToolButton, Rollover, "ficheros"},
    {"AYUDA", {26, 38}, ToolButton, Normal, "ayuda"},
    {"RAYUDA", {26, 38}, ToolButton, Rollover, "ayuda"},
    {"LISTADOS", {30, 30}, ToolButton, Normal, "listados"},
    {"RLISTADOS", {30, 30}, ToolButton, Rollover, "listados"},
    {"SOBRES", {30, 30}, ToolButton, Normal, "sobres"},
    {"RSOBRES", {30, 30}, ToolButton, Rollover, "sobres"},
    {"ETIQUETAS", {31, 30}, ToolButton, Normal, "etiquetas"},
    {"RETIQUETAS", {31, 30}, ToolButton, Rollover, "etiquetas"},
    {"VERSEL", {31, 31}, ToolButton, Normal, "versel"},
    {"RVERSEL", {31, 31}, ToolButton, Rollover, "versel"},
    {"DESMARCAR", {31, 31}, ToolButton, Normal, "desmarcar"},
    {"RDESMARCAR", {31, 31}, ToolButton, Rollover, "desmarcar"},

    // The screen now shown, on the menu form.
    {"EMPRESA800", {400, 40}, TitleBand, Normal, "La Empresa"},
    {"EMPRESA1024", {500, 48}, TitleBand, Normal, "La Empresa"},
    {"GUIA800", {400, 40}, TitleBand, Normal, "Guía de Empresas"},
    {"GUIA1024", {500, 48}, TitleBand, Normal, "Guía de Empresas"},
    {"RANKING800", {400, 40}, TitleBand, Normal, "Ranking del Sector"},
    {"RANKING1024", {500, 48}, TitleBand, Normal, "Ranking del Sector"},
    {"PUBLI800", {400, 40}, TitleBand, Normal, "Publicaciones"},
    {"PUBLI1024", {500, 48}, TitleBand, Normal, "Publicaciones"},

    {"SPLASH", {505, 194}, Splash, Normal, "TARVESA 2010\nGuía de empresas de la hostelería"},
    {"TRABAJANDO", {225, 125}, Working, Normal, "TRABAJANDO"},
    {"MANO", {32, 32}, HandPointer, Normal, ""},
    {"ICONO24", {24, 24}, ProductIcon, Normal, ""},
    {"ICONO32", {32, 32}, ProductIcon, Normal, ""},
    {"FONDO800", {800, 600}, MenuBackground, Normal, "TARVESA 2010\nGuía de empresas de la hostelería"},
    {"FONDO1024", {1024, 768}, MenuBackground, Normal, "TARVESA 2010\nGuía de empresas de la hostelería"},

    // The search form: its page with the title band, and its three buttons.
    {"FONDO_BUSCAR", {489, 369}, DialogBackground, Normal, "Buscar"},
    {"ACEPTAR", {31, 31}, AcceptButton, Normal, ""},
    {"RACEPTAR", {31, 31}, AcceptButton, Rollover, ""},
    {"CANCELAR", {31, 31}, CancelButton, Normal, ""},
    {"RCANCELAR", {31, 31}, CancelButton, Rollover, ""},
    {"AYUDA2", {26, 38}, HelpButton, Normal, ""},
    {"RAYUDA2", {26, 38}, HelpButton, Rollover, ""},

    // The record card: its page, and the keys that page through the companies.
    {"FONDO_FICHA", {677, 607}, DialogBackground, Normal, "Ficha de Empresa"},
    {"ANTERIOR", {34, 30}, ArrowButton, Normal, "<"},
    {"RANTERIOR", {34, 30}, ArrowButton, Rollover, "<"},
    {"DANTERIOR", {34, 30}, ArrowButton, Disabled, "<"},
    {"SIGUIENTE", {34, 30}, ArrowButton, Normal, ">"},
    {"RSIGUIENTE", {34, 30}, ArrowButton, Rollover, ">"},
    {"DSIGUIENTE", {34, 30}, ArrowButton, Disabled, ">"},

    // The publisher's pages: the arrows over "Anterior" and "Siguiente".
    {"ANTERIOR2", {30, 26}, ArrowButton, Normal, "<"},
    {"RANTERIOR2", {30, 26}, ArrowButton, Rollover, "<"},
    {"DANTERIOR2", {30, 26}, ArrowButton, Disabled, "<"},
    {"SIGUIENTE2", {30, 26}, ArrowButton, Normal, ">"},
    {"RSIGUIENTE2", {30, 26}, ArrowButton, Rollover, ">"},
    {"DSIGUIENTE2", {30, 26}, ArrowButton, Disabled, ">"},
    // The rankings screen's two mode switches.
    {"GRUPO", {72, 24}, CaptionButton, Normal, "Sectores"},
    {"RGRUPO", {72, 24}, CaptionButton, Rollover, "Sectores"},
    {"RANKING", {72, 24}, CaptionButton, Normal, "Ranking"},
    {"RRANKING", {72, 24}, CaptionButton, Rollover, "Ranking"},

    // The listing's field chooser: its page and its check boxes; the logo of the printed listing.
    {"FONDO_LISTADO", {399, 347}, CompactDialogBackground, Normal, "Campos del listado"},
    {"CASILLA", {24, 24}, CheckBox, Normal, ""},
    {"CASILLA_MARCADA", {24, 24}, CheckBox, Normal, "x"},
    {"LOGOKORVAN", {170, 60}, ReportLogo, Normal, ""},
    // The export dialog: its page and its three formats, a grey copy on the chosen one.
    {"FONDO_EXPORTAR", {399, 272}, FramedDialogBackground, Normal, "Exportar"},
    {"ICOEXCEL", {28, 28}, FormatIcon, Normal, "XLS"},
    {"MICOEXCEL", {28, 28}, FormatIcon, Disabled, "XLS"},
    {"ICOWORD", {28, 28}, FormatIcon, Normal, "DOC"},
    {"MICOWORD", {28, 28}, FormatIcon, Disabled, "DOC"},
    {"ICOTEXTO", {19, 29}, FormatIcon, Normal, "TXT"},
    {"MICOTEXTO", {19, 29}, FormatIcon, Disabled, "TXT"},

    // The sort dialog: its page and the two directions; the "M" faces mark the chosen one.
    {"FONDO_ORDENAR", {399, 272}, FramedDialogBackground, Normal, "Ordenar"},
    {"ASCENDENTE", {30, 34}, DirectionButton, Normal, "^"},
    {"RASCENDENTE", {30, 34}, DirectionButton, Rollover, "^"},
    {"DASCENDENTE", {30, 34}, DirectionButton, Disabled, "^"},
    {"DESCENDENTE", {30, 34}, DirectionButton, Normal, "v"},
    {"RDESCENDENTE", {30, 34}, DirectionButton, Rollover, "v"},
    {"DDESCENDENTE", {30, 34}, DirectionButton, Disabled, "v"},
    {"MASCENDENTE", {30, 34}, DirectionButton, Normal, "^*"},
    {"RMASCENDENTE", {30, 34}, DirectionButton, Rollover, "^*"},
    {"DMASCENDENTE", {30, 34}, DirectionButton, Disabled, "^*"},
    {"MDESCENDENTE", {30, 34}, DirectionButton, Normal, "v*"},
    {"RMDESCENDENTE", {30, 34}, DirectionButton, Rollover, "v*"},
    {"DMDESCENDENTE", {30, 34}, DirectionButton, Disabled, "v*"},
};

bool isOpaque(PictureKind kind)
{
    return kind == TitleBand || kind == Splash || kind == Working || kind == MenuBackground
        || kind == DialogBackground || kind == CompactDialogBackground || kind == ReportLogo
        || kind == FramedDialogBackground;
}

} // namespace

const PictureCatalog& PictureCatalog::instance()
{
    static const PictureCatalog catalog;
    return catalog;
}

PictureCatalog::PictureCatalog()
{
    for (const PictureSpec& spec : kPictures) {
        Q_ASSERT(!m_byName.contains(QString::fromLatin1(spec.name).toUpper()));
        m_byName.insert(QString::fromLatin1(spec.name).toUpper(), &spec);
    }
}

const PictureSpec* PictureCatalog::find(const QString& name) const
{
    return m_byName.value(name.toUpper(), nullptr);
}

QStringList PictureCatalog::names() const
{
    QStringList list;
    for (const PictureSpec& spec : kPictures)
        list.append(QString::fromLatin1(spec.name));
    return list;
}

QImage PictureCatalog::render(const PictureSpec& spec)
{
    QImage image = PictureStyle::canvas(spec.size, isOpaque(spec.kind));
    const QRectF rect(QPointF(0, 0), QSizeF(spec.size));
    const QString caption = QString::fromUtf8(spec.caption);
    const QString firstLine = caption.section(QLatin1Char('\n'), 0, 0);
    const QString secondLine = caption.section(QLatin1Char('\n'), 1);
    QPainter painter(&image);
    PictureStyle::prepare(painter);
    switch (spec.kind) {
    case CaptionButton:
        FacePainter(painter, spec.face).captionButton(rect, caption);
        break;
    case PrinterButton:
        FacePainter(painter, spec.face).printerButton(rect);
        break;
    case ToolButton:
        FacePainter(painter, spec.face).toolButton(rect, caption);
        break;
    case TitleBand:
        BannerPainter(painter).titleBand(rect, caption);
        break;
    case Splash:
        BannerPainter(painter).splash(rect, firstLine, secondLine);
        break;
    case Working:
        BannerPainter(painter).working(rect, caption);
        break;
    case HandPointer:
        GlyphPainter(painter).hand(rect);
        break;
    case FileIcon:
        GlyphPainter(painter).fileIcon(rect, caption);
        break;
    case FolderIcon:
        GlyphPainter(painter).folder(rect);
        break;
    case ProductIcon:
        BannerPainter(painter).productIcon(rect);
        break;
    case MenuBackground:
        BackgroundPainter(painter).menu(spec.size, firstLine, secondLine);
        break;
    case AcceptButton:
        FacePainter(painter, spec.face).acceptButton(rect);
        break;
    case CancelButton:
        FacePainter(painter, spec.face).cancelButton(rect);
        break;
    case HelpButton:
        FacePainter(painter, spec.face).helpButton(rect);
        break;
    case DialogBackground:
        BannerPainter(painter).dialogBackground(rect, caption);
        break;
    case CompactDialogBackground:
        BannerPainter(painter).dialogBackground(rect, caption, 46);
        break;
    case ArrowButton:
        FacePainter(painter, spec.face).arrowButton(rect, caption == QLatin1String("<"));
        break;
    case CheckBox:
        FacePainter(painter, spec.face).checkBox(rect, !caption.isEmpty());
        break;
    case ReportLogo:
        BannerPainter(painter).reportLogo(rect);
        break;
    case FramedDialogBackground:
        BannerPainter(painter).framedDialogBackground(rect, caption);
        break;
    case FormatIcon:
        GlyphPainter(painter).formatIcon(rect, caption);
        break;
    case DirectionButton:
        FacePainter(painter, spec.face)
            .directionButton(rect, caption.startsWith(QLatin1Char('^')), caption.endsWith(QLatin1Char('*')));
        break;
    }
    painter.end();
    // Buttons draw their own disabled face; any other picture is greyed as a whole.
    if (spec.face == Disabled && spec.kind != CaptionButton && spec.kind != PrinterButton
        && spec.kind != AcceptButton && spec.kind != CancelButton && spec.kind != HelpButton
        && spec.kind != DirectionButton)
        PictureStyle::greyOut(image);
    return image;
}
