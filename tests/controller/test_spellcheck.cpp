// The spell-check in the window: the lexicon (the real default, read in the background,
// unreadable), F12, Ctrl+W, the suggestion box's slide, the service without a lexicon.
#include "spelling/spellingcontroller.h"
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using platform::Answer;
using platform::KeyEvent;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
// Markup the scan steps over, to make texts long enough to be checked.
const QByteArray kPad = QByteArray(" <br>").repeated(25);
const QStringList kCompleted{qs("Spell-check is completed.")};

const char* const kOrdinaryPage =
    "When the bidding was over, West led the king of hearts and declarer paused to count his "
    "winners. He could see ten tricks if the diamonds broke evenly, but a bad split would leave "
    "him a trick short. The safest line was to win the first trick in hand, draw two rounds of "
    "trumps and then play on clubs, keeping the ace of diamonds as an entry to dummy. East "
    "followed with a small heart and later discarded a spade, which told the whole story. "
    "Experienced players don't rush at such moments; they think about what the opponents' cards "
    "must be before they touch the table. Yesterday my neighbor's daughter asked me why anyone "
    "would spend a quiet afternoon playing cards with strangers. I explained that the game rewards "
    "patience, memory and careful reasoning, and that a partnership grows stronger with every "
    "session. She laughed, borrowed a book about the game from the library, and promised to come "
    "to the club next Tuesday. The weather was beautiful, the coffee was strong, and by the "
    "evening everybody agreed that it had been a wonderful, well-organized tournament. Our "
    "opponents bid Stayman over the notrump opening, found the doubleton in spades and made an "
    "overtrick after a successful finesse and an elegant endplay against the Blackwood "
    "enthusiasts. PARIS, Paris and Monday: the English café served a naïve fiancée who isn’t sure "
    "they’ve met. The END.";

const char* const kMisspellings =
    "recieve seperate definately occured accomodate untill beleive goverment neccessary wierd "
    "tommorow acheive arguement calender collegue concious embarass enviroment existance foriegn "
    "freind grammer harrass independant knowlege liason millenium noticable occurence persistant "
    "posession publically recomend refered relevent rythm sieze succesful supercede suprise "
    "tendancy threshhold truely vaccuum wich writting begining comming commited completly "
    "dissapoint familar finaly happend immediatly interupt mispell paralel paris monday english th "
    "nd desing presure unles retun regrad untl reson";

// A page opened in the source editor, with a small lexicon unless `withLexicon` is false.
struct Session {
    fakes::ViewerHarness h;
    std::unique_ptr<fakes::SmallLexicon> lex;
    QString page;
    fakes::FakeSuggestionBox& box = h.box;
    fakes::FakeTextEditor& editor = h.text1[1];
    explicit Session(const QByteArray& text, bool withLexicon = true) {
        h.withLexicon = withLexicon;
        if (withLexicon) {
            lex = std::make_unique<fakes::SmallLexicon>(h.paths.lexiconFolder);
            for (const QString& w : qs("The lead was and ace king see now we").split(u' '))
                lex->addWord(w, {30010}, 1.5);
            lex->addWord(qs("the"), {30000}, 0.1);
            lex->addWikipediaPair(qs("teh"), qs("the"));
        }
        page = h.writeFile(qs("home/deal.htm"), text);
        h.start(page);
        h.menu.choose(qs("mEditHTML"));
        h.dialogs.messages.clear(); // without a lexicon: typing goes unchecked
    }
    QString word() const { return h.box.word.text(); }
    QString lastMessage() const {
        return h.dialogs.messageTexts().value(h.dialogs.messages.size() - 1);
    }
    // The commands, each with the slide it starts run to its end.
    bool f12() { return settled(h.menu.choose(qs("mSpellCheckDocument"))); }
    bool ctrlW(const char* selected) {
        editor.setSelStart(int(editor.text().indexOf(qs(selected))));
        editor.setSelLength(int(qstrlen(selected)));
        return settled(h.menu.choose(qs("mSpellCheckWord")));
    }
    bool click(fakes::FakeButton& button) { return settled(button.click()); }
    bool settled(bool done) {
        h.finishSlides();
        return done;
    }
    // Another program (the command-line checker) changed the lexicon files.
    void touchWords() {
        QFile words(h.paths.lexiconFolder + qs("quarn words.accdb"));
        QVERIFY(words.open(QIODevice::ReadWrite) &&
                words.setFileTime(QDateTime::currentDateTime().addSecs(5),
                                  QFileDevice::FileModificationTime));
    }
};
} // namespace

