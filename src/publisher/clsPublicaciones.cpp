#include "publisher/clsPublicaciones.h"

#include "core/AppPaths.h"
#include "platform/os/DesktopOpener.h"
#include "platform/ui/ActiveLabel.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/mdMain.h"

#include <QDir>
#include <QLabel>
#include <QPixmap>

using namespace ScreenKit;

namespace {

const QColor kPagina = bgrColor(0xEAF3F6);
const QColor kAzul = bgrColor(0xFF0000);
const QString kMailPedidos = QStringLiteral("pedidos@korvan.example.es");
const QString kTelefono = QStringLiteral(" o al teléfono 91 555 23 41");
const QString kRevistaPdf = QStringLiteral("\\revistas\\Sendavo.pdf");

struct Ficha
{
    const char* grande800;
    const char* grande1024;
    std::initializer_list<const char*> parrafos;
};

// Indexed by clsPublicaciones::Publicacion.
const Ficha kFichas[] = {
    {"\\images\\ostralin800.jpg", "\\images\\ostralin1024.jpg",
        {"Publicación Anual.",
            "Detallistas, centrales de compra, autoservicios mayoristas y puntos de venta de toda España, "
            "ordenados por sectores.",
            "Con estudios económicos del mercado y de su evolución por comunidades autónomas."}},
    {"\\images\\pelvarin800.jpg", "\\images\\pelvarin1024.jpg",
        {"Publicación Anual.",
            "Miles de mayoristas de toda España, actualizados cada año y clasificados por sectores.",
            "Alimentación, bebidas, droguería y perfumería, hostelería, papelería, ferretería y bazar."}},
    {"\\images\\rasmelin800.jpg", "\\images\\rasmelin1024.jpg",
        {"Publicación Anual.",
            "Todos los mayoristas y detallistas de droguería y perfumería, con sus puntos de venta.",
            "Con estudios por comunidades autónomas y el ranking de las principales empresas del sector."}},
    {"\\images\\sendavo800.jpg", "\\images\\sendavo1024.jpg",
        {"Publicación quincenal.",
            "La actualidad de la distribución en alimentación, droguería y perfumería.",
            "Su sección Horeca sigue al canal de hostelería y restauración.",
            "Y publica ediciones especiales en las grandes ferias del sector."}},
    {"\\images\\tamberlo800.jpg", "\\images\\tamberlo1024.jpg",
        {"Publicación trimestral.",
            "Análisis, entrevistas e informes de mercado para la dirección de las empresas de "
            "distribución."}},
    {"\\images\\tarvesa800.jpg", "\\images\\tarvesa1024.jpg",
        {"Edición 2010, con CD incluido.",
            "Las empresas de la hostelería y sus proveedores, clasificadas por campo de actividad."}},
};

QString descripcion(int publicacion)
{
    QStringList parrafos;
    for (const char* parrafo : kFichas[publicacion].parrafos)
        parrafos.append(QString::fromUtf8(parrafo));
    return parrafos.join(QStringLiteral("\n\n"));
}

bool chica()
{
    return gVentanas().getResolucion() == 2;
}

// The image shows its file's picture at the picture's own size; false, and the image as it was, when the
// file cannot be read.
bool cargaImagen(QLabel* imagen, const QString& ruta)
{
    if (!imagen)
        return false;
    const QPixmap picture(AppPaths::localPath(gRutaApp + ruta));
    if (picture.isNull())
        return false;
    imagen->setPixmap(picture);
    const int marco = 2 * imagen->frameWidth();
    imagen->resize(picture.size() + QSize(marco, marco));
    return true;
}

void borde(QLabel* imagen, bool conBorde)
{
    if (!imagen)
        return;
    imagen->setFrameStyle(conBorde ? (QFrame::Box | QFrame::Plain) : QFrame::NoFrame);
    imagen->setLineWidth(1);
    const QSize picture = imagen->pixmap().isNull() ? QSize(0, 0) : imagen->pixmap().size();
    const int marco = 2 * imagen->frameWidth();
    imagen->resize(picture + QSize(marco, marco));
}

void miniatura(QLabel* imagen, const char* ruta, int left, int top)
{
    if (!imagen)
        return;
    borde(imagen, true);
    cargaImagen(imagen, QString::fromLatin1(ruta));
    imagen->setAlignment(Qt::AlignCenter);
    Twips::move(imagen, left, top);
    imagen->setCursor(Pictures::handCursor());
    imagen->show();
}

// A publication's title, beside its thumbnail and as high as the box it is given.
void rotulo(QLabel* label, const QWidget* imagen, int separacion, int width, int height, double size,
    bool bold, const QString& caption)
{
    if (!label)
        return;
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFontSize(label, size, bold);
    label->setText(caption);
    const int left = imagen ? Twips::left(imagen) + Twips::width(imagen) + separacion : separacion;
    Twips::place(label, left, imagen ? Twips::top(imagen) : 0, width, height);
    label->show();
}

void enlacePdf(
    QLabel* enlace, const QWidget* imagen, int separacion, int top, double size, const QString& caption)
{
    if (!enlace)
        return;
    enlace->setTextFormat(Qt::PlainText);
    QFont f = enlace->font();
    f.setPointSizeF(size);
    f.setBold(true);
    f.setUnderline(true);
    enlace->setFont(f);
    enlace->setText(caption);
    setTextColor(enlace, kAzul);
    enlace->setCursor(Pictures::handCursor());
    const int left = imagen ? Twips::left(imagen) + Twips::width(imagen) + separacion : separacion;
    Twips::place(enlace, left, top, 2600, 300);
    enlace->show();
}

void cajaTexto(QLabel* texto, int left, int top, int width, int height, double size, bool bold)
{
    if (!texto)
        return;
    texto->setTextFormat(Qt::PlainText);
    texto->setWordWrap(true);
    texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFont(texto, QStringLiteral("Arial"), size, bold);
    setTextColor(texto, Qt::black);
    Twips::place(texto, left, top, width, height);
    texto->show();
}

} // namespace

