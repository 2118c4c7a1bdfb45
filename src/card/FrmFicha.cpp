#include "card/FrmFicha.h"

#include "card/HeadOffice.h"
#include "card/RecordCardPrint.h"
#include "card/clsFicha.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
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
#include <QScrollBar>
#include <QWheelEvent>
#include <utility>

namespace {

constexpr quint32 kFondo = 0xEAF3F6;
constexpr quint32 kMarcada = 0xEAF3F6;
constexpr quint32 kSinMarcar = 0x3E3E3E;

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
    // The wheel over the panel or any of its labels scrolls the panel.
    picFondo->installEventFilter(this);
    picMovible->installEventFilter(this);
    const QList<QLabel*> etiquetas = picMovible->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : etiquetas)
        label->installEventFilter(this);
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
    const RecordCardLayout l = RecordCardLayout::calcula(
        valores, HeadOffice::textoEnlace(conexion(), valores.value(RecordCardLayout::EmpresaId)));

    m_mostrando = true;
    // Each company shows from the top, its name in sight.
    FlatScrollBar1->setValue(0);
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
                anotaEscrita();
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
                anotaEscrita();
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
    // The card below reads again what this one (or one it opened) wrote.
    if (auto* debajo = qobject_cast<FrmFicha*>(parentWidget()))
        debajo->m_escritasEncima.unite(m_escritas);
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
    web.AbreHttp(m_valores[RecordCardLayout::Web]->text().toLower());
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
    if (!clave)
        return;
    std::unique_ptr<Recordset> sede = HeadOffice::abre(conexion(), *clave);
    if (!sede) {
        DialogService::message(
            QStringLiteral("No se pudo obtener informacion de la sede principal de la empresa"),
            DialogService::Buttons::Ok, DialogService::Icon::Information, QString(), this);
        return;
    }
    // What this card holds is stored first: the head office may be the company shown here.
    if (!guardaCambios())
        return;
    clsFicha ficha;
    ficha.Muestra(sede.get(), nullptr, this);
    sede.reset();
    releeEscritas();
}

void FrmFicha::anotaEscrita()
{
    if (const std::optional<qint64> clave = rs->keyAt(rs->absolutePosition() - 1))
        m_escritas.insert(*clave);
}

void FrmFicha::releeEscritas()
{
    // The cards opened from this one wrote through recordsets of their own: this card's recordset
    // (the guide's, for the guide's card) reads those companies again, so that no later write from
    // here puts their old values back.
    const QSet<qint64> escritas = std::exchange(m_escritasEncima, {});
    m_escritas.unite(escritas);
    if (!rs || escritas.isEmpty())
        return;
    bool actual = false;
    try {
        const std::optional<qint64> mostrada = rs->keyAt(rs->absolutePosition() - 1);
        for (const qint64 clave : escritas) {
            rs->resync(clave);
            actual = actual || mostrada == clave;
        }
    } catch (const DbError&) {
        return;
    }
    if (actual)
        muestraRegistro();
}

void FrmFicha::imprimeFicha()
{
    const BusyPointer::Scope ocupado;
    QString nombre;
    try {
        nombre = rs ? rs->field(RecordCardLayout::Empresa).value().toString().trimmed() : QString();
    } catch (const DbError&) {
    }
    RecordCardPrint(lblTitulos, m_valores, lblContactos, txtObservaciones).imprime(nombre, this);
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

void FrmFicha::wheelEvent(QWheelEvent* event)
{
    // What the card's other controls leave (the observations at their end) scrolls the panel.
    desplazaConRueda(event);
}

void FrmFicha::desplazaConRueda(QWheelEvent* event)
{
    // A notch moves the panel as the bar's own wheel does.
    m_ruedaPendiente += event->angleDelta().y();
    const int muescas = m_ruedaPendiente / QWheelEvent::DefaultDeltasPerStep;
    m_ruedaPendiente -= muescas * QWheelEvent::DefaultDeltasPerStep;
    const int paso
        = qMin(QApplication::wheelScrollLines() * FlatScrollBar1->singleStep(), FlatScrollBar1->pageStep());
    FlatScrollBar1->setValue(FlatScrollBar1->value() - muescas * paso);
    event->accept();
}

void FrmFicha::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.fillRect(rect(), bgrColor(kFondo));
    painter.drawPixmap(0, 0, Pictures::get(QStringLiteral("FONDO_FICHA")));
}

bool FrmFicha::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Wheel) {
        desplazaConRueda(static_cast<QWheelEvent*>(event));
        return true;
    }
    const bool enlace = watched == m_valores[RecordCardLayout::Email]
        || watched == m_valores[RecordCardLayout::Web] || watched == m_valores[RecordCardLayout::EmpresaId];
    if (enlace && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        if (mouse->button() == Qt::LeftButton && label->rect().contains(mouse->position().toPoint())) {
            if (label == m_valores[RecordCardLayout::Email])
                lblEmail_MouseUp();
            else if (label == m_valores[RecordCardLayout::Web])
                lblWeb_MouseUp();
            else
                lblEmpresaLink_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
