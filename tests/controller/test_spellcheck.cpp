// The spell-check session from the menu and the suggestion box: F12 through
// a document, Ctrl+W on one word, the box's buttons and messages, the
// slide, and the check by the spelling service when no lexicon is installed.
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::Answer;
using platform::Buttons;

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
            for (const char* w : {"The", "lead", "was", "and", "ace", "king", "hand", "played",
                                  "then", "again", "see", "now", "we"})
                lex->addWord(qs(w), {30010}, 1.5);
            lex->addWord(qs("the"), {30000}, 0.1);
            lex->addWikipediaPair(qs("teh"), qs("the"));
        } else {
            h.withLexicon = false;
        }
        h.writeFile(qs("data/Tarnwell_File_Viewer.htm"), "<HTML>Help</HTML>");
        page = h.writeFile(qs("home/deal.htm"), text);
        v = &h.start(page);
        h.menu.choose(qs("mEditHTML"));
        // Without a lexicon, opening the editor says that typing goes unchecked.
        h.dialogs.messages.clear();
    }
    fakes::FakeTextEditor& editor() { return h.text1[1]; }
    fakes::FakeSuggestionBox& box() { return h.box; }
    QString word() const { return h.box.word.text(); }
    // The commands, each with the slide it starts run to its end.
    bool f12() { return settled(h.menu.choose(qs("mSpellCheckDocument"))); }
    bool ctrlW() { return settled(h.menu.choose(qs("mSpellCheckWord"))); }
    bool click(fakes::FakeButton& button) { return settled(button.click()); }
    bool settled(bool done) {
        h.finishSlides();
        return done;
    }
    void select(int start, int length) {
        editor().setSelStart(start);
        editor().setSelLength(length);
    }
    void selectText(const char* t) { select(int(editor().text().indexOf(qs(t))), int(qstrlen(t))); }
    int listed(const char* entry) const { return int(h.box.suggestions.items.indexOf(qs(entry))); }
};
} // namespace

class SpellCheckTest : public QObject {
    Q_OBJECT
  private slots:
    void document_listTypedAndIgnoreAll_thenCompleted();
    void document_suggestionFromMisspellingTable_replacesSpellingOnly();
    void document_addWordAndClose();
    void document_comNearTheEnd_noMoreWords();
    void document_blankEditor_opensLexiconShowsNothing();
    void document_lexiconReadOnceAndKept();
    void document_whileTheLexiconIsRead_startsWhenItIsIn();
    void word_addWordOverRecordedMisspelling_thenCorrect();
    void word_correctWord_andAddWord();
    void word_replaceKeepsTrailingBlank_withoutMessage();
    void word_shortTextTypedReplacement_isCheckedAgain();
    void userErrors_messagesAndNothingChanges();
    void slide_movesOneAndAHalfWidths_andToleratesClicks();
    void service_oneParagraph_noTrailingBreak();
    void service_threeParagraphs_crLfAndSaved();
    void service_cancel_leavesEditor();
    void service_missing_reportsError();
};

