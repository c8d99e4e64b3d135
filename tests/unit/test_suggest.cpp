// The suggestion generator on a small lexicon read from real files: each
// kind of mistake finds its word, the word's capitals are kept, ordinary
// words come before names, a spelling is listed once and without marks,
// the recorded-misspelling shortcut, run-together words; and the
// distances the ranking rests on.
#include "platform/sqlite/sqlitelexicon.h"
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
    platform::sqlite::SqliteLexiconStore store;
    std::shared_ptr<spelling::WordIndex> index;
    Lexicon() {
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("a"), {30000}, 0.05);
        lex.addWord(qs("lot"), {30010}, 1.5);
        lex.addWord(qs("dog"), {30010}, 1.0);
        lex.addWord(qs("cat-dog"), {30010}, 2.0);
        lex.addWord(qs("receive"), {30020}, 1.4);
        lex.addMisspelling(qs("recieve"), qs("receive"));
        lex.addWord(qs("thaw"), {}, 2.5);
        lex.addWord(qs("thew"), {30010});
        lex.addWord(qs("thou"), {30000}, 4.5); // too rare to offer
        lex.addWord(qs("phone"), {30010}, 1.3);
        lex.addWord(qs("green"), {30030}, 1.6);
        lex.addWord(qs("Green"), {30050}, 1.6);
        lex.addWord(qs("short"), {30030}, 1.2);
        lex.addWord(qs("shot"), {30010}, 1.4);
        lex.addWord(qs("shoot"), {30020}, 1.5);
        lex.addWord(qs("Scott"), {30050}, 2.0);
        lex.addWord(qs("address"), {30010}, 1.3);
        lex.addWord(qs("isn't"), {30000}, 0.5);
        lex.addWikipediaPair(qs("thw"), qs("the"));
        lex.addWikipediaPair(qs("adres"), qs("address"));
        const spelling::LoadedLexicon l = spelling::loadLexicon(store, lex.folder);
        index = l.index;
    }
    spelling::SuggestionResult suggest(const QString& w) {
        return spelling::suggestSpellings(w, *index);
    }
};
} // namespace

class TestSuggest : public QObject {
    Q_OBJECT
    std::unique_ptr<Lexicon> lexicon_;

  private slots:
    void initTestCase() { lexicon_ = std::make_unique<Lexicon>(); }
    void edits_findTheWord_data();
    void edits_findTheWord();
    void capitals_followTheWord_data();
    void capitals_followTheWord();
    void ordinaryWordBeforeName();
    void list_eachSpellingOnceWithoutMarks();
    void rareAndMisspelledWords_neverOffered();
    void hyphen_wordWithHyphenFound();
    void runTogetherWords_split();
    void recordedMisspelling_onlyItsCorrection();
    void userWord_offered();
    void nothingFound_emptyList();
    void typingDistance_data();
    void typingDistance();
};

void TestSuggest::edits_findTheWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("first");
    QTest::newRow("transposition") << qs("teh") << qs("the");
    QTest::newRow("substitution, key beside") << qs("thr") << qs("the");
    QTest::newRow("doubled letter") << qs("thhe") << qs("the");
    QTest::newRow("letter missing at the end") << qs("th") << qs("the");
    QTest::newRow("letter missing in front") << qs("he") << qs("the");
    QTest::newRow("double written single") << qs("adress") << qs("address");
    QTest::newRow("sound: f for ph") << qs("fone") << qs("phone");
    QTest::newRow("vowels swapped") << qs("recieev") << qs("receive");
    QTest::newRow("typographic apostrophe") << qs("isnt’") << qs("isn’t");
}

void TestSuggest::edits_findTheWord() {
    QFETCH(QString, word);
    QFETCH(QString, first);
    const auto r = lexicon_->suggest(word);
    QVERIFY2(!r.list.isEmpty(), qPrintable(word));
    QCOMPARE(r.list.first(), first);
    QVERIFY(r.replacement.isEmpty());
}

void TestSuggest::capitals_followTheWord_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("first");
    QTest::newRow("capital first letter") << qs("Teh") << qs("The");
    QTest::newRow("all capitals") << qs("TEH") << qs("THE");
    QTest::newRow("small letters") << qs("teh") << qs("the");
    QTest::newRow("recorded misspelling, capitalised") << qs("Recieve") << qs("Receive");
}

void TestSuggest::capitals_followTheWord() {
    QFETCH(QString, word);
    QFETCH(QString, first);
    const auto r = lexicon_->suggest(word);
    QVERIFY(!r.list.isEmpty());
    QCOMPARE(r.list.first(), first);
}

