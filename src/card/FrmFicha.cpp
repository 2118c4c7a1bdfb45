#include "card/FrmFicha.h"

#include "card/clsFicha.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/print/PrinterSurface.h"
#include "platform/print/Printers.h"
#include "platform/print/clsImpresion.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/PictureBox.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "resources/Pictures.h"
#include "shell/clsWeb.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScrollBar>

namespace {

constexpr quint32 kFondo = 0xEAF3F6;
constexpr quint32 kMarcada = 0xEAF3F6;
constexpr quint32 kSinMarcar = 0x3E3E3E;

const QString kSelectFicha = QStringLiteral(
    "SELECT seleccionada, sector, empresa, actividad, cif, autonomia, provincia, poblacion, domicilio, cp, "
    "telefono, fax, email, web, cargo_1, contacto_1, cargo_2, contacto_2, superficie, vehiculos, empleados, "
    "observaciones, empresa_id FROM tbl_empresas where id_emp=");
const QString kSelectNombreSede = QStringLiteral("SELECT empresa FROM tbl_empresas WHERE id_emp=");

// The order in which the card prints its rows (contacts and observations come after).
constexpr int kOrdenImpresion[] = {
    RecordCardLayout::Empresa,
    RecordCardLayout::Sector,
    RecordCardLayout::Actividad,
    RecordCardLayout::Domicilio,
    RecordCardLayout::Superficie,
    RecordCardLayout::Vehiculos,
    RecordCardLayout::Empleados,
    RecordCardLayout::Provincia,
    RecordCardLayout::Cp,
    RecordCardLayout::Autonomia,
    RecordCardLayout::Poblacion,
    RecordCardLayout::Telefono,
    RecordCardLayout::Fax,
    RecordCardLayout::Cif,
    RecordCardLayout::Web,
    RecordCardLayout::Email,
};

// Observations up to this length print through the box itself; longer ones are wrapped first.
constexpr qsizetype kObservacionesCortas = 85;

void procesaPendientes()
{
    PendingEvents::process();
}

QLabel* nuevaEtiqueta(QWidget* contenedor, const QString& nombre, const QFont& fuente)
{
    auto* label = new QLabel(contenedor);
    label->setObjectName(nombre);
    label->setFont(fuente);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->hide();
    return label;
}

} // namespace

FrmFicha::FrmFicha(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("FrmFicha"));
    setModal(true);
    construye();
    Form_Load();
}

FrmFicha::~FrmFicha() = default;

