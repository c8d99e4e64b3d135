// The spell-check session from the menu and the suggestion box: F12 through
// a document, Ctrl+W on one word, the box's slide, the lexicon read once,
// and the check by the spelling service when no lexicon is installed. The
// scan and the verdict on each word are in tests/unit/test_spelling.cpp;
// the box in the real window in tests/e2e/spell_check.sh.
#include "spelling/spellingcontroller.h"
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
// Markup the scan steps over, to make texts long enough to be checked.
const QByteArray kPad = QByteArray(" <br>").repeated(25);

// A page opened in the source editor, with a small lexicon installed
// (unless `withLexicon` is false).
struct Session {
    ViewerHarness h;
    std::unique_ptr<fakes::SmallLexicon> lex;
    QString page;
    shell::TarnwellFileViewer* v = nullptr;
    explicit Session(const QByteArray& text, bool withLexicon = true) {
        if (withLexicon) {
            QDir().mkpath(h.paths.lexiconFolder);
            lex = std::make_unique<fakes::SmallLexicon>(h.paths.lexiconFolder);
            for (const char* w :
                 {"The", "lead", "was", "and", "ace", "king", "see", "now", "we", "again"})
                lex->addWord(qs(w), {30010}, 1.5);
            lex->addWord(qs("the"), {30000}, 0.1);
            lex->addWikipediaPair(qs("teh"), qs("the"));
        } else {
            h.withLexicon = false;
        }
        page = h.writeFile(qs("home/deal.htm"), text);
        v = &h.start(page);
        h.menu.choose(qs("mEditHTML"));
        // Without a lexicon, opening the editor says that typing goes unchecked.
        h.dialogs.messages.clear();
    }
    fakes::FakeTextEditor& editor() { return h.text1[1]; }
    fakes::FakeSuggestionBox& box() { return h.box; }
    QString word() const { return h.box.word.text(); }
    QString lastMessage() const {
        return h.dialogs.messageTexts().value(h.dialogs.messages.size() - 1);
    }
    // The commands, each with the slide it starts run to its end.
    bool f12() { return settled(h.menu.choose(qs("mSpellCheckDocument"))); }
    bool ctrlW(const char* selected) {
        editor().setSelStart(int(editor().text().indexOf(qs(selected))));
        editor().setSelLength(int(qstrlen(selected)));
        return settled(h.menu.choose(qs("mSpellCheckWord")));
    }
    bool click(fakes::FakeButton& button) { return settled(button.click()); }
    bool settled(bool done) {
        h.finishSlides();
        return done;
    }
    int listed(const char* entry) const { return int(h.box.suggestions.items.indexOf(qs(entry))); }
    // Another program (the command-line checker) changed the lexicon files.
    void touchWords() {
        QFile words(h.paths.lexiconFolder + qs("quarn words.accdb"));
        QVERIFY(words.open(QIODevice::ReadWrite));
        QVERIFY(words.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                  QFileDevice::FileModificationTime));
    }
};
} // namespace

class SpellCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void document_fixAndSkipAll_thenCompleted();
    void word_replacementKeepsBlank_typedWordCheckedAgain();
    void addWord_overRecordedMisspelling_userWordWins();
    void lexicon_readOnceAndKept();
    void lexicon_whileItIsRead_checkStartsWhenItIsIn();
    void slide_buttonsWhileMoving_andWholeSteps();
    void service_answersAndErrors();
};

void SpellCheckTest::document_fixAndSkipAll_thenCompleted() {
    Session s("<P>The lead was teh ace.</P>\r\n" + kPad +
              "\r\n<P>The king was zorbl and zorbl again.</P>");
    QVERIFY(s.f12());
    QCOMPARE(s.editor().selText(), qs("teh"));
    // The misspelling table's correction is listed once, first, unmarked.
    QCOMPARE(s.listed("the"), 0);
    QCOMPARE(s.box().suggestions.items.count(qs("the")), 1);
    QVERIFY(s.box().suggestions.items.filter(qs("(")).isEmpty());
    s.box().suggestions.click(s.listed("the"));
    QVERIFY(s.click(s.box().fixSpelling));
    QVERIFY(s.editor().text().startsWith(qs("<P>The lead was the ace.</P>")));
    // Skip All passes the second zorbl; the text runs out.
    QCOMPARE(s.word(), qs("zorbl"));
    QVERIFY(s.click(s.box().skipAll));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.h.readFile(s.page).contains("the ace")); // in the editor, not yet on disk
}

