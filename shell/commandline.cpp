#include "shell/commandline.h"

#include "shell/paths.h"
#include "util/strings.h"

#include <QDir>

namespace shell {

using util::instr;
using util::mid;

StartFiles readCommandLine(const QString& commandLine, const QString& searchAddress) {
    StartFiles out;
    QString cmd = commandLine.trimmed();
    if (!searchAddress.isEmpty() && cmd.contains(searchAddress)) {
        out.fileName[0] = cmd;
        return out;
    }
    if (cmd.startsWith(QLatin1Char('"'))) {
        cmd = cmd.mid(1, cmd.size() - 2); // drops the first and the last character
        cmd.remove(QLatin1Char('"'));
        cmd = cmd.trimmed();
    }
    if (cmd.isEmpty()) return out;
    if (isWebAddress(cmd)) {
        out.fileName[0] = cmd;
        out.nameBox[0] = cmd;
        return out;
    }
    for (int k = 0; k < 2 && !cmd.isEmpty(); ++k) {
        // The earlier of ".htm" and ".txt" ends the first name, so that a
        // text file may come first ("/d/n.txt /d/b.htm" names two files).
        // Compared without case in the line itself: a lower-cased copy can
        // be longer ("İ" becomes two characters), and its positions
        // would then miss the line's.
        const qsizetype htm = cmd.indexOf(QLatin1String(".htm"), 0, Qt::CaseInsensitive) + 1;
        const qsizetype txt = cmd.indexOf(QLatin1String(".txt"), 0, Qt::CaseInsensitive) + 1;
        const qsizetype p = (htm == 0 || (txt > 0 && txt < htm)) ? txt : htm;
        if (p == 0) break;
        QString name;
        QString rest;
        if (p == 1) {
            name = cmd;
        } else if (mid(cmd, p + 4, 1) == QLatin1String("#") &&
                   instr(p + 4, cmd, QStringLiteral(" ")) == 0) {
            name = cmd;
        } else {
            const qsizetype s = instr(p + 4, cmd, QStringLiteral(" "));
            if (s > 0) {
                name = cmd.left(s - 1);
                rest = mid(cmd, s + 1).trimmed();
            } else {
                name = cmd;
            }
        }
        const qsizetype sep = name.lastIndexOf(pathSeparator());
        if (sep > 0) {
            out.folder[k] = name.left(sep + 1);
            out.fileName[k] = name.mid(sep + 1);
        } else {
            out.fileName[k] = name;
        }
        out.nameBox[k] = out.fileName[k];
        cmd = rest;
    }
    return out;
}

QString joinArguments(const QStringList& arguments, const QString& currentDir) {
    QStringList parts;
    for (QString arg : arguments) {
        if (arg.trimmed().isEmpty()) continue;
        // A file address (a desktop or a browser may hand one over) is the
        // local path it names.
        if (arg.startsWith(fileUrlPrefix() + QLatin1Char('/'), Qt::CaseInsensitive))
            arg = localPathFromUrl(arg);
        const bool web =
            isWebAddress(arg) || arg.startsWith(QLatin1String("www"), Qt::CaseInsensitive);
        if (web || QDir::isAbsolutePath(arg)) {
            parts << arg;
        } else {
            parts << QDir::cleanPath(currentDir + pathSeparator() + arg);
        }
    }
    // Names holding blanks reach the parser quoted; the parser removes the
    // quotes when the line begins with one, so then every name is quoted.
    const bool blank = std::any_of(parts.begin(), parts.end(), [](const QString& p) {
        return p.contains(QLatin1Char(' ')) && !isWebAddress(p);
    });
    if (blank)
        for (QString& p : parts)
            p = QLatin1Char('"') + p + QLatin1Char('"');
    return parts.join(QLatin1Char(' '));
}

} // namespace shell
