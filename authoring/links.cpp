#include "authoring/links.h"

#include <QRegularExpression>
#include <algorithm>

namespace authoring {
namespace {
const QString kLetters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const QLatin1String kAnchorStart("<A NAME=");

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == QLatin1Char('_') || c == QLatin1Char('-');
}
} // namespace

QString anchorName(int counter) {
    if (counter >= 1 && counter <= 26) return kLetters.mid(counter - 1, 1);
    if (counter >= 27 && counter <= kLastAnchorCounter)
        return QLatin1Char('A') + kLetters.mid(counter - 27, 1);
    return {};
}

bool anchorNameUsed(const QString& text, const QString& name) {
    if (name.isEmpty()) return false;
    const QString escaped = QRegularExpression::escape(name);
    static const QString pattern =
        QStringLiteral(R"re((?:(?i:HREF=)"?#|(?i:\bNAME=)"?)%1(?![A-Za-z0-9_-]))re");
    const QRegularExpression used(pattern.arg(escaped));
    return used.match(text).hasMatch();
}

std::optional<int> nextAnchorCounter(int counter, const QString& text) {
    int next = std::max(counter, 0) + 1;
    while (next <= kLastAnchorCounter && anchorNameUsed(text, anchorName(next)))
        ++next;
    if (next > kLastAnchorCounter) return std::nullopt;
    return next;
}

std::optional<QString> anchorNearCaret(const QString& text, int caret) {
    const int from = std::clamp(caret - 20, 0, int(text.size()));
    const QStringView window = QStringView(text).mid(from, 50);
    const qsizetype found = window.indexOf(kAnchorStart, 0, Qt::CaseInsensitive);
    if (found < 0) return std::nullopt;
    qsizetype at = from + found + kAnchorStart.size();
    if (at < text.size() && text[at] == QLatin1Char('"')) ++at;
    qsizetype end = at;
    while (end < text.size() && isNameCharacter(text[end]))
        ++end;
    if (end == at) return std::nullopt;
    return text.mid(at, end - at);
}

QString anchorTag(const QString& name) {
    return QStringLiteral("<A NAME=\"") + name + QStringLiteral("\"></A>");
}

QString internalLink(const QString& name, const QString& text) {
    return QStringLiteral("<A HREF=#") + name + QLatin1Char('>') + text + QStringLiteral("</A>");
}

QString externalLink(const QString& fileName, const QString& text) {
    QString address = fileName;
    address.replace(QLatin1Char('%'), QLatin1String("%25"));
    address.replace(QLatin1Char('"'), QLatin1String("%22"));
    address.replace(QLatin1Char('#'), QLatin1String("%23"));
    return QStringLiteral("<A HREF=\"") + address + QStringLiteral("\">") + text +
           QStringLiteral("</A>");
}

QString linkMessageText() {
    return QStringLiteral(" Click where the link should \r\n go to, then click on the \r\n"
                          " 'HTML' - 'Link Internal' \r\n menu (or Ctrl-L) again. \r\n\r\n"
                          " Click this box to cancel.\r\n");
}

InternalLinkPlan placeInternalLink(const QString& text, int caret, int linkStart, int linkLength,
                                   const QString& reservedName) {
    const int size = int(text.size());
    caret = std::clamp(caret, 0, size);
    linkStart = std::clamp(linkStart, 0, size);
    linkLength = std::clamp(linkLength, 0, size - linkStart);

    InternalLinkPlan plan;
    if (const auto existing = anchorNearCaret(text, caret)) {
        plan.name = *existing;
        plan.reused = true;
    } else {
        plan.name = reservedName;
        if (caret > linkStart && caret < linkStart + linkLength) caret = linkStart;
        const QString tag = anchorTag(plan.name);
        plan.result.edits.push_back({caret, 0, tag});
        if (caret <= linkStart) linkStart += int(tag.size());
    }
    const QString withAnchor = applied(text, plan.result);
    plan.result.edits.push_back(
        {linkStart, linkLength, internalLink(plan.name, withAnchor.mid(linkStart, linkLength))});
    plan.result.after = {linkStart, 0};
    return plan;
}

} // namespace authoring
