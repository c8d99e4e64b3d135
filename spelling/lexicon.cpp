// Opening, consulting, extending and closing the lexicon during a check.
#include "spelling/lexiconlookup.h"
#include "spelling/lexiconschema.h"
#include "spelling/soundex.h"
#include "spelling/spellingcontroller.h"
#include "util/numbers.h"

namespace spelling {

using shell::crJoin;
namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}
constexpr int kRed = 255;
} // namespace

bool SpellingController::lexiconPresent() const {
    const QString folder = paths_.lexiconFolder;
    return services_.files->exists(folder + spelling::lexicon::wordsFile()) ||
           services_.files->exists(folder + spelling::lexicon::applicationPage());
}

bool SpellingController::lexiconReady() const {
    const auto& m = basSpellingChecker;
    if (!m.index) return false;
    // Another program (tarnwell-spell's "#") may have added words since.
    const qint64 now =
        services_.files->lastModified(paths_.lexiconFolder + spelling::lexicon::wordsFile());
    return now == m.indexStamp;
}

void SpellingController::LoadLexicon() {
    auto& m = basSpellingChecker;
    if (m.loading || lexiconReady()) return;
    if (!services_.lexicon || !services_.background) {
        m.loadFailedFile = spelling::lexicon::wordsFile();
        m.loadFailure = ql("no lexicon store");
        return;
    }
    m.loading = true;
    const QString folder = paths_.lexiconFolder;
    // Read before the files, so that a change while they are read makes the
    // next check read them again.
    const qint64 stamp = services_.files->lastModified(folder + spelling::lexicon::wordsFile());
    auto loaded = std::make_shared<spelling::LoadedLexicon>();
    platform::LexiconStore* store = services_.lexicon;
    services_.background->run(
        [loaded, store, folder] {
            *loaded = spelling::loadLexicon(*store, folder);
            if (loaded->index) loaded->index->prepareSuggestions();
        },
        [this, loaded, stamp] { LexiconLoaded(*loaded, stamp); });
}

void SpellingController::LexiconLoaded(const spelling::LoadedLexicon& loaded, qint64 stamp) {
    auto& m = basSpellingChecker;
    m.loading = false;
    if (loaded.index) {
        // A check in progress keeps the index it started with until it ends.
        if (!m.isOpen()) {
            m.index = loaded.index;
            m.indexStamp = stamp;
        }
        m.loadFailedFile.clear();
        m.loadFailure.clear();
    } else {
        m.loadFailedFile = loaded.failedFile;
        m.loadFailure = loaded.reason;
    }
    // Typing goes unchecked while the lexicon cannot be read.
    TypingCheckOff = !m.index;
    if (!loaded.index) TypingCheckOffReason = loaded.failedFile + ql(": ") + loaded.reason;
    CheckWordsTypedWhileLoading();
    if (TypingWantsTelling) {
        TypingWantsTelling = false;
        OpenTypingLexicon(true);
    }
    // The command that waited goes on with what the load brought: the new
    // index, or the reason it failed.
    const auto waiting = m.waiting;
    m.waiting = spelling::SpellingCheckerState::Waiting::Nothing;
    m.justLoaded = true;
    if (waiting == spelling::SpellingCheckerState::Waiting::DocumentCheck)
        mSpellCheckDocument_Click();
    else if (waiting == spelling::SpellingCheckerState::Waiting::WordCheck)
        mSpellCheckWord_Click();
    m.justLoaded = false;
}

bool SpellingController::OpenLexicon() {
    auto& m = basSpellingChecker;
    if (!m.index) {
        message(crJoin(
            crJoin(ql("The spelling lexicon is missing or cannot be opened, so the spell-check "
                      "does not start."),
                   ql("Lexicon folder: ") + paths_.lexiconFolder),
            m.loadFailedFile + ql(": ") + m.loadFailure));
        return false;
    }
    m.open = true;

    platform::TextEditor* editor = ui_.Text1[1];
    if (editor && !editor->text().trimmed().isEmpty()) BringOutSuggestionBox();
    return true;
}

bool SpellingController::IsWordInLexicon(const QString& word) {
    using Hyphen = spelling::LexiconVerdict::Hyphen;
    auto& m = basSpellingChecker;
    if (spelling::trimBlanks(word).size() < 2) return true;
    if (!m.isOpen()) return false;
    const spelling::LexiconVerdict v = spelling::checkWord(*m.index, word);
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

bool SpellingController::AddWordToLexicon(const QString& word) {
    namespace lex = spelling::lexicon;
    auto& m = basSpellingChecker;
    const QString w = spelling::trimBlanks(word);
    if (w.isEmpty()) return true;
    m.SuggestionWork.clear();
    if (ui_.lstSuggestions2) ui_.lstSuggestions2->clear();

    // The word goes into the file at once; the kept index learns it, so
    // that the check, the typing check and the next checks accept it.
    int error = 0;
    QString detail;
    const QString file = paths_.lexiconFolder + lex::wordsFile();
    std::unique_ptr<platform::LexiconDatabase> db;
    std::unique_ptr<platform::TableCursor> words;
    if (services_.lexicon) db = services_.lexicon->open(file, &detail);
    if (db) words = db->openTable(lex::wordsTable(), &detail);
    // Whether the index holds everything in the file, as it will after this word.
    const bool current = lexiconReady();
    if (!m.index || !words) {
        error = 1; // SQLITE_ERROR: the lexicon cannot be written
    } else {
        const QString stored = spelling::lexiconForm(w);
        qint64 id = 0;
        error = spelling::appendUserWord(*words, stored, &detail, &id);
        // The cursor still stands where it stood before the append.
        if (error == 0) {
            m.LastWordID = std::int32_t(words->field(ql("id")).toLongLong());
            m.index->addUserWord(id, stored, spelling::MakeSoundex(stored));
            // This program's own change: the index already holds it.
            words.reset();
            db.reset();
            if (current) m.indexStamp = services_.files->lastModified(file);
        }
    }
    if (error != 0) message(ql("Error #") + util::numberText(error) + ql(" while saving ") + w);
    return error == 0;
}

void SpellingController::CloseLexicon() {
    auto& m = basSpellingChecker;
    // The index stays: the next check starts without reading the files again.
    m.open = false;

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

} // namespace spelling
