#include "card/FrmFicha.h"

#include "card/CardWriteBack.h"
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
#include "platform/ui/MouseEvents.h"
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
    m_Check1 = new QCheckBox(QStringLiteral("Seleccionada"), this);
    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 9.75));
    // Left unfilled: the card's page, of the same colour, shows through.
    Twips::place(m_Check1, 225, 1350, 3165, 615);
    connect(m_Check1, &QCheckBox::clicked, this, &FrmFicha::Check1_Click);

    m_picFondo = new PictureBox(this);
    m_picFondo->setObjectName(QStringLiteral("picFondo"));
    m_picFondo->setBackColor(fondo);
    m_picFondo->setBorderStyle(0);
    Twips::place(m_picFondo, 0, 2250, 10050, 5385);

    m_picMovible = new PictureBox(m_picFondo);
    m_picMovible->setObjectName(QStringLiteral("picMovible"));
    m_picMovible->setBackColor(fondo);
    m_picMovible->setBorderStyle(0);
    Twips::place(m_picMovible, 225, -75, 9405, 8520);

    m_FlatScrollBar1 = new QScrollBar(Qt::Vertical, this);
    m_FlatScrollBar1->setObjectName(QStringLiteral("FlatScrollBar1"));
    m_FlatScrollBar1->setRange(0, 3800);
    m_FlatScrollBar1->setSingleStep(200);
    m_FlatScrollBar1->setPageStep(400);
    m_FlatScrollBar1->setValue(0);
    Twips::place(m_FlatScrollBar1, 9675, 2025, 315, 5790);
    connect(m_FlatScrollBar1, &QScrollBar::valueChanged, this,
        [this](int valor) { m_picMovible->move(m_picMovible->x(), -Twips::toPixels(valor)); });

    const QFont normal = Fonts::font(QStringLiteral("Arial"), 9.75);
    const QFont grande = Fonts::font(QStringLiteral("Arial"), 11.25, true);
    QColor enlace = QApplication::palette().color(QPalette::Highlight);
    auto titulo = [&](const RecordCardLayout::Placement& d) {
        QLabel* label = nuevaEtiqueta(m_picMovible, QStringLiteral("lblTitulos_%1").arg(d.posicion),
            d.posicion == RecordCardLayout::Empresa ? grande : normal);
        label->setText(QString::fromUtf8(d.titulo));
        Twips::place(label, d.tituloLeft, 0, d.tituloWidth, RecordCardLayout::kAltoTitulo);
        m_lblTitulos[size_t(d.posicion)] = label;
    };
    for (const RecordCardLayout::Placement& d : RecordCardLayout::filas()) {
        titulo(d);
        const bool esEnlace = d.posicion == RecordCardLayout::Email || d.posicion == RecordCardLayout::Web
            || d.posicion == RecordCardLayout::EmpresaId;
        QFont fuente = d.posicion == RecordCardLayout::Empresa ? grande : normal;
        fuente.setUnderline(esEnlace);
        QLabel* valor = nuevaEtiqueta(m_picMovible, QString::fromLatin1(d.valor), fuente);
        Twips::move(valor, d.valorLeft, 0);
        if (esEnlace) {
            QPalette p = valor->palette();
            p.setColor(QPalette::WindowText, enlace);
            valor->setPalette(p);
        }
        m_valores[size_t(d.posicion)] = valor;
    }

    titulo(RecordCardLayout::contactos());
    m_lblContactos = nuevaEtiqueta(m_picMovible, QStringLiteral("lblContactos"), normal);
    m_lblContactos->setWordWrap(true);
    Twips::place(
        m_lblContactos, RecordCardLayout::contactos().valorLeft, 0, 8835, RecordCardLayout::kAltoContactos);

    titulo(RecordCardLayout::observaciones());
    m_lblTitulos[RecordCardLayout::Observaciones]->show();
    // The wheel over the panel or any of its labels scrolls the panel.
    m_picFondo->installEventFilter(this);
    m_picMovible->installEventFilter(this);
    const QList<QLabel*> etiquetas = m_picMovible->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
    for (QLabel* label : etiquetas)
        label->installEventFilter(this);
    m_txtObservaciones = new QPlainTextEdit(m_picMovible);
    m_txtObservaciones->setObjectName(QStringLiteral("txtObservaciones"));
    m_txtObservaciones->setFont(normal);
    m_txtObservaciones->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette paletaTexto = m_txtObservaciones->palette();
    paletaTexto.setColor(QPalette::Text, bgrColor(0x404040));
    m_txtObservaciones->setPalette(paletaTexto);
    Twips::place(m_txtObservaciones, RecordCardLayout::observaciones().valorLeft, 0, 8805, 1815);
    connect(m_txtObservaciones, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_mostrando)
            m_obsCambiadas = true;
    });

    auto boton = [this](const QString& nombre, const QString& cara, int left, int top) {
        auto* b = new ImageButton(this);
        b->setObjectName(nombre);
        b->setPicture(cara);
        Twips::move(b, left, top);
        return b;
    };
    m_cmdAnterior = boton(QStringLiteral("cmdAnterior"), QStringLiteral("ANTERIOR"), 8775, 1275);
    m_cmdSiguiente = boton(QStringLiteral("cmdSiguiente"), QStringLiteral("SIGUIENTE"), 9495, 1275);
    m_cmdImprime = boton(QStringLiteral("cmdImprime"), QStringLiteral("IMPRIMIR"), 375, 8250);
    m_imgCancelar = boton(QStringLiteral("imgCancelar"), QStringLiteral("CANCELAR"), 9450, 8175);

    // Paging acts on every release of the left button, a double click's second one too.
    connect(m_cmdAnterior, &ImageButton::released, this, [this](Qt::MouseButton boton) {
        if (boton == Qt::LeftButton)
            muestraAnterior();
    });
    connect(m_cmdSiguiente, &ImageButton::released, this, [this](Qt::MouseButton boton) {
        if (boton == Qt::LeftButton)
            muestraSiguiente();
    });
    connect(m_cmdImprime, &ImageButton::released, this, &FrmFicha::imprimeFicha);
    connect(m_imgCancelar, &ImageButton::released, this, &FrmFicha::imgCancelar_MouseUp);
    connect(m_cmdImprime, &ImageButton::mouseMoved, m_cmdImprime, &ImageButton::showRollover);
    connect(m_imgCancelar, &ImageButton::mouseMoved, m_imgCancelar, &ImageButton::showRollover);
    connect(m_cmdAnterior, &ImageButton::mouseMoved, this, [this] {
        m_cmdAnterior->showRollover();
        if (m_cmdSiguiente->isEnabled())
            m_cmdSiguiente->showNormal();
    });
    connect(m_cmdSiguiente, &ImageButton::mouseMoved, this, [this] {
        m_cmdSiguiente->showRollover();
        if (m_cmdAnterior->isEnabled())
            m_cmdAnterior->showNormal();
    });
}