// Ctrl+W on a word and the blank after it: the blank stays; a typed word,
// though the text is too short for the scan, is checked before it is taken.
void SpellCheckTest::word_replacementKeepsBlank_typedWordCheckedAgain() {
    Session s("<P>The lead was teh kign.</P>");
    QVERIFY(s.ctrlW("teh "));
    s.box().suggestions.click(s.listed("the"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.editor().text(), qs("<P>The lead was the kign.</P>"));
    QVERIFY(s.h.dialogs.messages.empty());
    QVERIFY(!s.box().frame.visible());

    QVERIFY(s.ctrlW("kign"));
    s.box().replace.setText(qs("kig"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.word(), qs("kig"));
    s.box().replace.setText(qs("king"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.editor().text(), qs("<P>The lead was the king.</P>"));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
}

// A word the lexicon records as a misspelling, added by the user, is a word
// from then on: in this check and once the files are read again.
void SpellCheckTest::addWord_overRecordedMisspelling_userWordWins() {
    Session s("<P>We persue the lead.</P>");
    s.lex->addMisspelling(qs("persue"), qs("lead"));
    s.touchWords();
    QVERIFY(s.ctrlW("persue"));
    QCOMPARE(s.box().replace.text(), qs("lead")); // the recorded correction
    QVERIFY(s.click(s.box().addWord));
    QCOMPARE(s.lastMessage(), qs("\"persue\" has been added."));
    QVERIFY(s.ctrlW("persue"));
    QCOMPARE(s.lastMessage(), qs("The highlighted word is correct."));
    s.touchWords(); // read again from the files
    QVERIFY(s.ctrlW("persue"));
    QCOMPARE(s.lastMessage(), qs("The highlighted word is correct."));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(3));
}

void SpellCheckTest::lexicon_readOnceAndKept() {
    Session s("<P>We see zorbl and blorf now.</P>" + kPad);
    QCOMPARE(s.h.background.runs, 1); // read once, as the program started
    QVERIFY(s.f12());
    QCOMPARE(s.word(), qs("zorbl"));
    QVERIFY(s.click(s.box().addWord)); // no message in a document check: it goes on
    QCOMPARE(s.word(), qs("blorf"));
    const int at = s.editor().selStart();
    s.editor().setSelStart(0); // the user clicks elsewhere
    QVERIFY(s.click(s.box().close));
    QCOMPARE(s.editor().selStart(), at); // the word last shown is selected again
    QCOMPARE(s.editor().selText(), qs("blorf"));
    // The next check knows the added word.
    QVERIFY(s.f12());
    QCOMPARE(s.word(), qs("blorf"));
    QVERIFY(s.h.dialogs.messages.empty());
    QCOMPARE(s.h.background.runs, 1); // the word the check added needs no new reading
}

void SpellCheckTest::lexicon_whileItIsRead_checkStartsWhenItIsIn() {
    Session s("<P>We see zorbl and blorf now.</P>" + kPad);
    s.lex->addWord(qs("zorbl"), {}, -1);
    s.touchWords();
    // The files are read again in the background; F12 waits for them
    // without holding up the window, then the check starts by itself.
    s.h.background.hold = true;
    QVERIFY(s.f12());
    QVERIFY(s.f12()); // pressed again meanwhile: still one reading
    QCOMPARE(s.h.background.held.size(), size_t(1));
    QVERIFY(!s.box().frame.visible());
    s.h.background.finishAll();
    QVERIFY(s.box().frame.visible());
    QCOMPARE(s.word(), qs("blorf")); // zorbl is a word now
    QVERIFY(s.h.dialogs.messages.empty());
}

void SpellCheckTest::slide_buttonsWhileMoving_andWholeSteps() {
    Session s("<P>The lead was teh ace.</P>" + kPad);
    const int editorLeft = s.editor().left();
    auto& timer = s.h.suggestionSlideTimer;
    auto f12 = [&] { return s.h.menu.choose(qs("mSpellCheckDocument")); };
    auto onPixel = [](int twips) { return qRound(twips / 15.0) * 15; };
    // A button pressed as soon as the box shows puts it in its place and acts.
    QVERIFY(f12() && timer.active());
    QVERIFY(s.box().skipOnce.click());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    timer.runOut();
    QVERIFY(!s.box().frame.visible());
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));
    s.h.dialogs.messages.clear();

    // While the box slides back only Close is taken.
    QVERIFY(f12());
    timer.runOut();
    QVERIFY(s.box().close.click());
    QVERIFY(timer.fire());
    QVERIFY(!s.box().skipOnce.click() || s.box().frame.visible());
    QVERIFY(s.box().close.click());
    timer.runOut();
    QVERIFY(!s.box().frame.visible() && !s.v->spellingController().basSpellingChecker.isOpen());

    // Close during the slide out ends the check; the box goes back to its start.
    QVERIFY(f12());
    QVERIFY(timer.fire());
    QVERIFY(s.box().close.click());
    timer.runOut();
    QVERIFY(!s.box().frame.visible() && !s.v->spellingController().basSpellingChecker.isOpen());
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));

    // 3270 twips wide (218 pixels) moves 33 twips, 2.2 pixels, a step: the
    // box stands on whole pixels yet goes all of its 105 steps out and back.
    s.box().frame.setWidth(3270);
    QVERIFY(f12());
    timer.runOut();
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft - 105 * 33));
    QVERIFY(s.box().close.click());
    timer.runOut();
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));
    QVERIFY(s.h.dialogs.messages.empty());
}