clsPublicaciones::clsPublicaciones()
{
    BusyPointer::Scope ocupado;
    PendingEvents::process();
    QWidget* form = gFormMenu.data();
    pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("publicaciones"));
    imgOstralin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ostralin"), pantalla);
    imgPelvarin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("guia"), pantalla);
    imgRasmelin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("rasmelin"), pantalla);
    imgRevista = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("revista"), pantalla);
    imgTamberlo = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("tamberlo"), pantalla);
    imgLibro = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("libro"), pantalla);
    texto = ControlRegistry::add<QLabel>(form, QStringLiteral("texto"), pantalla);
    lblMail = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail"), pantalla);
    lostralin = ControlRegistry::add<QLabel>(form, QStringLiteral("lostralin"), pantalla);
    lpelvarin = ControlRegistry::add<QLabel>(form, QStringLiteral("lpelvarin"), pantalla);
    lrasmelin = ControlRegistry::add<QLabel>(form, QStringLiteral("lrasmelin"), pantalla);
    lrevista = ControlRegistry::add<QLabel>(form, QStringLiteral("lrevista"), pantalla);
    ltamberlo = ControlRegistry::add<QLabel>(form, QStringLiteral("ltamberlo"), pantalla);
    llibro = ControlRegistry::add<QLabel>(form, QStringLiteral("llibro"), pantalla);
    revistagrande = ControlRegistry::add<QLabel>(form, QStringLiteral("revistagrande"), pantalla);
    titulo = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo"), pantalla);
    titulo2 = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo2"), pantalla);
    lblRevistaPDF = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("lrevistapdf"), pantalla);
    lblTamberloPDF = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ltamberlopdf"), pantalla);
    lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    const std::pair<ActiveLabel*, Publicacion> miniaturas[]
        = {{imgOstralin, Ostralin}, {imgPelvarin, Pelvarin}, {imgRasmelin, Rasmelin}, {imgRevista, Sendavo}};
    for (const auto& [imagen, publicacion] : miniaturas) {
        if (imagen) {
            QObject::connect(imagen, &ActiveLabel::mouseMoved, &m_contexto,
                [this, p = publicacion] { muestraPublicacion(p); });
        }
    }
    if (pantalla) {
        QObject::connect(pantalla, &PictureBox::mouseMoved, &m_contexto, [this] { pantalla_MouseMove(); });
        // The page's own background is this screen's, not the menu form's.
        pantalla->setAttribute(Qt::WA_NoMousePropagation);
    }
    if (lblRevistaPDF)
        QObject::connect(
            lblRevistaPDF, &ActiveLabel::released, &m_contexto, [this] { lblRevistaPDF_MouseUp(); });
    if (lblMail)
        QObject::connect(lblMail, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(); });

    gVentanas().colocaPantalla(pantalla);
    pintaContacto();
    if (chica())
        pintaPantalla800();
    else
        pintaPantalla();
    if (pantalla) {
        pantalla->setBackColor(kPagina);
        pantalla->show();
    }
}

