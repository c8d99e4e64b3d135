#include "spelling/wordtrie.h"

#include <algorithm>

namespace spelling {

void WordTrie::insert(QStringView folded, int word) {
    qint32 node = 0;
    for (QChar ch : folded) {
        const char16_t c = ch.unicode();
        qint32 child = building_[size_t(node)].firstChild, last = -1;
        while (child >= 0 && building_[size_t(child)].c != c) {
            last = child;
            child = building_[size_t(child)].nextSibling;
        }
        if (child < 0) {
            child = qint32(building_.size());
            Building n;
            n.c = c;
            building_.push_back(n);
            if (last < 0)
                building_[size_t(node)].firstChild = child;
            else
                building_[size_t(last)].nextSibling = child;
        }
        node = child;
    }
    if (building_[size_t(node)].word < 0) building_[size_t(node)].word = word;
}

void WordTrie::finish() {
    // Breadth first, so that the children of each node come together.
    nodes_.assign(building_.size(), Node{});
    std::vector<qint32> order{0}; // building index of each new node
    nodes_[0].word = building_[0].word;
    std::vector<qint32> kids;
    for (size_t at = 0; at < order.size(); ++at) {
        const Building& b = building_[size_t(order[at])];
        kids.clear();
        for (qint32 k = b.firstChild; k >= 0; k = building_[size_t(k)].nextSibling)
            kids.push_back(k);
        std::sort(kids.begin(), kids.end(), [&](qint32 x, qint32 y) {
            return building_[size_t(x)].c < building_[size_t(y)].c;
        });
        Node& n = nodes_[at];
        n.first = qint32(order.size());
        n.count = qint32(kids.size());
        n.aAt = n.first;
        for (qint32 k : kids) {
            const char16_t c = building_[size_t(k)].c;
            if (c < u'a') ++n.aAt;
            if (c >= u'a' && c <= u'z') n.letters |= 1u << (c - u'a');
            Node& kid = nodes_[order.size()];
            kid.c = c;
            kid.word = building_[size_t(k)].word;
            order.push_back(k);
        }
    }
    building_ = {};
}

qint32 WordTrie::child(qint32 node, char16_t c) const {
    const Node& n = nodes_[size_t(node)];
    if (c >= u'a' && c <= u'z') {
        const quint32 bit = 1u << (c - u'a');
        if (!(n.letters & bit)) return -1;
        // The letters below c among the children (at most 26 bits).
        quint32 v = n.letters & (bit - 1);
        v = v - ((v >> 1) & 0x55555555u);
        v = (v & 0x33333333u) + ((v >> 2) & 0x33333333u);
        return n.aAt + qint32((((v + (v >> 4)) & 0x0F0F0F0Fu) * 0x01010101u) >> 24);
    }
    for (qint32 k = n.first; k < n.first + n.count; ++k)
        if (nodes_[size_t(k)].c == c) return k;
    return -1;
}

qint32 WordTrie::follow(qint32 node, QStringView rest) const {
    for (QChar c : rest) {
        node = child(node, c.unicode());
        if (node < 0) return -1;
    }
    return nodes_[size_t(node)].word;
}

void WordTrie::searchOneEdit(QStringView w, qsizetype from,
                             const std::function<void(int)>& found) const {
    if (nodes_.empty()) return;
    const qsizetype n = w.size();
    auto report = [&](qint32 word) {
        if (word >= 0) found(word);
    };
    qint32 node = 0; // reached by the first i letters of the word
    for (qsizetype i = 0; i <= n && node >= 0; ++i) {
        const Node& here = nodes_[size_t(node)];
        if (i >= from)
            for (qint32 ch = here.first; ch < here.first + here.count; ++ch) {
                // A letter inserted before position i, or put in place of letter i.
                report(follow(ch, w.mid(i)));
                if (i < n && nodes_[size_t(ch)].c != w[i].unicode())
                    report(follow(ch, w.mid(i + 1)));
            }
        if (i < n) {
            // Letter i left out.
            if (i >= from) report(follow(node, w.mid(i + 1)));
            // Letters i and i + 1 swapped.
            if (i + 1 >= from && i + 1 < n && w[i] != w[i + 1]) {
                const qint32 a = child(node, w[i + 1].unicode());
                const qint32 b = a >= 0 ? child(a, w[i].unicode()) : -1;
                if (b >= 0) report(follow(b, w.mid(i + 2)));
            }
            node = child(node, w[i].unicode());
        }
    }
}

void WordTrie::search(QStringView folded, int maxDistance,
                      const std::function<void(int, int)>& found, bool sameFirstLetter) const {
    constexpr int kDeepest = 64;
    if (nodes_.empty() || folded.size() > kDeepest - maxDistance - 2) return;
    const int n = int(folded.size());
    // One row of the distance table per depth of the trie (the distances of
    // the prefix spelt so far to every prefix of the word), and the row
    // before it for swaps.
    std::vector<int> rows(size_t(kDeepest + 1) * size_t(n + 1));
    auto row = [&](int depth) { return rows.data() + size_t(depth) * size_t(n + 1); };
    std::vector<char16_t> path(kDeepest + 1);
    // Only the cells within maxDistance of the diagonal can stay within
    // reach: the others count as out of reach (kFar), and the cells just
    // outside each row's band are set so, for the rows that read them.
    constexpr int kFar = 1 << 20;
    for (int j = 0; j <= n; ++j)
        row(0)[j] = j <= maxDistance ? j : kFar;

    // Depth first, with an explicit stack of (node, depth): a node's whole
    // subtree is walked before its next sibling, so the rows above it stay.
    std::vector<std::pair<qint32, int>> stack;
    if (sameFirstLetter) {
        if (n == 0) return;
        const qint32 first = child(0, folded[0].unicode());
        if (first >= 0) stack.emplace_back(first, 1);
    } else {
        for (qint32 c = nodes_[0].first + nodes_[0].count - 1; c >= nodes_[0].first; --c)
            stack.emplace_back(c, 1);
    }
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        const Node& nd = nodes_[size_t(node)];
        const char16_t c = nd.c;
        path[size_t(depth)] = c;
        int* cur = row(depth);
        const int* prev = row(depth - 1);
        const int* prev2 = depth >= 2 ? row(depth - 2) : nullptr;
        const int lo = std::max(1, depth - maxDistance), hi = std::min(n, depth + maxDistance);
        if (lo > hi) continue; // the prefix is longer than any spelling within reach
        cur[0] = depth;
        int least = cur[0];
        if (lo - 1 >= 1) cur[lo - 1] = kFar;
        for (int j = lo; j <= hi; ++j) {
            const char16_t wj = folded[j - 1].unicode();
            int v = std::min(prev[j] + 1, cur[j - 1] + 1);
            v = std::min(v, prev[j - 1] + (wj == c ? 0 : 1));
            if (prev2 && j >= 2 && wj == path[size_t(depth - 1)] && folded[j - 2].unicode() == c)
                v = std::min(v, prev2[j - 2] + 1);
            cur[j] = v;
            least = std::min(least, v);
        }
        if (hi + 1 <= n) cur[hi + 1] = kFar;
        if (nd.word >= 0 && hi == n && cur[n] <= maxDistance) found(nd.word, cur[n]);
        if (least <= maxDistance && depth < kDeepest)
            for (qint32 ch = nd.first + nd.count - 1; ch >= nd.first; --ch)
                stack.emplace_back(ch, depth + 1);
    }
}

} // namespace spelling