// Without a lexicon the spelling service checks the text: its lone CRs come
// back as the text's CR LF, saved or not as the user answers.
void SpellCheckTest::service_answersAndErrors() {
    const QByteArray text = "<P>Helo</P>\r\n<P>wrld</P>\r\n<P>again</P>";
    const QString corrected = qs("<P>Hello</P>\r\n<P>world</P>\r\n<P>again</P>");
    const struct {
        Answer answer;
        QString editor;
        QByteArray disk;
    } rows[] = {
        {Answer::Yes, corrected, corrected.toUtf8()},
        {Answer::No, corrected, text},
        {Answer::Cancel, QString::fromUtf8(text), text},
    };
    for (const auto& r : rows) {
        Session s(text, false);
        s.h.speller.corrections = {{qs("Helo"), qs("Hello")}, {qs("wrld"), qs("world")}};
        s.h.dialogs.answers = {r.answer};
        QVERIFY(s.f12());
        QCOMPARE(s.h.speller.closes, 1);
        QCOMPARE(s.editor().text(), r.editor);
        QCOMPARE(s.h.readFile(s.page), r.disk);
        QCOMPARE(s.h.dialogs.messages.size(), size_t(1));
    }
    // A service that fails is told, and nothing changes.
    Session s("<P>Helo</P>", false);
    s.h.speller.checkError = platform::SpellingError{5, qs("The dialog failed.")};
    QVERIFY(s.f12());
    QCOMPARE(s.lastMessage(), qs("Error 5 opening Word.\r\nThe dialog failed."));
    QCOMPARE(s.editor().text(), qs("<P>Helo</P>"));
    QCOMPARE(s.h.window.pointer, platform::Pointer::Default);
}

QTEST_GUILESS_MAIN(SpellCheckTest)
#include "test_spellcheck.moc"
