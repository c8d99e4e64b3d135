#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The suit images built into the program (drawn at build time by
// tfv_suitgen), for copying next to the articles that use them.
namespace bridge {

struct ShippedImage {
    const char* name;
    int size;
    const char* bytes;
};
extern const ShippedImage kShippedImages[];
extern const int kShippedImageCount;

// The GIF an image name written by a command stands for, found with
// shippedImageFor ("c.gif" gives the bytes of "C.gif"); nullopt for a name
// that is not one of the program's suit images.
std::optional<QByteArray> shippedSuitImage(const QString& imageName);

} // namespace bridge
