#include "publisher/Calculator.h"

#include "platform/ui/ActiveLabel.h"
#include "platform/ui/DialogService.h"
#include "platform/ui/Fonts.h"
#include "platform/ui/PendingEvents.h"
#include "platform/ui/ScreenKit.h"
#include "platform/ui/Twips.h"
#include "platform/ui/WindowBehaviour.h"
#include "resources/Pictures.h"
#include "shell/mdMain.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

const QColor kFondo(245, 240, 245);
const QColor kTecla(64, 64, 64);
const QColor kPulsada(0, 48, 80);
const char* const kOperadores = "/+*-=";

QPointer<Calculator>& unica()
{
    static QPointer<Calculator> calculadora;
    return calculadora;
}

void colores(QWidget* w, const QColor& fondo, const QColor& texto)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, fondo);
    pal.setColor(QPalette::WindowText, texto);
    w->setPalette(pal);
}

} // namespace

void Calculator::muestra()
{
    QPointer<Calculator>& calculadora = unica();
    if (!calculadora) {
        // Closing deletes it, so every opening starts from a clean state.
        calculadora = new Calculator;
        calculadora->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(qApp, &QCoreApplication::aboutToQuit, calculadora, &QObject::deleteLater);
        if (const QWidget* menu = gFormMenu.data()) {
            const QRect marco = menu->frameGeometry();
            calculadora->move(marco.right() - calculadora->width() - 60, marco.top() + 80);
        }
    }
    WindowBehaviour::showOnTop(calculadora);
}

Calculator* Calculator::instance()
{
    return unica().data();
}

Calculator::Calculator()
    : QWidget(nullptr,
        Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
            | Qt::MSWindowsFixedSizeDialogHint)
    , m_Readout(new QLabel(this))
{
    setObjectName(QStringLiteral("Calculator"));
    setWindowTitle(QStringLiteral("Calculadora KORVAN"));
    setWindowIcon(Pictures::windowIcon(true));
    setAutoFillBackground(true);
    colores(this, kFondo, Qt::black);
    setFixedSize(Twips::toPixels(2520), Twips::toPixels(2550));
    setFocusPolicy(Qt::StrongFocus);

    m_Readout->setObjectName(QStringLiteral("Readout"));
    m_Readout->setTextFormat(Qt::PlainText);
    m_Readout->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_Readout->setAutoFillBackground(true);
    colores(m_Readout, Qt::white, Qt::black);
    m_Readout->setMargin(2);
    Twips::place(m_Readout, 120, 120, 2295, 375);

    m_lblConvert[1] = tecla(QStringLiteral("lblConvert_1"), QStringLiteral("Pts"), 120, 600, 1095, 300);
    m_lblConvert[0] = tecla(QStringLiteral("lblConvert_0"), QStringLiteral("Euros"), 1320, 600, 1095, 315);
    // The "Pts" key starts in the window colour; its first release turns it white like the others.
    colores(m_lblConvert[1], kTecla, QApplication::palette().color(QPalette::Base));

    struct Place
    {
        int left;
        int top;
    };
    const Place digitos[10] = {{120, 2160}, {120, 1800}, {600, 1800}, {1080, 1800}, {120, 1440}, {600, 1440},
        {1080, 1440}, {120, 1080}, {600, 1080}, {1080, 1080}};
    for (int d = 0; d < 10; ++d) {
        m_lblNumber[d] = tecla(QStringLiteral("lblNumber_%1").arg(d), QString::number(d), digitos[d].left,
            digitos[d].top, d == 0 ? 855 : 375);
    }
    const Place operadores[5] = {{2040, 1800}, {1560, 1440}, {1560, 1800}, {2040, 1440}, {1560, 2160}};
    for (int i = 0; i < 5; ++i) {
        m_lblOperator[i] = tecla(QStringLiteral("lblOperator_%1").arg(i),
            QString(QLatin1Char(kOperadores[i])), operadores[i].left, operadores[i].top);
    }
    m_lblCancel = tecla(QStringLiteral("lblCancel"), QStringLiteral("C"), 1560, 1080);
    m_lblCancelEntry = tecla(QStringLiteral("lblCancelEntry"), QStringLiteral("CE"), 2040, 1080);
    m_lblDecimal = tecla(QStringLiteral("lblDecimal"), QStringLiteral("."), 1080, 2160);
    m_lblPercent = tecla(QStringLiteral("lblPercent"), QStringLiteral("%"), 2040, 2160);

    Form_Load();
}