void FrmFicha::Form_Load()
{
    const QCursor mano = Pictures::handCursor();
    for (QLabel* enlace : {m_valores[RecordCardLayout::Web], m_valores[RecordCardLayout::Email],
             m_valores[RecordCardLayout::EmpresaId]})
        enlace->setCursor(mano);
    // A link takes its press, so it never starts moving the card, and opens once for a double click.
    MouseEvents::of(m_valores[RecordCardLayout::Email]).onClick([this] { lblEmail_MouseUp(); });
    MouseEvents::of(m_valores[RecordCardLayout::Web]).onClick([this] { lblWeb_MouseUp(); });
    MouseEvents::of(m_valores[RecordCardLayout::EmpresaId]).onClick([this] { lblEmpresaLink_Click(); });
    restauraBotones();
}

void FrmFicha::restauraBotones()
{
    // A disabled button keeps its disabled face.
    for (ImageButton* b : {m_cmdSiguiente, m_cmdAnterior, m_cmdImprime, m_imgCancelar})
        b->showNormal();
}

void FrmFicha::Muestra(Recordset* recordset, FlexGrid* rejilla)
{
    m_rs = recordset;
    m_grid = rejilla;
    m_obsCambiadas = false;
    m_selCambiada = false;
    // A recordset that cannot store the editors' changes gets editors that cannot make them.
    const bool editable = m_rs && m_rs->isOpen() && m_rs->isUpdatable();
    m_txtObservaciones->setReadOnly(!editable);
    m_Check1->setEnabled(editable);
    // A card opens on its company's top, its name in sight; paging then keeps the panel's place.
    m_FlatScrollBar1->setValue(0);
    muestraRegistro();
}

Connection* FrmFicha::conexion() const
{
    if (m_rs && m_rs->activeConnection() && m_rs->activeConnection()->isOpen())
        return m_rs->activeConnection();
    return &gConexion();
}

