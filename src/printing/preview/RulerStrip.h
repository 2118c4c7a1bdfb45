#pragma once

#include <QWidget>

// A ruler beside the preview's page: a tick every millimetre, a longer one every half and whole
// centimetre, the centimetres numbered, moved with the page by the scroll bars.
class RulerStrip : public QWidget
{
    Q_OBJECT
public:
    explicit RulerStrip(Qt::Orientation orientation, QWidget* parent = nullptr);

    // The page's offset in centimetres (0 or negative), so that the ruler's 0 stays at its edge.
    void setOffsetCm(double offsetCm);

Q_SIGNALS:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Qt::Orientation m_orientation;
    double m_offsetCm = 0;
};
