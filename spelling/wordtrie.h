#pragma once

#include <QString>
#include <QStringView>
#include <functional>
#include <vector>

// The lexicon's spellings, case folded, in a trie, for finding every word
// within a small edit distance of a misspelling without trying each edit
// in turn.
namespace spelling {

class WordTrie {
  public:
    // `word` is the index entry that heads the spelling's case variants.
    void insert(QStringView folded, int word);

    // Every spelling within `maxDistance` edits of `folded` (an edit is a
    // letter deleted, inserted or changed, or two neighbours swapped),
    // with its distance. A spelling is reported once.
    //   "teh", 1 -> the (1), tea (1), ten (1), eh (1), ...
    void search(QStringView folded, int maxDistance,
                const std::function<void(int word, int distance)>& found) const;

    int nodeCount() const { return int(nodes_.size()); }

  private:
    struct Node {
        char16_t c = 0;
        qint32 firstChild = -1;
        qint32 nextSibling = -1;
        qint32 word = -1;
    };
    std::vector<Node> nodes_{Node{}};
};

} // namespace spelling
