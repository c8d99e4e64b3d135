// Suggestions for a word the lexicon rejected, into the suggestion box.
#include "spelling/spellingcontroller.h"
#include "spelling/suggest.h"

namespace spelling {

void SpellingController::SuggestSpellings(const QString& word) {
    auto& m = basSpellingChecker;
    if (!m.isOpen()) return;
    const spelling::SuggestionResult r = spelling::suggestSpellings(word, *m.index);
    setSuggestionList(r.list);
    if (!r.replacement.isEmpty()) setSuggestionReplacement(r.replacement);
    m.SuggestionWork = r.work;
    // The hidden work list holds the ranked entries with their marks.
    if (platform::ListBox* work = ui_.lstSuggestions2) {
        work->clear();
        for (const QString& e : r.work)
            work->addItem(e);
    }
    if (r.lastWordId) m.LastWordID = r.lastWordId;
}

} // namespace spelling
