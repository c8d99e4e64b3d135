#pragma once

#include "spelling/wordindex.h"

#include <QSet>
#include <QStringList>
#include <cstdint>
#include <memory>

namespace spelling {

// The spelling checker's own state, kept for the whole run: the lexicon,
// read once off the user-interface thread and kept, whether a check is
// open, and the flags and work values the check's steps hand to each other.
struct SpellingCheckerState {
    // The lexicon's word index, shared by the checks and the typing check;
    // null until the first load is done (or when it failed).
    std::shared_ptr<WordIndex> index;
    // The last modification of the words file when the index was read (or
    // when this program last added a word): a later one means another
    // program (tarnwell-spell) changed the lexicon, and it is read again.
    qint64 indexStamp = 0;
    bool loading = false;
    // Why the last load failed: the file and the reason, for the message.
    QString loadFailedFile, loadFailure;
    // The command that waits for the load to finish.
    enum class Waiting { Nothing, DocumentCheck, WordCheck } waiting = Waiting::Nothing;
    // While that command runs right after the load, it takes what the load
    // brought, even a failure, instead of loading again.
    bool justLoaded = false;
    // A check is running (between OpenLexicon and CloseLexicon).
    bool open = false;

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

    bool isOpen() const { return open && index; }
};

} // namespace spelling
