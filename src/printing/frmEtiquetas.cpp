#include "printing/frmEtiquetas.h"

#include "platform/ui/DialogService.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/ImageButton.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "printing/settings/LabelSettings.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

const QColor kBlanco(255, 255, 255);
const QColor kRojo(255, 0, 0);

QLabel* rotulo(QWidget* parent, const QString& text, int left, int top, int width, bool negrita = false)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Fonts::font(QStringLiteral("Arial"), 9, negrita));
    Twips::place(label, left, top, width, 285);
    return label;
}

void colorea(QLabel* label, const QColor& color)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

} // namespace

frmEtiquetas::frmEtiquetas(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    // Before any control exists: the helper looks among the form's children for its own filter.
    WindowBehaviour::makeDraggable(this);
    setObjectName(QStringLiteral("frmEtiquetas"));
    setWindowTitle(QStringLiteral("Etiquetas"));
    setFixedSize(Twips::toPixels(5190), Twips::toPixels(4200));
    setMouseTracking(true);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(0, 51, 102));
    fondo.setColor(QPalette::WindowText, kBlanco);
    setPalette(fondo);
    setAutoFillBackground(true);

    rotulo(this, QStringLiteral("Margenes"), 240, 180, 2400, true);
    rotulo(this, QStringLiteral("Izquierdo:"), 360, 540, 2400);
    rotulo(this, QStringLiteral("Superior:"), 360, 900, 2400);
    rotulo(this, QStringLiteral("Maquetacion"), 240, 1380, 2400, true);
    rotulo(this, QStringLiteral("Separacion entre etiquetas:"), 360, 1740, 2400);
    rotulo(this, QStringLiteral("Segunda columna etiquetas:"), 360, 2100, 2400);
    rotulo(this, QStringLiteral("Tamaño de la letra:"), 360, 2460, 2400);

    m_txtIzq = new QLineEdit(this);
    m_txtSup = new QLineEdit(this);
    m_txtSep = new QLineEdit(this);
    m_txtSeg = new QLineEdit(this);
    m_cajas = {m_txtIzq, m_txtSup, m_txtSep, m_txtSeg};
    const std::array<const char*, 4> nombres {"txtIzq", "txtSup", "txtSep", "txtSeg"};
    const std::array<int, 4> arriba {510, 870, 1710, 2070};
    for (size_t i = 0; i < m_cajas.size(); ++i) {
        QLineEdit* box = m_cajas[i];
        box->setObjectName(QLatin1String(nombres[i]));
        box->setFont(Fonts::font(QStringLiteral("Arial"), 9));
        box->setMaxLength(8);
        Twips::place(box, 2880, arriba[i], 900, 315);
        rotulo(this, QStringLiteral("cm."), 3870, arriba[i] + 30, 600);
        box->installEventFilter(this);
        connect(box, &QLineEdit::textChanged, this, [this, box] { aplicaLimite(box); });
    }

    m_cboLetra = new QComboBox(this);
    m_cboLetra->setObjectName(QStringLiteral("cboLetra"));
    m_cboLetra->setFont(Fonts::font(QStringLiteral("Arial"), 9));
    m_cboLetra->addItems({QStringLiteral("8"), QStringLiteral("9"), QStringLiteral("10")});
    m_cboLetra->setCursor(Qt::PointingHandCursor);
    m_cboLetra->installEventFilter(this);
    Twips::place(m_cboLetra, 2880, 2430, 900, 315);

    m_Label8 = rotulo(this, QStringLiteral("Restaurar"), 360, 3000, 1200);
    m_Label8->setObjectName(QStringLiteral("Label8"));
    m_Label8->setCursor(Qt::PointingHandCursor);
    m_Label8->setMouseTracking(true);
    m_Label8->installEventFilter(this);

    m_imgAceptar = new ImageButton(this);
    m_imgAceptar->setObjectName(QStringLiteral("imgAceptar"));
    m_imgAceptar->setPicture(QStringLiteral("ACEPTAR"));
    m_imgCancelar = new ImageButton(this);
    m_imgCancelar->setObjectName(QStringLiteral("imgCancelar"));
    m_imgCancelar->setPicture(QStringLiteral("CANCELAR"));
    Twips::move(m_imgCancelar, 5190 - 300 - Twips::width(m_imgCancelar), 4200 - 750);
    Twips::move(m_imgAceptar, Twips::left(m_imgCancelar) - 200 - Twips::width(m_imgAceptar), 4200 - 750);
    connect(m_imgAceptar, &ImageButton::released, this, &frmEtiquetas::guardaConfiguracion);
    connect(m_imgCancelar, &ImageButton::released, this, &frmEtiquetas::cancela);
    for (ImageButton* boton : {m_imgAceptar, m_imgCancelar})
        connect(boton, &ImageButton::mouseMoved, boton, &ImageButton::showRollover);

    cargaConfiguracion();
}

void frmEtiquetas::setCampos(QMap<QString, QString>& campos)
{
    m_campos = &campos;
}

