#include "TextCapture.h"

#include <QLineF>
#include <QPaintEngine>
#include <QTransform>

namespace {

// Runs closer than this (pixels) continue one another.
constexpr double kJoin = 0.01;

// Keeps the text runs, ignores everything else.
class CaptureEngine : public QPaintEngine
{
public:
    CaptureEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    QList<TextCapture::Line> runs;

    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override
    {
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override
    {
        const QLineF advance = m_transform.map(QLineF(at, at + QPointF(item.width(), 0)));
        runs.append({item.text(), advance.p1(), advance.length()});
    }
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override { }
    void drawImage(const QRectF& /*r*/, const QImage& /*pm*/, const QRectF& /*sr*/,
        Qt::ImageConversionFlags /*flags*/) override
    {
    }
    void drawRects(const QRectF* /*rects*/, int /*count*/) override { }
    void drawLines(const QLineF* /*lines*/, int /*count*/) override { }
    void drawPath(const QPainterPath& /*path*/) override { }
    void drawPolygon(const QPointF* /*points*/, int /*count*/, PolygonDrawMode /*mode*/) override { }

private:
    QTransform m_transform;
};

} // namespace

TextCapture::TextCapture(const QSize& size, int dotsPerInch)
    : m_engine(std::make_unique<CaptureEngine>())
    , m_size(size)
    , m_dpi(dotsPerInch)
{
}

TextCapture::~TextCapture() = default;

QPaintEngine* TextCapture::paintEngine() const
{
    return m_engine.get();
}

QList<TextCapture::Line> TextCapture::lines() const
{
    QList<Line> joined;
    for (const Line& run : static_cast<const CaptureEngine&>(*m_engine).runs) {
        if (!joined.isEmpty()) {
            Line& last = joined.last();
            if (qAbs(last.start.y() - run.start.y()) < kJoin
                && qAbs(last.start.x() + last.width - run.start.x()) < kJoin) {
                last.text += run.text;
                last.width += run.width;
                continue;
            }
        }
        joined.append(run);
    }
    return joined;
}

int TextCapture::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_size.width();
    case PdmHeight:
        return m_size.height();
    case PdmWidthMM:
        return qRound(m_size.width() * 25.4 / m_dpi);
    case PdmHeightMM:
        return qRound(m_size.height() * 25.4 / m_dpi);
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(QPaintDevice::devicePixelRatioFScale());
    default:
        return 0;
    }
}
