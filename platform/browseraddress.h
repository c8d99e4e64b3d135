#pragma once

#include <QFileInfo>
#include <QString>
#include <QUrl>

namespace platform {

// The address a browser pane is given, as a URL: a local path, with an
// anchor after the last "#" of its file name unless a file of that very name
// exists ("/home/a/x.htm#top" -> file:///home/a/x.htm#top); a file address;
// a web address as typed.
inline QUrl browserUrl(const QString& address) {
    if (address.startsWith(QLatin1Char('/'))) {
        const qsizetype slash = address.lastIndexOf(QLatin1Char('/'));
        const qsizetype hash = address.indexOf(QLatin1Char('#'), slash);
        if (hash > 0 && !QFileInfo(address).isFile()) {
            QUrl url = QUrl::fromLocalFile(address.left(hash));
            url.setFragment(address.mid(hash + 1));
            return url;
        }
        return QUrl::fromLocalFile(address);
    }
    if (address.startsWith(QLatin1String("file:"), Qt::CaseInsensitive)) return QUrl(address);
    return QUrl::fromUserInput(address);
}

// The pane's name for what it shows: a local page's file name (with its
// anchor), or, for a web page, its title when it has one.
inline QString browserLocationName(const QUrl& url, const QString& title) {
    if (!url.isLocalFile()) return title;
    QString name = QFileInfo(url.toLocalFile()).fileName();
    if (url.hasFragment()) name += QLatin1Char('#') + url.fragment();
    return name;
}

} // namespace platform
