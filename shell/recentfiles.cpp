#include "shell/recentfiles.h"

namespace shell {

bool addToRecentFiles(RecentFiles& list, const QString& folder, const QString& fileName) {
    QString name = fileName;
    if (name.size() < 5) return false;
    const qsizetype hash = name.indexOf(QLatin1Char('#'));
    if (hash >= 0) {
        const qsizetype h = hash + 1;  // 1-based
        qsizetype k = name.size() - 2; // third-to-last character, 1-based
        while (k >= h && name[k - 1] != QLatin1Char('.'))
            --k;
        if (k <= h) name = name.left(hash);
    }
    int j = 0;
    for (int i = 1; i <= 10; ++i)
        if (list.file[i] == name) {
            j = i;
            break;
        }
    const int from = j > 0 ? j : 10;
    for (int i = from; i >= 2; --i) {
        list.folder[i] = list.folder[i - 1];
        list.file[i] = list.file[i - 1];
    }
    list.folder[1] = folder;
    list.file[1] = name;
    return true;
}

QString recentCaption(const QString& folder, const QString& file) {
    return file + QLatin1String(" (") + folder + QLatin1Char(')');
}

} // namespace shell
