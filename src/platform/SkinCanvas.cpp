#include "SkinCanvas.h"

namespace tavoclip {

namespace {
QSize DeviceSize(QSize logicalSize, qreal devicePixelRatio)
{
    return (QSizeF(logicalSize) * devicePixelRatio).toSize();
}
}  // namespace

QImage SkinCanvas::NewBackground(QSize logicalSize, qreal devicePixelRatio)
{
    QImage image(DeviceSize(logicalSize, devicePixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(QColor::fromRgb(kSkinKeyColor));
    return image;
}

QPixmap SkinCanvas::NewPicture(QSize logicalSize, qreal devicePixelRatio)
{
    QPixmap picture(DeviceSize(logicalSize, devicePixelRatio));
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    return picture;
}

}  // namespace tavoclip