ActiveLabel* Calculator::tecla(
    const QString& nombre, const QString& caption, int left, int top, int width, int height)
{
    auto* key = new ActiveLabel(this);
    key->setObjectName(nombre);
    key->setTextFormat(Qt::PlainText);
    key->setText(caption);
    key->setAlignment(Qt::AlignCenter);
    key->setAutoFillBackground(true);
    key->setFont(Fonts::font(QStringLiteral("Arial"), 9, true));
    colores(key, kTecla, Qt::white);
    Twips::place(key, left, top, width, height);
    connect(key, &ActiveLabel::pressed, this, [this, key] { pulsa(key); });
    connect(key, &ActiveLabel::released, this, [this, key] {
        suelta(key);
        actua(key);
    });
    return key;
}

void Calculator::Form_Load()
{
    const QCursor mano = Pictures::handCursor();
    for (QWidget* key : findChildren<ActiveLabel*>())
        key->setCursor(mano);
    m_engine.load();
    refresca();
}

void Calculator::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refresca();
}

QString Calculator::display() const
{
    return m_Readout->text();
}

void Calculator::pulsa(ActiveLabel* key)
{
    key->setFrameStyle(QFrame::Panel | QFrame::Raised);
    key->setLineWidth(1);
    QPalette pal = key->palette();
    pal.setColor(QPalette::Window, kPulsada);
    key->setPalette(pal);
}

void Calculator::suelta(ActiveLabel* key)
{
    key->setFrameStyle(QFrame::NoFrame);
    colores(key, kTecla, Qt::white);
}

void Calculator::actua(ActiveLabel* key)
{
    for (int d = 0; d < 10; ++d) {
        if (key == m_lblNumber[d])
            m_engine.pressDigit(d);
    }
    for (int i = 0; i < 5; ++i) {
        if (key != m_lblOperator[i])
            continue;
        if (m_engine.pressOperator(QLatin1Char(kOperadores[i]))
            == CalculatorEngine::Outcome::DivisionByZero) {
            DialogService::message(QStringLiteral("No se puede dividir entre cero"),
                DialogService::Buttons::Ok, DialogService::Icon::Exclamation, QStringLiteral("Calculadora"),
                this);
        }
    }
    if (key == m_lblConvert[0])
        m_engine.toEuros();
    else if (key == m_lblConvert[1])
        m_engine.toPesetas();
    else if (key == m_lblDecimal)
        m_engine.pressDecimal();
    else if (key == m_lblPercent)
        m_engine.pressPercent();
    else if (key == m_lblCancelEntry)
        m_engine.cancelEntry();
    else if (key == m_lblCancel)
        m_engine.cancel();
    refresca();
}

void Calculator::refresca()
{
    const QString text = m_engine.display();
    // A long result is written smaller rather than cut.
    QFont f = Fonts::font(QStringLiteral("Arial"), 11.25, true);
    const int room = m_Readout->contentsRect().width() - 2;
    while (f.pointSizeF() > 6 && QFontMetrics(f).horizontalAdvance(text) > room)
        f.setPointSizeF(f.pointSizeF() - 0.75);
    m_Readout->setFont(f);
    m_Readout->setText(text);
}

void Calculator::keyPressEvent(QKeyEvent* event)
{
    // Without a window manager there is no title bar to close it with.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    ActiveLabel* key = nullptr;
    const QString typed = event->text();
    const QChar c = typed.isEmpty() ? QChar() : typed.at(0);
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        key = m_lblOperator[4];
    else if (c.isDigit() && c.digitValue() >= 0 && c.digitValue() <= 9)
        key = m_lblNumber[c.digitValue()];
    else if (c == QLatin1Char('.') || c == QLatin1Char(','))
        key = m_lblDecimal;
    else if (const qsizetype op = QStringLiteral("/+*-").indexOf(c); !c.isNull() && op >= 0)
        key = m_lblOperator[op];
    if (!key) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    // A key acts as its button: pressed face, painted, then released.
    pulsa(key);
    PendingEvents::process();
    suelta(key);
    actua(key);
}
