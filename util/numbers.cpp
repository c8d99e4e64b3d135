#include "util/numbers.h"

#include <cmath>
#include <limits>

namespace util {

std::int32_t roundHalfEven(double value) {
    if (!std::isfinite(value)) return 0;
    const double r = std::nearbyint(value); // default FE_TONEAREST is half-even
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

QString numberText(long long value) {
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

std::int32_t parseNumber(const QString& text) {
    QString field = text;
    const qsizetype comma = field.indexOf(QLatin1Char(','));
    if (comma >= 0) field.truncate(comma);
    field = field.trimmed();
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return 0;
    const double rounded = std::nearbyint(value);
    if (rounded > std::numeric_limits<std::int32_t>::max() ||
        rounded < std::numeric_limits<std::int32_t>::min())
        return 0;
    return static_cast<std::int32_t>(rounded);
}

} // namespace util
