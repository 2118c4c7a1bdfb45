#include "printing/EnvelopeControls.h"

#include "platform/ui/Fonts.h"
#include "printing/settings/EnvelopeSettings.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

namespace {

QLabel* rotulo(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(Fonts::font(QStringLiteral("Arial"), 8));
    return label;
}

} // namespace

EnvelopeControls::EnvelopeControls(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("controlesSobre"));
    setFont(Fonts::font(QStringLiteral("Arial"), 8));
    m_txtSobreAlto = new QLineEdit(this);
    m_txtSobreAlto->setObjectName(QStringLiteral("txtSobreAlto"));
    m_txtSobreAncho = new QLineEdit(this);
    m_txtSobreAncho->setObjectName(QStringLiteral("txtSobreAncho"));
    m_cboSobreTipo = new QComboBox(this);
    m_cboSobreTipo->setObjectName(QStringLiteral("cboSobreTipo"));
    m_cboSobreLetra = new QComboBox(this);
    m_cboSobreLetra->setObjectName(QStringLiteral("cboSobreLetra"));

    auto* layout = new QHBoxLayout(this);
    // The frame's height holds one row of controls under its caption.
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(rotulo(QStringLiteral("Alto:"), this));
    layout->addWidget(m_txtSobreAlto);
    layout->addWidget(rotulo(QStringLiteral("mm"), this));
    layout->addWidget(rotulo(QStringLiteral("Ancho:"), this));
    layout->addWidget(m_txtSobreAncho);
    layout->addWidget(rotulo(QStringLiteral("mm"), this));
    layout->addWidget(rotulo(QStringLiteral("Sobre:"), this));
    layout->addWidget(m_cboSobreTipo);
    layout->addWidget(rotulo(QStringLiteral("T. Letra:"), this));
    layout->addWidget(m_cboSobreLetra);

    for (QLineEdit* box : {m_txtSobreAlto, m_txtSobreAncho}) {
        box->setFont(Fonts::font(QStringLiteral("Arial"), 8));
        box->setMaxLength(3);
        box->setFixedWidth(30);
        box->installEventFilter(this);
    }
    // The frame is narrow: each list is as wide as its longest entry, no wider, and never cut. The
    // frame's style sheet stops the font from reaching them through this widget.
    for (QComboBox* list : {m_cboSobreTipo, m_cboSobreLetra}) {
        list->setFont(Fonts::font(QStringLiteral("Arial"), 8));
        list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        list->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    }
    for (const EnvelopeType& type : EnvelopeGeometry::tipos())
        m_cboSobreTipo->addItem(type.caption);
    for (int size = EnvelopeSettings::kMinFuente; size <= EnvelopeSettings::kMaxFuente; ++size)
        m_cboSobreLetra->addItem(QString::number(size));

    connect(m_txtSobreAlto, &QLineEdit::textChanged, this,
        [this] { limitaTamano(m_txtSobreAlto, EnvelopeGeometry::kMaxAltoMm); });
    connect(m_txtSobreAncho, &QLineEdit::textChanged, this,
        [this] { limitaTamano(m_txtSobreAncho, EnvelopeGeometry::kMaxAnchoMm); });
    connect(m_cboSobreTipo, &QComboBox::activated, this, &EnvelopeControls::cboSobreTipo_Click);
    connect(m_cboSobreLetra, &QComboBox::activated, this, &EnvelopeControls::cboSobreLetra_Click);

    configSobres(0, 0, 0, m_job.tamLetra);
}

void EnvelopeControls::configSobres(int tipoSobre, int anchoMm, int altoMm, int tamLetra)
{
    if (EnvelopeGeometry::tipoValido(tipoSobre)) {
        // A custom size is taken first, so that a standard type then overrides it with its own.
        m_job.sobre.setTipo(EnvelopeGeometry::kPersonalizado);
        m_job.sobre.setAnchoMm(anchoMm);
        m_job.sobre.setAltoMm(altoMm);
        m_job.sobre.setTipo(tipoSobre);
    }
    if (tamLetra >= EnvelopeSettings::kMinFuente && tamLetra <= EnvelopeSettings::kMaxFuente)
        m_job.tamLetra = tamLetra;
    const QSignalBlocker blockTipo(m_cboSobreTipo);
    const QSignalBlocker blockLetra(m_cboSobreLetra);
    m_cboSobreTipo->setCurrentIndex(m_job.sobre.tipo());
    m_cboSobreLetra->setCurrentIndex(m_job.tamLetra - EnvelopeSettings::kMinFuente);
    muestraTamano();
}

void EnvelopeControls::mueveBloque(const QPointF& topLeft, const QSizeF& tamanoBloque)
{
    m_job.sobre.mueveBloque(topLeft, tamanoBloque);
}

void EnvelopeControls::cboSobreTipo_Click(int index)
{
    if (!m_job.sobre.setTipo(index))
        return;
    muestraTamano();
    Q_EMIT sobreCambiado();
}

void EnvelopeControls::cboSobreLetra_Click(int index)
{
    m_job.tamLetra = EnvelopeSettings::kMinFuente + index;
    Q_EMIT letraCambiada(m_job.tamLetra);
}

void EnvelopeControls::muestraTamano()
{
    m_txtSobreAlto->setText(QString::number(m_job.sobre.altoMm()));
    m_txtSobreAncho->setText(QString::number(m_job.sobre.anchoMm()));
    const bool libre = m_job.sobre.tamanoLibre();
    m_txtSobreAlto->setReadOnly(!libre);
    m_txtSobreAncho->setReadOnly(!libre);
}

void EnvelopeControls::limitaTamano(QLineEdit* box, int limite)
{
    if (EnvelopeGeometry::leeMm(box->text()) > limite) {
        box->setText(QString::number(limite));
        box->end(false);
    }
}

void EnvelopeControls::aplicaTamano(QLineEdit* box)
{
    const int mm = EnvelopeGeometry::leeMm(box->text());
    const bool alto = box == m_txtSobreAlto;
    const int antes = alto ? m_job.sobre.altoMm() : m_job.sobre.anchoMm();
    const bool tomado = mm != antes && (alto ? m_job.sobre.setAltoMm(mm) : m_job.sobre.setAnchoMm(mm));
    // An empty, zero or unreadable box shows the size the envelope keeps.
    muestraTamano();
    if (tomado)
        Q_EMIT sobreCambiado();
}

bool EnvelopeControls::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            aplicaTamano(box);
            return true;
        }
        const QString text = key->text();
        // Only digits are typed; keys that type nothing keep their own behaviour.
        if (!text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & Qt::ControlModifier)) {
            const QChar c = text.at(0);
            return !(c >= QLatin1Char('0') && c <= QLatin1Char('9'));
        }
    } else if (event->type() == QEvent::FocusOut) {
        aplicaTamano(box);
    }
    return QWidget::eventFilter(watched, event);
}