clsPublicaciones::~clsPublicaciones()
{
    QWidget* form = gFormMenu.data();
    ControlRegistry::remove(form, QStringLiteral("publicaciones"));
    ControlRegistry::remove(form, QStringLiteral("lblBienvenidos"));
}

void clsPublicaciones::pintaContacto()
{
    const int top = (pantalla ? Twips::height(pantalla) : 0) - 400;
    int left = 100;
    const auto pieza = [&left, top](QLabel* label, const QString& caption, bool enlace) {
        if (!label)
            return;
        label->setTextFormat(Qt::PlainText);
        setFont(label, QStringLiteral("Arial"), 10, false, false, enlace);
        label->setText(caption);
        if (enlace) {
            setTextColor(label, kAzul);
            label->setCursor(Pictures::handCursor());
        }
        sizeToText(label);
        Twips::move(label, left, top);
        label->show();
        left = Twips::left(label) + Twips::width(label);
    };
    pieza(titulo, QStringLiteral("Para más información contactar con "), false);
    pieza(lblMail, kMailPedidos, true);
    pieza(titulo2, kTelefono, false);
}

void clsPublicaciones::pintaPantalla()
{
    miniatura(imgOstralin, "\\images\\ostralin00.jpg", 800, 500);
    if (lblBienvenidos) {
        setFont(lblBienvenidos, QStringLiteral("Arial"), 16, true);
        lblBienvenidos->setText(QStringLiteral("Nuestras publicaciones"));
        setTextColor(lblBienvenidos, Qt::black);
        sizeToText(lblBienvenidos);
        Twips::move(lblBienvenidos, 900, titleTop(gFormMenu));
        lblBienvenidos->show();
    }
    rotulo(lostralin, imgOstralin, 200, 2600, 1000, 10, true, QStringLiteral("Ostralin"));
    miniatura(imgPelvarin, "\\images\\pelvarin00.jpg", 800, 2500);
    rotulo(lpelvarin, imgPelvarin, 200, 2600, 1000, 10, true, QStringLiteral("Pelvarin"));
    miniatura(imgRasmelin, "\\images\\rasmelin00.jpg", 4000, 2500);
    rotulo(lrasmelin, imgRasmelin, 200, 2600, 1000, 10, true, QStringLiteral("Rasmelin"));
    miniatura(imgRevista, "\\images\\sendavo00.jpg", 4000, 500);
    rotulo(lrevista, imgRevista, 200, 2600, 300, 10, true, QStringLiteral("Sendavo"));
    enlacePdf(lblRevistaPDF, imgRevista, 200, (imgRevista ? Twips::top(imgRevista) : 500) + 350, 9,
        QStringLiteral("(Ver número en PDF)"));
    if (revistagrande) {
        borde(revistagrande, false);
        cargaImagen(revistagrande, QStringLiteral("\\images\\logo_nuevo.jpg"));
        Twips::move(revistagrande, 8100, 500);
        revistagrande->show();
    }
    cajaTexto(texto, 11000, 500, 3900, 4600, 11, true);
    // A title's box may reach the next column: the thumbnails stay on top, so the pointer finds them.
    for (QWidget* imagen : {imgOstralin, imgPelvarin, imgRasmelin, imgRevista}) {
        if (imagen)
            imagen->raise();
    }
    PendingEvents::process();
}

