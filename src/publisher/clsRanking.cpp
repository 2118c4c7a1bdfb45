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
    pantalla = ControlRegistry::add<PictureBox>(form, QStringLiteral("pantalla"));
    lblGrupo = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("grupo"));
    lblRanking = ControlRegistry::add<ActiveLabel>(form, QStringLiteral("ranking"));
    imgGrupo = ControlRegistry::add<ImageButton>(form, QStringLiteral("iGrupo"));
    imgRanking = ControlRegistry::add<ImageButton>(form, QStringLiteral("iRanking"));
    lblBienvenidos = ControlRegistry::add<QLabel>(form, QStringLiteral("lblBienvenidos"));

    gVentanas().colocaPantalla(pantalla);
    PendingEvents::process();
    pintaPantalla();
    if (pantalla) {
        pantalla->setBackColor(kPagina);
        pantalla->show();
    }
    PendingEvents::process();
    // The movie mode they would switch to is never offered.
    for (QWidget* modo : {static_cast<QWidget*>(imgGrupo), static_cast<QWidget*>(imgRanking),
             static_cast<QWidget*>(lblGrupo), static_cast<QWidget*>(lblRanking)}) {
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

    if (lblBienvenidos) {
        setFont(lblBienvenidos, QStringLiteral("Arial"), 16, true);
        lblBienvenidos->setText(QStringLiteral("Todas las estadísticas a su alcance"));
        setTextColor(lblBienvenidos, Qt::black);
        sizeToText(lblBienvenidos);
        Twips::move(lblBienvenidos, 900, titleTop(gFormMenu));
        lblBienvenidos->show();
    }

    const int bajoPanel
        = (pantalla ? Twips::top(pantalla) + Twips::height(pantalla) : 0) + (chica ? 550 : 600);
    if (lblGrupo) {
        setFont(lblGrupo, QStringLiteral("Arial"), 9, true);
        lblGrupo->setText(QStringLiteral("Participación por sector"));
        setTextColor(lblGrupo, bgrColor(0xFF0000));
        sizeToText(lblGrupo);
        Twips::move(lblGrupo, chica ? 3060 : 3900, bajoPanel);
        lblGrupo->setCursor(Pictures::handCursor());
        lblGrupo->show();
    }
    if (lblRanking) {
        setFont(lblRanking, QStringLiteral("Arial"), 9);
        lblRanking->setText(QStringLiteral("Ranking"));
        setTextColor(lblRanking, Qt::black);
        sizeToText(lblRanking);
        const int derechaGrupo = lblGrupo ? Twips::left(lblGrupo) + Twips::width(lblGrupo) : 0;
        Twips::move(lblRanking, derechaGrupo + (chica ? 500 : 800), bajoPanel);
        lblRanking->setCursor(Pictures::handCursor());
        lblRanking->show();
    }
    if (imgGrupo) {
        imgGrupo->setPicture(QStringLiteral("GRUPO"));
        imgGrupo->setToolTip(QStringLiteral("Muestra la distribucion por autonomias y el desplegable"));
        sobreEtiqueta(imgGrupo, lblGrupo);
        imgGrupo->show();
    }
    if (imgRanking) {
        imgRanking->setPicture(QStringLiteral("RANKING"));
        imgRanking->setToolTip(QStringLiteral("Muestra los rankings de las empresas"));
        sobreEtiqueta(imgRanking, lblRanking);
        imgRanking->show();
    }

    const QRect lugar = pantalla ? pantalla->geometry() : QRect();
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
    if (imgRanking)
        imgRanking->setPicture(QStringLiteral("RANKING"));
    if (imgGrupo)
        imgGrupo->setPicture(QStringLiteral("GRUPO"));
}
