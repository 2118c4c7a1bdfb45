#include "printing/AttentionControls.h"

#include "platform/ui/Fonts.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>

AttentionControls::AttentionControls(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("controlesAtencion"));
    const QFont font = Fonts::font(QStringLiteral("Arial"), 8);
    m_Label2 = new QLabel(QStringLiteral("A la atención de:"), this);
    m_Label2->setObjectName(QStringLiteral("Label2"));
    m_Combo2 = new QComboBox(this);
    m_Combo2->setObjectName(QStringLiteral("Combo2"));
    m_Combo2->setEditable(true);
    m_Combo2->setInsertPolicy(QComboBox::NoInsert);
    m_Combo2->addItems(AttentionLine::saludos());
    m_Combo1 = new QComboBox(this);
    m_Combo1->setObjectName(QStringLiteral("Combo1"));
    m_Combo1->addItems(AttentionLine::cargos());
    m_txtAtt = new QLineEdit(this);
    m_txtAtt->setObjectName(QStringLiteral("txtAtt"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    for (QWidget* widget : std::initializer_list<QWidget*> {m_Label2, m_Combo2, m_Combo1, m_txtAtt}) {
        widget->setFont(font);
        layout->addWidget(widget);
    }
    layout->setStretch(3, 1);

    m_Combo2->setCurrentIndex(0);
    m_Combo1->setCurrentIndex(0);
    m_Combo2->installEventFilter(this);
    m_Combo1->installEventFilter(this);
    connect(m_Combo2, &QComboBox::activated, this, &AttentionControls::Combo2_Click);
    connect(m_Combo1, &QComboBox::activated, this, &AttentionControls::Combo1_Click);
    connect(m_txtAtt, &QLineEdit::textChanged, this, &AttentionControls::redibujar);
}

void AttentionControls::insertaContactos()
{
    if (m_contactos)
        return;
    m_contactos = true;
    const QSignalBlocker blocker(m_Combo1);
    m_Combo1->insertItem(2, AttentionLine::kCargo1);
    m_Combo1->insertItem(3, AttentionLine::kCargo2);
}

AttentionChoice AttentionControls::eleccion() const
{
    return {m_Combo2->currentText(), m_Combo1->currentIndex(), m_Combo1->currentText(), m_txtAtt->text()};
}

void AttentionControls::vaciaTextoLibreSiCargo()
{
    if (m_Combo1->currentIndex() < 2 || m_txtAtt->text().isEmpty())
        return;
    const QSignalBlocker blocker(m_txtAtt);
    m_txtAtt->clear();
}

void AttentionControls::Combo2_Click()
{
    m_Combo1->setFocus();
}

void AttentionControls::Combo1_Click()
{
    m_txtAtt->setFocus();
}

bool AttentionControls::eventFilter(QObject* watched, QEvent* event)
{
    // A choice shows on the page once the focus moves on; a typed salutation when its box is left.
    if (event->type() == QEvent::FocusOut && (watched == m_Combo1 || watched == m_Combo2)
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        Q_EMIT redibujar();
    return QWidget::eventFilter(watched, event);
}