void frmEtiquetas::cargaConfiguracion()
{
    const LabelSettings settings = LabelSettings::read();
    m_txtIzq->setText(SettingsFile::fromNumber(settings.izquierdo, 1));
    m_txtSup->setText(SettingsFile::fromNumber(settings.superior, 1));
    m_txtSep->setText(SettingsFile::fromNumber(settings.separacion, 1));
    m_txtSeg->setText(SettingsFile::fromNumber(settings.segunda, 1));
    m_cboLetra->setCurrentIndex(settings.fuente - 8);
}

void frmEtiquetas::guardaConfiguracion()
{
    // The box being edited is completed like the others: Enter and the image take no focus.
    for (QLineEdit* box : m_cajas)
        completa(box);
    const QMap<QString, QString> valores {
        {QStringLiteral("MI"), m_txtIzq->text()},
        {QStringLiteral("MS"), m_txtSup->text()},
        {QStringLiteral("SE"), m_txtSep->text()},
        {QStringLiteral("SC"), m_txtSeg->text()},
        {QStringLiteral("LE"), m_cboLetra->currentText()},
    };
    const LabelSettings settings = *LabelSettings::fromCampos(valores, LabelSettings());
    const LabelSettings antes = LabelSettings::read();
    QString error;
    // The choice still applies to the labels shown; only keeping a change can fail.
    if (!settings.write(&error) && settings != antes)
        DialogService::message(error, DialogService::Buttons::Ok, DialogService::Icon::Exclamation);
    if (m_campos)
        *m_campos = settings.toCampos();
    accept();
}

void frmEtiquetas::cancela()
{
    reject();
}

void frmEtiquetas::restaura()
{
    for (QLineEdit* box : m_cajas)
        box->setText(LabelBoxRules::defecto(regla(box)));
    m_cboLetra->setCurrentIndex(0);
}

void frmEtiquetas::restauraBotones()
{
    m_imgAceptar->showNormal();
    m_imgCancelar->showNormal();
    colorea(m_Label8, kBlanco);
}

bool frmEtiquetas::teclaDelFormulario(int tecla)
{
    switch (tecla) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        guardaConfiguracion();
        return true;
    case Qt::Key_Escape:
        cancela();
        return true;
    default:
        return false;
    }
}

LabelBoxRules::Box frmEtiquetas::regla(const QLineEdit* box) const
{
    if (box == m_txtIzq)
        return LabelBoxRules::Box::Izquierdo;
    if (box == m_txtSup)
        return LabelBoxRules::Box::Superior;
    if (box == m_txtSep)
        return LabelBoxRules::Box::Separacion;
    return LabelBoxRules::Box::Segunda;
}

bool frmEtiquetas::filtraTecla(QLineEdit* box, QKeyEvent* event)
{
    const QString text = event->text();
    // Keys that type nothing (moves, Backspace, Delete, shortcuts) keep their own behaviour.
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & Qt::ControlModifier))
        return false;
    const QChar typed = LabelBoxRules::filtra(box->text(), box->selectedText(), text.at(0));
    if (!typed.isNull())
        box->insert(QString(typed));
    return true;
}

void frmEtiquetas::aplicaLimite(QLineEdit* box)
{
    const QString limited = LabelBoxRules::limita(regla(box), box->text());
    if (limited != box->text()) {
        box->setText(limited);
        box->end(false);
    }
}

void frmEtiquetas::completa(QLineEdit* box)
{
    box->setText(LabelBoxRules::completa(regla(box), box->text()));
}

bool frmEtiquetas::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    // The press that gave a box the focus would put the cursor where it landed, and a drag would select
    // from there: the whole text stays selected, so that typing replaces it, until that press ends.
    if (box && box == m_focusingPress && dynamic_cast<QMouseEvent*>(event)) {
        if (event->type() == QEvent::MouseButtonRelease)
            m_focusingPress = nullptr;
        return true;
    }
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (teclaDelFormulario(key->key()))
            return true;
        return box && filtraTecla(box, key);
    }
    case QEvent::FocusIn:
        if (box) {
            box->selectAll();
            if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
                m_focusingPress = box;
        }
        break;
    case QEvent::FocusOut:
        m_focusingPress = nullptr;
        if (box && isVisible())
            completa(box);
        break;
    case QEvent::MouseMove:
        if (watched == m_Label8) {
            // Taken here: passed on, the form's own handler would turn it white again at once.
            restauraBotones();
            colorea(m_Label8, kRojo);
            return true;
        }
        break;
    case QEvent::Leave:
        if (watched == m_Label8)
            colorea(m_Label8, kBlanco);
        break;
    case QEvent::MouseButtonRelease:
        if (watched == m_Label8) {
            // Only over "Restaurar": a press slid off it is taken back.
            if (m_Label8->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
                restaura();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void frmEtiquetas::keyPressEvent(QKeyEvent* event)
{
    if (teclaDelFormulario(event->key()))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void frmEtiquetas::mouseMoveEvent(QMouseEvent* event)
{
    restauraBotones();
    QDialog::mouseMoveEvent(event);
}
