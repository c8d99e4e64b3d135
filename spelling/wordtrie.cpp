#include "spelling/wordtrie.h"

#include <algorithm>

namespace spelling {

void WordTrie::insert(QStringView folded, int word) {
    qint32 node = 0;
    for (QChar ch : folded) {
        const char16_t c = ch.unicode();
        qint32 child = nodes_[size_t(node)].firstChild, last = -1;
        while (child >= 0 && nodes_[size_t(child)].c != c) {
            last = child;
            child = nodes_[size_t(child)].nextSibling;
        }
        if (child < 0) {
            child = qint32(nodes_.size());
            Node n;
            n.c = c;
            nodes_.push_back(n);
            if (last < 0)
                nodes_[size_t(node)].firstChild = child;
            else
                nodes_[size_t(last)].nextSibling = child;
        }
        node = child;
    }
    if (nodes_[size_t(node)].word < 0) nodes_[size_t(node)].word = word;
}

namespace {

// The walk keeps one row of the distance table per depth of the trie
// (the distances of the prefix spelt so far to every prefix of the word),
// and the row before it for swaps.
struct Walk {
    QStringView word;
    int max;
    const std::function<void(int, int)>* found;
    std::vector<int> rows; // depth-major, (n + 1) per depth
    std::vector<char16_t> path;
    int n;
    int* row(int depth) { return rows.data() + size_t(depth) * size_t(n + 1); }
};

} // namespace

void WordTrie::search(QStringView folded, int maxDistance,
                      const std::function<void(int, int)>& found) const {
    constexpr int kDeepest = 64;
    if (folded.size() > kDeepest - maxDistance - 2) return;
    Walk w{folded, maxDistance, &found, {}, {}, int(folded.size())};
    w.rows.resize(size_t(kDeepest + 1) * size_t(w.n + 1));
    w.path.resize(kDeepest + 1);
    for (int j = 0; j <= w.n; ++j)
        w.row(0)[j] = j;

    // Depth-first, with an explicit stack of (node, depth).
    std::vector<std::pair<qint32, int>> stack;
    for (qint32 c = nodes_[0].firstChild; c >= 0; c = nodes_[size_t(c)].nextSibling)
        stack.emplace_back(c, 1);
    while (!stack.empty()) {
        const auto [node, depth] = stack.back();
        stack.pop_back();
        const Node& nd = nodes_[size_t(node)];
        const char16_t c = nd.c;
        w.path[size_t(depth)] = c;
        int* cur = w.row(depth);
        const int* prev = w.row(depth - 1);
        const int* prev2 = depth >= 2 ? w.row(depth - 2) : nullptr;
        cur[0] = depth;
        int least = cur[0];
        for (int j = 1; j <= w.n; ++j) {
            const char16_t wj = w.word[j - 1].unicode();
            int v = std::min(prev[j] + 1, cur[j - 1] + 1);
            v = std::min(v, prev[j - 1] + (wj == c ? 0 : 1));
            if (prev2 && j >= 2 && wj == w.path[size_t(depth - 1)] &&
                w.word[j - 2].unicode() == c)
                v = std::min(v, prev2[j - 2] + 1);
            cur[j] = v;
            least = std::min(least, v);
        }
        if (nd.word >= 0 && cur[w.n] <= maxDistance) found(nd.word, cur[w.n]);
        if (least <= maxDistance && depth < kDeepest)
            for (qint32 ch = nd.firstChild; ch >= 0; ch = nodes_[size_t(ch)].nextSibling)
                stack.emplace_back(ch, depth + 1);
    }
}

} // namespace spelling
