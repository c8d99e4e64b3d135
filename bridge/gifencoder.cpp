#include "bridge/gifencoder.h"

#include <QHash>

namespace bridge {
namespace {

void putWord(QByteArray& out, int value) {
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

// Packs variable-width codes least significant bit first, as GIF wants.
class BitWriter {
  public:
    void put(int code, int bits) {
        buffer_ |= quint32(code) << count_;
        count_ += bits;
        while (count_ >= 8) {
            bytes += char(buffer_ & 0xFF);
            buffer_ >>= 8;
            count_ -= 8;
        }
    }
    void flush() {
        if (count_ > 0) bytes += char(buffer_ & 0xFF);
        buffer_ = 0;
        count_ = 0;
    }
    QByteArray bytes;

  private:
    quint32 buffer_ = 0;
    int count_ = 0;
};

QByteArray compress(const QByteArray& pixels, int minCodeSize) {
    const int clear = 1 << minCodeSize;
    const int endOfData = clear + 1;
    BitWriter w;
    QHash<quint32, int> table; // (prefix code << 8 | pixel) -> code
    int codeSize = minCodeSize + 1;
    int next = endOfData + 1;
    w.put(clear, codeSize);
    int prefix = quint8(pixels[0]);
    for (qsizetype i = 1; i < pixels.size(); ++i) {
        const quint8 pixel = quint8(pixels[i]);
        const quint32 key = (quint32(prefix) << 8) | pixel;
        const auto found = table.constFind(key);
        if (found != table.constEnd()) {
            prefix = *found;
            continue;
        }
        w.put(prefix, codeSize);
        if (next < 4096) {
            // The reader widens its codes as its table reaches a power of two.
            if (next == (1 << codeSize)) ++codeSize;
            table.insert(key, next++);
        } else {
            w.put(clear, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            next = endOfData + 1;
        }
        prefix = pixel;
    }
    w.put(prefix, codeSize);
    // The reader adds one more entry on reading that last code.
    if (next == (1 << codeSize) && codeSize < 12) ++codeSize;
    w.put(endOfData, codeSize);
    w.flush();
    return w.bytes;
}

} // namespace

QByteArray encodeGif(const PaletteImage& image) {
    const int colours = int(image.palette.size());
    if (image.width <= 0 || image.height <= 0 || image.width > 65535 || image.height > 65535)
        return {};
    if (colours < 1 || colours > 256) return {};
    if (image.pixels.size() != qsizetype(image.width) * image.height) return {};
    for (const char p : image.pixels)
        if (quint8(p) >= colours) return {};
    if (image.transparentIndex >= colours) return {};

    int tableBits = 1; // the colour table holds 2^tableBits entries
    while ((1 << tableBits) < colours)
        ++tableBits;

    QByteArray out("GIF89a");
    putWord(out, image.width);
    putWord(out, image.height);
    out += char(0x80 | ((tableBits - 1) << 4) | (tableBits - 1)); // global table, its size
    out += char(0);                                               // background index
    out += char(0);                                               // square pixels
    for (int i = 0; i < (1 << tableBits); ++i) {
        const quint32 rgb = i < colours ? image.palette[i] : 0;
        out += char((rgb >> 16) & 0xFF);
        out += char((rgb >> 8) & 0xFF);
        out += char(rgb & 0xFF);
    }
    if (image.transparentIndex >= 0) {
        out += "\x21\xF9\x04";
        out += char(0x01); // no disposal, transparent colour given
        putWord(out, 0);   // no delay
        out += char(image.transparentIndex);
        out += char(0);
    }
    out += char(0x2C);
    putWord(out, 0);
    putWord(out, 0);
    putWord(out, image.width);
    putWord(out, image.height);
    out += char(0); // no local table, not interlaced

    const int minCodeSize = std::max(2, tableBits);
    out += char(minCodeSize);
    const QByteArray data = compress(image.pixels, minCodeSize);
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - at);
        out += char(n);
        out += data.mid(at, n);
    }
    out += char(0);
    out += char(0x3B);
    return out;
}

} // namespace bridge
