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
    // Building: every spelling, then finish(). `word` is the index entry
    // that heads the spelling's case variants.
    void insert(QStringView folded, int word);
    void finish();

    // Every spelling within `maxDistance` edits of `folded` (an edit is a
    // letter deleted, inserted or changed, or two neighbours swapped),
    // with its distance. A spelling is reported once.
    //   "teh", 1 -> the (1), tea (1), ten (1), eh (1), ...
    // With `sameFirstLetter`, only spellings that begin as `folded` does.
    void search(QStringView folded, int maxDistance,
                const std::function<void(int word, int distance)>& found,
                bool sameFirstLetter = false) const;

    // The spellings exactly one edit from `folded` (the spelling itself
    // not among them), each as often as an edit reaches it, the edit made
    // at position `from` or later (a swap may take in the letter before
    // it). Much quicker than search() with a distance of 1: it follows the
    // word through the trie and branches only where the edit is made.
    void searchOneEdit(QStringView folded, qsizetype from,
                       const std::function<void(int word)>& found) const;

    int nodeCount() const { return int(nodes_.size()); }

  private:
    // After finish(): the children of a node lie side by side, in the order
    // of their letters; `letters` tells which of a..z are among them, so
    // that most steps need no search.
    struct Node {
        char16_t c = 0;
        quint32 letters = 0; // bit k: a child for the letter 'a' + k
        qint32 first = 0;    // the first child
        qint32 count = 0;
        qint32 aAt = 0; // the first child from 'a' on
        qint32 word = -1;
    };
    qint32 child(qint32 node, char16_t c) const;
    // The word at the node reached from `node` by `rest`, -1 when none.
    qint32 follow(qint32 node, QStringView rest) const;

    struct Building {
        char16_t c = 0;
        qint32 firstChild = -1, nextSibling = -1, word = -1;
    };
    std::vector<Building> building_{Building{}};
    std::vector<Node> nodes_;
};

} // namespace spelling
