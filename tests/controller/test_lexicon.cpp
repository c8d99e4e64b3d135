// The lexicon from the main window. The default one, as the build makes it
// from the real word data, passes ordinary English and no common
// misspelling, and holds none of those kept aside for measuring. Words typed
// while a lexicon is still being read are checked when it is in; one that
// cannot be read is told once, and typing goes on.
#include "platform/sqlite/sqlitedb.h"
#include "spelling/spellingcontroller.h"
#include "tests/fakes/smalllexicon.h"
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::KeyEvent;
using platform::sqlite::Database;
using platform::sqlite::Statement;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
const QString kFolder = QString::fromUtf8(TFV_DEFAULT_LEXICON);
constexpr int kRed = 255;

const char* const kOrdinaryPage =
    "When the bidding was over, West led the king of hearts and declarer paused to count his "
    "winners. He could see "
    "ten tricks if the diamonds broke evenly, but a bad split would leave him a trick short. The "
    "safest line was "
    "to win the first trick in hand, draw two rounds of trumps and then play on clubs, keeping the "
    "ace of diamonds "
    "as an entry to dummy. East followed with a small heart and later discarded a spade, which "
    "told the whole "
    "story. Experienced players don't rush at such moments; they think about what the opponents' "
    "cards must be "
    "before they touch the table. Yesterday my neighbor's daughter asked me why anyone would spend "
    "a quiet "
    "afternoon playing cards with strangers. I explained that the game rewards patience, memory "
    "and careful "
    "reasoning, and that a partnership grows stronger with every session. She laughed, borrowed a "
    "book about the "
    "game from the library, and promised to come to the club next Tuesday. The weather was "
    "beautiful, the coffee "
    "was strong, and by the evening everybody agreed that it had been a wonderful, well-organized "
    "tournament. Our "
    "opponents bid Stayman over the notrump opening, found the doubleton in spades and made an "
    "overtrick after a "
    "successful finesse and an elegant endplay against the Blackwood enthusiasts. PARIS, Paris and "
    "Monday: the "
    "English café served a naïve fiancée who isn’t sure they’ve met. The END.";

const char* const kMisspelledPage = "recieve seperate definately occured accomodate untill beleive "
                                    "goverment neccessary wierd tommorow acheive "
                                    "arguement calender collegue concious embarass enviroment "
                                    "existance foriegn freind grammer harrass independant "
                                    "knowlege liason millenium noticable occurence persistant "
                                    "posession publically recomend refered relevent rythm "
                                    "sieze succesful supercede suprise tendancy threshhold truely "
                                    "vaccuum wich writting begining comming commited "
                                    "completly dissapoint familar finaly happend immediatly "
                                    "interupt mispell paralel paris monday english th nd "
                                    "desing presure unles retun regrad untl reson";
} // namespace

class LexiconTest : public QObject {
    Q_OBJECT
  private slots:
    void ordinaryPage_accepted_misspelledPage_rejected();
    void heldOutMisspellings_areNotLoaded();
    void wordsTypedWhileLexiconIsRead_checkedWhenIn();
    void unreadableLexicon_toldOnce_typingGoesOn();
};

// The document check (F12) goes through a page of ordinary English without
// a stop, and none of the common misspellings passes as a word.
void LexiconTest::ordinaryPage_accepted_misspelledPage_rejected() {
    ViewerHarness h;
    h.paths.lexiconFolder = kFolder;
    const QString page = h.writeFile(qs("home/a.htm"), QByteArray("<P>") + kOrdinaryPage + "</P>");
    auto& v = h.start(page + qs(" ") + page).spellingController();
    QVERIFY(h.menu.choose(qs("mSpellCheckDocument")));
    QCOMPARE(h.box.word.text(), QString()); // else the first word it stopped at
    QCOMPARE(h.dialogs.messageTexts(), QStringList{qs("Spell-check is completed.")});
    QVERIFY(v.OpenLexicon() && v.IsWordInLexicon(qs("declarer")));
    QStringList accepted;
    for (const QString& w : qs(kMisspelledPage).split(u' '))
        if (v.IsWordInLexicon(w)) accepted << w;
    QVERIFY2(accepted.isEmpty(), qPrintable(accepted.join(qs(" "))));
}

// The held-out list measures the suggestions on misspellings the program has
// never seen: none of them may be in the misspelling table or recorded.
void LexiconTest::heldOutMisspellings_areNotLoaded() {
    QFile list(QString::fromUtf8(TFV_DEFAULT_LEXICON_HELD_OUT));
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(list.readAll()).split(qs("\n"), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 200);
    Database words(kFolder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
    QVERIFY(words.exec(qs("ATTACH DATABASE '%1qn.accdb' AS qn").arg(kFolder)));
    Statement found(
        words, qs("SELECT (SELECT count(*) FROM qn.\"z_Misspelling-Wikipedia\" WHERE Wrong = ?1 "
                  "COLLATE BINARY) + (SELECT count(*) FROM Words WHERE Text = ?1 COLLATE BINARY "
                  "AND Tag = 3)"));
    QStringList loaded;
    for (const QString& line : lines) {
        found.reset();
        found.bind(1, line.section(QLatin1Char('\t'), 0, 0));
        if (!found.step() || found.intValue(0) != 0) loaded << line;
    }
    QCOMPARE(loaded, QStringList());
}

// The words are marked where they stand when the lexicon comes in, and the
// caret stays where the user left it.
void LexiconTest::wordsTypedWhileLexiconIsRead_checkedWhenIn() {
    ViewerHarness h;
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
        if (m.color == kRed && m.length > 0) red << e.text().mid(m.start, m.length);
    QCOMPARE(red, QStringList{qs("helo")});
    QCOMPARE(e.selStart(), 3);
    QCOMPARE(e.selLength(), 0);
}

// A program ended in the middle of adding words, and this one may only read
// the lexicon: the message says so and names the file, once.
void LexiconTest::unreadableLexicon_toldOnce_typingGoesOn() {
    ViewerHarness h;
    fakes::SmallLexicon lex(h.dir.path() + qs("/before/"));
    lex.addWord(qs("well"), {30040});
    QVERIFY(lex.copyInTheMiddleOfAChange(h.paths.lexiconFolder));
    h.lexicon = platform::sqlite::SqliteLexiconStore({.readOnly = true});
    const QString page = h.writeFile(qs("home/a.htm"), "text");
    h.start(page + qs(" ") + page);
    QCOMPARE(h.dialogs.messages.size(), 1u);
    const QString told = h.dialogs.messages[0].text;
    QVERIFY2(told.startsWith(qs("Words are not checked as you type")) &&
                 told.contains(h.paths.lexiconFolder +
                               qs("quarn words.accdb cannot be read: a program ended "
                                  "in the middle of changing it")),
             qPrintable(told));
    h.text1[1].setSelStart(4); // after "text"
    KeyEvent space{32, 0};
    h.text1[1].onKeyDown(space);
    QCOMPARE(space.keyCode, 32); // the key reaches the editor
    // Closing the editor and opening it again tells nothing new.
    h.menu.choose(qs("mEditHTML"));
    h.menu.choose(qs("mEditHTML"));
    QCOMPARE(h.dialogs.messageTexts(), QStringList{told});
}

QTEST_GUILESS_MAIN(LexiconTest)
#include "test_lexicon.moc"
