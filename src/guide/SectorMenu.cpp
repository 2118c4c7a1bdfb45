#include "guide/SectorMenu.h"

#include "guide/GuideLayout.h"
#include "platform/ui/Colors.h"
#include "platform/ui/ControlRegistry.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/MouseEvents.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "resources/Pictures.h"

#include <QLabel>

namespace {

const QColor kResting = bgrColor(0x800080);
const QString kFace = QStringLiteral("Century Gothic");

struct Sector
{
    const char* control;
    const char* caption; // none: never laid out
};

// By sector index.
const Sector kSectors[GuideQueries::kSectorCount] = {
    {"iSectorCatering", "Catering"},
    {"iSectorDistribucion", "Distribución"},
    {"iSectorEquipamiento", "Equipamiento"},
    {"iSectorEscuelas", "Escuelas"},
    {"iSectorFranquicias", "Franquicias"},
    {"iSectorHoteles", "Hoteles"},
    {"iSectorTransporte", nullptr},
    {"iSectorVending", "Vending"},
};

// Control creation order; Transporte has a label but no place in the row.
const int kCreation[] = {0, 1, 7, 5, 6, 2, 3, 4};
const int kRow[] = {0, 1, 2, 3, 4, 5, 7};

} // namespace

SectorMenu::SectorMenu(QWidget* form, QWidget* page)
{
    for (int i : kCreation)
        m_labels[size_t(i)]
            = ControlRegistry::add<QLabel>(form, QString::fromLatin1(kSectors[i].control), page);
    for (size_t i = 1; i < m_separators.size(); ++i)
        m_separators[i] = ControlRegistry::add<QLabel>(form, QStringLiteral("Separador%1").arg(i), page);
    for (int i = 0; i < GuideQueries::kSectorCount; ++i) {
        if (QLabel* l = m_labels[size_t(i)]) {
            MouseEvents::of(l).onMove([this, i] { highlight(i); });
            MouseEvents::of(l).onRelease([this, i](Qt::MouseButton, bool) { Q_EMIT chosen(i); });
        }
    }
}

QLabel* SectorMenu::label(int indice) const
{
    return indice >= 0 && indice < GuideQueries::kSectorCount ? m_labels[size_t(indice)].data() : nullptr;
}

void SectorMenu::layout(int codigo, int searchBoxRight, int searchBoxTop)
{
    m_codigo = codigo;
    const GuideLayout::SectorRow fila = GuideLayout::sectorRowFor(codigo);
    double izquierda = GuideLayout::firstSectorLeft(searchBoxRight, fila);
    QLabel* anterior = nullptr;
    for (size_t n = 0; n < std::size(kRow); ++n) {
        QLabel* l = m_labels[size_t(kRow[n])];
        if (!l)
            continue;
        if (anterior)
            izquierda = GuideLayout::nextSectorLeft(Twips::left(anterior) + Twips::width(anterior), fila);
        l->setCursor(Pictures::handCursor());
        ScreenKit::caption(l, QString::fromUtf8(kSectors[kRow[n]].caption),
            Fonts::font(kFace, fila.restSize, fila.bold), kResting);
        Twips::move(l, int(izquierda), searchBoxTop);
        l->show();
        QLabel* separador = n + 1 < std::size(kRow) ? m_separators[n + 1].data() : nullptr;
        if (separador) {
            ScreenKit::caption(
                separador, QStringLiteral("|"), Fonts::font(kFace, GuideLayout::kSeparatorSize), kResting);
            Twips::move(separador, GuideLayout::separatorLeft(Twips::left(l) + Twips::width(l), fila),
                GuideLayout::kSeparatorTop);
            separador->show();
        }
        anterior = l;
    }
}

void SectorMenu::restoreColours()
{
    for (const QPointer<QLabel>& l : m_labels)
        ScreenKit::setTextColor(l, kResting);
}

void SectorMenu::restoreSizes()
{
    const double puntos = GuideLayout::sectorRowFor(m_codigo).restSize;
    for (const QPointer<QLabel>& l : m_labels)
        ScreenKit::resizeFont(l, puntos);
}

void SectorMenu::highlight(int indice)
{
    restoreSizes();
    restoreColours();
    QLabel* l = label(indice);
    ScreenKit::resizeFont(l, GuideLayout::sectorRowFor(m_codigo).highlightSize);
    ScreenKit::setTextColor(l, Qt::black);
}
