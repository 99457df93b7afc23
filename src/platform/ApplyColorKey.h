#pragma once

#include <QBitmap>
#include <QImage>

class QWidget;

namespace tavoclip {

// The window shape of a skin: set bits where the window is solid, clear bits
// at every pixel of exactly the key colour. The mask is in logical pixels; a
// skin drawn at a higher device pixel ratio is sampled at each logical pixel.
QBitmap ColorKeyMask(const QImage& skin);

// Makes a skinned window: no system frame, never translucent, and shaped by
// the skin's key-coloured pixels, which let clicks through to what lies
// beneath. Where the window system cannot shape windows the key colour shows
// instead and nothing else changes.
void ApplyColorKey(QWidget& window, const QImage& skin);

}  // namespace tavoclip
