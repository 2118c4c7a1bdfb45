#pragma once

#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <functional>
#include <optional>

class EnvelopeControls;
class PreviewPageWidget;

// Drags the envelope's address block on the preview page: pressed on the block, the block follows the
// pointer, kept on the envelope, and the page is drawn again at each move; what is shown is where it
// prints. Owned by the page.
class EnvelopeDrag : public QObject
{
    Q_OBJECT
public:
    EnvelopeDrag(PreviewPageWidget& page, EnvelopeControls& sobre, std::function<void()> redibuja);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void mueve(const QPoint& position);

    PreviewPageWidget& m_page;
    EnvelopeControls& m_sobre;
    std::function<void()> m_redibuja;
    // Where in the block it was taken (agarreX, agarreY), in centimetres.
    std::optional<QPointF> m_agarre;
    QSizeF m_tamano;
};
