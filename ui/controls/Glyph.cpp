#include "ui/controls/Glyph.h"

#include <QBitmap>

namespace controls {

QPixmap withBottomLeftTransparent(const QImage& picture) {
    if (picture.isNull()) {
        return QPixmap();
    }
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(image.createMaskFromColor(transparent, Qt::MaskInColor)));
    return pixmap;
}

QPixmap normalGlyph(const QImage& twoImagePicture) {
    if (twoImagePicture.isNull()) {
        return QPixmap();
    }
    const int imageWidth = twoImagePicture.width() / 2;
    const QImage first = twoImagePicture.copy(0, 0, imageWidth, twoImagePicture.height());
    return withBottomLeftTransparent(first);
}

}  // namespace controls
