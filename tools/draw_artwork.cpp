// Draws the viewer's artwork into resources/: the program icon, the logo and the
// four two-image button glyphs. Run it again after changing a drawing:
//   build/dev/tools/draw_artwork resources
#include <QColor>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

const QColor Olive(128, 128, 0);
const QColor Purple(128, 0, 128);
const QColor LogoGrey(180, 180, 180);

// The sixteen colours of the classic palette, which the glyphs are limited to.
QVector<QRgb> sixteenColours() {
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

using Drawing = std::function<void(QPainter&, bool disabled)>;

// A 32 x 16 picture: the normal image on the left, the disabled one on the right.
QImage twoImageGlyph(const QColor& background, const Drawing& draw) {
    QImage image(32, 16, QImage::Format_RGB32);
    image.fill(background);
    for (int half = 0; half < 2; ++half) {
        QPainter painter(&image);
        painter.translate(half * 16, 0);
        draw(painter, half == 1);
    }
    return image.convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdDither);
}

QColor ink(bool disabled, const QColor& colour) {
    return disabled ? QColor(128, 128, 128) : colour;
}

void drawFolder(QPainter& p, bool disabled) {
    p.setPen(ink(disabled, Qt::black));
    p.setBrush(ink(disabled, QColor(255, 255, 0)));
    p.drawPolygon(QPolygon({{1, 3}, {6, 3}, {7, 5}, {13, 5}, {13, 13}, {1, 13}}));
    p.setBrush(ink(disabled, QColor(128, 128, 0)));
    p.drawPolygon(QPolygon({{1, 13}, {4, 8}, {15, 8}, {13, 13}}));
}

void drawPrinter(QPainter& p, bool disabled) {
    p.setPen(ink(disabled, Qt::black));
    p.setBrush(ink(disabled, Qt::white));
    p.drawRect(4, 1, 8, 5);
    p.setBrush(ink(disabled, QColor(192, 192, 192)));
    p.drawRect(1, 6, 14, 6);
    p.setBrush(ink(disabled, Qt::white));
    p.drawRect(4, 10, 8, 4);
    p.setPen(ink(disabled, QColor(0, 255, 0)));
    p.drawPoint(13, 8);
}

void drawMagnifier(QPainter& p, bool disabled, bool plus) {
    p.setPen(QPen(ink(disabled, Qt::black), 1));
    p.setBrush(ink(disabled, QColor(0, 255, 255)));
    p.drawEllipse(1, 1, 9, 9);
    p.setPen(QPen(ink(disabled, QColor(128, 0, 0)), 2));
    p.drawLine(9, 9, 14, 14);
    p.setPen(QPen(ink(disabled, Qt::black), 1));
    p.drawLine(3, 5, 8, 5);
    if (plus) {
        p.drawLine(5, 3, 5, 8);
    }
}

// A picture of 256 colours keeps a full palette even where it uses fewer.
QImage withFullPalette(QImage image) {
    QVector<QRgb> table = image.colorTable();
    table.resize(256, qRgb(0, 0, 0));
    image.setColorTable(table);
    return image;
}

QImage icon() {
    QImage image(32, 32, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 128));
    QPainter p(&image);
    p.fillRect(2, 2, 28, 28, Qt::white);
    p.setPen(QColor(192, 192, 192));
    for (int y = 8; y < 30; y += 6) {
        p.drawLine(3, y, 28, y);
    }
    p.setPen(QPen(QColor(255, 0, 0), 2));
    p.drawPolyline(QPolygon({{3, 20}, {8, 14}, {13, 17}, {18, 9}, {23, 12}, {28, 6}}));
    p.setPen(QPen(QColor(0, 128, 0), 2));
    p.drawPolyline(QPolygon({{3, 26}, {8, 24}, {13, 27}, {18, 22}, {23, 25}, {28, 21}}));
    p.end();
    return withFullPalette(image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither));
}

QImage logo() {
    QImage image(180, 42, QImage::Format_RGB32);
    image.fill(LogoGrey);
    QPainter p(&image);
    // A thermometer and a drop, then the name.
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRoundedRect(8, 4, 7, 26, 3, 3);
    p.setBrush(QColor(255, 0, 0));
    p.drawEllipse(5, 26, 13, 12);
    p.fillRect(10, 12, 3, 16, QColor(255, 0, 0));
    QPainterPath drop;
    drop.moveTo(30, 8);
    drop.cubicTo(36, 18, 40, 24, 30, 34);
    drop.cubicTo(20, 24, 24, 18, 30, 8);
    p.setBrush(QColor(0, 128, 0));
    p.drawPath(drop);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    p.setPen(QColor(0, 0, 128));
    p.drawText(QRect(46, 2, 134, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("DTS Viewer"));
    font.setPixelSize(10);
    font.setBold(false);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(47, 26, 134, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("temperatura i vlaznost"));
    p.end();
    return withFullPalette(image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither));
}

bool save(const QImage& image, const QDir& folder, const char* name) {
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %dx%d, %d colours\n", qPrintable(path), image.width(), image.height(),
                image.colorCount());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool ok = save(icon(), folder, "icon.png");
    ok &= save(logo(), folder, "logo.png");
    ok &= save(twoImageGlyph(Purple, drawFolder), folder, "glyph-load.png");
    ok &= save(twoImageGlyph(Olive, drawPrinter), folder, "glyph-print.png");
    ok &= save(twoImageGlyph(Olive, [](QPainter& p, bool d) { drawMagnifier(p, d, true); }), folder,
               "glyph-zoom-in.png");
    ok &= save(twoImageGlyph(Olive, [](QPainter& p, bool d) { drawMagnifier(p, d, false); }),
               folder, "glyph-zoom-out.png");
    return ok ? 0 : 1;
}