void clsPublicaciones::pintaPantalla800()
{
    // A picture that cannot be read leaves its place empty; the rest of the page is still laid out.
    if (lblBienvenidos) {
        setFont(lblBienvenidos, QStringLiteral("Arial"), 16, true);
        lblBienvenidos->setText(QStringLiteral("Principales publicaciones disponibles"));
        lblBienvenidos->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setTextColor(lblBienvenidos, Qt::black);
        // At this resolution the host is always "frmMenu": its name is not looked at.
        const int alto = Twips::fromPixels(lblBienvenidos->sizeHint().height());
        Twips::place(lblBienvenidos, 250, formHeight(gFormMenu) - 450, 7000, alto);
        lblBienvenidos->show();
    }
    miniatura(imgOstralin, "\\images\\ostralin00.jpg", 600, 200);
    rotulo(lostralin, imgOstralin, 100, 1300, 1000, 8, false, QStringLiteral("Ostralin"));
    miniatura(imgPelvarin, "\\images\\pelvarin00.jpg", 600, 1900);
    rotulo(lpelvarin, imgPelvarin, 100, 1300, 1000, 8, false, QStringLiteral("Quorvel"));
    miniatura(imgRasmelin, "\\images\\rasmelin00.jpg", 3000, 200);
    rotulo(lrasmelin, imgRasmelin, 100, 1300, 1000, 8, false, QStringLiteral("Rasmelin"));
    miniatura(imgRevista, "\\images\\sendavo00.jpg", 3000, 1900);
    rotulo(lrevista, imgRevista, 100, 1300, 550, 8, false, QStringLiteral("Sendavo"));
    enlacePdf(lblRevistaPDF, imgRevista, 100, (lrevista ? Twips::top(lrevista) : 1900) + 550, 8,
        QStringLiteral("(Ver revista)"));
    if (revistagrande) {
        borde(revistagrande, false);
        cargaImagen(revistagrande, QStringLiteral("\\images\\logo_nuevo800.jpg"));
        Twips::move(revistagrande, 6000, 300);
        revistagrande->show();
    }
    cajaTexto(texto, 8000, 320, 3500, 3000, 9, false);
    for (QWidget* imagen : {imgOstralin, imgPelvarin, imgRasmelin, imgRevista}) {
        if (imagen)
            imagen->raise();
    }
    PendingEvents::process();
}

void clsPublicaciones::muestraPublicacion(Publicacion publicacion)
{
    if (texto)
        texto->setText(descripcion(publicacion));
    const Ficha& ficha = kFichas[publicacion];
    cargaImagen(revistagrande, QString::fromLatin1(chica() ? ficha.grande800 : ficha.grande1024));
    borde(revistagrande, true);
}

void clsPublicaciones::pantalla_MouseMove()
{
    if (texto)
        texto->setText(QString());
    cargaImagen(revistagrande,
        chica() ? QStringLiteral("\\images\\logo_nuevo800.jpg") : QStringLiteral("\\images\\logo_nuevo.jpg"));
    borde(revistagrande, false);
}

void clsPublicaciones::lblRevistaPDF_MouseUp()
{
    if (DesktopOpener::openDocument(AppPaths::localPath(gRutaApp + kRevistaPdf)))
        return;
    DialogService::message(
        QStringLiteral("No se ha podido abrir el número de Sendavo en PDF (%1). Compruebe que "
                       "el archivo está en la carpeta del programa y que tiene instalado un "
                       "lector de documentos PDF.")
            .arg(QDir::toNativeSeparators(
                QString(kRevistaPdf.mid(1)).replace(QLatin1Char('\\'), QLatin1Char('/')))),
        DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
}

void clsPublicaciones::lblMail_Click()
{
    BusyPointer::Scope ocupado;
    clsWeb web;
    // A copy: the "mailto:" the opener adds never reaches the label.
    QString destino = lblMail ? lblMail->text() : QString();
    web.AbreMail(destino);
}
