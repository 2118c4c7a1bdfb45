#include "publisher/clsEmpresa.h"

#include "platform/ui/ActiveLabel.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "resources/StringTable.h"
#include "shell/clsVentanas.h"
#include "shell/clsWeb.h"
#include "shell/mdMain.h"

#include <QLabel>

using namespace ScreenKit;

namespace {

const QString kTitulo = QStringLiteral("Tarvesa 2010");
const QString kDireccion = QStringLiteral("Avenida de los Olmos, 27, 2.ª planta");
const QString kCiudad = QStringLiteral("28042 Madrid");
const QString kCentralita = QStringLiteral("Centralita 91 555 23 40");
const QString kPersona = QStringLiteral("María Teresa Ordóñez Galván");
const QString kMailPersona = QStringLiteral("mtordonez@korvan.example.es");
const QString kWeb = QStringLiteral("www.korvan.example.es");
const QString kMail = QStringLiteral("info@korvan.example.es");
const QString kParrafo = QStringLiteral("    ");
const QString kSalto = QStringLiteral("\n\n");

const QColor kPagina = bgrColor(0xEAF3F6);
const QColor kAzul(0, 0, 255);
const QColor kGranate(147, 51, 51);

// The sizes that differ between the small ("800") layout and the others.
struct Medidas
{
    double titulo;
    int tituloLeft;
    double texto;
    double textoPie;
    int textoPieHeight;
    double enlaces;
    double persona;
    double paginas; // 0 keeps the label's own size
    int anteriorLeft;
    int bajoPanel;
    int entreEtiquetas;
    int margenTexto;
    int textoPieTop;
};

const Medidas kChica {14, 6700, 7.1, 8, 800, 7, 8, 0, 9600, 450, 500, 1000, 2700};
const Medidas kGrande {18, 9000, 10, 10, 1100, 8, 10, 9, 12600, 550, 700, 1300, 3000};

const Medidas& medidas()
{
    return gVentanas().getResolucion() == 2 ? kChica : kGrande;
}

QString parrafos(std::initializer_list<int> ids)
{
    QString caption;
    for (const int id : ids)
        caption += (caption.isEmpty() ? QString() : kSalto) + kParrafo + StringTable::text(id);
    return caption;
}

// A label of the page: transparent, sized to its text, at a place in twips.
void etiqueta(QLabel* label, const QString& caption, int left, int top, const QColor& color)
{
    if (!label)
        return;
    label->setTextFormat(Qt::PlainText);
    label->setText(mnemonicText(caption));
    setTextColor(label, color);
    sizeToText(label);
    Twips::move(label, left, top);
}

int derecha(const QWidget* w)
{
    return w ? Twips::left(w) + Twips::width(w) : 0;
}

// The arrow stands on its label, centred over it.
void sobreEtiqueta(ImageButton* flecha, const QWidget* label)
{
    if (!flecha || !label)
        return;
    Twips::move(flecha, Twips::left(label) + Twips::width(label) / 2 - Twips::width(flecha) / 2,
        Twips::top(label) - Twips::height(flecha));
}

} // namespace

clsEmpresa::clsEmpresa()
{
    BusyPointer::Scope ocupado;
    QWidget* form = gFormMenu.data();
    pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("empresa"));
    lblSiguiente = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("siguiente"));
    lblAnterior = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("anterior"));
    imgSiguiente = ControlRegistry::add<ImageButton>(form, QStringLiteral("iSiguiente"));
    imgAnterior = ControlRegistry::add<ImageButton>(form, QStringLiteral("iAnterior"));
    titulo = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo"), pantalla);
    texto = ControlRegistry::add<QLabel>(form, QStringLiteral("texto"), pantalla);
    textoPie = ControlRegistry::add<QLabel>(form, QStringLiteral("textoPie"), pantalla);
    ultimo1 = ControlRegistry::add<QLabel>(form, QStringLiteral("ultimo1"), pantalla);
    ultimo2 = ControlRegistry::add<QLabel>(form, QStringLiteral("ultimo2"), pantalla);
    lblWeb = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("web"), pantalla);
    lblMail1 = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail1"), pantalla);
    lblMail2 = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail2"), pantalla);
    lblPersona = ControlRegistry::add<QLabel>(form, QStringLiteral("lblPersona"), pantalla);
    lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    if (lblSiguiente)
        QObject::connect(lblSiguiente, &ActiveLabel::clicked, &m_contexto, [this] { lblSiguiente_Click(); });
    if (lblAnterior)
        QObject::connect(lblAnterior, &ActiveLabel::clicked, &m_contexto, [this] { lblAnterior_Click(); });
    if (imgSiguiente) {
        QObject::connect(imgSiguiente, &ImageButton::released, &m_contexto, [this] { lblSiguiente_Click(); });
        QObject::connect(imgSiguiente, &ImageButton::mouseMoved, &m_contexto, [this] {
            if (imgSiguiente)
                imgSiguiente->showRollover();
        });
    }
    if (imgAnterior) {
        QObject::connect(imgAnterior, &ImageButton::released, &m_contexto, [this] { lblAnterior_Click(); });
        QObject::connect(imgAnterior, &ImageButton::mouseMoved, &m_contexto, [this] {
            if (imgAnterior)
                imgAnterior->showRollover();
        });
    }
    if (lblWeb)
        QObject::connect(lblWeb, &ActiveLabel::clicked, &m_contexto, [this] { lblWeb_Click(); });
    if (lblMail1)
        QObject::connect(lblMail1, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(lblMail1); });
    if (lblMail2)
        QObject::connect(lblMail2, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(lblMail2); });

    if (pantalla) {
        gVentanas().colocaPantalla(pantalla);
        // Only the menu form's own background puts the arrows' faces back, not the page.
        pantalla->setAttribute(Qt::WA_NoMousePropagation);
    }
    pintaPantalla();
    if (pantalla) {
        pantalla->setBackColor(kPagina);
        pantalla->show();
    }
}

