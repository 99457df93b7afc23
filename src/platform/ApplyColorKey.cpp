#include "ApplyColorKey.h"

#include <QWidget>

#include "SkinCanvas.h"

namespace tavoclip {

QBitmap ColorKeyMask(const QImage& skin)
{
    const qreal ratio = skin.devicePixelRatio();
    const QSize logical = (QSizeF(skin.size()) / ratio).toSize();
    QImage sampled = ratio == 1.0 ? skin : skin.scaled(logical, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    sampled.setDevicePixelRatio(1.0);
    const QImage opaque = sampled.convertToFormat(QImage::Format_RGB32);
    // In the returned image key pixels hold the colour that QBitmap reads as
    // clear (a hole); every other pixel is set.
    return QBitmap::fromImage(opaque.createMaskFromColor(kSkinKeyColor, Qt::MaskInColor));
}

void ApplyColorKey(QWidget& window, const QImage& skin)
{
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setAttribute(Qt::WA_TranslucentBackground, false);
    window.setWindowOpacity(1.0);
    window.setMask(ColorKeyMask(skin));
}

}  // namespace tavoclip
