#include "publisher/clsRanking.h"

#include "platform/ui/ActiveLabel.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/FlashMovie.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"
#include "shell/clsVentanas.h"
#include "shell/mdMain.h"

#include <QRadioButton>

using namespace ScreenKit;

namespace {

const QColor kPagina = bgrColor(0xEAF3F6);

FlashMovie* pelicula()
{
    return ControlRegistry::find<FlashMovie>(gFormMenu.data(), QStringLiteral("flashRanking"));
}

PictureBox* panelRanking()
{
    return ControlRegistry::find<PictureBox>(gFormMenu.data(), QStringLiteral("picRanking"));
}

// The mode image stands on its label, centred over it.
void sobreEtiqueta(ImageButton* imagen, const QWidget* label)
{
    if (!imagen || !label)
        return;
    Twips::move(imagen, Twips::left(label) + Twips::width(label) / 2 - Twips::width(imagen) / 2,
        Twips::top(label) - Twips::height(imagen));
}

} // namespace

clsRanking::clsRanking()
{
    BusyPointer::Scope ocupado;
    QWidget* form = gFormMenu.data();
    m_pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("pantalla"));
    m_lblGrupo = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("grupo"));
    m_lblRanking = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ranking"));
    m_imgGrupo = ControlRegistry::add<ImageButton>(form, QStringLiteral("iGrupo"));
    m_imgRanking = ControlRegistry::add<ImageButton>(form, QStringLiteral("iRanking"));
    m_lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    gVentanas().colocaPantalla(m_pantalla);
    PendingEvents::process();
    pintaPantalla();
    if (m_pantalla) {
        m_pantalla->setBackColor(kPagina);
        m_pantalla->show();
    }
    PendingEvents::process();
    // The movie mode they would switch to is never offered.
    for (QWidget* modo : {static_cast<QWidget*>(m_imgGrupo), static_cast<QWidget*>(m_imgRanking),
             static_cast<QWidget*>(m_lblGrupo), static_cast<QWidget*>(m_lblRanking)}) {
        if (modo)
            modo->hide();
    }
}

clsRanking::~clsRanking()
{
    if (FlashMovie* movie = pelicula()) {
        movie->stop();
        movie->setMovie(QString());
        movie->hide();
    }
    if (PictureBox* panel = panelRanking())
        panel->hide();
    QWidget* form = gFormMenu.data();
    for (const char* nombre : {"pantalla", "ranking", "grupo", "iranking", "igrupo", "lblBienvenidos"})
        ControlRegistry::remove(form, QString::fromLatin1(nombre));
}

void clsRanking::pintaPantalla()
{
    const bool chica = gVentanas().getResolucion() == 2;

    if (m_lblBienvenidos) {
        setFont(m_lblBienvenidos, QStringLiteral("Arial"), 16, true);
        m_lblBienvenidos->setText(QStringLiteral("Todas las estadísticas a su alcance"));
        setTextColor(m_lblBienvenidos, Qt::black);
        sizeToText(m_lblBienvenidos);
        Twips::move(m_lblBienvenidos, 900, titleTop(gFormMenu));
        m_lblBienvenidos->show();
    }

    const int bajoPanel
        = (m_pantalla ? Twips::top(m_pantalla) + Twips::height(m_pantalla) : 0) + (chica ? 550 : 600);
    if (m_lblGrupo) {
        setFont(m_lblGrupo, QStringLiteral("Arial"), 9, true);
        m_lblGrupo->setText(QStringLiteral("Participación por sector"));
        setTextColor(m_lblGrupo, bgrColor(0xFF0000));
        sizeToText(m_lblGrupo);
        Twips::move(m_lblGrupo, chica ? 3060 : 3900, bajoPanel);
        m_lblGrupo->setCursor(Pictures::handCursor());
        m_lblGrupo->show();
    }
    if (m_lblRanking) {
        setFont(m_lblRanking, QStringLiteral("Arial"), 9);
        m_lblRanking->setText(QStringLiteral("Ranking"));
        setTextColor(m_lblRanking, Qt::black);
        sizeToText(m_lblRanking);
        const int derechaGrupo = m_lblGrupo ? Twips::left(m_lblGrupo) + Twips::width(m_lblGrupo) : 0;
        Twips::move(m_lblRanking, derechaGrupo + (chica ? 500 : 800), bajoPanel);
        m_lblRanking->setCursor(Pictures::handCursor());
        m_lblRanking->show();
    }
    if (m_imgGrupo) {
        m_imgGrupo->setPicture(QStringLiteral("GRUPO"));
        m_imgGrupo->setToolTip(QStringLiteral("Muestra la distribucion por autonomias y el desplegable"));
        sobreEtiqueta(m_imgGrupo, m_lblGrupo);
        m_imgGrupo->show();
    }
    if (m_imgRanking) {
        m_imgRanking->setPicture(QStringLiteral("RANKING"));
        m_imgRanking->setToolTip(QStringLiteral("Muestra los rankings de las empresas"));
        sobreEtiqueta(m_imgRanking, m_lblRanking);
        m_imgRanking->show();
    }

    const QRect lugar = m_pantalla ? m_pantalla->geometry() : QRect();
    FlashMovie* movie = pelicula();
    if (movie) {
        movie->setGeometry(lugar);
        movie->setMovie(gRutaApp + QStringLiteral("\\ranking.swf"));
        movie->hide();
        movie->play();
    }
    if (PictureBox* panel = panelRanking()) {
        // Placing it makes the form lay its page out again.
        panel->setGeometry(lugar);
        panel->show();
        panel->raise();
    }
    // Chosen again on every visit: a change of choice loads the first sector's page.
    if (auto* catering
        = ControlRegistry::find<QRadioButton>(gFormMenu.data(), QStringLiteral("optRanking_0")))
        catering->setChecked(true);
    if (movie)
        movie->raise();
}

void clsRanking::Desmarcar()
{
    if (m_imgRanking)
        m_imgRanking->setPicture(QStringLiteral("RANKING"));
    if (m_imgGrupo)
        m_imgGrupo->setPicture(QStringLiteral("GRUPO"));
}