void SpellCheckTest::document_listTypedAndIgnoreAll_thenCompleted() {
    Session s("<P>The lead was teh ace.</P>\r\n" + kPad +
              "\r\n<P>The kign was played and zorbl hand, then zorbl again.</P>");
    QVERIFY(s.f12());
    QVERIFY(s.box().frame.visible());
    QCOMPARE(s.word(), qs("teh"));
    QCOMPARE(s.editor().selText(), qs("teh"));
    QCOMPARE(s.box().focused.last(), qs("t_Replace"));
    QVERIFY(s.listed("the") >= 0);
    // The hidden work list holds the ranked entries with their marks.
    QVERIFY(s.box().work.count() > 0 && s.box().work.item(0).contains(qs(" - ")));

    s.box().suggestions.click(s.listed("the"));
    QCOMPARE(s.box().replace.text(), qs("the"));
    QVERIFY(s.click(s.box().fixSpelling));
    QVERIFY(s.editor().text().startsWith(qs("<P>The lead was the ace.</P>")));
    QCOMPARE(s.word(), qs("kign"));

    // A typed spelling the lexicon rejects gets suggestions of its own.
    s.box().replace.setText(qs("kig"));
    QVERIFY(s.click(s.box().fixSpelling));
    QVERIFY(s.editor().text().contains(qs("The kig was")));
    QCOMPARE(s.word(), qs("kig"));
    QCOMPARE(s.editor().selText(), qs("kig"));
    QVERIFY(s.listed("king") >= 0);
    s.box().suggestions.click(s.listed("king"));
    QVERIFY(s.click(s.box().fixSpelling));
    QVERIFY(s.editor().text().contains(qs("The king was")));

    QCOMPARE(s.word(), qs("zorbl"));
    const int first = s.editor().selStart();
    QVERIFY(s.click(s.box().skipAll));
    // The second zorbl is passed over, and the text runs out.
    QVERIFY(s.h.dialogs.messageTexts() == QStringList{qs("Spell-check is completed.")});
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.v->basSpellingChecker.isOpen());
    QVERIFY(s.word().isEmpty() && s.box().replace.text().isEmpty() &&
            s.box().suggestions.count() == 0);
    QVERIFY(s.editor().selStart() > first);
    QCOMPARE(s.v->basSpellingChecker.SkipAllWords, QStringList{qs("zorbl")});
    // The corrections are in the editor, not yet on disk.
    QVERIFY(!s.h.readFile(s.page).contains("the ace"));
}

void SpellCheckTest::document_suggestionFromMisspellingTable_replacesSpellingOnly() {
    Session s("<P>We see teh ace now.</P>" + kPad);
    QVERIFY(s.f12());
    // The table's correction comes first, once, without a mark.
    const int fromTable = s.listed("the");
    QCOMPARE(fromTable, 0);
    QCOMPARE(s.box().suggestions.items.count(qs("the")), 1);
    for (const QString& item : s.box().suggestions.items)
        QVERIFY2(!item.contains(qs("(")), qPrintable(item));
    s.box().suggestions.doubleClick(fromTable);
    QCOMPARE(s.box().replace.text(), qs(""));
    QVERIFY(s.editor().text().startsWith(qs("<P>We see the ace now.</P>")));
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
}

void SpellCheckTest::document_addWordAndClose() {
    Session s("<P>We see zorbl and blorf now.</P>" + kPad);
    QVERIFY(s.f12());
    QCOMPARE(s.word(), qs("zorbl"));
    QVERIFY(s.click(s.box().addWord));
    // No message in document mode: the check goes on.
    QVERIFY(s.h.dialogs.messages.empty());
    QCOMPARE(s.word(), qs("blorf"));
    const int at = s.editor().selStart();
    s.select(0, 0); // the user clicks elsewhere
    QVERIFY(s.click(s.box().close));
    QVERIFY(s.h.dialogs.messages.empty());
    QVERIFY(!s.box().frame.visible());
    // The word last shown is selected again.
    QCOMPARE(s.editor().selStart(), at);
    QCOMPARE(s.editor().selText(), qs("blorf"));
    QCOMPARE(s.v->basSpellingChecker.CheckSelLength, 0);

    // The added word is known to the next check.
    s.select(int(s.editor().text().indexOf(qs("zorbl"))), 5);
    QVERIFY(s.ctrlW());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("The highlighted word is correct.")});
}

void SpellCheckTest::document_comNearTheEnd_noMoreWords() {
    Session s(kPad + "<P>We see bridgebase com now</P>");
    QVERIFY(s.f12());
    QCOMPARE(s.word(), qs("bridgebase"));
    QVERIFY(s.click(s.box().skipOnce));
    QCOMPARE(s.h.dialogs.messageTexts(),
             QStringList({qs("No more misspelled words found."), qs("Spell-check is completed.")}));
    QVERIFY(!s.box().frame.visible());
}

void SpellCheckTest::document_blankEditor_opensLexiconShowsNothing() {
    for (const QByteArray& text : {QByteArray(), QByteArray("   ")}) {
        Session s(text);
        QVERIFY(s.f12());
        QVERIFY(s.v->basSpellingChecker.isOpen());
        QVERIFY(!s.box().frame.visible());
        QVERIFY(s.h.dialogs.messages.empty());
        QVERIFY(s.h.speller.received.isEmpty());
    }
}

