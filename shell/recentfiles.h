#pragma once

#include <QString>

namespace shell {

// The recent-file list: entry 1 is the newest; index 0 is unused so that the
// program's 1-based entry numbers read as written.
struct RecentFiles {
    QString folder[11];
    QString file[11];
};

// Enters (folder, name) at the top. Names shorter than five characters are
// not listed; an anchor is dropped unless a "." follows it ("page.htm#top" ->
// "page.htm"); a name already listed (exact, folder not compared) moves up
// instead of being added twice. Returns false when nothing changed.
bool addToRecentFiles(RecentFiles& list, const QString& folder, const QString& name);

// "deal.htm (/home/a/Bridge/)"
QString recentCaption(const QString& folder, const QString& file);

} // namespace shell
