#include "guide/GuideToolbar.h"

#include "guide/GuideLayout.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"

#include <QLabel>

namespace {

struct ToolText
{
    const char* button; // control name
    const char* caption; // control name
    const char* text;
    const char* picture;
    const char* tip;
};

// In the order of GuideToolbar::Tool.
const ToolText kToolTexts[GuideToolbar::kTools] = {
    {"ficha", "iFicha", "Ficha", "FICHA", "Muestra la Ficha de la Empresa seleccionada en la ventana"},
    {"exportar", "iExportar", "Exportar", "EXPORTAR",
        "Guarda los datos de la ventana en formato MS Excel o Texto"},
    {"ordenar", "iOrdenar", "Ordenar", "ORDENAR", "Ordena los datos por el campo que seleccione"},
    {"todos", "iTodos", "Ver Todos", "TODOS", "Visualiza en la ventana todos los datos del sector"},
    {"ficheros", "iFicheros", "Ver en ficheros", "FICHEROS", "Mostrar la información en ficheros"},
    {"ayuda", "iAyuda", "Ayuda", "AYUDA", "Ayuda de esta ventana"},
    {"listado", "iListado", "Listado", "LISTADOS",
        "Imprime un listado de las empresas que se visualizan en la vetana"},
    {"sobres", "iSobres", "Sobres", "SOBRES",
        "Imprime los sobres para las empresas que se visualizan en la ventana"},
    {"etiquetas", "iEtiquetas", "Etiquetas", "ETIQUETAS",
        "Imprime etiquetas para las empresas que se visualizan en la ventana"},
};

const char* const kShowMarkedPicture = "VERSEL";
const char* const kClearMarksPicture = "DESMARCAR";

void setUpButton(ImageButton* img, const char* picture, const char* tip)
{
    if (!img)
        return;
    img->setPicture(QString::fromLatin1(picture));
    img->hide();
    img->raise();
    img->setToolTip(QString::fromUtf8(tip));
    img->setCursor(Pictures::handCursor());
}

} // namespace

GuideToolbar::GuideToolbar(QWidget* form)
    : m_form(form)
{
    for (int i = 0; i < kTools; ++i)
        m_buttons[size_t(i)]
            = ControlRegistry::add<ImageButton>(form, QString::fromLatin1(kToolTexts[i].button));
    m_showMarked = ControlRegistry::add<ImageButton>(form, QStringLiteral("versel"));
    m_clearMarks = ControlRegistry::add<ImageButton>(form, QStringLiteral("desmarcarsel"));
    for (int i = 0; i < kTools; ++i)
        m_captions[size_t(i)]
            = ControlRegistry::add<QLabel>(form, QString::fromLatin1(kToolTexts[i].caption));
    connectTools();
}

GuideToolbar::~GuideToolbar()
{
    // A control never made is skipped.
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        ControlRegistry::remove(m_form, m_buttons[i].data());
        ControlRegistry::remove(m_form, m_captions[i].data());
    }
    ControlRegistry::remove(m_form, m_clearMarks.data());
    ControlRegistry::remove(m_form, m_showMarked.data());
}

void GuideToolbar::connectTools()
{
    // Image buttons act on the release of any mouse button, captions on a click.
    const std::pair<Tool, Action> acciones[] = {{Tool::Ficha, Action::Ficha},
        {Tool::Exportar, Action::Exportar}, {Tool::Ordenar, Action::Ordenar}, {Tool::Todos, Action::Todos},
        {Tool::Ficheros, Action::Ficheros}, {Tool::Ayuda, Action::Ayuda}, {Tool::Listado, Action::Listado},
        {Tool::Sobres, Action::Sobres}, {Tool::Etiquetas, Action::Etiquetas}};
    for (const auto& [tool, action] : acciones) {
        const Action a = action;
        if (ImageButton* b = button(tool)) {
            // The view switch acts on a click, every other button on a release.
            if (tool == Tool::Ficheros)
                connect(b, &ImageButton::clicked, this, [this, a] { Q_EMIT triggered(a); });
            else
                connect(b, &ImageButton::released, this, [this, a] { Q_EMIT triggered(a); });
        }
        const Action deCaption = tool == Tool::Todos ? Action::TodosCaption : a;
        if (QLabel* c = caption(tool))
            MouseEvents::of(c).onClick([this, deCaption] { Q_EMIT triggered(deCaption); });
    }
    if (m_showMarked)
        connect(m_showMarked, &ImageButton::clicked, this,
            [this] { Q_EMIT triggered(Action::VerSeleccionadas); });
    if (m_clearMarks)
        connect(
            m_clearMarks, &ImageButton::released, this, [this] { Q_EMIT triggered(Action::DesmarcarTodas); });
    for (const QPointer<ImageButton>& b : m_buttons) {
        if (b)
            connect(b, &ImageButton::mouseMoved, b, &ImageButton::showRollover);
    }
    for (ImageButton* b : {m_showMarked.data(), m_clearMarks.data()}) {
        if (b)
            connect(b, &ImageButton::mouseMoved, b, &ImageButton::showRollover);
    }
}

