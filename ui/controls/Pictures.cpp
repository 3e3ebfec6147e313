#include "ui/controls/Pictures.h"

#include "ui/controls/Glyph.h"

namespace controls {

AutoSizeLabel::AutoSizeLabel(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
    setFocusPolicy(Qt::NoFocus);
    adjustSize();
}

void AutoSizeLabel::setCaption(const QString& caption) {
    setText(caption);
    adjustSize();
}

TransparentImage::TransparentImage(const QImage& picture, QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setScaledContents(false);
    setPixmap(withBottomLeftTransparent(picture));
}

}  // namespace controls
