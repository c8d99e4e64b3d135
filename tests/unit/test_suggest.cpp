// The suggestion generator on a small fixed lexicon: each edit finds its
// word, the ranking's groups and marks, the recorded-misspelling shortcut,
// and the two measures the ranking rests on.
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/soundex.h"
#include "spelling/suggest.h"
#include "tests/fakes/smalllexicon.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Lexicon {
    QTemporaryDir dir;
    fakes::SmallLexicon lex{dir.path() + qs("/")};
    platform::sqlite::SqliteLexiconStore store{platform::sqlite::SqliteLexiconStore::Options{true}};
    std::unique_ptr<platform::LexiconDatabase> wordsDb, linksDb;
    std::unique_ptr<platform::TableCursor> words, velmora, wiki;
    Lexicon() {
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("a"), {30000}, 0.05);
        lex.addWord(qs("lot"), {30010}, 1.5);
        lex.addWord(qs("dog"), {30010}, 1.0);
        lex.addWord(qs("cat-dog"), {30010}, 2.0);
        lex.addWord(qs("receive"), {30020}, 1.4);
        lex.addMisspelling(qs("recieve"), qs("receive"));
        lex.addWord(qs("thaw"), {}, 2.5);             // added by hand: no entries
        lex.addWord(qs("thew"), {30010});             // frequency unknown
        lex.addWord(qs("thwack"), {30010}, 3.0);
        lex.addWord(qs("thou"), {30000}, 4.5);        // too rare to offer
        lex.addWord(qs("phone"), {30010}, 1.3);
        lex.addWikipediaPair(qs("thw"), qs("the"));
        wordsDb = store.open(lex.folder + qs("quarn words.accdb"));
        linksDb = store.open(lex.folder + qs("qn.accdb"));
        words = wordsDb->openTable(qs("Words"));
        velmora = linksDb->openTable(qs("Velmora"));
        wiki = linksDb->openTable(qs("z_Misspelling-Wikipedia"));
    }
    spelling::SuggestionResult suggest(const QString& w) {
        return spelling::suggestSpellings(w, spelling::MakeSoundex(w),
                                          {*words, *velmora, wiki.get()});
    }
};
} // namespace

class TestSuggest : public QObject {
    Q_OBJECT
  private slots:
    void edits_findThe_data();
    void edits_findThe();
    void marks_rankGroupsAndFrequency();
    void hyphen_endsThePerPositionEdits();
    void runTogetherWords_splitInGroupTwo();
    void recordedMisspelling_onlyItsCorrection();
    void nothingFound_emptyList();
    void similarity_lengthsThreeApart_scoreZero();
    void soundDistance_data();
    void soundDistance();
    void workList_caseBlindOrder_duplicatesNeighbours();
};

void TestSuggest::edits_findThe_data() {
    QTest::addColumn<QString>("word");
    QTest::newRow("transposition") << qs("teh");
    QTest::newRow("substitution") << qs("thr");
    QTest::newRow("deletion") << qs("thhe");
    QTest::newRow("letter at the end") << qs("th");
    QTest::newRow("letter in front") << qs("he");
}

void TestSuggest::edits_findThe() {
    QFETCH(QString, word);
    Lexicon l;
    const auto r = l.suggest(word);
    QVERIFY2(!r.list.isEmpty(), qPrintable(r.work.join(qs(" | "))));
    QCOMPARE(r.list.first(), qs("the"));
    QCOMPARE(r.list.count(qs("the")), 1); // several edits reach it; listed once
    QVERIFY(r.replacement.isEmpty());
}

void TestSuggest::marks_rankGroupsAndFrequency() {
    Lexicon l;
    const auto r = l.suggest(qs("thw"));
    // d first; within one d the frequency class, unknown "(_)" last; words
    // without entries marked in the work list only; rare words dropped. Then
    // spellings with the word's consonants (thaw, thew) move to the top of
    // their group, but never above the third place: thew passes thaw.
    QCOMPARE(r.work, QStringList({qs("0 (0.1) - the (WikiSpell table)"), qs("1 (0.1) - the"),
                                  qs("1 (_) - thew"), qs("1 (2.5) - thaw (Not in Velmora.)")}));
    QCOMPARE(r.list, QStringList({qs("the (WikiSpell table)"), qs("the"), qs("thew"), qs("thaw")}));
}

