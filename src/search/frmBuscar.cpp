#include "search/frmBuscar.h"

#include "platform/db/DbError.h"
#include "platform/db/Recordset.h"
#include "platform/db/SpanishText.h"
#include "platform/ui/BusyPointer.h"
#include "platform/ui/Colors.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "resources/Pictures.h"
#include "shell/clsMenu.h"
#include "shell/clsWeb.h"
#include "shell/mdMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScopedValueRollback>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kFondo = bgrColor(0xEAF3F6);
const QString kPictureFondo = QStringLiteral("FONDO_BUSCAR");

QList<std::function<void(frmBuscar&)>>& guiones()
{
    static QList<std::function<void(frmBuscar&)>> pasos;
    return pasos;
}

// Spanish order, one entry for values that differ only in case, no empty entry besides the list's own.
QStringList listaOrdenada(QStringList valores)
{
    valores.removeAll(QString());
    std::stable_sort(valores.begin(), valores.end(),
        [](const QString& a, const QString& b) { return SpanishText::compare(a, b) < 0; });
    const auto fin = std::unique(valores.begin(), valores.end(),
        [](const QString& a, const QString& b) { return SpanishText::compare(a, b) == 0; });
    valores.erase(fin, valores.end());
    return valores;
}

void colorea(QWidget* control, const QColor& fondo, const QColor& texto)
{
    QPalette paleta = control->palette();
    for (auto rol : {QPalette::Base, QPalette::Button, QPalette::Window})
        paleta.setColor(rol, fondo);
    for (auto rol : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        paleta.setColor(rol, texto);
    control->setPalette(paleta);
}

} // namespace

frmBuscar& frmBuscar::instance()
{
    static QPointer<frmBuscar> form;
    if (!form) {
        form = new frmBuscar;
        form->Form_Load();
    }
    return *form;
}

void frmBuscar::Muestra()
{
    // A database opened only now (a lock let go of since start-up) gives the lists their values.
    const bool reabierta = !mdMain::baseDeDatosAbierta() && mdMain::conecta();
    frmBuscar& form = instance();
    if (form.isVisible())
        return;
    if (reabierta)
        form.Form_Load();
    // Modal to the menu form only: the help window opened from here stays usable beside it.
    if (form.parentWidget() != gFormMenu.data())
        form.setParent(gFormMenu, form.windowFlags());
    form.setWindowModality(Qt::WindowModal);
    // Centred over the menu form when first shown (or when it was left off every screen); afterwards
    // it opens where the user left it.
    const bool perdida = !QGuiApplication::screenAt(form.frameGeometry().center());
    if (const QWidget* menu = gFormMenu.data(); menu && (!form.m_centrado || perdida)) {
        QRect centrada(QPoint(), form.size());
        centrada.moveCenter(menu->frameGeometry().center());
        form.move(centrada.topLeft());
        form.m_centrado = true;
    }

    std::function<void(frmBuscar&)> paso;
    if (!guiones().isEmpty())
        paso = guiones().takeFirst();
    if (paso || DialogService::isScripted()) {
        const QPointer<frmBuscar> f(&form);
        QTimer::singleShot(0, &form, [f, paso] {
            if (f && paso)
                paso(*f);
            if (f && f->isVisible())
                f->imgCancelar_MouseUp();
        });
    }
    form.exec();
}

void frmBuscar::encolaGuion(std::function<void(frmBuscar&)> paso)
{
    guiones().append(std::move(paso));
}