void SpellCheckTest::document_lexiconReadOnceAndKept() {
    Session s("<P>We see zorbl now.</P>" + kPad);
    QCOMPARE(s.h.background.runs, 1); // read once, as the program started
    for (int i = 0; i < 3; ++i) {
        QVERIFY(s.f12());
        QCOMPARE(s.word(), qs("zorbl"));
        QVERIFY(s.click(s.box().close));
    }
    s.selectText("zorbl");
    QVERIFY(s.ctrlW());
    QVERIFY(s.click(s.box().addWord));
    QVERIFY(s.f12());
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("Spell-check is completed."));
    QCOMPARE(s.h.background.runs, 1); // the word the check added needs no new reading
}

void SpellCheckTest::document_whileTheLexiconIsRead_startsWhenItIsIn() {
    Session s("<P>We see zorbl and blorf now.</P>" + kPad);
    // Another program (the command-line checker) adds a word to the files.
    s.lex->addWord(qs("zorbl"), {}, -1);
    QFile words(s.h.paths.lexiconFolder + qs("quarn words.accdb"));
    QVERIFY(words.open(QIODevice::ReadWrite));
    QVERIFY(words.setFileTime(QDateTime::currentDateTime().addSecs(5),
                              QFileDevice::FileModificationTime));
    words.close();
    // The files are read again in the background; F12 waits for them
    // without holding up the window, then the check starts by itself.
    s.h.background.hold = true;
    QVERIFY(s.f12());
    QCOMPARE(s.h.background.held.size(), size_t(1));
    QVERIFY(!s.box().frame.visible());
    QVERIFY(s.h.dialogs.messages.empty());
    QVERIFY(s.f12()); // pressed again meanwhile: still one reading
    QCOMPARE(s.h.background.held.size(), size_t(1));
    s.h.background.finishAll();
    QVERIFY(s.box().frame.visible());
    QCOMPARE(s.word(), qs("blorf")); // zorbl is a word now
}

void SpellCheckTest::word_addWordOverRecordedMisspelling_thenCorrect() {
    Session s("<P>We persue the lead.</P>");
    s.lex->addMisspelling(qs("persue"), qs("lead"));
    QFile words(s.h.paths.lexiconFolder + qs("quarn words.accdb"));
    QVERIFY(words.open(QIODevice::ReadWrite));
    QVERIFY(words.setFileTime(QDateTime::currentDateTime().addSecs(5),
                              QFileDevice::FileModificationTime));
    words.close();
    s.selectText("persue");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.word(), qs("persue"));
    QCOMPARE(s.box().replace.text(), qs("lead")); // the recorded correction
    QVERIFY(s.click(s.box().addWord));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("\"persue\" has been added."));
    // The user's word wins, in this check and after the files are read again.
    s.selectText("persue");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("The highlighted word is correct."));
    s.v->basSpellingChecker.index.reset();
    s.selectText("persue");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("The highlighted word is correct."));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(3));
}

void SpellCheckTest::word_correctWord_andAddWord() {
    Session s("<P>The lead was zorbl.</P>");
    s.selectText("lead");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("The highlighted word is correct.")});
    QCOMPARE(s.h.dialogs.messages[0].buttons, Buttons::Ok);
    QVERIFY(s.h.dialogs.messages[0].title.isEmpty());
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.v->basSpellingChecker.isOpen());
    QVERIFY(!s.v->basSpellingChecker.NoCompletionMessage);

    s.selectText("zorbl");
    QVERIFY(s.ctrlW());
    QVERIFY(s.box().frame.visible());
    QCOMPARE(s.word(), qs("zorbl"));
    QVERIFY(s.click(s.box().addWord));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("\"zorbl\" has been added."));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(2));
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.v->basSpellingChecker.NoCompletionMessage);
}

void SpellCheckTest::word_replaceKeepsTrailingBlank_withoutMessage() {
    Session s("<P>The lead was teh ace.</P>");
    s.selectText("teh ");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.word(), qs("teh"));
    s.box().suggestions.click(s.listed("the"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.editor().text(), qs("<P>The lead was the ace.</P>"));
    QVERIFY(s.h.dialogs.messages.empty());
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.v->basSpellingChecker.isOpen());
}

