// The default lexicon as the set-up builds it from the real word data:
// ordinary English passes, common misspellings do not, and the recorded
// misspellings are kept out of the suggestions.
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "tests/fakes/viewerharness.h"

#include <QRegularExpression>
#include <QtTest>

using platform::sqlite::Database;
using platform::sqlite::Statement;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
const QString kFolder = QString::fromUtf8(TFV_DEFAULT_LEXICON);

// Words as the document check hands them over: runs of letters with inner
// apostrophes and hyphens, a possessive's "'s" left off.
QStringList wordsOf(const QString& text) {
    static const QRegularExpression word(qs("\\p{L}[\\p{L}\\p{M}'’-]*\\p{L}|\\p{L}"));
    QStringList out;
    for (auto it = word.globalMatch(text); it.hasNext();) {
        QString w = it.next().captured();
        if (w.endsWith(qs("'s")) || w.endsWith(qs("’s"))) w.chop(2);
        out << w;
    }
    return out;
}

const char* const kOrdinaryPage =
    "When the bidding was over, West led the king of hearts and declarer paused to count his "
    "winners. "
    "He could see ten tricks if the diamonds broke evenly, but a bad split would leave him a trick "
    "short. "
    "The safest line was to win the first trick in hand, draw two rounds of trumps and then play "
    "on "
    "clubs, keeping the ace of diamonds as an entry to dummy. East followed with a small heart and "
    "later discarded a spade, which told the whole story. Experienced players don't rush at such "
    "moments; "
    "they think about what the opponents' cards must be before they touch the table. Yesterday my "
    "neighbor's daughter asked me why anyone would spend a quiet afternoon playing cards with "
    "strangers. "
    "I explained that the game rewards patience, memory and careful reasoning, and that a "
    "partnership "
    "grows stronger with every session. She laughed, borrowed a book about the game from the "
    "library, "
    "and promised to come to the club next Tuesday. The weather was beautiful, the coffee was "
    "strong, "
    "and by the evening everybody agreed that it had been a wonderful, well-organized tournament. "
    "Our opponents bid Stayman over the notrump opening, found the doubleton in spades and made an "
    "overtrick after a successful finesse and an elegant endplay against the Blackwood "
    "enthusiasts. PARIS, Paris and Monday: the English café served a naïve fiancée who isn’t "
    "sure they’ve met. The END.";

const char* const kMisspelledPage =
    "recieve seperate definately occured accomodate untill beleive goverment neccessary wierd "
    "tommorow acheive arguement calender collegue concious embarass enviroment existance "
    "foriegn freind grammer harrass independant knowlege liason millenium noticable occurence "
    "persistant posession publically recomend refered relevent rythm sieze succesful supercede "
    "suprise tendancy threshhold truely vaccuum wich writting begining comming commited "
    "completly dissapoint familar finaly happend immediatly interupt mispell paralel "
    "paris monday english th nd desing presure unles retun regrad untl reson";
} // namespace

class DefaultLexiconTest : public QObject {
    Q_OBJECT
  private slots:
    void ordinaryPage_accepted_misspelledPage_rejected();
    void wordIndex_agreesWithTheTables();
    void recordedMisspellings_pointAtTheirWord_andRankLow();
    void heldOutMisspellings_areNotLoaded();
};

void DefaultLexiconTest::ordinaryPage_accepted_misspelledPage_rejected() {
    fakes::ViewerHarness h;
    h.paths.lexiconFolder = kFolder;
    auto& v = h.create();
    h.text1[1].setText(qs(kOrdinaryPage));
    QVERIFY(v.lexiconPresent());
    v.LoadLexicon();
    QVERIFY2(v.OpenLexicon(), qPrintable(h.dialogs.messageTexts().join(qs("|"))));
    QStringList rejected;
    for (const QString& w : wordsOf(qs(kOrdinaryPage)))
        if (!v.IsWordInLexicon(w)) rejected << w;
    QVERIFY2(rejected.isEmpty(), qPrintable(rejected.join(qs(" "))));
    QStringList accepted;
    for (const QString& w : wordsOf(qs(kMisspelledPage)))
        if (v.IsWordInLexicon(w)) accepted << w;
    QVERIFY2(accepted.isEmpty(), qPrintable(accepted.join(qs(" "))));
    v.basSpellingChecker.NoCompletionMessage = true;
    v.CloseLexicon();
}