clsEmpresa::~clsEmpresa()
{
    BusyPointer::Scope ocupado;
    QWidget* form = gFormMenu.data();
    for (const char* nombre :
        {"texto", "empresa", "siguiente", "anterior", "isiguiente", "ianterior", "lblBienvenidos"})
        ControlRegistry::remove(form, QString::fromLatin1(nombre));
    texto = nullptr;
    pantalla = nullptr;
    PendingEvents::process();
}

void clsEmpresa::Desmarcar()
{
    if (imgSiguiente && imgSiguiente->isEnabled())
        imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    if (imgAnterior && imgAnterior->isEnabled())
        imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
}

void clsEmpresa::pintaPantalla()
{
    const Medidas& m = medidas();
    const QString arial = QStringLiteral("Arial");
    const int panelTop = pantalla ? Twips::top(pantalla) : 0;
    const int panelWidth = pantalla ? Twips::width(pantalla) : 0;
    const int panelHeight = pantalla ? Twips::height(pantalla) : 0;

    setFont(titulo, arial, m.titulo);
    setFont(texto, arial, m.texto);
    setFontSize(textoPie, m.textoPie);
    setFont(ultimo1, arial, m.enlaces, false, true);
    setFont(ultimo2, arial, m.enlaces, false, true);
    setFont(lblWeb, arial, m.enlaces, false, false, true);
    setFont(lblMail1, arial, m.enlaces, false, false, true);
    setFont(lblPersona, arial, m.persona);
    setFont(lblMail2, arial, m.persona, false, false, true);
    for (QLabel* pagina : {static_cast<QLabel*>(lblAnterior), static_cast<QLabel*>(lblSiguiente)}) {
        if (pagina)
            setFont(pagina, arial, m.paginas > 0 ? m.paginas : pagina->font().pointSizeF());
    }

    const int paginasTop = panelTop + panelHeight + m.bajoPanel;
    etiqueta(lblAnterior, QStringLiteral("Anterior"), m.anteriorLeft, paginasTop, Qt::black);
    if (lblAnterior) {
        lblAnterior->setCursor(Pictures::handCursor());
        lblAnterior->setEnabled(false);
        lblAnterior->show();
    }
    etiqueta(lblSiguiente, QStringLiteral("Siguiente"), derecha(lblAnterior) + m.entreEtiquetas, paginasTop,
        Qt::black);
    if (lblSiguiente) {
        lblSiguiente->setCursor(Pictures::handCursor());
        lblSiguiente->setEnabled(true);
        lblSiguiente->show();
    }

    if (imgSiguiente) {
        imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
        sobreEtiqueta(imgSiguiente, lblSiguiente);
        imgSiguiente->show();
        imgSiguiente->raise();
        imgSiguiente->setToolTip(QStringLiteral("Pasa a la página siguiente"));
    }
    if (imgAnterior) {
        imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
        imgAnterior->setEnabled(false);
        sobreEtiqueta(imgAnterior, lblAnterior);
        imgAnterior->show();
        imgAnterior->raise();
        imgAnterior->setToolTip(QStringLiteral("Vuelve a la página anterior"));
    }

    etiqueta(titulo, kTitulo, m.tituloLeft, 300, kGranate);
    if (titulo)
        titulo->show();

    if (texto) {
        texto->setTextFormat(Qt::PlainText);
        texto->setWordWrap(true);
        texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        texto->setText(mnemonicText(parrafos({101, 102, 103, 104})));
        setTextColor(texto, Qt::black);
        Twips::place(texto, 400, (titulo ? Twips::top(titulo) : 300) + 700, panelWidth - 800,
            panelHeight - m.margenTexto);
        texto->show();
    }

    if (textoPie) {
        textoPie->setTextFormat(Qt::PlainText);
        textoPie->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        textoPie->setText(kDireccion + QLatin1Char('\n') + kCiudad + QLatin1Char('\n') + kCentralita);
        setTextColor(textoPie, kAzul);
        Twips::place(textoPie, 100, 0, panelWidth - 200, m.textoPieHeight);
        // Its lines are centred: sized to its text, the block stays centred where it was laid out.
        const int centro = 100 + (panelWidth - 200) / 2;
        sizeToText(textoPie);
        const int textoBottom = texto ? Twips::top(texto) + Twips::height(texto) : 0;
        Twips::move(textoPie, centro - Twips::width(textoPie) / 2, textoBottom + 100);
        textoPie->hide();
    }

    etiqueta(lblPersona, kPersona, 400, panelHeight - 700, Qt::black);
    if (lblPersona) {
        lblPersona->setCursor(Pictures::handCursor());
        lblPersona->hide();
    }
    etiqueta(lblMail2, kMailPersona, (lblPersona ? Twips::width(lblPersona) : 0) + 450,
        lblPersona ? Twips::top(lblPersona) : panelHeight - 700, kAzul);
    if (lblMail2) {
        lblMail2->setCursor(Pictures::handCursor());
        lblMail2->hide();
    }

    const int lineaTop = panelHeight - 400;
    etiqueta(ultimo1, QStringLiteral("También nos tiene en internet  "), 400, lineaTop, Qt::black);
    etiqueta(lblWeb, kWeb, derecha(ultimo1), lineaTop, kAzul);
    etiqueta(ultimo2, QStringLiteral(" y sus opiniones las puede enviar a  "), derecha(lblWeb), lineaTop,
        Qt::black);
    etiqueta(lblMail1, kMail, derecha(ultimo2), lineaTop, kAzul);
    for (QLabel* enlace : {static_cast<QLabel*>(lblWeb), static_cast<QLabel*>(lblMail1)}) {
        if (enlace)
            enlace->setCursor(Pictures::handCursor());
    }
    for (QLabel* oculta :
        {ultimo1.data(), static_cast<QLabel*>(lblWeb), ultimo2.data(), static_cast<QLabel*>(lblMail1)}) {
        if (oculta)
            oculta->hide();
    }

    PendingEvents::process();

    if (QWidget* form = gFormMenu.data())
        form->show();
    if (lblBienvenidos) {
        setFont(lblBienvenidos, arial, 16, true);
        etiqueta(lblBienvenidos, QStringLiteral("KORVAN le da la bienvenida"), 900, titleTop(gFormMenu),
            Qt::black);
        lblBienvenidos->show();
    }
}