void GuideToolbar::layout(int codigo, const QRect& page)
{
    const GuideLayout::Settings ajustes = GuideLayout::settingsFor(codigo);
    setUpButton(
        m_clearMarks, kClearMarksPicture, "Desmarca todas las fichas seleccionadas en la tabla de datos");
    if (m_clearMarks) {
        const QPoint p = GuideLayout::clearMarksButton(page.width(), page.top());
        Twips::move(m_clearMarks, p.x(), p.y());
    }
    setUpButton(m_showMarked, kShowMarkedPicture, "Muestra las empresas seleccionadas");
    if (m_showMarked) {
        const QPoint p = GuideLayout::showMarkedButton(page.width(), page.top());
        Twips::move(m_showMarked, p.x(), p.y());
    }

    const int arriba = GuideLayout::captionsTop(page.top(), page.height(), ajustes);
    QList<int> anchos;
    for (int i = 0; i < kTools; ++i) {
        QLabel* c = m_captions[size_t(i)];
        if (!c)
            continue;
        c->setCursor(Pictures::handCursor());
        ScreenKit::caption(
            c, QString::fromUtf8(kToolTexts[i].text), Fonts::font(QStringLiteral("Arial"), 9), Qt::black);
        c->hide();
        anchos.append(Twips::width(c));
    }
    // Each caption follows the auto-sized width of the one before it.
    const QList<int> izquierdas
        = GuideLayout::captionLefts(ajustes.firstCaptionLeft, ajustes.captionSpacing, anchos);
    qsizetype n = 0;
    for (const QPointer<QLabel>& c : m_captions) {
        if (c)
            Twips::move(c, izquierdas.value(n++), arriba);
    }
    for (int i = 0; i < kTools; ++i) {
        ImageButton* b = m_buttons[size_t(i)];
        QLabel* c = m_captions[size_t(i)];
        setUpButton(b, kToolTexts[i].picture, kToolTexts[i].tip);
        if (!b || !c)
            continue;
        Twips::move(b, GuideLayout::buttonLeft(Twips::left(c), Twips::width(c), Twips::width(b)),
            Twips::top(c) - Twips::height(b));
    }
}

void GuideToolbar::show()
{
    for (size_t i = 0; i < m_buttons.size(); ++i) {
        if (m_captions[i])
            m_captions[i]->show();
        if (m_buttons[i])
            m_buttons[i]->show();
    }
    for (ImageButton* b : {m_showMarked.data(), m_clearMarks.data()}) {
        if (b)
            b->show();
    }
}

void GuideToolbar::setFileView(bool ficheros)
{
    if (QLabel* c = caption(Tool::Ficheros)) {
        c->setText(ficheros ? QStringLiteral("Ver en tabla") : QStringLiteral("Ver en ficheros"));
        c->adjustSize();
        if (m_fileCaptionLeft < 0)
            m_fileCaptionLeft = Twips::left(c);
        Twips::move(c, m_fileCaptionLeft + (ficheros ? GuideLayout::kFileCaptionShift : 0), Twips::top(c));
    }
    for (Tool t : {Tool::Ficha, Tool::Ordenar, Tool::Etiquetas, Tool::Sobres, Tool::Exportar, Tool::Listado,
             Tool::Todos}) {
        for (QWidget* control : std::initializer_list<QWidget*> {button(t), caption(t)}) {
            if (control)
                control->setEnabled(!ficheros);
        }
    }
    for (ImageButton* b : {m_showMarked.data(), m_clearMarks.data()}) {
        if (b)
            b->setEnabled(!ficheros);
    }
}

void GuideToolbar::restoreFaces()
{
    for (int i = 0; i < kTools; ++i) {
        if (ImageButton* b = m_buttons[size_t(i)])
            b->setPicture(QString::fromLatin1(kToolTexts[i].picture));
    }
    if (m_showMarked)
        m_showMarked->setPicture(QString::fromLatin1(kShowMarkedPicture));
    if (m_clearMarks)
        m_clearMarks->setPicture(QString::fromLatin1(kClearMarksPicture));
}
