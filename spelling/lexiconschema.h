#pragma once

#include <QString>

// The lexicon's files, tables and link types, shared by the checker and
// the tool that builds the default lexicon.
namespace spelling::lexicon {

// The files in the lexicon folder. They keep their historical names
// although they are SQLite databases.
inline QString linksFile() {
    return QStringLiteral("qn.accdb");
}
inline QString wordsFile() {
    return QStringLiteral("quarn words.accdb");
}
inline QString dictionaryFile() {
    return QStringLiteral("dictionary.accdb");
}
// The companion lexicon application's start page.
inline QString applicationPage() {
    return QStringLiteral("Index.htm");
}

inline QString wordsTable() {
    return QStringLiteral("Words");
}
inline QString linksTable() {
    return QStringLiteral("Velmora");
}
inline QString misspellingsTable() {
    return QStringLiteral("z_Misspelling-Wikipedia");
}
inline QString definitionsTable() {
    return QStringLiteral("Definitions");
}

// Link types of `Velmora` entries. 30000..30210 are the word categories:
// a spelling with such an entry is a real word. The default lexicon uses
// the categories below; a lexicon may hold others from the same range.
constexpr int kFirstCategory = 30000;
constexpr int kLastCategory = 30210;
constexpr int kWordCategory = 30000; // a word of the list, part of speech not recorded
constexpr int kNounCategory = 30010;
constexpr int kVerbCategory = 30020;
constexpr int kAdjectiveCategory = 30030;
constexpr int kAdverbCategory = 30040;
constexpr int kProperNameCategory = 30050;
constexpr int kBridgeTermCategory = 30060;
// A misspelling; "startID" names the `Velmora` entry of the correct word.
constexpr int kMisspellingLink = 31015;
constexpr int kMisspellingLink2 = 31040;

inline bool isWordCategory(qint64 link) {
    return link >= kFirstCategory && link <= kLastCategory;
}

// "Tag" of a word added by the user through the checker.
constexpr int kUserWordTag = 999;

} // namespace spelling::lexicon