void clsEmpresa::lblSiguiente_Click()
{
    if (lblSiguiente)
        lblSiguiente->setEnabled(false);
    if (imgSiguiente)
        imgSiguiente->setEnabled(false);
    if (lblAnterior)
        lblAnterior->setEnabled(true);
    if (titulo)
        titulo->hide();
    if (texto) {
        texto->setText(mnemonicText(StringTable::text(105) + kSalto + kParrafo + StringTable::text(106)));
        Twips::move(texto, Twips::left(texto), 400);
    }
    if (textoPie) {
        textoPie->show();
        Twips::move(textoPie, Twips::left(textoPie), medidas().textoPieTop);
    }
    for (QWidget* contacto :
        {static_cast<QWidget*>(lblPersona), static_cast<QWidget*>(lblWeb), static_cast<QWidget*>(lblMail1),
            static_cast<QWidget*>(ultimo1), static_cast<QWidget*>(ultimo2)}) {
        if (contacto)
            contacto->show();
    }
    // Her address follows her name where the address block leaves it room.
    if (lblMail2 && !(textoPie && lblMail2->geometry().intersects(textoPie->geometry())))
        lblMail2->show();
    if (imgSiguiente)
        imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    if (imgAnterior) {
        imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
        imgAnterior->setEnabled(true);
    }
}

void clsEmpresa::lblAnterior_Click()
{
    if (imgSiguiente) {
        imgSiguiente->setEnabled(true);
        imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    }
    if (imgAnterior)
        imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
    pintaPantalla();
}

void clsEmpresa::lblWeb_Click()
{
    BusyPointer::Scope ocupado;
    clsWeb web;
    web.AbreHttp(lblWeb ? lblWeb->text() : QString());
    PendingEvents::process();
}

void clsEmpresa::lblMail_Click(const QLabel* enlace)
{
    if (!enlace)
        return;
    clsWeb web;
    // A copy: the "mailto:" the opener adds never reaches the label.
    QString destino = enlace->text();
    web.AbreMail(destino);
}
