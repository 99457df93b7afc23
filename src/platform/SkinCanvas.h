#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QSize>

namespace tavoclip {

// The colour whose pixels are holes in a skinned window. RGB(254, 0, 255) and
// every other colour stay opaque.
inline constexpr QRgb kSkinKeyColor = 0xFFFF00FF;

// Blank surfaces for skin artwork drawn in code. Sizes are logical pixels; the
// surface holds size x ratio device pixels so the artwork stays sharp on a 2x
// screen, and painters on it draw in logical coordinates.
class SkinCanvas {
public:
    // An opaque background filled with the key colour, ready to be painted
    // over; what is left unpainted (the rounded corners) becomes a hole.
    static QImage NewBackground(QSize logicalSize, qreal devicePixelRatio);
    // A fully transparent picture for a hover or pressed look.
    static QPixmap NewPicture(QSize logicalSize, qreal devicePixelRatio);
    // Twips of the design (15 to a pixel) to logical pixels, rounded.
    static int TwipsToPixels(int twips) { return (twips + 7) / 15; }
    static QSize TwipsToPixels(int widthTwips, int heightTwips)
    {
        return {TwipsToPixels(widthTwips), TwipsToPixels(heightTwips)};
    }
};

}  // namespace tavoclip
