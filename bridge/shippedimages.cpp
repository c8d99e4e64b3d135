#include "bridge/shippedimages.h"

#include "bridge/suitnotation.h"

namespace bridge {

std::optional<QByteArray> shippedSuitImage(const QString& imageName) {
    const QString shipped = shippedImageFor(imageName);
    if (shipped.isEmpty()) return std::nullopt;
    for (int i = 0; i < kShippedImageCount; ++i)
        if (shipped == QLatin1String(kShippedImages[i].name))
            return QByteArray(kShippedImages[i].bytes, kShippedImages[i].size);
    return std::nullopt;
}

} // namespace bridge
