#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The suit-symbol images, drawn by the program: red hearts and diamonds,
// black spades and clubs on a transparent ground, as tall as the text they
// stand in (a heading's image as tall as its heading's text).
namespace bridge {

inline constexpr unsigned kSuitRed = 0xFF0000;
inline constexpr unsigned kSuitBlack = 0x000000;

// The image's height in pixels: 14 for body text, more for headings 1 to 3.
int suitImageHeight(const QString& imageName);
// The image for one of the names of shippedImageNames(); a null image for
// any other name.
QImage drawSuitImage(const QString& imageName);
// The same image as a GIF file.
QByteArray suitImageGif(const QString& imageName);

} // namespace bridge