void FrmFicha::construye()
{
    setFixedSize(Twips::toPixels(10185), Twips::toPixels(9120));
    setMouseTracking(true);
    setAutoFillBackground(false);
    WindowBehaviour::makeDraggable(this);

    const QColor fondo = bgrColor(kFondo);
    Check1 = new QCheckBox(QStringLiteral("Seleccionada"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 9.75));
    // Left unfilled: the card's page, of the same colour, shows through.
    Twips::place(Check1, 225, 1350, 3165, 615);
    connect(Check1, &QCheckBox::clicked, this, &FrmFicha::Check1_Click);

    picFondo = new PictureBox(this);
    picFondo->setObjectName(QStringLiteral("picFondo"));
    picFondo->setBackColor(fondo);
    picFondo->setBorderStyle(0);
    Twips::place(picFondo, 0, 2250, 10050, 5385);

    picMovible = new PictureBox(picFondo);
    picMovible->setObjectName(QStringLiteral("picMovible"));
    picMovible->setBackColor(fondo);
    picMovible->setBorderStyle(0);
    Twips::place(picMovible, 225, -75, 9405, 8520);

    FlatScrollBar1 = new QScrollBar(Qt::Vertical, this);
    FlatScrollBar1->setObjectName(QStringLiteral("FlatScrollBar1"));
    FlatScrollBar1->setRange(0, 3800);
    FlatScrollBar1->setSingleStep(200);
    FlatScrollBar1->setPageStep(400);
    FlatScrollBar1->setValue(0);
    Twips::place(FlatScrollBar1, 9675, 2025, 315, 5790);
    connect(FlatScrollBar1, &QScrollBar::valueChanged, this,
        [this](int valor) { picMovible->move(picMovible->x(), -Twips::toPixels(valor)); });

    const QFont normal = Fonts::font(QStringLiteral("Arial"), 9.75);
    const QFont grande = Fonts::font(QStringLiteral("Arial"), 11.25, true);
    QColor enlace = QApplication::palette().color(QPalette::Highlight);
    auto titulo = [&](const RecordCardLayout::Diseno& d) {
        QLabel* label = nuevaEtiqueta(picMovible, QStringLiteral("lblTitulos_%1").arg(d.posicion),
            d.posicion == RecordCardLayout::Empresa ? grande : normal);
        label->setText(QString::fromUtf8(d.titulo));
        Twips::place(label, d.tituloLeft, 0, d.tituloWidth, RecordCardLayout::kAltoTitulo);
        lblTitulos[size_t(d.posicion)] = label;
    };
    for (const RecordCardLayout::Diseno& d : RecordCardLayout::filas()) {
        titulo(d);
        const bool esEnlace = d.posicion == RecordCardLayout::Email || d.posicion == RecordCardLayout::Web
            || d.posicion == RecordCardLayout::EmpresaId;
        QFont fuente = d.posicion == RecordCardLayout::Empresa ? grande : normal;
        fuente.setUnderline(esEnlace);
        QLabel* valor = nuevaEtiqueta(picMovible, QString::fromLatin1(d.valor), fuente);
        Twips::move(valor, d.valorLeft, 0);
        if (esEnlace) {
            QPalette p = valor->palette();
            p.setColor(QPalette::WindowText, enlace);
            valor->setPalette(p);
            valor->installEventFilter(this);
        }
        m_valores[size_t(d.posicion)] = valor;
    }

    titulo(RecordCardLayout::contactos());
    lblContactos = nuevaEtiqueta(picMovible, QStringLiteral("lblContactos"), normal);
    lblContactos->setWordWrap(true);
    Twips::place(
        lblContactos, RecordCardLayout::contactos().valorLeft, 0, 8835, RecordCardLayout::kAltoContactos);

    titulo(RecordCardLayout::observaciones());
    lblTitulos[RecordCardLayout::Observaciones]->show();
    txtObservaciones = new QPlainTextEdit(picMovible);
    txtObservaciones->setObjectName(QStringLiteral("txtObservaciones"));
    txtObservaciones->setFont(normal);
    txtObservaciones->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette paletaTexto = txtObservaciones->palette();
    paletaTexto.setColor(QPalette::Text, bgrColor(0x404040));
    txtObservaciones->setPalette(paletaTexto);
    Twips::place(txtObservaciones, RecordCardLayout::observaciones().valorLeft, 0, 8805, 1815);
    connect(txtObservaciones, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_mostrando)
            obsCambiadas = true;
    });

    auto boton = [this](const QString& nombre, const QString& cara, int left, int top) {
        auto* b = new ImageButton(this);
        b->setObjectName(nombre);
        b->setPicture(cara);
        Twips::move(b, left, top);
        return b;
    };
    cmdAnterior = boton(QStringLiteral("cmdAnterior"), QStringLiteral("ANTERIOR"), 8775, 1275);
    cmdSiguiente = boton(QStringLiteral("cmdSiguiente"), QStringLiteral("SIGUIENTE"), 9495, 1275);
    cmdImprime = boton(QStringLiteral("cmdImprime"), QStringLiteral("IMPRIMIR"), 375, 8250);
    imgCancelar = boton(QStringLiteral("imgCancelar"), QStringLiteral("CANCELAR"), 9450, 8175);

    connect(cmdAnterior, &ImageButton::clicked, this, &FrmFicha::muestraAnterior);
    connect(cmdSiguiente, &ImageButton::clicked, this, &FrmFicha::muestraSiguiente);
    connect(cmdImprime, &ImageButton::released, this, &FrmFicha::imprimeFicha);
    connect(imgCancelar, &ImageButton::released, this, &FrmFicha::imgCancelar_MouseUp);
    connect(cmdImprime, &ImageButton::mouseMoved, cmdImprime, &ImageButton::showRollover);
    connect(imgCancelar, &ImageButton::mouseMoved, imgCancelar, &ImageButton::showRollover);
    connect(cmdAnterior, &ImageButton::mouseMoved, this, [this] {
        cmdAnterior->showRollover();
        if (cmdSiguiente->isEnabled())
            cmdSiguiente->showNormal();
    });
    connect(cmdSiguiente, &ImageButton::mouseMoved, this, [this] {
        cmdSiguiente->showRollover();
        if (cmdAnterior->isEnabled())
            cmdAnterior->showNormal();
    });
}