void TestSuggest::ordinaryWordBeforeName() {
    const auto gren = lexicon_->suggest(qs("gren"));
    QVERIFY(gren.list.size() >= 2);
    QCOMPARE(gren.list.mid(0, 2), QStringList({qs("green"), qs("Green")}));
    // Capitalised, the two are one suggestion.
    QCOMPARE(lexicon_->suggest(qs("Gren")).list.count(qs("Green")), 1);
    const auto shott = lexicon_->suggest(qs("shott"));
    QVERIFY2(shott.list.contains(qs("short")), qPrintable(shott.list.join(qs(", "))));
    const qsizetype scott = shott.list.indexOf(qs("Scott"));
    QVERIFY(scott < 0 || shott.list.indexOf(qs("shot")) < scott);
}

void TestSuggest::list_eachSpellingOnceWithoutMarks() {
    // "the" comes from the table of common misspellings and from the edits.
    const auto r = lexicon_->suggest(qs("thw"));
    QCOMPARE(r.list.first(), qs("the"));
    QCOMPARE(r.list.count(qs("the")), 1);
    for (const QString& s : r.list)
        QVERIFY2(!s.contains(qs("(")), qPrintable(s));
    // The hidden work list says where it came from.
    QVERIFY2(r.work.first().endsWith(qs("- the (WikiSpell table)")), qPrintable(r.work.first()));
    QCOMPARE(lexicon_->suggest(qs("adres")).list.first(), qs("address"));
}

void TestSuggest::rareAndMisspelledWords_neverOffered() {
    const auto r = lexicon_->suggest(qs("thoe"));
    QVERIFY(!r.list.contains(qs("thou")));
    QVERIFY(!lexicon_->suggest(qs("recieva")).list.contains(qs("recieve")));
}

void TestSuggest::hyphen_wordWithHyphenFound() {
    QVERIFY(lexicon_->suggest(qs("cta-dog")).list.contains(qs("cat-dog")));
    QVERIFY(lexicon_->suggest(qs("dobg")).list.contains(qs("dog")));
}

void TestSuggest::runTogetherWords_split() {
    const auto r = lexicon_->suggest(qs("alot"));
    QVERIFY2(r.list.contains(qs("a lot")), qPrintable(r.list.join(qs(", "))));
}

void TestSuggest::recordedMisspelling_onlyItsCorrection() {
    const auto r = lexicon_->suggest(qs("recieve"));
    QCOMPARE(r.list, QStringList({qs("receive")}));
    QCOMPARE(r.replacement, qs("receive"));
}

void TestSuggest::userWord_offered() {
    Lexicon l;
    l.index->addUserWord(l.index->nextId(), qs("Tarnwell"), qs("T654"));
    QVERIFY(l.suggest(qs("Tarnwel")).list.contains(qs("Tarnwell")));
}

void TestSuggest::nothingFound_emptyList() {
    const auto r = lexicon_->suggest(qs("qqqqqqq"));
    QVERIFY(r.list.isEmpty() && r.work.isEmpty() && r.replacement.isEmpty());
}

void TestSuggest::typingDistance_data() {
    // Each row: a mistake people make costs less than a mistake they make
    // less often, whatever the weights are tuned to.
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("likely");   // the word meant, a likely mistake away
    QTest::addColumn<QString>("unlikely"); // a word as many edits away, by unlikely ones
    auto row = [](const char* name, const char* w, const char* likely, const char* unlikely) {
        QTest::newRow(name) << qs(w) << qs(likely) << qs(unlikely);
    };
    row("swap before two changes", "teh", "the", "tom");
    row("double written single", "adress", "address", "adrest");
    row("vowel for a vowel", "definately", "definitely", "defiantly");
    row("key beside", "shprt", "short", "shirt");
    row("letter left out before letter too many", "allegedy", "allegedly", "alleged");
    row("one spelling of a sound for another", "fone", "phone", "fine");
    row("ie for ei", "recieve", "receive", "relieve");
    row("shun for tion", "nashun", "nation", "nasher");
}

void TestSuggest::typingDistance() {
    QFETCH(QString, word);
    QFETCH(QString, likely);
    QFETCH(QString, unlikely);
    const double near = spelling::typingDistance(word, likely);
    const double far = spelling::typingDistance(word, unlikely);
    QVERIFY2(near < far, qPrintable(QString::number(near) + qs(" / ") + QString::number(far)));
    QVERIFY(near > 0);
    QCOMPARE(spelling::typingDistance(word, word), 0.0);
    QCOMPARE(spelling::typingDistance(word.toUpper(), word), 0.0); // case does not count
}

QTEST_GUILESS_MAIN(TestSuggest)
#include "test_suggest.moc"
