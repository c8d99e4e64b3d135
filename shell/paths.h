#pragma once

#include <QString>

// How the program's paths map onto this platform. Every rule that splits,
// joins or tests a path goes through here, so that another platform changes
// one file.
namespace shell {

inline QChar pathSeparator() {
    return QLatin1Char('/');
}
inline QString separatorString() {
    return QString(pathSeparator());
}

// A web address: "http://" or "https://" at the start, any case.
bool isWebAddress(const QString& s);
// The browser's prefix for local files, "file://"; the local path follows.
QString fileUrlPrefix();
// "file:///home/a/My%20x.htm#top" -> "/home/a/My x.htm#top"; other text is
// returned unchanged.
QString localPathFromUrl(const QString& address);
// Splits at the last separator: ("/a/b/", "c.htm"); no separator gives
// ("", whole).
struct SplitPath {
    QString folder;
    QString name;
};
SplitPath splitPath(const QString& path);

// The fixed folders and programs of the running program.
struct FixedPaths {
    QString driveRoot;     // default root folder, ends with the separator
    QString dataFolder;    // configuration, help page, placeholder, table template
    QString lexiconFolder; // the lexicon databases, ends with the separator
    QString helpProgram;   // this program's own executable
    QString searchAddress; // the configured web-search address
    QString searchEngine;  // the word that address contains
};

} // namespace shell
