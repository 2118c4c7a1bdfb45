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
    Label2 = new QLabel(QStringLiteral("A la atención de:"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo2->setEditable(true);
    Combo2->setInsertPolicy(QComboBox::NoInsert);
    Combo2->addItems(AttentionLine::saludos());
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->addItems(AttentionLine::cargos());
    txtAtt = new QLineEdit(this);
    txtAtt->setObjectName(QStringLiteral("txtAtt"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 2, 4, 2);
    for (QWidget* widget : std::initializer_list<QWidget*> {Label2, Combo2, Combo1, txtAtt}) {
        widget->setFont(font);
        layout->addWidget(widget);
    }
    layout->setStretch(3, 1);

    Combo2->setCurrentIndex(0);
    Combo1->setCurrentIndex(0);
    Combo2->installEventFilter(this);
    Combo1->installEventFilter(this);
    connect(Combo2, &QComboBox::activated, this, &AttentionControls::Combo2_Click);
    connect(Combo1, &QComboBox::activated, this, &AttentionControls::Combo1_Click);
    connect(txtAtt, &QLineEdit::textChanged, this, &AttentionControls::redibujar);
}

void AttentionControls::insertaContactos()
{
    if (m_contactos)
        return;
    m_contactos = true;
    const QSignalBlocker blocker(Combo1);
    Combo1->insertItem(2, AttentionLine::kCargo1);
    Combo1->insertItem(3, AttentionLine::kCargo2);
}

AttentionChoice AttentionControls::eleccion() const
{
    return {Combo2->currentText(), Combo1->currentIndex(), Combo1->currentText(), txtAtt->text()};
}

void AttentionControls::vaciaTextoLibreSiCargo()
{
    if (Combo1->currentIndex() < 2 || txtAtt->text().isEmpty())
        return;
    const QSignalBlocker blocker(txtAtt);
    txtAtt->clear();
}

void AttentionControls::Combo2_Click()
{
    Combo1->setFocus();
}

void AttentionControls::Combo1_Click()
{
    txtAtt->setFocus();
}

bool AttentionControls::eventFilter(QObject* watched, QEvent* event)
{
    // A choice shows on the page once the focus moves on; a typed salutation when its box is left.
    if (event->type() == QEvent::FocusOut && (watched == Combo1 || watched == Combo2)
        && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
        Q_EMIT redibujar();
    return QWidget::eventFilter(watched, event);
}
