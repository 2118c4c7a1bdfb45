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
struct Metrics
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

const Metrics kChica {14, 6700, 7.1, 8, 800, 7, 8, 0, 9600, 450, 500, 1000, 2700};
const Metrics kGrande {18, 9000, 10, 10, 1100, 8, 10, 9, 12600, 550, 700, 1300, 3000};

const Metrics& medidas()
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
    m_pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("empresa"));
    m_lblSiguiente = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("siguiente"));
    m_lblAnterior = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("anterior"));
    m_imgSiguiente = ControlRegistry::add<ImageButton>(form, QStringLiteral("iSiguiente"));
    m_imgAnterior = ControlRegistry::add<ImageButton>(form, QStringLiteral("iAnterior"));
    m_titulo = ControlRegistry::add<QLabel>(form, QStringLiteral("titulo"), m_pantalla);
    m_texto = ControlRegistry::add<QLabel>(form, QStringLiteral("texto"), m_pantalla);
    m_textoPie = ControlRegistry::add<QLabel>(form, QStringLiteral("textoPie"), m_pantalla);
    m_ultimo1 = ControlRegistry::add<QLabel>(form, QStringLiteral("ultimo1"), m_pantalla);
    m_ultimo2 = ControlRegistry::add<QLabel>(form, QStringLiteral("ultimo2"), m_pantalla);
    m_lblWeb = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("web"), m_pantalla);
    m_lblMail1 = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail1"), m_pantalla);
    m_lblMail2 = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("mail2"), m_pantalla);
    m_lblPersona = ControlRegistry::add<QLabel>(form, QStringLiteral("lblPersona"), m_pantalla);
    m_lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    if (m_lblSiguiente)
        QObject::connect(
            m_lblSiguiente, &ActiveLabel::clicked, &m_contexto, [this] { lblSiguiente_Click(); });
    if (m_lblAnterior)
        QObject::connect(m_lblAnterior, &ActiveLabel::clicked, &m_contexto, [this] { lblAnterior_Click(); });
    if (m_imgSiguiente) {
        QObject::connect(
            m_imgSiguiente, &ImageButton::released, &m_contexto, [this] { lblSiguiente_Click(); });
        QObject::connect(m_imgSiguiente, &ImageButton::mouseMoved, &m_contexto, [this] {
            if (m_imgSiguiente)
                m_imgSiguiente->showRollover();
        });
    }
    if (m_imgAnterior) {
        QObject::connect(m_imgAnterior, &ImageButton::released, &m_contexto, [this] { lblAnterior_Click(); });
        QObject::connect(m_imgAnterior, &ImageButton::mouseMoved, &m_contexto, [this] {
            if (m_imgAnterior)
                m_imgAnterior->showRollover();
        });
    }
    if (m_lblWeb)
        QObject::connect(m_lblWeb, &ActiveLabel::clicked, &m_contexto, [this] { lblWeb_Click(); });
    if (m_lblMail1)
        QObject::connect(
            m_lblMail1, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(m_lblMail1); });
    if (m_lblMail2)
        QObject::connect(
            m_lblMail2, &ActiveLabel::clicked, &m_contexto, [this] { lblMail_Click(m_lblMail2); });

    if (m_pantalla) {
        gVentanas().colocaPantalla(m_pantalla);
        // Only the menu form's own background puts the arrows' faces back, not the page.
        m_pantalla->setAttribute(Qt::WA_NoMousePropagation);
    }
    pintaPantalla();
    if (m_pantalla) {
        m_pantalla->setBackColor(kPagina);
        m_pantalla->show();
    }
}

clsEmpresa::~clsEmpresa()
{
    BusyPointer::Scope ocupado;
    QWidget* form = gFormMenu.data();
    for (const char* nombre :
        {"texto", "empresa", "siguiente", "anterior", "isiguiente", "ianterior", "lblBienvenidos"})
        ControlRegistry::remove(form, QString::fromLatin1(nombre));
    m_texto = nullptr;
    m_pantalla = nullptr;
    PendingEvents::process();
}

void clsEmpresa::Desmarcar()
{
    if (m_imgSiguiente && m_imgSiguiente->isEnabled())
        m_imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    if (m_imgAnterior && m_imgAnterior->isEnabled())
        m_imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
}

