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

struct PublicationPage
{
    const char* grande800;
    const char* grande1024;
    std::initializer_list<const char*> parrafos;
};

// Indexed by clsPublicaciones::Publicacion.
const PublicationPage kFichas[] = {
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
    m_pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("publicaciones"));
    m_imgOstralin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ostralin"), m_pantalla);
    m_imgPelvarin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("guia"), m_pantalla);
    m_imgRasmelin = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("rasmelin"), m_pantalla);
    m_imgRevista = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("revista"), m_pantalla);
    m_imgTamberlo = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("tamberlo"), m_pantalla);
    m_imgLibro = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("libro"), m_pantalla);
    m_texto = ControlRegistry::add<QLabel>(form, QStringLiteral("texto"), m_pantalla);
    m_lblMail = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail"), m_pantalla);
    m_lostralin = ControlRegistry::add<QLabel>(form, QStringLiteral("lostralin"), m_pantalla);
    m_lpelvarin = ControlRegistry::add<QLabel>(form, QStringLiteral("lpelvarin"), m_pantalla);
    m_lrasmelin = ControlRegistry::add<QLabel>(form, QStringLiteral("lrasmelin"), m_pantalla);
    m_lrevista = ControlRegistry::add<QLabel>(form, QStringLiteral("lrevista"), m_pantalla);
    m_ltamberlo = ControlRegistry::add<QLabel>(form, QStringLiteral("ltamberlo"), m_pantalla);
    m_llibro = ControlRegistry::add<QLabel>(form, QStringLiteral("llibro"), m_pantalla);
    m_revistagrande = ControlRegistry::add<QLabel>(form, QStringLiteral("revistagrande"), m_pantalla);
    m_titulo = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo"), m_pantalla);
    m_titulo2 = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo2"), m_pantalla);
    m_lblRevistaPDF = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("lrevistapdf"), m_pantalla);
    m_lblTamberloPDF = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ltamberlopdf"), m_pantalla);
    m_lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    const std::pair<ActiveLabel*, Publicacion> miniaturas[] = {{m_imgOstralin, Ostralin},
        {m_imgPelvarin, Pelvarin}, {m_imgRasmelin, Rasmelin}, {m_imgRevista, Sendavo}};
    for (const auto& [imagen, publicacion] : miniaturas) {
        if (imagen) {
            QObject::connect(imagen, &ActiveLabel::mouseMoved, &m_contexto,
                [this, p = publicacion] { muestraPublicacion(p); });
        }
    }
    if (m_pantalla) {
        QObject::connect(m_pantalla, &PictureBox::mouseMoved, &m_contexto, [this] { pantalla_MouseMove(); });
        // The page's own background is this screen's, not the menu form's.
        m_pantalla->setAttribute(Qt::WA_NoMousePropagation);
    }
    if (m_lblRevistaPDF)
        QObject::connect(
            m_lblRevistaPDF, &ActiveLabel::releasedOver, &m_contexto, [this] { lblRevistaPDF_MouseUp(); });
    if (m_lblMail)
        QObject::connect(m_lblMail, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(); });

    gVentanas().colocaPantalla(m_pantalla);
    pintaContacto();
    if (chica())
        pintaPantalla800();
    else
        pintaPantalla();
    if (m_pantalla) {
        m_pantalla->setBackColor(kPagina);
        m_pantalla->show();
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
    const int top = (m_pantalla ? Twips::height(m_pantalla) : 0) - 400;
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
    pieza(m_titulo, QStringLiteral("Para más información contactar con "), false);
    pieza(m_lblMail, kMailPedidos, true);
    pieza(m_titulo2, kTelefono, false);
}