void SpellCheckTest::word_shortTextTypedReplacement_isCheckedAgain() {
    Session s("<P>The lead was kign.</P>");
    s.selectText("kign");
    QVERIFY(s.ctrlW());
    s.box().replace.setText(qs("kig"));
    QVERIFY(s.click(s.box().fixSpelling));
    // Too short for the scan, yet the typed word is shown for correction.
    QCOMPARE(s.word(), qs("kig"));
    QCOMPARE(s.editor().selText(), qs("kig"));
    QVERIFY(s.listed("king") >= 0);
    s.box().replace.setText(qs("king"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.editor().text(), qs("<P>The lead was king.</P>"));
    QCOMPARE(s.editor().selText(), qs("king"));
    // A typed word that is right ends a single-word check with the message.
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    QVERIFY(!s.box().frame.visible());
}

void SpellCheckTest::userErrors_messagesAndNothingChanges() {
    Session s("<P>The lead was teh ace.</P>" + kPad);
    s.selectText(" ");
    QVERIFY(s.ctrlW());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Highlight a word to spellcheck first.")});
    QVERIFY(!s.box().frame.visible());

    QVERIFY(s.f12());
    const QString text = s.editor().text();
    s.box().focused.clear();
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("Select a new spelling first."));
    QCOMPARE(s.box().focused, QStringList{qs("t_Replace")});
    s.box().replace.setText(qs("(No alternatives)"));
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("Select a new spelling first."));

    s.box().replace.setText(qs("the"));
    s.selectText("ace");
    QVERIFY(s.click(s.box().fixSpelling));
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("Highlight the word to be fixed first."));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(4));
    for (const auto& m : s.h.dialogs.messages) {
        QCOMPARE(m.buttons, Buttons::Ok);
        QVERIFY(m.title.isEmpty());
    }
    QCOMPARE(s.editor().text(), text);
    QVERIFY(s.box().frame.visible());
    QCOMPARE(s.word(), qs("teh"));
}

void SpellCheckTest::slide_movesOneAndAHalfWidths_andToleratesClicks() {
    Session s("<P>The lead was teh ace.</P>" + kPad);
    const int editorLeft = s.editor().left();
    auto& timer = s.h.suggestionSlideTimer;
    // F12 without running the slide out.
    auto f12 = [&] { return s.h.menu.choose(qs("mSpellCheckDocument")); };
    QVERIFY(f12());
    // 105 moves of a hundredth of the width, five a frame, a frame every
    // 20 ms; the box stands on whole pixels of 15 twips.
    auto onPixel = [](int twips) { return qRound(twips / 15.0) * 15; };
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft - 5 * 30));
    QCOMPARE(s.box().frame.top(), onPixel(s.editor().top()));
    QCOMPARE(timer.interval, 20);
    // The check has found its word; a button pressed as soon as it shows
    // puts the box in its place and acts.
    QCOMPARE(s.word(), qs("teh"));
    QVERIFY(s.box().skipOnce.click());
    QCOMPARE(s.h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    timer.runOut();
    QVERIFY(!s.box().frame.visible());
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));
    s.h.dialogs.messages.clear();

    // While the box slides back only Close is taken.
    QVERIFY(f12());
    QCOMPARE(timer.runOut(), 20);
    QVERIFY(s.box().close.click());
    QVERIFY(timer.fire());
    QVERIFY(!s.box().skipOnce.click() || s.box().frame.visible());
    QVERIFY(s.box().close.click());
    timer.runOut();
    QVERIFY(!s.box().frame.visible());
    QVERIFY(!s.v->basSpellingChecker.isOpen());
    QVERIFY(s.h.dialogs.messages.empty());

    // Close during the slide out ends the check, and the box goes back to
    // where it came from.
    QVERIFY(f12());
    QVERIFY(timer.fire());
    QVERIFY(s.box().close.click());
    timer.runOut();
    QVERIFY(!s.box().frame.visible());
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));
    QVERIFY(!s.v->basSpellingChecker.isOpen());
    QVERIFY(s.h.dialogs.messages.empty());
    QCOMPARE(s.word(), qs(""));

    // A width whose hundredth is no whole number of pixels: 3270 twips
    // (218 pixels) moves 33 twips (2.2 pixels) a step. The box stands on
    // whole pixels, yet goes all of its 105 steps out and all of them back.
    s.box().frame.setWidth(3270);
    QVERIFY(f12());
    timer.runOut();
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft - 105 * 33));
    QVERIFY(s.box().close.click());
    timer.runOut();
    QCOMPARE(s.box().frame.left(), onPixel(editorLeft));
}