void clsEmpresa::pintaPantalla()
{
    const Metrics& m = medidas();
    const QString arial = QStringLiteral("Arial");
    const int panelTop = m_pantalla ? Twips::top(m_pantalla) : 0;
    const int panelWidth = m_pantalla ? Twips::width(m_pantalla) : 0;
    const int panelHeight = m_pantalla ? Twips::height(m_pantalla) : 0;

    setFont(m_titulo, arial, m.titulo);
    setFont(m_texto, arial, m.texto);
    setFontSize(m_textoPie, m.textoPie);
    setFont(m_ultimo1, arial, m.enlaces, false, true);
    setFont(m_ultimo2, arial, m.enlaces, false, true);
    setFont(m_lblWeb, arial, m.enlaces, false, false, true);
    setFont(m_lblMail1, arial, m.enlaces, false, false, true);
    setFont(m_lblPersona, arial, m.persona);
    setFont(m_lblMail2, arial, m.persona, false, false, true);
    for (QLabel* pagina : {static_cast<QLabel*>(m_lblAnterior), static_cast<QLabel*>(m_lblSiguiente)}) {
        if (pagina)
            setFont(pagina, arial, m.paginas > 0 ? m.paginas : pagina->font().pointSizeF());
    }

    const int paginasTop = panelTop + panelHeight + m.bajoPanel;
    etiqueta(m_lblAnterior, QStringLiteral("Anterior"), m.anteriorLeft, paginasTop, Qt::black);
    if (m_lblAnterior) {
        m_lblAnterior->setCursor(Pictures::handCursor());
        m_lblAnterior->setEnabled(false);
        m_lblAnterior->show();
    }
    etiqueta(m_lblSiguiente, QStringLiteral("Siguiente"), derecha(m_lblAnterior) + m.entreEtiquetas,
        paginasTop, Qt::black);
    if (m_lblSiguiente) {
        m_lblSiguiente->setCursor(Pictures::handCursor());
        m_lblSiguiente->setEnabled(true);
        m_lblSiguiente->show();
    }

    if (m_imgSiguiente) {
        m_imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
        sobreEtiqueta(m_imgSiguiente, m_lblSiguiente);
        m_imgSiguiente->show();
        m_imgSiguiente->raise();
        m_imgSiguiente->setToolTip(QStringLiteral("Pasa a la página siguiente"));
    }
    if (m_imgAnterior) {
        m_imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
        m_imgAnterior->setEnabled(false);
        sobreEtiqueta(m_imgAnterior, m_lblAnterior);
        m_imgAnterior->show();
        m_imgAnterior->raise();
        m_imgAnterior->setToolTip(QStringLiteral("Vuelve a la página anterior"));
    }

    etiqueta(m_titulo, kTitulo, m.tituloLeft, 300, kGranate);
    if (m_titulo)
        m_titulo->show();

    if (m_texto) {
        m_texto->setTextFormat(Qt::PlainText);
        m_texto->setWordWrap(true);
        m_texto->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_texto->setText(mnemonicText(parrafos({101, 102, 103, 104})));
        setTextColor(m_texto, Qt::black);
        Twips::place(m_texto, 400, (m_titulo ? Twips::top(m_titulo) : 300) + 700, panelWidth - 800,
            panelHeight - m.margenTexto);
        m_texto->show();
    }

    if (m_textoPie) {
        m_textoPie->setTextFormat(Qt::PlainText);
        m_textoPie->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        m_textoPie->setText(kDireccion + QLatin1Char('\n') + kCiudad + QLatin1Char('\n') + kCentralita);
        setTextColor(m_textoPie, kAzul);
        Twips::place(m_textoPie, 100, 0, panelWidth - 200, m.textoPieHeight);
        // Its lines are centred: sized to its text, the block stays centred where it was laid out.
        const int centro = 100 + (panelWidth - 200) / 2;
        sizeToText(m_textoPie);
        const int textoBottom = m_texto ? Twips::top(m_texto) + Twips::height(m_texto) : 0;
        Twips::move(m_textoPie, centro - Twips::width(m_textoPie) / 2, textoBottom + 100);
        m_textoPie->hide();
    }

    etiqueta(m_lblPersona, kPersona, 400, panelHeight - 700, Qt::black);
    if (m_lblPersona) {
        m_lblPersona->setCursor(Pictures::handCursor());
        m_lblPersona->hide();
    }
    etiqueta(m_lblMail2, kMailPersona, (m_lblPersona ? Twips::width(m_lblPersona) : 0) + 450,
        m_lblPersona ? Twips::top(m_lblPersona) : panelHeight - 700, kAzul);
    if (m_lblMail2) {
        m_lblMail2->setCursor(Pictures::handCursor());
        m_lblMail2->hide();
    }

    const int lineaTop = panelHeight - 400;
    etiqueta(m_ultimo1, QStringLiteral("También nos tiene en internet  "), 400, lineaTop, Qt::black);
    etiqueta(m_lblWeb, kWeb, derecha(m_ultimo1), lineaTop, kAzul);
    etiqueta(m_ultimo2, QStringLiteral(" y sus opiniones las puede enviar a  "), derecha(m_lblWeb), lineaTop,
        Qt::black);
    etiqueta(m_lblMail1, kMail, derecha(m_ultimo2), lineaTop, kAzul);
    for (QLabel* enlace : {static_cast<QLabel*>(m_lblWeb), static_cast<QLabel*>(m_lblMail1)}) {
        if (enlace)
            enlace->setCursor(Pictures::handCursor());
    }
    for (QLabel* oculta : {m_ultimo1.data(), static_cast<QLabel*>(m_lblWeb), m_ultimo2.data(),
             static_cast<QLabel*>(m_lblMail1)}) {
        if (oculta)
            oculta->hide();
    }

    PendingEvents::process();

    if (QWidget* form = gFormMenu.data())
        form->show();
    if (m_lblBienvenidos) {
        setFont(m_lblBienvenidos, arial, 16, true);
        etiqueta(m_lblBienvenidos, QStringLiteral("KORVAN le da la bienvenida"), 900, titleTop(gFormMenu),
            Qt::black);
        m_lblBienvenidos->show();
    }
}

