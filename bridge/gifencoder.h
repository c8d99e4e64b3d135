#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

// A small GIF89a writer for palette images: one frame, a global colour
// table, optional transparency, LZW-compressed pixels.
namespace bridge {

struct PaletteImage {
    int width = 0;
    int height = 0;
    QList<quint32> palette;    // 0xRRGGBB, at most 256 entries
    QByteArray pixels;         // width * height palette indexes, row by row
    int transparentIndex = -1; // -1: none
};

// The GIF file for `image`; empty when the image is malformed (no pixels,
// a size over 65535, an index outside the palette, too many colours).
QByteArray encodeGif(const PaletteImage& image);

} // namespace bridge