void SpellCheckTest::service_oneParagraph_noTrailingBreak() {
    Session s("Helo wrld", false);
    s.h.speller.corrections = {{qs("Helo"), qs("Hello")}, {qs("wrld"), qs("world")}};
    s.h.dialogs.answers = {Answer::No};
    QVERIFY(s.f12());
    QCOMPARE(s.h.speller.received, QStringList{qs("Helo wrld")});
    QCOMPARE(s.h.speller.closes, 1);
    QCOMPARE(s.editor().text(), qs("Hello world"));
    QCOMPARE(s.h.dialogs.messages.size(), size_t(1));
    QCOMPARE(s.h.dialogs.messages[0].text,
             qs("Save all corrections to disk?\r(No = save to display, not to disk.\r"
                " Cancel = discard all corrections.)"));
    QCOMPARE(s.h.dialogs.messages[0].buttons, Buttons::YesNoCancel);
    QVERIFY(s.h.dialogs.messages[0].title.isEmpty());
    QCOMPARE(s.h.readFile(s.page), QByteArray("Helo wrld")); // No: display only
    QCOMPARE(s.h.window.pointer, platform::Pointer::Default);
}

void SpellCheckTest::service_threeParagraphs_crLfAndSaved() {
    Session s("<P>Helo</P>\r\n<P>wrld</P>\r\n<P>again</P>", false);
    s.h.speller.corrections = {{qs("Helo"), qs("Hello")}, {qs("wrld"), qs("world")}};
    s.h.dialogs.answers = {Answer::Yes};
    QVERIFY(s.f12());
    QCOMPARE(s.editor().text(), qs("<P>Hello</P>\r\n<P>world</P>\r\n<P>again</P>"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>Hello</P>\r\n<P>world</P>\r\n<P>again</P>"));
}

void SpellCheckTest::service_cancel_leavesEditor() {
    Session s("<P>Helo</P>\r\n<P>wrld</P>\r\n", false);
    s.h.speller.corrections = {{qs("Helo"), qs("Hello")}};
    s.select(4, 4);
    s.h.dialogs.answers = {Answer::Cancel};
    QVERIFY(s.f12());
    QCOMPARE(s.editor().text(), qs("<P>Helo</P>\r\n<P>wrld</P>\r\n"));
    QCOMPARE(s.editor().selStart(), 4);
    QCOMPARE(s.editor().selLength(), 4);
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>Helo</P>\r\n<P>wrld</P>\r\n"));
}

void SpellCheckTest::service_missing_reportsError() {
    Session s("<P>Helo</P>", false);
    s.h.speller.openError = platform::SpellingError{53, qs("No dictionary en_US in /nowhere.")};
    QVERIFY(s.f12());
    QCOMPARE(s.h.dialogs.messageTexts(),
             QStringList{qs("Error 53 opening Word.\r\nNo dictionary en_US in /nowhere.")});
    QCOMPARE(s.h.dialogs.messages[0].buttons, Buttons::Ok);
    QVERIFY(s.h.speller.received.isEmpty());
    QCOMPARE(s.editor().text(), qs("<P>Helo</P>"));
    QCOMPARE(s.h.window.pointer, platform::Pointer::Default);

    // A failure while checking is told the same way.
    s.h.speller.openError.reset();
    s.h.speller.checkError = platform::SpellingError{5, qs("The dialog failed.")};
    QVERIFY(s.f12());
    QCOMPARE(s.h.dialogs.messageTexts().last(), qs("Error 5 opening Word.\r\nThe dialog failed."));
    QCOMPARE(s.editor().text(), qs("<P>Helo</P>"));
}

QTEST_GUILESS_MAIN(SpellCheckTest)
#include "test_spellcheck.moc"
