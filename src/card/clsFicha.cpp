#include "card/clsFicha.h"

#include "card/FrmFicha.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QScreen>

void clsFicha::Muestra(Recordset* rs, FlexGrid* grid, QWidget* padre)
{
    bool sinEmpresa = true;
    try {
        sinEmpresa = !rs || !rs->isOpen() || rs->isEOF() || rs->isBOF();
    } catch (const DbError&) {
    }
    if (sinEmpresa) {
        DialogService::message(QStringLiteral("No hay ninguna empresa seleccionada"),
            DialogService::Buttons::Ok, DialogService::Icon::Information);
        return;
    }
    if (grid) {
        const int fila = grid->row();
        if (fila >= 1 && fila <= rs->recordCount()) {
            try {
                rs->setAbsolutePosition(fila);
            } catch (const DbError&) {
            }
        }
    }
    if (!padre)
        padre = grid ? grid->window() : QApplication::activeWindow();
    if (!padre)
        padre = gFormMenu;
    // Released later: the card's own handlers may still be on the stack when this returns.
    QPointer<FrmFicha> ficha = new FrmFicha(padre);
    ficha->Muestra(rs, grid);
    // Centred over the window that opens it, by the program: a head-office card lies exactly over
    // the card below it, whatever the window manager would do.
    if (padre) {
        const QRect debajo = padre->window()->frameGeometry();
        QPoint sitio = debajo.topLeft()
            + QPoint((debajo.width() - ficha->width()) / 2, (debajo.height() - ficha->height()) / 2);
        // Its top left stays on the screen, so its buttons can be reached on a small one.
        if (const QScreen* pantalla = padre->screen()) {
            const QRect libre = pantalla->availableGeometry();
            sitio.setX(qMax(libre.left(), qMin(sitio.x(), libre.right() + 1 - ficha->width())));
            sitio.setY(qMax(libre.top(), qMin(sitio.y(), libre.bottom() + 1 - ficha->height())));
        }
        ficha->move(sitio);
    }
    DialogService::exec(*ficha);
    if (ficha)
        ficha->deleteLater();
}
