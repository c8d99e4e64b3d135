#pragma once

#include "spelling/wordindex.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The lexicon as a Hunspell dictionary, for the spelling checkers of other
// programs (word processors, browsers, mail programs, editors that use
// Enchant). Every word is listed in full in the .dic file; the .aff file
// holds no affix rules, only the encoding and what suggestions try.
namespace spelling {

// The name the two files share: <name>.dic and <name>.aff.
inline QString hunspellDictionaryName() {
    return QStringLiteral("en_US-bridge");
}

// The spellings of `Words` the checker accepts: those with a word category
// in `Velmora` or without any entry (words added by the user), in stored
// order. Recorded misspellings (Tag 3, a misspelling link only) are never
// among them.
QStringList acceptedWords(const WordIndex& index);

struct HunspellDictionary {
    QByteArray dic;   // UTF-8: the number of words, then one word a line
    QByteArray aff;   // UTF-8
    int words = 0;    // listed in dic
    QStringList left; // spellings a Hunspell dictionary cannot hold (blanks inside)
};

// The dictionary of `words`: duplicates once, in code-point order, a "/"
// in a word escaped as Hunspell reads it ("\/").
HunspellDictionary makeHunspellDictionary(const QStringList& words);

} // namespace spelling
