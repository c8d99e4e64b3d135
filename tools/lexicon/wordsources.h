#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Readers of the open word data the default lexicon is built from, and the
// rules that turn it into categories, frequency classes and misspelling
// records. Each reader returns nullopt (and says why in `error`) when its
// input is missing or malformed.
namespace lexiconbuild {

// Debian's word list: one spelling a line, UTF-8; duplicates dropped, file order kept.
std::optional<QStringList> readWordList(const QString& path, QString* error);

// WordNet's parts of speech: the lemmas of index.noun/verb/adj/adv and the
// irregular forms of the *.exc files, with WordNet's own suffix rules
// ("walked" -> walk, "churches" -> church) for regular inflections.
class PartsOfSpeech {
  public:
    enum Pos { Noun, Verb, Adjective, Adverb, PosCount };
    bool load(const QString& folder, QString* error);
    // The parts of speech of a lower-case spelling or of its base form.
    std::vector<Pos> of(const QString& word) const;
    qsizetype lemmaCount() const;

  private:
    QSet<QString> lemmas_[PosCount];
    QHash<QString, QStringList> exceptions_[PosCount];
};

// Frequency classes: lower is more common, every figure below 4.
//   from SUBTLEX-US counts: log10(top count / count) / 2, to 3 decimals
//   ("you" 0, the rarest counted words about 3.16);
//   else from the SCOWL size level L of the word (10..95): 3.5 + L / 200.
class Frequencies {
  public:
    // The SUBTLEX-US counts: a word, a tab and its count on every line.
    bool loadSubtlex(const QString& countsFile, QString* error);
    bool loadScowl(const QString& folder, QString* error);
    std::optional<double> classOf(const QString& word, bool* fromCounts = nullptr) const;
    // A spelling SCOWL lists only as a less usual variant ("focusses",
    // "dependant", "miniscule", "greying"), in none of its English or
    // American word lists: American checkers take it for a misspelling.
    bool isVariantOnly(const QString& word) const { return variantOnly_.contains(word); }
    qsizetype variantCount() const { return variantOnly_.size(); }

  private:
    QHash<QString, double> exact_, lower_;
    double top_ = 1;
    QHash<QString, int> scowlLevel_;
    QSet<QString> variantOnly_;
};

// The Wikipedia list of common misspellings: wrong -> corrections, read
// from lines of a misspelling, a tab and its corrections separated by
// commas, in the file's order.
struct Misspelling {
    QString wrong;
    QStringList right; // the intended word first
};
std::optional<std::vector<Misspelling>> readMisspellings(const QString& path, QString* error);
// Pairs whose intended word hashes to 0, 1 or 2 modulo 10 (32-bit FNV-1a of
// its lower-case UTF-8), about 30 %, are held out of the lexicon, to measure
// suggestions on.
bool isHeldOut(const Misspelling& m);

struct BridgeTerm {
    QString text;
    QString pos; // noun, verb, adjective, adverb, name
};
std::optional<std::vector<BridgeTerm>> readBridgeTerms(const QString& path, QString* error);

} // namespace lexiconbuild