void FrmFicha::Form_Load()
{
    const QCursor mano = Pictures::handCursor();
    for (QLabel* enlace : {m_valores[RecordCardLayout::Web], m_valores[RecordCardLayout::Email],
             m_valores[RecordCardLayout::EmpresaId]})
        enlace->setCursor(mano);
    restauraBotones();
}

void FrmFicha::restauraBotones()
{
    // A disabled button keeps its disabled face.
    for (ImageButton* b : {cmdSiguiente, cmdAnterior, cmdImprime, imgCancelar})
        b->showNormal();
}

void FrmFicha::Muestra(Recordset* recordset, FlexGrid* rejilla)
{
    rs = recordset;
    grid = rejilla;
    obsCambiadas = false;
    selCambiada = false;
    // A recordset that cannot store the editors' changes gets editors that cannot make them.
    const bool editable = rs && rs->isOpen() && rs->isUpdatable();
    txtObservaciones->setReadOnly(!editable);
    Check1->setEnabled(editable);
    muestraRegistro();
}

Connection* FrmFicha::conexion() const
{
    if (rs && rs->activeConnection() && rs->activeConnection()->isOpen())
        return rs->activeConnection();
    return &gConexion();
}

std::optional<QString> FrmFicha::textoSede(const QVariant& empresaId) const
{
    const std::optional<qint64> clave = RecordCardLayout::claveSede(empresaId);
    Connection* c = conexion();
    if (!clave || !c || !c->isOpen())
        return std::nullopt;
    try {
        Recordset sede;
        sede.open(kSelectNombreSede + QString::number(*clave), *c);
        if (sede.isEOF())
            return QString();
        return QLatin1Char('(') + sede.field(0).toString() + QLatin1Char(')');
    } catch (const DbError&) {
        return std::nullopt;
    }
}

void FrmFicha::muestraRegistro()
{
    QVariantList valores;
    try {
        if (!rs || !rs->isOpen() || rs->isBOF() || rs->isEOF())
            return;
        const int campos = qMin(rs->fieldCount(), int(RecordCardLayout::NumCampos));
        for (int i = 0; i < campos; ++i)
            valores.append(rs->field(i).value());
    } catch (const DbError&) {
        return;
    }
    const RecordCardLayout l
        = RecordCardLayout::calcula(valores, textoSede(valores.value(RecordCardLayout::EmpresaId)));

    m_mostrando = true;
    if (const std::optional<bool> marca = l.seleccionada()) {
        Check1->setChecked(*marca);
        marcaCelda(*marca);
    }
    for (const RecordCardLayout::Diseno& d : RecordCardLayout::filas()) {
        const RecordCardLayout::Fila& fila = l.fila(d.posicion);
        QLabel* titulo = lblTitulos[size_t(d.posicion)];
        QLabel* valor = m_valores[size_t(d.posicion)];
        valor->setText(fila.texto);
        valor->adjustSize();
        titulo->setVisible(fila.visible);
        valor->setVisible(fila.visible);
        if (fila.visible) {
            Twips::move(titulo, d.tituloLeft, fila.top);
            Twips::move(valor, d.valorLeft, fila.top);
        }
    }
    const RecordCardLayout::Fila& contactos = l.fila(RecordCardLayout::Cargo1);
    lblContactos->setText(contactos.texto);
    lblTitulos[RecordCardLayout::Cargo1]->setVisible(contactos.visible);
    lblContactos->setVisible(contactos.visible);
    if (contactos.visible) {
        Twips::move(
            lblTitulos[RecordCardLayout::Cargo1], RecordCardLayout::contactos().tituloLeft, contactos.top);
        Twips::move(lblContactos, RecordCardLayout::contactos().valorLeft, l.topContactos());
    }
    const RecordCardLayout::Fila& obs = l.fila(RecordCardLayout::Observaciones);
    txtObservaciones->setPlainText(obs.texto);
    Twips::move(
        lblTitulos[RecordCardLayout::Observaciones], RecordCardLayout::observaciones().tituloLeft, obs.top);
    Twips::move(txtObservaciones, RecordCardLayout::observaciones().valorLeft, l.topObservaciones());
    m_mostrando = false;
}

void FrmFicha::marcaCelda(bool marcada)
{
    // Only the marker of the company shown: a grid row that is no record of it stays as it is.
    try {
        if (!grid || !rs || grid->row() != rs->absolutePosition())
            return;
    } catch (const DbError&) {
        return;
    }
    grid->setCol(0);
    grid->setCellBackColor(bgrColor(marcada ? kMarcada : kSinMarcar));
}