class SpellCheckTest : public QObject {
    Q_OBJECT
  private slots:
    // The default lexicon: F12 passes ordinary English, no common misspelling passes.
    void defaultLexicon_ordinaryPageAccepted_misspellingsRejected() {
        fakes::ViewerHarness h;
        h.paths.lexiconFolder = qs(TFV_DEFAULT_LEXICON);
        const QString page =
            h.writeFile(qs("home/a.htm"), QByteArray("<P>") + kOrdinaryPage + "</P>");
        auto& v = h.start(page + qs(" ") + page).spellingController();
        QVERIFY(h.menu.choose(qs("mSpellCheckDocument")));
        QCOMPARE(h.box.word.text(), QString()); // else the first word it stopped at
        QCOMPARE(h.dialogs.messageTexts(), kCompleted);
        QVERIFY(v.OpenLexicon() && v.IsWordInLexicon(qs("declarer")));
        QStringList accepted;
        for (const QString& w : qs(kMisspellings).split(u' '))
            if (v.IsWordInLexicon(w)) accepted << w;
        QVERIFY2(accepted.isEmpty(), qPrintable(accepted.join(qs(" "))));
    }

    // Marked where they stand when the lexicon comes in; the caret stays where it was.
    void wordsTypedWhileLexiconIsRead_checkedWhenIn() {
        fakes::ViewerHarness h;
        fakes::SmallLexicon lex{h.paths.lexiconFolder};
        lex.addWord(qs("well"), {30040});
        h.background.hold = true;
        h.start();
        auto& e = h.text1[1];
        e.setVisible(true);
        for (const char* word : {"helo", "well", "wrold"}) {
            e.setSelText(qs(word));
            KeyEvent space{32, 0};
            e.onKeyDown(space);
            e.setSelText(qs(" "));
        }
        e.setSelStart(11); // "wrold" corrected before the lexicon is in
        e.setSelLength(5);
        e.setSelText(qs("world"));
        e.setSelStart(3);
        e.marks.clear();
        QVERIFY(!h.background.held.empty());
        h.background.finishAll();
        QStringList red;
        for (const auto& m : e.marks)
            if (m.color == 255 && m.length > 0) red << e.text().mid(m.start, m.length);
        QCOMPARE(red, QStringList{qs("helo")});
        QVERIFY(e.selStart() == 3 && e.selLength() == 0);
    }

    // Left mid-change by a killed program and read-only here: told once, with the file.
    void unreadableLexicon_toldOnce_typingGoesOn() {
        fakes::ViewerHarness h;
        fakes::SmallLexicon lex(h.dir.path() + qs("/before/"));
        lex.addWord(qs("well"), {30040});
        QVERIFY(lex.copyInTheMiddleOfAChange(h.paths.lexiconFolder));
        h.lexicon = platform::sqlite::SqliteLexiconStore({.readOnly = true});
        const QString page = h.writeFile(qs("home/a.htm"), "text");
        h.start(page + qs(" ") + page);
        const QStringList told = h.dialogs.messageTexts();
        QVERIFY2(told.size() == 1 && told[0].startsWith(qs("Words are not checked as you type")) &&
                     told[0].contains(h.paths.lexiconFolder +
                                      qs("quarn words.accdb cannot be read: a program ended "
                                         "in the middle of changing it")) &&
                     told[0].contains(qs("\"quarn words.accdb-journal\"")) &&
                     told[0].contains(qs("writable")),
                 qPrintable(told.join(u'\n')));
        h.text1[1].setSelStart(4); // after "text"
        KeyEvent space{32, 0};
        h.text1[1].onKeyDown(space);
        QCOMPARE(space.keyCode, 32);    // the key reaches the editor
        h.menu.choose(qs("mEditHTML")); // closing the editor and opening it again tells nothing new
        h.menu.choose(qs("mEditHTML"));
        QCOMPARE(h.dialogs.messageTexts(), told);
        QVERIFY(QFile::exists(h.paths.lexiconFolder + qs("quarn words.accdb-journal")));
    }

