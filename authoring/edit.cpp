#include "authoring/edit.h"

#include <algorithm>

namespace authoring {

QString applied(QString text, const Result& result) {
    for (const Edit& e : result.edits)
        text.replace(e.start, e.length, e.text);
    return text;
}

QList<Edit> differenceEdits(const QString& before, const QString& after) {
    if (before == after) return {};
    const qsizetype shorter = std::min(before.size(), after.size());
    qsizetype head = 0;
    while (head < shorter && before[head] == after[head])
        ++head;
    qsizetype tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    // The editor cannot place a boundary between the CR and the LF of a line
    // break: widen the edit to take the whole pair.
    const auto splits = [](const QString& s, qsizetype at) {
        return at > 0 && at < s.size() && s[at - 1] == QLatin1Char('\r') &&
               s[at] == QLatin1Char('\n');
    };
    if (head > 0 && (splits(before, head) || splits(after, head))) --head;
    if (tail > 0 && (splits(before, before.size() - tail) || splits(after, after.size() - tail)))
        --tail;
    return {Edit{int(head), int(before.size() - head - tail),
                 after.mid(head, after.size() - head - tail)}};
}

} // namespace authoring