frmBuscar::frmBuscar()
    : QDialog(gFormMenu, Qt::Dialog | Qt::FramelessWindowHint)
{
    // Before any control exists: the helper looks among the form's children for its own filter.
    WindowBehaviour::makeDraggable(this);
    m_txtNombre = new QLineEdit(this);
    m_Check1 = new QCheckBox(QStringLiteral("Buscar palabra exacta"), this);
    m_Combo1 = new QComboBox(this);
    m_Combo2 = new QComboBox(this);
    m_Combo3 = new QComboBox(this);
    m_Combo4 = new QComboBox(this);
    m_Combo5 = new QComboBox(this);
    m_Check2 = new QCheckBox(QStringLiteral("Sólo seleccionadas"), this);
    m_imgAyuda = new ImageButton(this);
    m_imgAceptar = new ImageButton(this);
    m_imgCancelar = new ImageButton(this);

    setObjectName(QStringLiteral("frmBuscar"));
    setWindowTitle(QStringLiteral("Buscar"));
    setFixedSize(Twips::toPixels(7335), Twips::toPixels(5985));
    setMouseTracking(true);

    struct Caption
    {
        const char* texto;
        int left, top, width;
    };
    static const Caption rotulos[] = {{"Comunidad:", 1080, 2700, 1335}, {"Provincia:", 1080, 3165, 1095},
        {"Localidad:", 1080, 3630, 1095}, {"Empresa:", 1080, 1365, 1095}, {"Actividad:", 1080, 4095, 1095},
        {"Sector:", 1080, 2280, 1335}};
    for (size_t i = 0; i < m_Label1.size(); ++i) {
        auto* label = new QLabel(QString::fromUtf8(rotulos[i].texto), this);
        label->setObjectName(QStringLiteral("Label1_%1").arg(i));
        label->setFont(Fonts::font(QStringLiteral("Arial"), 11.25));
        colorea(label, Qt::transparent, Qt::black);
        Twips::place(label, rotulos[i].left, rotulos[i].top, rotulos[i].width, 255);
        m_Label1[i] = label;
    }

    const QColor fondoCampo = bgrColor(0xC0E0FF);
    const QColor textoCampo = bgrColor(0x000080);
    m_txtNombre->setObjectName(QStringLiteral("txtNombre"));
    m_txtNombre->setFont(Fonts::font(QStringLiteral("Arial"), 9));
    colorea(m_txtNombre, fondoCampo, textoCampo);
    Twips::place(m_txtNombre, 3120, 1320, 3015, 330);

    m_Check1->setObjectName(QStringLiteral("Check1"));
    m_Check1->setFont(Fonts::font(QStringLiteral("Arial"), 9));
    m_Check1->setAutoFillBackground(true);
    colorea(m_Check1, bgrColor(0xECF3F6), Qt::black);
    m_Check1->setEnabled(false);
    Twips::place(m_Check1, 3480, 1680, 2175, 255);

    m_Check2->setObjectName(QStringLiteral("Check2"));
    m_Check2->setFont(Fonts::font(QStringLiteral("Arial"), 9));
    m_Check2->setAutoFillBackground(true);
    colorea(m_Check2, kFondo, Qt::black);
    Twips::place(m_Check2, 1050, 4650, 2175, 255);

    const struct
    {
        QComboBox* lista;
        const char* nombre;
        int top;
    } listas[] = {{m_Combo1, "Combo1", 2640}, {m_Combo2, "Combo2", 3120}, {m_Combo3, "Combo3", 3600},
        {m_Combo4, "Combo4", 4080}, {m_Combo5, "Combo5", 2160}};
    for (const auto& l : listas) {
        l.lista->setObjectName(QLatin1String(l.nombre));
        l.lista->setFont(Fonts::font(QStringLiteral("MS Sans Serif"), 8.25));
        colorea(l.lista, fondoCampo, textoCampo);
        Twips::place(l.lista, 3120, l.top, 3015, 315);
    }

    m_imgAyuda->setObjectName(QStringLiteral("imgAyuda"));
    m_imgAceptar->setObjectName(QStringLiteral("imgAceptar"));
    m_imgCancelar->setObjectName(QStringLiteral("imgCancelar"));
    Twips::move(m_imgAyuda, 360, 5355);
    Twips::move(m_imgAceptar, 5760, 5355);
    Twips::move(m_imgCancelar, 6600, 5355);

    setTabOrder(m_txtNombre, m_Check1);
    setTabOrder(m_Check1, m_Combo1);
    setTabOrder(m_Combo1, m_Combo2);
    setTabOrder(m_Combo2, m_Combo3);
    setTabOrder(m_Combo3, m_Combo4);
    setTabOrder(m_Combo4, m_Combo5);
    setTabOrder(m_Combo5, m_Check2);

    // The form sees every key before the control that has the focus.
    for (QWidget* control : std::initializer_list<QWidget*> {
             m_txtNombre, m_Check1, m_Combo1, m_Combo2, m_Combo3, m_Combo4, m_Combo5, m_Check2})
        control->installEventFilter(this);

    connect(m_txtNombre, &QLineEdit::textChanged, this,
        [this](const QString& texto) { m_Check1->setEnabled(!texto.isEmpty()); });
    // Only a choice made by the user sets off the cascade; refilling a list does not.
    connect(m_Combo5, &QComboBox::activated, this, &frmBuscar::Combo5_Click);
    connect(m_Combo1, &QComboBox::activated, this, &frmBuscar::Combo1_Click);
    connect(m_Combo2, &QComboBox::activated, this, &frmBuscar::Combo2_Click);
    connect(m_Combo3, &QComboBox::activated, this, &frmBuscar::Combo3_Click);

    connect(m_imgAceptar, &ImageButton::released, this, &frmBuscar::imgAceptar_MouseUp);
    connect(m_imgCancelar, &ImageButton::released, this, &frmBuscar::imgCancelar_MouseUp);
    connect(m_imgAyuda, &ImageButton::released, this, &frmBuscar::imgAyuda_MouseUp);
    for (ImageButton* boton : {m_imgAyuda, m_imgAceptar, m_imgCancelar})
        connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);
}

