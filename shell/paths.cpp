#include "shell/paths.h"

#include "util/strings.h"

namespace shell {

bool isWebAddress(const QString& s) {
    return s.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
           s.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

QString fileUrlPrefix() {
    return QStringLiteral("file://");
}

QString localPathFromUrl(const QString& address) {
    if (!address.startsWith(fileUrlPrefix(), Qt::CaseInsensitive)) return address;
    return util::percentDecode(address.mid(fileUrlPrefix().size()));
}

SplitPath splitPath(const QString& path) {
    const qsizetype i = path.lastIndexOf(pathSeparator());
    if (i < 0) return {QString(), path};
    return {path.left(i + 1), path.mid(i + 1)};
}

} // namespace shell