void DefaultLexiconTest::wordIndex_agreesWithTheTables() {
    platform::sqlite::SqliteLexiconStore store;
    const spelling::LoadedLexicon loaded = spelling::loadLexicon(store, kFolder);
    QVERIFY2(loaded.index, qPrintable(loaded.reason));
    const spelling::WordIndex& index = *loaded.index;
    // Each spelling is a word when one of its records has a word category,
    // or no entry at all.
    Database words(kFolder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
    QVERIFY(words.exec(qs("ATTACH DATABASE '%1qn.accdb' AS qn").arg(kFolder)));
    Statement all(words, qs("SELECT w.Text, max(EXISTS (SELECT 1 FROM qn.Velmora v WHERE "
                            "v.WordID = w.id AND v.LinkID BETWEEN 30000 AND 30210) OR NOT EXISTS "
                            "(SELECT 1 FROM qn.Velmora v WHERE v.WordID = w.id)) "
                            "FROM Words w GROUP BY w.Text COLLATE BINARY"));
    int spellings = 0;
    QStringList disagree;
    while (all.step()) {
        ++spellings;
        const QString text = all.textValue(0);
        const bool accepted = all.intValue(1) != 0;
        if (index.accepted(index.find(text)) != accepted) disagree << text;
    }
    QVERIFY(spellings > 100000);
    QCOMPARE(disagree, QStringList());
}

void DefaultLexiconTest::recordedMisspellings_pointAtTheirWord_andRankLow() {
    Database words(kFolder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
    QVERIFY(words.exec(qs("ATTACH DATABASE '%1qn.accdb' AS qn").arg(kFolder)));
    Statement total(words, qs("SELECT count(*) FROM Words WHERE Tag = 3"));
    QVERIFY(total.step());
    QVERIFY(total.intValue(0) > 1000);
    // Every recorded misspelling: FreqUsed 4 or more, one 31015 entry whose
    // startID is an entry of a word that the Wikipedia table names as its correction.
    Statement bad(
        words, qs("SELECT w.Text FROM Words w JOIN qn.Velmora v ON v.WordID = w.id "
                  "LEFT JOIN qn.Velmora s ON s.ID = v.startID "
                  "LEFT JOIN Words r ON r.id = s.WordID "
                  "WHERE w.Tag = 3 AND (w.FreqUsed < 4 OR v.LinkID <> 31015 OR r.Text IS NULL OR "
                  "NOT EXISTS (SELECT 1 FROM qn.\"z_Misspelling-Wikipedia\" z "
                  "            WHERE z.Wrong = w.Text AND z.Right = r.Text))"));
    QStringList wrong;
    while (bad.step())
        wrong << bad.textValue(0);
    QCOMPARE(wrong, QStringList());
    // Ordinary words keep a class below 4, so the ranking keeps them.
    Statement ordinary(words, qs("SELECT count(*) FROM Words WHERE Tag <> 3 AND FreqUsed >= 4"));
    QVERIFY(ordinary.step());
    QCOMPARE(ordinary.intValue(0), 0);
    Statement the(words, qs("SELECT FreqUsed FROM Words WHERE Text = 'the'"));
    QVERIFY(the.step() && the.value(0).toDouble() < 0.5);
}

void DefaultLexiconTest::heldOutMisspellings_areNotLoaded() {
    QFile list(QString::fromUtf8(TFV_DEFAULT_LEXICON_HELD_OUT));
    QVERIFY(list.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(list.readAll()).split(qs("\n"), Qt::SkipEmptyParts);
    QVERIFY(lines.size() > 200);
    Database links(kFolder + qs("qn.accdb"), Database::Mode::ReadOnly);
    Database words(kFolder + qs("quarn words.accdb"), Database::Mode::ReadOnly);
    Statement inTable(
        links,
        qs("SELECT count(*) FROM \"z_Misspelling-Wikipedia\" WHERE Wrong = ?1 COLLATE BINARY"));
    Statement recorded(words,
                       qs("SELECT count(*) FROM Words WHERE Text = ?1 COLLATE BINARY AND Tag = 3"));
    for (const QString& line : lines) {
        const QString wrong = line.section(QLatin1Char('\t'), 0, 0);
        inTable.reset();
        inTable.bind(1, wrong);
        recorded.reset();
        recorded.bind(1, wrong);
        QVERIFY(inTable.step() && recorded.step());
        QVERIFY2(inTable.intValue(0) == 0 && recorded.intValue(0) == 0, qPrintable(wrong));
    }
}

QTEST_GUILESS_MAIN(DefaultLexiconTest)
#include "test_defaultlexicon.moc"
