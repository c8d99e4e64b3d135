#pragma once

#include "spelling/scan.h"

#include "platform/lexicon.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class Hunspell;

namespace platform::hunspell {

// A Hunspell dictionary ("en_US.aff" and "en_US.dic" in a folder) with the
// user's personal word list, a text file of one word a line.
class HunspellChecker {
  public:
    HunspellChecker();
    ~HunspellChecker();
    // Loads the dictionary and the personal words; false, with the error
    // (53, file not found), when the dictionary is missing.
    bool open(const QString& folder, const QString& language, const QString& personalList,
              SpellingError* error);
    bool isOpen() const { return bool(speller_); }
    bool isCorrect(const QString& word) const;
    QStringList suggest(const QString& word) const;
    // Accepts the word from now on and appends it to the personal list.
    bool addToPersonal(const QString& word);

  private:
    QByteArray encode(const QString& s) const;
    QString decode(const std::string& s) const;
    std::unique_ptr<Hunspell> speller_;
    bool utf8_ = true;
    QString personalList_;
};

// Walks the misspellings of a text (CR LF line breaks): tags and entities
// are stepped over and words with inner capitals or digits are passed over,
// as the document scan does. Changes are made to the walk's own copy.
class MisspellingWalk {
  public:
    struct Misspelling {
        int start = 0; // 0-based in text()
        int length = 0;
        QString word;
    };
    MisspellingWalk(const QString& text, HunspellChecker& checker);
    // The next misspelling from the current position, or nullopt at the end.
    std::optional<Misspelling> next();
    // What to do with the misspelling `next` returned last.
    void change(const QString& replacement);
    void ignoreAll();
    bool add();
    const QString& text() const { return text_; }

  private:
    QString text_;
    spelling::MarkupMap markup_; // of text_, made again after each change
    HunspellChecker& checker_;
    int pos_ = 0; // where the search goes on, 0-based
    std::optional<Misspelling> current_;
    QSet<QString> ignored_;
};

} // namespace platform::hunspell