    // Ctrl+W on a word and its blank: the table's word once, first, unmarked; the blank
    // stays; a typed word is checked. An added recorded misspelling stays a word.
    void word_fixKeepsBlank_typedWordChecked_addedWordWins() {
        Session s("<P>We persue the lead, teh kign.</P>");
        QVERIFY(s.ctrlW("teh "));
        QCOMPARE(s.box.suggestions.items.indexOf(qs("the")), 0);
        QVERIFY(s.box.suggestions.items.count(qs("the")) == 1 &&
                s.box.suggestions.items.filter(qs("(")).isEmpty());
        s.box.suggestions.click(0);
        QVERIFY(s.click(s.box.fixSpelling));
        QCOMPARE(s.editor.text(), qs("<P>We persue the lead, the kign.</P>"));
        QVERIFY(s.h.dialogs.messages.empty() && !s.box.frame.visible());
        QVERIFY(s.ctrlW("kign"));
        s.box.replace.setText(qs("kig"));
        QVERIFY(s.click(s.box.fixSpelling));
        QCOMPARE(s.word(), qs("kig"));
        s.box.replace.setText(qs("king"));
        QVERIFY(s.click(s.box.fixSpelling));
        QCOMPARE(s.editor.text(), qs("<P>We persue the lead, the king.</P>"));
        QCOMPARE(s.h.dialogs.messageTexts(), kCompleted);
        s.lex->addMisspelling(qs("persue"), qs("lead"));
        s.touchWords();
        QVERIFY(s.ctrlW("persue"));
        QCOMPARE(s.box.replace.text(), qs("lead")); // the recorded correction
        QVERIFY(s.click(s.box.addWord));
        QCOMPARE(s.lastMessage(), qs("\"persue\" has been added."));
        QVERIFY(s.ctrlW("persue"));
        QCOMPARE(s.lastMessage(), qs("The highlighted word is correct."));
        s.touchWords(); // read again from the files
        QVERIFY(s.ctrlW("persue"));
        QCOMPARE(s.h.dialogs.messageTexts().mid(2), QStringList(2, s.lastMessage()));
    }

    // F12: Add goes on, no new reading; Skip All; Close selects the word again. Read
    // again in the background, the lexicon is awaited, then the check starts by itself.
    void document_readOnce_skipAll_awaitedWhileRead() {
        Session s("<P>We see zorbl and blorf now, blorf and zorbl.</P>" + kPad);
        QVERIFY(s.f12());
        QCOMPARE(s.word(), qs("zorbl"));
        QVERIFY(s.click(s.box.addWord)); // no message in a document check
        QCOMPARE(s.word(), qs("blorf"));
        const int at = s.editor.selStart();
        s.editor.setSelStart(0); // the user clicks elsewhere
        QVERIFY(s.click(s.box.close));
        QVERIFY(s.editor.selStart() == at && s.editor.selText() == qs("blorf"));
        QVERIFY(s.f12());
        QCOMPARE(s.word(), qs("blorf"));
        QVERIFY(s.click(s.box.skipAll));
        QCOMPARE(s.h.dialogs.messageTexts(), kCompleted);
        QVERIFY(!s.box.frame.visible() && s.h.background.runs == 1);
        // Changed by another program, the files are read again in the background.
        QVERIFY(s.lex->execOnWords(qs("DELETE FROM Words WHERE Text = 'zorbl'")));
        s.touchWords();
        s.h.background.hold = true;
        QVERIFY(s.f12());
        QVERIFY(s.f12()); // pressed again meanwhile: still one reading
        QVERIFY(s.h.background.held.size() == 1 && !s.box.frame.visible());
        s.h.background.finishAll();
        QVERIFY(s.box.frame.visible() && s.word() == qs("zorbl"));
        QCOMPARE(s.h.dialogs.messageTexts(), kCompleted);
    }

