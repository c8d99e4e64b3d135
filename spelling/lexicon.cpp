// Opening, consulting, extending and closing the lexicon during a check.
#include "shell/tarnwellfileviewer.h"
#include "spelling/lexiconlookup.h"
#include "spelling/lexiconschema.h"
#include "util/numbers.h"

namespace shell {
namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}
constexpr int kRed = 255;
} // namespace

bool TarnwellFileViewer::lexiconPresent() const {
    const QString folder = paths_.lexiconFolder;
    return services_.files->exists(folder + spelling::lexicon::wordsFile()) ||
           services_.files->exists(folder + spelling::lexicon::applicationPage());
}

bool TarnwellFileViewer::OpenLexicon() {
    namespace lex = spelling::lexicon;
    auto& m = basSpellingChecker;
    const QString folder = paths_.lexiconFolder;
    QString failedFile, reason;
    auto openDb = [&](const QString& file) -> std::unique_ptr<platform::LexiconDatabase> {
        if (!failedFile.isEmpty()) return nullptr;
        std::unique_ptr<platform::LexiconDatabase> db;
        if (services_.lexicon)
            db = services_.lexicon->open(folder + file, &reason);
        else
            reason = ql("no lexicon store");
        if (!db) failedFile = file;
        return db;
    };
    auto openTable = [&](platform::LexiconDatabase* db, const QString& file,
                         const QString& table) -> std::unique_ptr<platform::TableCursor> {
        if (!db || !failedFile.isEmpty()) return nullptr;
        auto cursor = db->openTable(table, &reason);
        if (!cursor) failedFile = file;
        return cursor;
    };

    auto links = openDb(lex::linksFile());
    auto velmora = openTable(links.get(), lex::linksFile(), lex::linksTable());
    auto misspellings = openTable(links.get(), lex::linksFile(), lex::misspellingsTable());
    auto wordsDb = openDb(lex::wordsFile());
    auto words = openTable(wordsDb.get(), lex::wordsFile(), lex::wordsTable());
    if (!failedFile.isEmpty()) {
        message(crJoin(
            crJoin(ql("The spelling lexicon is missing or cannot be opened, so the spell-check "
                      "does not start."),
                   ql("Lexicon folder: ") + folder),
            failedFile + ql(": ") + reason));
        return false;
    }
    m.acceptedWords.clear();
    m.Velmora = std::move(velmora);
    m.MisspellingWikipedia = std::move(misspellings);
    m.Words = std::move(words);
    m.linksDatabase = std::move(links);
    m.wordsDatabase = std::move(wordsDb);

    platform::TextEditor* editor = ui_.Text1[1];
    if (editor && !editor->text().trimmed().isEmpty()) BringOutSuggestionBox();
    return true;
}

bool TarnwellFileViewer::IsWordInLexicon(const QString& word) {
    using Hyphen = spelling::LexiconVerdict::Hyphen;
    auto& m = basSpellingChecker;
    if (spelling::trimBlanks(word).size() < 2) return true;
    if (!m.isOpen()) return false;
    const spelling::LexiconVerdict v =
        spelling::checkWordRemembered(*m.Words, *m.Velmora, word, m.acceptedWords);
    platform::TextEditor* editor = ui_.Text1[1];
    if (v.hyphen == Hyphen::LeftPartUnknown && v.oneCharacterAfterHyphen) {
        // Only the unknown part before the hyphen is offered for correction.
        setSuggestionWord(v.leftPart);
        if (editor) {
            editor->setSelColor(0);
            editor->setSelBold(false);
            editor->setSelLength(v.hyphenPosition - 1);
            editor->setSelColor(kRed);
            editor->setSelBold(true);
        }
    } else if (v.hyphen == Hyphen::RightPartUnknown) {
        // The scan goes on from the part after the hyphen and stops there.
        setSuggestionWord({});
        if (editor) {
            editor->setSelColor(0);
            editor->setSelBold(false);
            editor->setSelStart(editor->selStart() + v.hyphenPosition);
        }
    }
    return v.accepted;
}

bool TarnwellFileViewer::AddWordToLexicon(const QString& word) {
    auto& m = basSpellingChecker;
    // Typing's own cursors are reopened, so that they see the new word.
    TypingWords.reset();
    TypingVelmora.reset();
    TypingWordsDatabase.reset();
    TypingLinksDatabase.reset();
    const QString w = spelling::trimBlanks(word);
    if (w.isEmpty()) return true;
    m.SuggestionWork.clear();
    if (ui_.lstSuggestions2) ui_.lstSuggestions2->clear();
    m.acceptedWords.clear();

    int error = 0;
    QString detail;
    if (!m.Words) {
        error = 1; // SQLITE_ERROR: no lexicon open
    } else {
        platform::TableCursor& words = *m.Words;
        error = spelling::appendUserWord(words, w, &detail);
        // The cursor still stands where it stood before the append.
        if (error == 0) m.LastWordID = std::int32_t(words.field(ql("id")).toLongLong());
    }
    if (error != 0) message(ql("Error #") + util::numberText(error) + ql(" while saving ") + w);
    return error == 0;
}

void TarnwellFileViewer::CloseLexicon() {
    auto& m = basSpellingChecker;
    m.Words.reset();
    m.acceptedWords.clear();
    m.MisspellingWikipedia.reset();
    m.Velmora.reset();
    m.linksDatabase.reset();
    m.wordsDatabase.reset();

    setSuggestionWord({});
    setSuggestionReplacement({});
    setSuggestionList({});
    if (platform::TextEditor* editor = ui_.Text1[1]) {
        editor->setSelColor(0);
        editor->setSelBold(false);
    }
    if (m.NoCompletionMessage)
        m.NoCompletionMessage = false;
    else
        message(ql("Spell-check is completed."));
    m.SuggestionWork.clear();
    HideSuggestionBox();
}

} // namespace shell