void clsPublicaciones::pintaPantalla()
{
    miniatura(m_imgOstralin, "\\images\\ostralin00.jpg", 800, 500);
    if (m_lblBienvenidos) {
        setFont(m_lblBienvenidos, QStringLiteral("Arial"), 16, true);
        m_lblBienvenidos->setText(QStringLiteral("Nuestras publicaciones"));
        setTextColor(m_lblBienvenidos, Qt::black);
        sizeToText(m_lblBienvenidos);
        Twips::move(m_lblBienvenidos, 900, titleTop(gFormMenu));
        m_lblBienvenidos->show();
    }
    rotulo(m_lostralin, m_imgOstralin, 200, 2600, 1000, 10, true, QStringLiteral("Ostralin"));
    miniatura(m_imgPelvarin, "\\images\\pelvarin00.jpg", 800, 2500);
    rotulo(m_lpelvarin, m_imgPelvarin, 200, 2600, 1000, 10, true, QStringLiteral("Pelvarin"));
    miniatura(m_imgRasmelin, "\\images\\rasmelin00.jpg", 4000, 2500);
    rotulo(m_lrasmelin, m_imgRasmelin, 200, 2600, 1000, 10, true, QStringLiteral("Rasmelin"));
    miniatura(m_imgRevista, "\\images\\sendavo00.jpg", 4000, 500);
    rotulo(m_lrevista, m_imgRevista, 200, 2600, 300, 10, true, QStringLiteral("Sendavo"));
    enlacePdf(m_lblRevistaPDF, m_imgRevista, 200, (m_imgRevista ? Twips::top(m_imgRevista) : 500) + 350, 9,
        QStringLiteral("(Ver número en PDF)"));
    if (m_revistagrande) {
        borde(m_revistagrande, false);
        cargaImagen(m_revistagrande, QStringLiteral("\\images\\logo_nuevo.jpg"));
        Twips::move(m_revistagrande, 8100, 500);
        m_revistagrande->show();
    }
    cajaTexto(m_texto, 11000, 500, 3900, 4600, 11, true);
    // A title's box may reach the next column: the thumbnails stay on top, so the pointer finds them.
    for (QWidget* imagen : {m_imgOstralin, m_imgPelvarin, m_imgRasmelin, m_imgRevista}) {
        if (imagen)
            imagen->raise();
    }
    PendingEvents::process();
}

void clsPublicaciones::pintaPantalla800()
{
    // A picture that cannot be read leaves its place empty; the rest of the page is still laid out.
    if (m_lblBienvenidos) {
        setFont(m_lblBienvenidos, QStringLiteral("Arial"), 16, true);
        m_lblBienvenidos->setText(QStringLiteral("Principales publicaciones disponibles"));
        m_lblBienvenidos->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setTextColor(m_lblBienvenidos, Qt::black);
        // At this resolution the host is always "frmMenu": its name is not looked at.
        const int alto = Twips::fromPixels(m_lblBienvenidos->sizeHint().height());
        Twips::place(m_lblBienvenidos, 250, formHeight(gFormMenu) - 450, 7000, alto);
        m_lblBienvenidos->show();
    }
    miniatura(m_imgOstralin, "\\images\\ostralin00.jpg", 600, 200);
    rotulo(m_lostralin, m_imgOstralin, 100, 1300, 1000, 8, false, QStringLiteral("Ostralin"));
    miniatura(m_imgPelvarin, "\\images\\pelvarin00.jpg", 600, 1900);
    rotulo(m_lpelvarin, m_imgPelvarin, 100, 1300, 1000, 8, false, QStringLiteral("Quorvel"));
    miniatura(m_imgRasmelin, "\\images\\rasmelin00.jpg", 3000, 200);
    rotulo(m_lrasmelin, m_imgRasmelin, 100, 1300, 1000, 8, false, QStringLiteral("Rasmelin"));
    miniatura(m_imgRevista, "\\images\\sendavo00.jpg", 3000, 1900);
    rotulo(m_lrevista, m_imgRevista, 100, 1300, 550, 8, false, QStringLiteral("Sendavo"));
    enlacePdf(m_lblRevistaPDF, m_imgRevista, 100, (m_lrevista ? Twips::top(m_lrevista) : 1900) + 550, 8,
        QStringLiteral("(Ver revista)"));
    if (m_revistagrande) {
        borde(m_revistagrande, false);
        cargaImagen(m_revistagrande, QStringLiteral("\\images\\logo_nuevo800.jpg"));
        Twips::move(m_revistagrande, 6000, 300);
        m_revistagrande->show();
    }
    cajaTexto(m_texto, 8000, 320, 3500, 3000, 9, false);
    for (QWidget* imagen : {m_imgOstralin, m_imgPelvarin, m_imgRasmelin, m_imgRevista}) {
        if (imagen)
            imagen->raise();
    }
    PendingEvents::process();
}

void clsPublicaciones::muestraPublicacion(Publicacion publicacion)
{
    if (m_texto)
        m_texto->setText(descripcion(publicacion));
    const PublicationPage& ficha = kFichas[publicacion];
    cargaImagen(m_revistagrande, QString::fromLatin1(chica() ? ficha.grande800 : ficha.grande1024));
    borde(m_revistagrande, true);
}

void clsPublicaciones::pantalla_MouseMove()
{
    if (m_texto)
        m_texto->setText(QString());
    cargaImagen(m_revistagrande,
        chica() ? QStringLiteral("\\images\\logo_nuevo800.jpg") : QStringLiteral("\\images\\logo_nuevo.jpg"));
    borde(m_revistagrande, false);
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
    QString destino = m_lblMail ? m_lblMail->text() : QString();
    web.AbreMail(destino);
}
