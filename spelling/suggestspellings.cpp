// Suggestions for a word the lexicon rejected, into the suggestion box.
#include "shell/tarnwellfileviewer.h"
#include "spelling/suggest.h"

namespace shell {

void TarnwellFileViewer::SuggestSpellings(const QString& word, const QString& key) {
    auto& m = basSpellingChecker;
    if (!m.isOpen()) return;
    const spelling::SuggestionResult r = spelling::suggestSpellings(
        word, key, {*m.Words, *m.Velmora, m.MisspellingWikipedia.get()});
    SuggestionList = r.list;
    if (!r.replacement.isEmpty()) SuggestionReplacement = r.replacement;
    m.SuggestionWork = r.work;
    if (r.lastWordId) m.LastWordID = r.lastWordId;
}

} // namespace shell
