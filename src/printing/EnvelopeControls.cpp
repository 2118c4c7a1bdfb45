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
    txtSobreAlto = new QLineEdit(this);
    txtSobreAlto->setObjectName(QStringLiteral("txtSobreAlto"));
    txtSobreAncho = new QLineEdit(this);
    txtSobreAncho->setObjectName(QStringLiteral("txtSobreAncho"));
    cboSobreTipo = new QComboBox(this);
    cboSobreTipo->setObjectName(QStringLiteral("cboSobreTipo"));
    cboSobreLetra = new QComboBox(this);
    cboSobreLetra->setObjectName(QStringLiteral("cboSobreLetra"));

    auto* layout = new QHBoxLayout(this);
    // The frame's height holds one row of controls under its caption.
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(2);
    layout->addWidget(rotulo(QStringLiteral("Alto:"), this));
    layout->addWidget(txtSobreAlto);
    layout->addWidget(rotulo(QStringLiteral("mm"), this));
    layout->addWidget(rotulo(QStringLiteral("Ancho:"), this));
    layout->addWidget(txtSobreAncho);
    layout->addWidget(rotulo(QStringLiteral("mm"), this));
    layout->addWidget(rotulo(QStringLiteral("Sobre:"), this));
    layout->addWidget(cboSobreTipo);
    layout->addWidget(rotulo(QStringLiteral("T. Letra:"), this));
    layout->addWidget(cboSobreLetra);

    for (QLineEdit* box : {txtSobreAlto, txtSobreAncho}) {
        box->setFont(Fonts::font(QStringLiteral("Arial"), 8));
        box->setMaxLength(3);
        box->setFixedWidth(30);
        box->installEventFilter(this);
    }
    // The frame is narrow: each list is as wide as its longest entry, no wider.
    cboSobreTipo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboSobreLetra->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (const EnvelopeType& type : EnvelopeGeometry::tipos())
        cboSobreTipo->addItem(type.caption);
    for (int size = EnvelopeSettings::kMinFuente; size <= EnvelopeSettings::kMaxFuente; ++size)
        cboSobreLetra->addItem(QString::number(size));

    connect(txtSobreAlto, &QLineEdit::textChanged, this,
        [this] { limitaTamano(txtSobreAlto, EnvelopeGeometry::kMaxAltoMm); });
    connect(txtSobreAncho, &QLineEdit::textChanged, this,
        [this] { limitaTamano(txtSobreAncho, EnvelopeGeometry::kMaxAnchoMm); });
    connect(cboSobreTipo, &QComboBox::activated, this, &EnvelopeControls::cboSobreTipo_Click);
    connect(cboSobreLetra, &QComboBox::activated, this, &EnvelopeControls::cboSobreLetra_Click);

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
    const QSignalBlocker blockTipo(cboSobreTipo);
    const QSignalBlocker blockLetra(cboSobreLetra);
    cboSobreTipo->setCurrentIndex(m_job.sobre.tipo());
    cboSobreLetra->setCurrentIndex(m_job.tamLetra - EnvelopeSettings::kMinFuente);
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
    txtSobreAlto->setText(QString::number(m_job.sobre.altoMm()));
    txtSobreAncho->setText(QString::number(m_job.sobre.anchoMm()));
    const bool libre = m_job.sobre.tamanoLibre();
    txtSobreAlto->setReadOnly(!libre);
    txtSobreAncho->setReadOnly(!libre);
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
    const bool alto = box == txtSobreAlto;
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
