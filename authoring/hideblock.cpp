#include "authoring/hideblock.h"

#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace authoring {
namespace {
QString blockName(int number) {
    return QStringLiteral("hide%1ID").arg(number);
}
} // namespace

std::optional<int> nextHideBlockNumber(int counter, const QString& text) {
    constexpr int last = std::numeric_limits<std::int16_t>::max();
    int next = std::max(counter, 0) + 1;
    while (next <= last && text.contains(blockName(next)))
        ++next;
    if (next > last) return std::nullopt;
    return next;
}

QString hideBlock(int number, const QString& selected) {
    const QString n = blockName(number);
    const QStringList lines = {
        QStringLiteral("<BR><Span onClick=\"") + n + QStringLiteral(".style.display=''\">"),
        QStringLiteral("<FONT COLOR=GREEN STYLE=\"cursor:hand\">"),
        QStringLiteral("<U>"),
        QStringLiteral("[[[put prompt here]]]"),
        QStringLiteral("</U>"),
        QStringLiteral("</FONT></SPAN> "),
        QString(),
        QStringLiteral("<FONT ID=\"") + n +
            QStringLiteral("\" STYLE=\"display:none\" COLOR=BLACK>"),
        QString(),
        QStringLiteral("<SPAN onClick=\"") + n + QStringLiteral(".style.display='none'\">") +
            QStringLiteral("<FONT COLOR=RED STYLE=\"cursor:hand\">"),
        QStringLiteral("&nbsp;&nbsp;&nbsp;<B>(<U>Close</U>)</B>"),
        QStringLiteral("</FONT>"),
        QStringLiteral("</SPAN>"),
        selected,
        QStringLiteral("<BR></FONT>"),
    };
    QString out;
    for (const QString& line : lines)
        out += line + QStringLiteral("\r\n");
    return out;
}

} // namespace authoring
