#include "guide/GridBinding.h"

#include "core/clsDatosBD.h"
#include "guide/GuideGrid.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"

#include <QLabel>

namespace GridBinding {

void muestraDatosMatriz(clsDatosBD& datos, FlexGrid* grid)
{
    if (!grid)
        return;
    BusyPointer::Scope busy;
    Recordset& rs = *datos.getRecordset();
    if (!rs.isOpen() || rs.isEOF()) {
        // Nothing to show: the grid keeps only its header, so nothing stale can be chosen.
        grid->setRows(1);
        if (rs.isOpen())
            grid->setCols(rs.fieldCount() + 1);
        return;
    }
    const QList<QVariantList> filas = rs.getRows();
    const int campos = int(filas.size());
    const int registros = campos > 0 ? int(filas.first().size()) : 0;
    grid->setRows(registros + 1);
    grid->setCols(campos + 1);
    for (int i = 0; i < registros; ++i) {
        for (int j = 0; j < campos; ++j)
            grid->setTextMatrix(i + 1, j + 1, Recordset::displayText(filas.at(j).at(i)));
    }
}

void muestraDatos(clsDatosBD& datos, FlexGrid* grid)
{
    if (!grid)
        return;
    BusyPointer::Scope busy;
    // Binding starts the headings afresh, as field names: the headings shown stay through it, so that
    // the repaint below (under the wait window of a sort) never shows a field name.
    QStringList titulos;
    for (int c = 0; c < grid->cols(); ++c)
        titulos << grid->textMatrix(0, c);
    grid->setDataSource(datos.getRecordset());
    for (int c = 0; c < qMin(int(titulos.size()), grid->cols()); ++c) {
        if (!titulos.at(c).isEmpty())
            grid->setTextMatrix(0, c, titulos.at(c));
    }
    PendingEvents::process();
    const int registros = datos.getNumeroRegistros();
    if (registros > 0) {
        grid->setTopRow(registros);
        grid->setRow(1);
        grid->setTopRow(1);
    }
}

void formatea(FlexGrid* grid, int codigo)
{
    if (!grid)
        return;
    grid->setFormatString(GuideGrid::formatString());
    for (int c = 2; c < GuideGrid::kColumns; ++c) {
        grid->setColAlignment(c, GuideGrid::alignment(c));
        grid->setColHeaderCaption(c, GuideGrid::headerCaption(c));
    }
    grid->setForeColorFixed(bgrColor(0x0000FF));
    grid->setBackColorFixed(GuideGrid::unmarkedColor());
    for (int c = 0; c < GuideGrid::kColumns; ++c)
        grid->setColWidth(c, GuideGrid::width(c, codigo));
}

void marcaFilas(FlexGrid* grid, const Recordset* rs)
{
    if (!grid)
        return;
    const BusyPointer::Scope busy;
    const int filas = grid->rows() - 1;
    // Row r shows record r: the stored value decides, not a copied text.
    const bool porRegistro = rs && rs->isOpen() && rs->recordCount() == filas;
    FlexGridModel* modelo = grid->flexModel();
    const QColor marcada = GuideGrid::markedColor();
    const QColor sinMarcar = GuideGrid::unmarkedColor();
    if (porRegistro) {
        rs->visitColumn(0, [&](int r, const QVariant& valor) {
            modelo->setCellBackColor(r + 1, 0, GuideGrid::isMarked(valor) ? marcada : sinMarcar);
        });
    } else {
        for (int r = 1; r <= filas; ++r)
            modelo->setCellBackColor(r, 0, GuideGrid::isMarked(grid->textMatrix(r, 1)) ? marcada : sinMarcar);
    }
    grid->setCol(0);
}

void pintaMarca(FlexGrid* grid, int fila, bool marcada)
{
    if (grid)
        grid->flexModel()->setCellBackColor(
            fila, 0, marcada ? GuideGrid::markedColor() : GuideGrid::unmarkedColor());
}

QString cambiaMarca(FlexGrid* grid, Recordset& rs, int fila)
{
    const bool antes = GuideGrid::isMarked(rs.valueAt(fila - 1, 0));
    pintaMarca(grid, fila, !antes);
    try {
        rs.setAbsolutePosition(fila);
        rs.field(0) = !antes;
        rs.update();
    } catch (const DbError& e) {
        rs.cancelUpdate();
        // Another program changed the mark meanwhile, so it holds what was asked: shown as stored.
        bool releida = false;
        try {
            const std::optional<qint64> clave = rs.keyAt(fila - 1);
            releida = e.number() == DbError::ChangedElsewhere && clave && rs.resync(*clave) > 0;
        } catch (const DbError&) {
        }
        if (!releida) {
            pintaMarca(grid, fila, antes);
            return e.description();
        }
        pintaMarca(grid, fila, GuideGrid::isMarked(rs.valueAt(fila - 1, 0)));
    }
    // Copied cells do not follow the record by themselves.
    if (!grid->dataSource())
        grid->setTextMatrix(fila, 1, Recordset::displayText(rs.valueAt(fila - 1, 0)));
    return {};
}

void senalaCabecera(FlexGrid* grid, QLabel* medida, double x)
{
    const int c = grid->mouseCol();
    const QString caption = grid->colHeaderCaption(c);
    int ancho = 0;
    if (medida && !caption.isEmpty()) {
        medida->setText(caption);
        medida->adjustSize();
        ancho = Twips::width(medida);
    }
    const bool mano = grid->mouseRow() == 0 && float(x) < float(grid->colPos(c) + ancho);
    grid->setMousePointer(mano ? FlexGrid::Pointer::Custom : FlexGrid::Pointer::Default);
}

} // namespace GridBinding
