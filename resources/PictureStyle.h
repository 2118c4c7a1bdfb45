#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;

// The one look of every picture: dark frame, cream page, orange accents, Liberation Sans.
namespace PictureStyle {

inline constexpr QRgb kFrame = qRgb(40, 40, 40);
inline constexpr QRgb kFrameLight = qRgb(62, 62, 62);
inline constexpr QRgb kFrameDeep = qRgb(26, 26, 26);
inline constexpr QRgb kEdge = qRgb(16, 16, 16);
inline constexpr QRgb kPage = qRgb(246, 243, 234);
inline constexpr QRgb kAccent = qRgb(240, 130, 20);
inline constexpr QRgb kAccentLight = qRgb(255, 170, 70);
inline constexpr QRgb kAccentDeep = qRgb(190, 92, 6);
inline constexpr QRgb kMuted = qRgb(168, 163, 152);
inline constexpr QRgb kGreyed = qRgb(138, 138, 138);

// Liberation Sans at a size in pixels, so that pictures do not depend on the screen's resolution.
QFont font(qreal pixelSize, bool bold = true);
// The largest font not above the given one that writes the text on one line within the box.
QFont fitted(const QFont& font, const QString& text, const QSizeF& box);
// A transparent canvas, or an opaque one to be filled entirely.
QImage canvas(const QSize& size, bool opaque = false);
// Turns a drawn picture into its disabled look: grey, faded towards the frame.
void greyOut(QImage& image);
// Anti-aliased lines, text and scaled pictures.
void prepare(QPainter& painter);

} // namespace PictureStyle