void clsEmpresa::lblSiguiente_Click()
{
    if (m_lblSiguiente)
        m_lblSiguiente->setEnabled(false);
    if (m_imgSiguiente)
        m_imgSiguiente->setEnabled(false);
    if (m_lblAnterior)
        m_lblAnterior->setEnabled(true);
    if (m_titulo)
        m_titulo->hide();
    if (m_texto) {
        m_texto->setText(mnemonicText(StringTable::text(105) + kSalto + kParrafo + StringTable::text(106)));
        Twips::move(m_texto, Twips::left(m_texto), 400);
    }
    if (m_textoPie) {
        m_textoPie->show();
        Twips::move(m_textoPie, Twips::left(m_textoPie), medidas().textoPieTop);
    }
    for (QWidget* contacto : {static_cast<QWidget*>(m_lblPersona), static_cast<QWidget*>(m_lblWeb),
             static_cast<QWidget*>(m_lblMail1), static_cast<QWidget*>(m_ultimo1),
             static_cast<QWidget*>(m_ultimo2)}) {
        if (contacto)
            contacto->show();
    }
    // Her address follows her name where the address block leaves it room.
    if (m_lblMail2 && !(m_textoPie && m_lblMail2->geometry().intersects(m_textoPie->geometry())))
        m_lblMail2->show();
    if (m_imgSiguiente)
        m_imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    if (m_imgAnterior) {
        m_imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
        m_imgAnterior->setEnabled(true);
    }
}

void clsEmpresa::lblAnterior_Click()
{
    if (m_imgSiguiente) {
        m_imgSiguiente->setEnabled(true);
        m_imgSiguiente->setPicture(QStringLiteral("SIGUIENTE2"));
    }
    if (m_imgAnterior)
        m_imgAnterior->setPicture(QStringLiteral("ANTERIOR2"));
    pintaPantalla();
}

void clsEmpresa::lblWeb_Click()
{
    BusyPointer::Scope ocupado;
    clsWeb web;
    web.AbreHttp(m_lblWeb ? m_lblWeb->text() : QString());
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
