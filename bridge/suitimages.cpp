#include "bridge/suitimages.h"

#include "bridge/gifencoder.h"
#include "bridge/suitnotation.h"

#include <QPainter>
#include <QPainterPath>

namespace bridge {
namespace {

// The shape of one suit in a unit square, pointing up like a playing card's.
QPainterPath suitShape(QChar suit) {
    QPainterPath p;
    switch (suit.toUpper().unicode()) {
    case 'H':
        p.moveTo(0.5, 0.95);
        p.cubicTo(0.25, 0.72, 0.02, 0.52, 0.05, 0.3);
        p.cubicTo(0.08, 0.08, 0.42, 0.02, 0.5, 0.28);
        p.cubicTo(0.58, 0.02, 0.92, 0.08, 0.95, 0.3);
        p.cubicTo(0.98, 0.52, 0.75, 0.72, 0.5, 0.95);
        break;
    case 'D':
        p.moveTo(0.5, 0.02);
        p.lineTo(0.88, 0.5);
        p.lineTo(0.5, 0.98);
        p.lineTo(0.12, 0.5);
        p.closeSubpath();
        break;
    case 'S':
        p.moveTo(0.5, 0.03);
        p.cubicTo(0.75, 0.28, 0.98, 0.42, 0.95, 0.62);
        p.cubicTo(0.92, 0.82, 0.62, 0.84, 0.53, 0.66);
        p.lineTo(0.62, 0.97);
        p.lineTo(0.38, 0.97);
        p.lineTo(0.47, 0.66);
        p.cubicTo(0.38, 0.84, 0.08, 0.82, 0.05, 0.62);
        p.cubicTo(0.02, 0.42, 0.25, 0.28, 0.5, 0.03);
        break;
    case 'C':
        p.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
        p.addEllipse(QPointF(0.26, 0.6), 0.22, 0.22);
        p.addEllipse(QPointF(0.74, 0.6), 0.22, 0.22);
        p.addRect(0.42, 0.3, 0.16, 0.4);
        p.moveTo(0.47, 0.62);
        p.lineTo(0.63, 0.98);
        p.lineTo(0.37, 0.98);
        p.lineTo(0.53, 0.62);
        p.closeSubpath();
        p.setFillRule(Qt::WindingFill);
        break;
    default:
        break;
    }
    return p;
}

bool isRed(QChar suit) {
    const QChar s = suit.toUpper();
    return s == QLatin1Char('H') || s == QLatin1Char('D');
}

} // namespace

int suitImageHeight(const QString& imageName) {
    // Browsers' default heading sizes: 2em, 1.5em, 1.17em, 1em, 0.83em, 0.67em.
    static const int heading[] = {0, 28, 21, 17, 14, 12, 12};
    if (imageName.size() == 6 && imageName[1].isDigit()) {
        const int level = imageName[1].digitValue();
        if (level >= 1 && level <= 6) return heading[level];
    }
    return 14;
}

QImage drawSuitImage(const QString& imageName) {
    if (!shippedImageNames().contains(imageName)) return {};
    const bool pair = imageName == QLatin1String("hs.gif") || imageName == QLatin1String("dc.gif");
    const QString suits = imageName.left(pair ? 2 : 1);
    const int h = suitImageHeight(imageName);
    QImage image(h * int(suits.size()), h, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < suits.size(); ++i) {
        painter.save();
        painter.translate(i * h, 0);
        painter.scale(h, h);
        painter.setBrush(QColor(QRgb(isRed(suits[i]) ? kSuitRed : kSuitBlack)));
        painter.drawPath(suitShape(suits[i]));
        painter.restore();
    }
    painter.end();
    return image;
}

QByteArray suitImageGif(const QString& imageName) {
    const QImage image = drawSuitImage(imageName);
    if (image.isNull()) return {};
    // GIF has one transparent colour and no partial cover: a pixel at least
    // half covered takes the suit's colour, the rest is see-through.
    PaletteImage gif;
    gif.width = image.width();
    gif.height = image.height();
    gif.palette = {0xFFFFFF, kSuitBlack, kSuitRed};
    gif.transparentIndex = 0;
    gif.pixels.resize(qsizetype(gif.width) * gif.height);
    for (int y = 0; y < gif.height; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < gif.width; ++x) {
            char index = 0;
            if (qAlpha(row[x]) >= 128) index = qRed(row[x]) >= 128 ? 2 : 1;
            gif.pixels[qsizetype(y) * gif.width + x] = index;
        }
    }
    return encodeGif(gif);
}

} // namespace bridge