void TestSuggest::hyphen_endsThePerPositionEdits() {
    Lexicon l;
    // The deletion that would give cat-dog lies after the hyphen.
    QVERIFY(!l.suggest(qs("cat-dobg")).list.contains(qs("cat-dog")));
    QVERIFY(l.suggest(qs("dobg")).list.contains(qs("dog")));
    QVERIFY(l.suggest(qs("cta-dog")).list.contains(qs("cat-dog"))); // before the hyphen
}

void TestSuggest::runTogetherWords_splitInGroupTwo() {
    Lexicon l;
    const auto r = l.suggest(qs("alot"));
    QVERIFY2(r.work.contains(qs("2 - a lot")), qPrintable(r.work.join(qs(" | "))));
    QVERIFY(r.list.contains(qs("a lot")));
}

void TestSuggest::recordedMisspelling_onlyItsCorrection() {
    Lexicon l;
    const auto r = l.suggest(qs("recieve"));
    QCOMPARE(r.list, QStringList({qs("receive")}));
    QCOMPARE(r.replacement, qs("receive"));
}

void TestSuggest::nothingFound_emptyList() {
    Lexicon l;
    const auto r = l.suggest(qs("qqqqqqq"));
    QVERIFY(r.list.isEmpty() && r.work.isEmpty() && r.replacement.isEmpty());
}

void TestSuggest::similarity_lengthsThreeApart_scoreZero() {
    const auto far = spelling::similarity(qs("the"), qs("thwack"));
    QCOMPARE(far.alignment, 0);
    QCOMPARE(far.transposition, 0);
    const auto near = spelling::similarity(qs("thw"), qs("thwack")); // 3 apart as well
    QCOMPARE(near.alignment + near.transposition, 0);
    const auto two = spelling::similarity(qs("thwk"), qs("thwack"));
    QVERIFY(two.alignment > 0 && two.transposition > 0);
    const auto swap = spelling::similarity(qs("teh"), qs("the"));
    QVERIFY(swap.transposition > spelling::similarity(qs("tex"), qs("the")).transposition);
}

void TestSuggest::soundDistance_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("distance");
    auto row = [](const char* w, const char* e, int d) {
        QTest::newRow(qPrintable(qs(w) + qs(" / ") + qs(e))) << qs(w) << qs(e) << d;
    };
    row("fone", "phone", 1);       // f for ph
    row("foto", "photo", 1);
    row("nashun", "nation", 1);    // shun for tion
    row("vishun", "vision", 1);    // shun for sion
    row("tickel", "tickle", 1);    // kel for cle
    row("nite", "night", 1);       // ite for ight
    row("litening", "lightning", 1);
    row("sofah", "sofer", 1);      // ah for er, one step off the distance of 2
    row("sleep", "slip", 1);       // ee for i: 2 less the one rewrite
    row("teh", "the", 1);          // a swap is one step
    row("recieve", "receive", 1);
    row("the", "the", 0);
    row("The", "the", 0);          // case does not count
    row("alot", "a lot", 1);       // an entry with a blank is a split
    row("", "abc", 3);
    row("abc", "", 3);
    row("kitten", "sitting", 3);
    row("abcd", "wxyz", 4);
}

void TestSuggest::soundDistance() {
    QFETCH(QString, word);
    QFETCH(QString, entry);
    QFETCH(int, distance);
    QCOMPARE(spelling::SoundDistance(word, entry), distance);
}

void TestSuggest::workList_caseBlindOrder_duplicatesNeighbours() {
    spelling::SortedWorkList list;
    for (const char* s : {"the", "The", "apple", "the", "Banana", "2 - a lot", "0 (_) - x",
                          "0 (1.5) - y", "The"})
        list.add(qs(s));
    QStringList got;
    for (const QString& e : list.entries())
        got << e;
    QCOMPARE(got, QStringList({qs("0 (1.5) - y"), qs("0 (_) - x"), qs("2 - a lot"), qs("apple"),
                               qs("Banana"), qs("The"), qs("The"), qs("the"), qs("the")}));
}

QTEST_GUILESS_MAIN(TestSuggest)
#include "test_suggest.moc"