void frmBuscar::Form_Load()
{
    m_imgAceptar->setPicture(QStringLiteral("ACEPTAR"));
    m_imgCancelar->setPicture(QStringLiteral("CANCELAR"));
    m_imgAyuda->setPicture(QStringLiteral("AYUDA2"));
    RellenaSector();
    rellenaAutonomia();
    rellenaProvincia();
    rellenaPoblacion();
    rellenaActividad();
}

void frmBuscar::Form_Activate()
{
    m_Check1->setEnabled(!m_txtNombre->text().isEmpty());
    if (isVisible())
        m_txtNombre->setFocus();
}

SearchCriteria frmBuscar::criterios() const
{
    SearchCriteria c;
    c.nombre = m_txtNombre->text();
    c.palabraExacta = m_Check1->isChecked();
    c.sector = m_Combo5->currentText();
    c.autonomia = m_Combo1->currentText();
    c.provincia = m_Combo2->currentText();
    c.poblacion = m_Combo3->currentText();
    c.actividad = m_Combo4->currentText();
    c.soloSeleccionadas = m_Check2->isChecked();
    return c;
}

void frmBuscar::RellenaSector()
{
    m_Combo5->clear();
    m_Combo5->addItem(QString());
    m_Combo5->addItems(listaOrdenada(gSectores));
}

void frmBuscar::rellenaAutonomia()
{
    const BusyPointer::Scope reloj;
    m_Combo1->clear();
    m_Combo1->addItem(QString());
    if (m_Combo5->currentText().isEmpty())
        m_Combo1->addItems(listaOrdenada(gAutonomias));
    else
        rellenaLista(m_Combo1, criterios().consultaLista(SearchCriteria::List::Autonomia));
}

void frmBuscar::rellenaProvincia()
{
    const BusyPointer::Scope reloj;
    m_Combo2->clear();
    m_Combo2->addItem(QString());
    PendingEvents::process();
    rellenaLista(m_Combo2, criterios().consultaLista(SearchCriteria::List::Provincia));
    PendingEvents::process();
}

