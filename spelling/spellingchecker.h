#pragma once

#include "platform/lexicon.h"

#include <QSet>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace spelling {

// The spelling checker's own state, kept for the whole run: the open
// lexicon and the cursors every lookup moves, and the flags and work
// values the check's steps hand to each other.
struct SpellingCheckerState {
    // qn.accdb with its `Velmora` cursor and the "z_Misspelling-Wikipedia"
    // cursor that the suggestions read; "quarn words.accdb" with `Words`.
    std::unique_ptr<platform::LexiconDatabase> linksDatabase;
    std::unique_ptr<platform::LexiconDatabase> wordsDatabase;
    std::unique_ptr<platform::TableCursor> Velmora;
    std::unique_ptr<platform::TableCursor> MisspellingWikipedia;
    std::unique_ptr<platform::TableCursor> Words;

    // The "id" of the word last found by the suggestion ranking (0: none).
    std::int32_t LastWordID = 0;
    // Set by the commands that end a check before its scan ran out; the
    // close then shows no completion message and clears it.
    bool NoCompletionMessage = false;
    // The suggestion generator's work array.
    QStringList SuggestionWork;

    // The editor selection of the word the scan showed last.
    std::int32_t CheckSelStart = 0;
    std::int32_t CheckSelLength = 0;

    // Words the user chose to ignore everywhere ("Ignore word - all"), kept
    // for the whole run in the order given; the scan passes over them in
    // exactly that spelling and case. The list grows as needed.
    QStringList SkipAllWords;
    QSet<QString> skipAllSet;
    void skipAll(const QString& word) {
        SkipAllWords << word;
        skipAllSet.insert(word);
    }
    int SkipAllCount() const { return int(SkipAllWords.size()); }

    // Spellings the lexicon accepted during this check, so that a word is
    // looked up once; emptied when a check starts or ends and when a word is added.
    QSet<QString> acceptedWords;

    bool isOpen() const { return Words && Velmora; }
};

} // namespace spelling
