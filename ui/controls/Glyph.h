#pragma once

#include <QImage>
#include <QPixmap>

namespace controls {

// The colour of a picture's bottom-left pixel made transparent.
QPixmap withBottomLeftTransparent(const QImage& picture);

// A button glyph picture holds two images side by side, the normal one first and
// the one for a disabled button second; this is the first, made transparent.
QPixmap normalGlyph(const QImage& twoImagePicture);

}  // namespace controls