void frmBuscar::rellenaPoblacion()
{
    const BusyPointer::Scope reloj;
    m_Combo3->clear();
    m_Combo3->addItem(QString());
    rellenaLista(m_Combo3, criterios().consultaLista(SearchCriteria::List::Poblacion));
    PendingEvents::process();
}

void frmBuscar::rellenaActividad()
{
    const BusyPointer::Scope reloj;
    m_Combo4->clear();
    m_Combo4->addItem(QString());
    PendingEvents::process();
    rellenaLista(m_Combo4, criterios().consultaLista(SearchCriteria::List::Actividad));
    PendingEvents::process();
}

void frmBuscar::rellenaLista(QComboBox* lista, const QString& sql)
{
    // A query that cannot run leaves the list with its empty entry, without a message.
    QStringList valores;
    try {
        Recordset rsListas;
        rsListas.open(sql, gConexion());
        for (rsListas.moveFirst(); !rsListas.isEOF(); rsListas.moveNext()) {
            const QString valor = rsListas.field(0).toString();
            if (!valor.isEmpty())
                valores.append(valor);
        }
    } catch (const DbError&) {
        return;
    }
    lista->addItems(valores);
}

void frmBuscar::Combo5_Click()
{
    rellenaAutonomia();
    rellenaProvincia();
    rellenaPoblacion();
    rellenaActividad();
}

void frmBuscar::Combo1_Click()
{
    rellenaProvincia();
    rellenaPoblacion();
    rellenaActividad();
}

void frmBuscar::Combo2_Click()
{
    rellenaPoblacion();
    rellenaActividad();
}

void frmBuscar::Combo3_Click()
{
    rellenaActividad();
}

void frmBuscar::imgAceptar_MouseUp()
{
    if (m_aceptando)
        return;
    const QScopedValueRollback<bool> aceptando(m_aceptando, true);
    PendingEvents::process();
    const SearchCriteria c = criterios();
    const QString sql = c.sql();
    const QString titulo = c.titulo();
    // Hidden, not closed: the criteria stay for the next search, and the modal showing ends.
    hide();
    gMenu().muestraGuiaSQL(sql, titulo);
}

void frmBuscar::imgCancelar_MouseUp()
{
    hide();
}

void frmBuscar::imgAyuda_MouseUp()
{
    clsWeb web;
    web.AbreEnVentana(gRutaApp + QStringLiteral("\\data\\ayuda\\buscar.htm"));
}

void frmBuscar::restauraBotones()
{
    for (ImageButton* boton : {m_imgAyuda, m_imgAceptar, m_imgCancelar})
        boton->showNormal();
}

bool frmBuscar::teclaDelFormulario(int tecla)
{
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        imgAceptar_MouseUp();
        return true;
    case Qt::Key_Escape:
        imgCancelar_MouseUp();
        return true;
    default:
        return false;
    }
}

bool frmBuscar::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto* tecla = static_cast<QKeyEvent*>(event);
    if (teclaDelFormulario(tecla->key()))
        return true;
    // A typed character opens the list's drop-down part; the key itself goes on to the list.
    auto* lista = qobject_cast<QComboBox*>(watched);
    const QString texto = tecla->text();
    if (lista && isVisible() && !texto.isEmpty() && texto.at(0).isPrint())
        lista->showPopup();
    return false;
}

void frmBuscar::keyPressEvent(QKeyEvent* event)
{
    if (teclaDelFormulario(event->key()))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void frmBuscar::mouseMoveEvent(QMouseEvent* event)
{
    restauraBotones();
    QDialog::mouseMoveEvent(event);
}

void frmBuscar::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow())
        restauraBotones();
}

void frmBuscar::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    restauraBotones();
    Form_Activate();
}

void frmBuscar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), kFondo);
    p.drawPixmap(0, 0, Pictures::get(kPictureFondo));
    // Shape1: the thin frame around the form.
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(0, 0, Twips::toPixels(7335) - 1, Twips::toPixels(5955) - 1);
}