    void slide_buttonsWhileMoving_andWholeSteps() {
        Session s("<P>The lead was teh ace.</P>" + kPad);
        const int editorLeft = s.editor.left();
        auto& timer = s.h.suggestionSlideTimer;
        auto f12 = [&] { return s.h.menu.choose(qs("mSpellCheckDocument")); };
        auto onPixel = [](int twips) { return qRound(twips / 15.0) * 15; };
        auto closed = [&] {
            return !s.box.frame.visible() && !s.h.viewer->spellingController().checker().isOpen();
        };
        // A button pressed as soon as the box shows puts it in its place and acts.
        QVERIFY(f12() && timer.active());
        QVERIFY(s.box.skipOnce.click());
        QCOMPARE(s.h.dialogs.messageTexts(), kCompleted);
        timer.runOut();
        QVERIFY(!s.box.frame.visible());
        QCOMPARE(s.box.frame.left(), onPixel(editorLeft));
        s.h.dialogs.messages.clear();

        // While the box slides back only Close is taken.
        QVERIFY(f12());
        timer.runOut();
        QVERIFY(s.box.close.click());
        QVERIFY(timer.fire());
        QVERIFY(!s.box.skipOnce.click() || s.box.frame.visible());
        QVERIFY(s.box.close.click());
        timer.runOut();
        QVERIFY(closed());

        // Close during the slide out ends the check; the box goes back to its start.
        QVERIFY(f12());
        QVERIFY(timer.fire());
        QVERIFY(s.box.close.click());
        timer.runOut();
        QVERIFY(closed());
        QCOMPARE(s.box.frame.left(), onPixel(editorLeft));

        // 3270 twips wide (218 pixels) moves 33 twips, 2.2 pixels, a step: the
        // box stands on whole pixels yet goes all of its 105 steps out and back.
        s.box.frame.setWidth(3270);
        QVERIFY(f12());
        timer.runOut();
        QCOMPARE(s.box.frame.left(), onPixel(editorLeft - 105 * 33));
        QVERIFY(s.box.close.click());
        timer.runOut();
        QCOMPARE(s.box.frame.left(), onPixel(editorLeft));
        QVERIFY(s.h.dialogs.messages.empty());
    }

    // The service without a lexicon: lone CRs back as CR LF, saved as answered; errors told.
    void service_answersAndErrors() {
        const QByteArray text = "<P>Helo</P>\r\n<P>wrld</P>",
                         fixed = "<P>Hello</P>\r\n<P>world</P>";
        for (const Answer answer : {Answer::Yes, Answer::No, Answer::Cancel}) {
            Session s(text, false);
            s.h.speller.corrections = {{qs("Helo"), qs("Hello")}, {qs("wrld"), qs("world")}};
            s.h.dialogs.answers = {answer};
            QVERIFY(s.f12() && s.h.speller.closes == 1 && s.h.dialogs.messages.size() == 1);
            QCOMPARE(s.editor.text().toUtf8(), answer == Answer::Cancel ? text : fixed);
            QCOMPARE(s.h.readFile(s.page), answer == Answer::Yes ? fixed : text);
        }
        Session s("<P>Helo</P>", false);
        s.h.speller.checkError = platform::SpellingError{5, qs("The dialog failed.")};
        QVERIFY(s.f12() && s.editor.text() == qs("<P>Helo</P>"));
        QCOMPARE(s.lastMessage(), qs("Error 5 opening Word.\r\nThe dialog failed."));
        QCOMPARE(s.h.window.pointer, platform::Pointer::Default);
    }
};

QTEST_GUILESS_MAIN(SpellCheckTest)
#include "test_spellcheck.moc"