void FrmFicha::Check1_Click()
{
    selCambiada = true;
    marcaCelda(Check1->isChecked());
}

bool FrmFicha::guardaCambios()
{
    try {
        if (!rs || !rs->isOpen() || rs->isBOF() || rs->isEOF()) {
            obsCambiadas = false;
            selCambiada = false;
            return true;
        }
    } catch (const DbError&) {
        return true;
    }
    QString fallo;
    if (obsCambiadas) {
        // Stored as typed, and only when the text really differs from what is stored.
        const QString texto = txtObservaciones->toPlainText();
        try {
            const QString guardado
                = RecordCardLayout::comoEditor(rs->field(RecordCardLayout::Observaciones).toString());
            if (texto != guardado) {
                rs->field(RecordCardLayout::Observaciones) = RecordCardLayout::comoAlmacen(texto);
                rs->update();
            }
            obsCambiadas = false;
        } catch (const DbError& e) {
            rs->cancelUpdate();
            fallo = e.description();
        }
    }
    if (selCambiada && fallo.isEmpty()) {
        const bool marcada = Check1->isChecked();
        try {
            const QVariant guardada = rs->field(RecordCardLayout::Seleccionada).value();
            if (!guardada.isValid() || guardada.isNull() || guardada.toBool() != marcada) {
                rs->field(RecordCardLayout::Seleccionada) = marcada;
                rs->update();
            }
            selCambiada = false;
        } catch (const DbError& e) {
            rs->cancelUpdate();
            fallo = e.description();
        }
    }
    if (fallo.isEmpty())
        return true;

    // Nothing the user typed or ticked goes without telling: keeping it is the default answer.
    const DialogService::Answer respuesta = DialogService::message(
        QStringLiteral("No se han podido guardar los cambios de esta empresa (%1).\n\n"
                       "¿Desea volver a la ficha para conservarlos? Si responde No, se perderán.")
            .arg(fallo),
        DialogService::Buttons::YesNo, DialogService::Icon::Critical, QString(), this);
    if (respuesta == DialogService::Answer::Yes)
        return false;
    obsCambiadas = false;
    selCambiada = false;
    try {
        const QVariant guardada = rs->field(RecordCardLayout::Seleccionada).value();
        if (guardada.isValid() && !guardada.isNull())
            marcaCelda(guardada.toBool());
    } catch (const DbError&) {
    }
    return true;
}

void FrmFicha::sigueGrid()
{
    if (!grid)
        return;
    // Row r of the grid shows record r; the company shown goes to the top of the grid.
    const int fila = rs->absolutePosition();
    if (fila < 1)
        return;
    grid->setRow(fila);
    grid->setTopRow(fila);
    grid->refresh();
}

void FrmFicha::muestraAnterior()
{
    if (!rs || !guardaCambios())
        return;
    bool principio = true;
    try {
        rs->movePrevious();
        principio = rs->isBOF();
    } catch (const DbError&) {
    }
    if (principio) {
        try {
            rs->moveFirst();
        } catch (const DbError&) {
        }
        cmdAnterior->setEnabled(false);
        return;
    }
    sigueGrid();
    cmdSiguiente->setEnabled(true);
    cmdSiguiente->showNormal();
    muestraRegistro();
}

void FrmFicha::muestraSiguiente()
{
    if (!rs || !guardaCambios())
        return;
    bool fin = true;
    try {
        rs->moveNext();
        fin = rs->isEOF();
    } catch (const DbError&) {
    }
    if (fin) {
        try {
            rs->moveLast();
        } catch (const DbError&) {
        }
        cmdSiguiente->setEnabled(false);
    } else {
        sigueGrid();
    }
    cmdAnterior->setEnabled(true);
    cmdAnterior->showNormal();
    muestraRegistro();
}

void FrmFicha::imgCancelar_MouseUp()
{
    if (guardaCambios())
        QDialog::reject();
}

void FrmFicha::reject()
{
    if (guardaCambios())
        QDialog::reject();
}

void FrmFicha::done(int result)
{
    QDialog::done(result);
    // Closed: the recordset and the grid belong to others and may go before this card does.
    rs = nullptr;
    grid = nullptr;
}

void FrmFicha::lblEmail_MouseUp()
{
    clsWeb web;
    QString destino = m_valores[RecordCardLayout::Email]->text().toLower();
    web.AbreMail(destino);
}

