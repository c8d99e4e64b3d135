// The command-line joiner: the program's arguments, as the desktop passes
// them, joined into the one line the parser reads. Any arguments join
// without crashing; one or two names of pages or text files, each ending in
// its ".htm" or ".txt", come back out of the parser as they went in, blanks
// and all.
#include "fuzzinput.h"
#include "shell/commandline.h"

#include <QDir>
#include <QStringList>

namespace {
const QString kHome = QStringLiteral("/home/reader");
const QString kSearch = QStringLiteral("https://duckduckgo.com/?q=");

// A name the line can carry: one ".htm" or ".txt", at its end, no quotes,
// no anchor, no blanks around it, not a web address.
bool plainName(const QString& name) {
    const QString lower = name.toLower();
    const qsizetype marks =
        lower.count(QStringLiteral(".htm")) + lower.count(QStringLiteral(".txt"));
    return marks == 1 &&
           (lower.endsWith(QStringLiteral(".htm")) || lower.endsWith(QStringLiteral(".txt"))) &&
           !name.contains(QLatin1Char('"')) && !name.contains(QLatin1Char('#')) &&
           name.trimmed() == name && !name.contains(QStringLiteral("duckduckgo")) &&
           !lower.startsWith(QStringLiteral("http")) && !lower.startsWith(QStringLiteral("www")) &&
           lower.size() > 4;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QStringList arguments = fuzzText(data, size).split(QChar(0));
    const QString line = shell::joinArguments(arguments, kHome);
    const shell::StartFiles start = shell::readCommandLine(line, kSearch);
    for (int k = 0; k < 2; ++k)
        FUZZ_CHECK(start.fileName[k].size() <= line.size());

    if (arguments.size() > 2) return 0;
    QStringList expected;
    for (const QString& a : arguments) {
        if (!plainName(a)) return 0;
        expected << (QDir::isAbsolutePath(a) ? a : QDir::cleanPath(kHome + QLatin1Char('/') + a));
    }
    for (const QString& e : expected)
        if (!plainName(e) || e.startsWith(QStringLiteral("//"))) return 0;
    for (int k = 0; k < expected.size(); ++k)
        FUZZ_CHECK(start.folder[k] + start.fileName[k] == expected[k]);
    return 0;
}
