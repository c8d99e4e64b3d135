#include "shell/configfile.h"

#include "util/numbers.h"

#include <QStringList>

namespace shell {

QString readField(const QString& line) {
    qsizetype i = 0;
    while (i < line.size() && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t')))
        ++i;
    if (i < line.size() && line[i] == QLatin1Char('"')) {
        const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
        return close < 0 ? line.mid(i + 1) : line.mid(i + 1, close - i - 1);
    }
    const qsizetype comma = line.indexOf(QLatin1Char(','), i);
    QString value = comma < 0 ? line.mid(i) : line.mid(i, comma - i);
    while (value.endsWith(QLatin1Char(' ')) || value.endsWith(QLatin1Char('\t')))
        value.chop(1);
    return value;
}

int readConfig(const QString& text, ConfigValues& v) {
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    // A final line break does not start another line.
    if (!lines.isEmpty() && lines.back().isEmpty() && text.endsWith(QLatin1Char('\n')))
        lines.pop_back();
    if (text.isEmpty()) lines.clear();

    const int count = static_cast<int>(std::min<qsizetype>(lines.size(), kConfigLines));
    std::int32_t* numbers[9] = {&v.windowLeft,    &v.windowTop,      &v.windowHeight,
                                &v.windowWidth,   &v.oneWidth,       &v.twoWidth,
                                &v.leftPaneWidth, &v.rightPaneWidth, &v.paneHeight};
    for (int i = 0; i < count; ++i) {
        const QString& line = lines[i];
        if (i < 9) {
            *numbers[i] = util::parseNumber(line);
        } else if (i < 14) {
            v.pageColors[i - 9] = readField(line);
        } else if (i < 34) {
            const int entry = (i - 14) / 2;
            if ((i - 14) % 2 == 0)
                v.recentFolder[entry] = line;
            else
                v.recentFile[entry] = line;
        } else {
            v.openInRight = readField(line);
        }
    }
    return count;
}

QString writeConfig(const ConfigValues& v) {
    const QString crlf = QStringLiteral("\r\n");
    QString out;
    auto number = [&](std::int32_t n) { out += util::numberText(n) + QLatin1Char(' ') + crlf; };
    number(v.windowLeft);
    number(v.windowTop);
    number(v.windowHeight);
    number(v.windowWidth);
    number(v.oneWidth);
    number(v.twoWidth);
    number(v.leftPaneWidth);
    number(v.rightPaneWidth);
    number(v.paneHeight);
    for (const QString& c : v.pageColors)
        out += c + crlf;
    for (int i = 0; i < 10; ++i)
        out += v.recentFolder[i] + crlf + v.recentFile[i] + crlf;
    out += v.openInRight + crlf;
    return out;
}

} // namespace shell