void FrmFicha::lblWeb_MouseUp()
{
    clsWeb web;
    QString direccion = m_valores[RecordCardLayout::Web]->text().toLower();
    web.AbreHttp(direccion);
}

void FrmFicha::lblEmpresaLink_Click()
{
    if (!rs)
        return;
    std::optional<qint64> clave;
    try {
        clave = RecordCardLayout::claveSede(rs->field(RecordCardLayout::EmpresaId).value());
    } catch (const DbError&) {
    }
    Connection* c = conexion();
    if (!clave || !c)
        return;
    auto sede = std::make_unique<Recordset>();
    bool encontrada = false;
    try {
        sede->open(kSelectFicha + QString::number(*clave), *c);
        encontrada = !(sede->isBOF() && sede->isEOF());
    } catch (const DbError&) {
    }
    if (!encontrada) {
        DialogService::message(
            QStringLiteral("No se pudo obtener informacion de la sede principal de la empresa"),
            DialogService::Buttons::Ok, DialogService::Icon::Information, QString(), this);
        return;
    }
    sede->moveFirst();
    clsFicha ficha;
    ficha.Muestra(sede.get(), nullptr, this);
}

void FrmFicha::imprimeFicha()
{
    const BusyPointer::Scope ocupado;
    procesaPendientes();
    const std::unique_ptr<QPrinter> impresora = Printers::create();
    // Cancelling the printer dialog prints nothing and leaves the card as it was.
    if (!DialogService::printDialog(impresora.get(), this))
        return;
    procesaPendientes();
    PrinterSurface superficie(*impresora);
    clsImpresion impresion(superficie);
    const bool preparada = impresion.setPapel(clsImpresion::A4);
    impresion.setOrientacion(clsImpresion::Vertical);
    if (!preparada || !impresion.setUnidadMedida(clsImpresion::Twips)) {
        impresion.Cancela();
        return;
    }
    procesaPendientes();

    auto par = [&](int posicion, QWidget* valor) {
        if (valor->isHidden())
            return;
        impresion.ImprimeObjeto(lblTitulos[size_t(posicion)]);
        impresion.ImprimeObjeto(valor);
    };
    for (const int posicion : kOrdenImpresion)
        par(posicion, m_valores[size_t(posicion)]);
    procesaPendientes();
    par(RecordCardLayout::Cargo1, lblContactos);
    procesaPendientes();

    const QString observaciones = RecordCardLayout::comoAlmacen(txtObservaciones->toPlainText());
    if (!txtObservaciones->isHidden() && !observaciones.isEmpty()) {
        impresion.ImprimeObjeto(lblTitulos[RecordCardLayout::Observaciones]);
        if (observaciones.size() <= kObservacionesCortas) {
            impresion.ImprimeObjeto(txtObservaciones);
        } else {
            // Every wrapped line starts at the box's left, in the box's font.
            const QFont fuente = txtObservaciones->font();
            PrintFont letra;
            letra.name = fuente.family();
            letra.pointSize = fuente.pointSizeF();
            letra.bold = fuente.bold();
            letra.italic = fuente.italic();
            impresion.setFuente(letra);
            impresion.imprimeTexto(RecordCardLayout::partirObservaciones(observaciones),
                Twips::left(txtObservaciones), Twips::top(txtObservaciones));
        }
    }
    impresion.imprime();
}

void FrmFicha::mouseMoveEvent(QMouseEvent* event)
{
    // Only the background itself: moving off the buttons gives them their normal faces back.
    if (!childAt(event->position().toPoint()))
        restauraBotones();
    QDialog::mouseMoveEvent(event);
}

void FrmFicha::keyPressEvent(QKeyEvent* event)
{
    // The card closes only by its close button (and writes back when it does).
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FrmFicha::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), bgrColor(kFondo));
    painter.drawPixmap(0, 0, Pictures::get(QStringLiteral("FONDO_FICHA")));
}

bool FrmFicha::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && mouse->button() == Qt::LeftButton
            && label->rect().contains(mouse->position().toPoint())) {
            if (label == m_valores[RecordCardLayout::Email])
                lblEmail_MouseUp();
            else if (label == m_valores[RecordCardLayout::Web])
                lblWeb_MouseUp();
            else if (label == m_valores[RecordCardLayout::EmpresaId])
                lblEmpresaLink_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