void FrmFicha::muestraRegistro()
{
    QVariantList valores;
    try {
        if (!m_rs || !m_rs->isOpen() || m_rs->isBOF() || m_rs->isEOF())
            return;
        const int campos = qMin(m_rs->fieldCount(), int(RecordCardLayout::NumCampos));
        for (int i = 0; i < campos; ++i)
            valores.append(m_rs->field(i).value());
    } catch (const DbError&) {
        return;
    }
    const RecordCardLayout l = RecordCardLayout::calcula(
        valores, HeadOffice::textoEnlace(conexion(), valores.value(RecordCardLayout::EmpresaId)));

    m_mostrando = true;
    if (const std::optional<bool> marca = l.seleccionada()) {
        m_Check1->setChecked(*marca);
        marcaCelda(*marca);
    }
    for (const RecordCardLayout::Placement& d : RecordCardLayout::filas()) {
        const RecordCardLayout::Row& fila = l.fila(d.posicion);
        QLabel* titulo = m_lblTitulos[size_t(d.posicion)];
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
    const RecordCardLayout::Row& contactos = l.fila(RecordCardLayout::Cargo1);
    m_lblContactos->setText(contactos.texto);
    m_lblTitulos[RecordCardLayout::Cargo1]->setVisible(contactos.visible);
    m_lblContactos->setVisible(contactos.visible);
    if (contactos.visible) {
        Twips::move(
            m_lblTitulos[RecordCardLayout::Cargo1], RecordCardLayout::contactos().tituloLeft, contactos.top);
        Twips::move(m_lblContactos, RecordCardLayout::contactos().valorLeft, l.topContactos());
    }
    const RecordCardLayout::Row& obs = l.fila(RecordCardLayout::Observaciones);
    m_txtObservaciones->setPlainText(obs.texto);
    Twips::move(
        m_lblTitulos[RecordCardLayout::Observaciones], RecordCardLayout::observaciones().tituloLeft, obs.top);
    Twips::move(m_txtObservaciones, RecordCardLayout::observaciones().valorLeft, l.topObservaciones());
    m_mostrando = false;
}

void FrmFicha::marcaCelda(bool marcada)
{
    // Only the marker of the company shown: a grid row that is no record of it stays as it is.
    try {
        if (!m_grid || !m_rs || m_grid->row() != m_rs->absolutePosition())
            return;
    } catch (const DbError&) {
        return;
    }
    m_grid->setCol(0);
    m_grid->setCellBackColor(bgrColor(marcada ? kMarcada : kSinMarcar));
}

void FrmFicha::Check1_Click()
{
    m_selCambiada = true;
    marcaCelda(m_Check1->isChecked());
}

bool FrmFicha::guardaCambios()
{
    try {
        if (!m_rs || !m_rs->isOpen() || m_rs->isBOF() || m_rs->isEOF()) {
            m_obsCambiadas = false;
            m_selCambiada = false;
            return true;
        }
    } catch (const DbError&) {
        return true;
    }
    if (!m_obsCambiadas && !m_selCambiada)
        return true;
    CardWriteBack::Edits edits;
    if (m_obsCambiadas)
        edits.observaciones = m_txtObservaciones->toPlainText();
    if (m_selCambiada)
        edits.seleccionada = m_Check1->isChecked();
    const CardWriteBack::Result r = CardWriteBack::save(*m_rs, edits, this);
    if (r.touched)
        anotaEscrita();
    if (r.outcome != CardWriteBack::Result::Failed) {
        m_obsCambiadas = false;
        m_selCambiada = false;
        if (r.outcome == CardWriteBack::Result::TookStored)
            muestraRegistro();
        return true;
    }

    // Nothing the user typed or ticked goes without telling: keeping it is the default answer.
    const DialogService::Answer respuesta = DialogService::message(
        QStringLiteral("No se han podido guardar los cambios de esta empresa (%1).\n\n"
                       "¿Desea volver a la ficha para conservarlos? Si responde No, se perderán.")
            .arg(r.failure),
        DialogService::Buttons::YesNo, DialogService::Icon::Critical, QString(), this);
    if (respuesta == DialogService::Answer::Yes)
        return false;
    m_obsCambiadas = false;
    m_selCambiada = false;
    try {
        const QVariant guardada = m_rs->field(RecordCardLayout::Seleccionada).value();
        if (guardada.isValid() && !guardada.isNull())
            marcaCelda(guardada.toBool());
    } catch (const DbError&) {
    }
    return true;
}

void FrmFicha::sigueGrid()
{
    if (!m_grid)
        return;
    // Row r of the grid shows record r; the company shown goes to the top of the grid.
    const int fila = m_rs->absolutePosition();
    if (fila < 1)
        return;
    m_grid->setRow(fila);
    m_grid->setTopRow(fila);
    m_grid->refresh();
}

void FrmFicha::muestraAnterior()
{
    if (!m_rs || !guardaCambios())
        return;
    bool principio = true;
    try {
        m_rs->movePrevious();
        principio = m_rs->isBOF();
    } catch (const DbError&) {
    }
    if (principio) {
        try {
            m_rs->moveFirst();
        } catch (const DbError&) {
        }
        m_cmdAnterior->setEnabled(false);
        return;
    }
    sigueGrid();
    m_cmdSiguiente->setEnabled(true);
    m_cmdSiguiente->showNormal();
    muestraRegistro();
}

void FrmFicha::muestraSiguiente()
{
    if (!m_rs || !guardaCambios())
        return;
    bool fin = true;
    try {
        m_rs->moveNext();
        fin = m_rs->isEOF();
    } catch (const DbError&) {
    }
    if (fin) {
        try {
            m_rs->moveLast();
        } catch (const DbError&) {
        }
        m_cmdSiguiente->setEnabled(false);
    } else {
        sigueGrid();
    }
    m_cmdAnterior->setEnabled(true);
    m_cmdAnterior->showNormal();
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
    m_rs = nullptr;
    m_grid = nullptr;
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
    if (!m_rs)
        return;
    std::optional<qint64> clave;
    try {
        clave = RecordCardLayout::claveSede(m_rs->field(RecordCardLayout::EmpresaId).value());
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
    const int fila = m_rs->absolutePosition();
    if (const std::optional<qint64> clave = m_rs->keyAt(fila - 1))
        m_escritas.insert(*clave);
    muestraEnGrid(fila);
}

void FrmFicha::muestraEnGrid(int fila)
{
    // Only a grid that shows this recordset row for row.
    if (!m_grid || !m_rs || (m_grid->dataSource() && m_grid->dataSource() != m_rs))
        return;
    try {
        if (fila < 1 || fila > m_rs->recordCount() || m_grid->rows() - 1 != m_rs->recordCount())
            return;
        // Copied cells do not follow the record by themselves.
        if (!m_grid->dataSource()) {
            for (int c = 0; c < m_rs->fieldCount(); ++c)
                m_grid->setTextMatrix(fila, c + 1, Recordset::displayText(m_rs->valueAt(fila - 1, c)));
        }
        const QVariant marca = m_rs->valueAt(fila - 1, RecordCardLayout::Seleccionada);
        if (marca.isValid() && !marca.isNull())
            m_grid->flexModel()->setCellBackColor(fila, 0, bgrColor(marca.toBool() ? kMarcada : kSinMarcar));
    } catch (const DbError&) {
    }
}

void FrmFicha::releeEscritas()
{
    // The cards opened from this one wrote through recordsets of their own: this card's recordset
    // (the guide's, for the guide's card) reads those companies again, so that no later write from
    // here puts their old values back.
    const QSet<qint64> escritas = std::exchange(m_escritasEncima, {});
    m_escritas.unite(escritas);
    if (!m_rs || escritas.isEmpty())
        return;
    bool actual = false;
    try {
        const std::optional<qint64> mostrada = m_rs->keyAt(m_rs->absolutePosition() - 1);
        for (const qint64 clave : escritas) {
            m_rs->resync(clave);
            actual = actual || mostrada == clave;
        }
        for (int r = 0; m_grid && r < m_rs->recordCount(); ++r) {
            if (const std::optional<qint64> clave = m_rs->keyAt(r); clave && escritas.contains(*clave))
                muestraEnGrid(r + 1);
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
        nombre = m_rs ? m_rs->field(RecordCardLayout::Empresa).value().toString().trimmed() : QString();
    } catch (const DbError&) {
    }
    RecordCardPrint(m_lblTitulos, m_valores, m_lblContactos, m_txtObservaciones).imprime(nombre, this);
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
    const int paso = qMin(
        QApplication::wheelScrollLines() * m_FlatScrollBar1->singleStep(), m_FlatScrollBar1->pageStep());
    m_FlatScrollBar1->setValue(m_FlatScrollBar1->value() - muescas * paso);
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
    return QDialog::eventFilter(watched, event);
}
