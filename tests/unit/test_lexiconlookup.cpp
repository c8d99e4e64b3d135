// The lexicon's verdict on a word: exact and case-differing spellings, the
// category walk, the hyphen rules and the prefixes.
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/lexiconlookup.h"
#include "tests/fakes/smalllexicon.h"

#include <QTemporaryDir>
#include <QTest>

using spelling::LexiconVerdict;
using Hyphen = spelling::LexiconVerdict::Hyphen;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Lexicon {
    QTemporaryDir dir;
    fakes::SmallLexicon lex{dir.path() + qs("/")};
    platform::sqlite::SqliteLexiconStore store;
    std::unique_ptr<platform::LexiconDatabase> wordsDb, linksDb;
    std::unique_ptr<platform::TableCursor> words, velmora;
    explicit Lexicon(bool memory) : store(platform::sqlite::SqliteLexiconStore::Options{memory}) {
        lex.addWord(qs("the"), {30000});
        lex.addWord(qs("well"), {30040});
        lex.addWord(qs("known"), {30030});
        lex.addWord(qs("write"), {30020});
        lex.addWord(qs("fix"), {30020});
        lex.addWord(qs("Polish"), {30050});
        lex.addWord(qs("polish"), {31000});      // entries all outside the categories
        lex.addWord(qs("added"), {});            // added by hand: no entries
        lex.addWord(qs("late"), {31000, 30210}); // a category after another link
        lex.addWord(qs("teh"), {});
        lex.addMisspelling(qs("recieve"), qs("the"));
        lex.addWord(qs("last"), {31000, 31001}); // the table's last entries
        wordsDb = store.open(lex.folder + qs("quarn words.accdb"));
        linksDb = store.open(lex.folder + qs("qn.accdb"));
        words = wordsDb->openTable(qs("Words"));
        velmora = linksDb->openTable(qs("Velmora"));
    }
    LexiconVerdict check(const QString& w) { return spelling::checkWord(*words, *velmora, w); }
};
} // namespace

class TestLexiconLookup : public QObject {
    Q_OBJECT
  private slots:
    void verdict_data();
    void verdict();
    void hyphen_data();
    void hyphen();
    void status_tellsUnknownFromUncategorised();
};

void TestLexiconLookup::verdict_data() {
    QTest::addColumn<bool>("memory");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("accepted");
    for (bool memory : {false, true}) {
        auto row = [&](const char* name, const char* word, bool accepted) {
            QTest::addRow("%s_%s", name, memory ? "memory" : "statements")
                << memory << qs(word) << accepted;
        };
        row("empty_known", "", true);
        row("oneLetter_knownWithoutLookup", "q", true);
        row("blanksAroundOneLetter_known", "  q ", true);
        row("categorised_known", "the", true);
        row("trimmed_known", " the ", true);
        row("capitalised_matchesStoredLowerCase", "The", true);
        row("unknown_rejected", "thw", false);
        row("noEntries_known", "added", true);
        row("entriesOutsideCategories_rejected", "polish", false);
        row("exactCaseRecordPreferred", "Polish", true);
        row("otherCase_firstRecordDecides", "POLISH", true);
        row("categoryAfterOtherLink_known", "late", true);
        row("walkRunsOffTableEnd_rejected", "last", false);
        row("recordedMisspelling_rejected", "recieve", false);
        row("prefixRe_restInWords", "rewrite", true);
        row("prefixDe_triedAsWrite", "dewrite", true);
        row("prefixUn", "unwrite", true);
        row("prefixPre_restFromFourth", "prefix", true);
        row("prefixNon", "nonfix", true);
        row("prefix_restUnknown", "rewrote", false);
        row("prefix_emptyRest_rejected", "re", false);
        row("prefix_restNeedsNoCategory", "repolish", true);
        row("prefix_caseMatters", "Rewrite", false);
        row("leadingHyphen_goesToPrefixes", "-well", false);
        row("trailingHyphen_goesToPrefixes", "well-", false);
        row("trailingHyphenAfterPrefix", "re-", false);
        row("hyphen_bothPartsKnown", "well-known", true);
        row("hyphen_rightPartWithoutCategory", "well-polish", true);
    }
}

void TestLexiconLookup::verdict() {
    QFETCH(bool, memory);
    QFETCH(QString, word);
    QFETCH(bool, accepted);
    Lexicon l(memory);
    QCOMPARE(l.check(word).accepted, accepted);
}

void TestLexiconLookup::hyphen_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("hyphen");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("left");
    QTest::addColumn<bool>("oneAfter");
    QTest::newRow("leftUnknown_oneLetterAfter")
        << qs("abcd-e") << int(Hyphen::LeftPartUnknown) << 5 << qs("abcd") << true;
    QTest::newRow("leftUnknown_longerRight")
        << qs("abcd-ef") << int(Hyphen::LeftPartUnknown) << 5 << qs("abcd") << false;
    QTest::newRow("rightUnknown") << qs("well-knwn") << int(Hyphen::RightPartUnknown) << 5
                                  << qs("well") << false;
    QTest::newRow("firstHyphenSplits")
        << qs("well-kn-wn") << int(Hyphen::RightPartUnknown) << 5 << qs("well") << false;
    QTest::newRow("shortLeft") << qs("x-ray") << int(Hyphen::LeftPartUnknown) << 2 << qs("x")
                               << false;
}

void TestLexiconLookup::hyphen() {
    QFETCH(QString, word);
    QFETCH(int, hyphen);
    QFETCH(int, position);
    QFETCH(QString, left);
    QFETCH(bool, oneAfter);
    Lexicon l(false);
    const LexiconVerdict v = l.check(word);
    QVERIFY(!v.accepted);
    QCOMPARE(int(v.hyphen), hyphen);
    QCOMPARE(v.hyphenPosition, position);
    QCOMPARE(v.leftPart, left);
    QCOMPARE(v.oneCharacterAfterHyphen, oneAfter);
}

void TestLexiconLookup::status_tellsUnknownFromUncategorised() {
    Lexicon l(true);
    using spelling::WordStatus;
    QCOMPARE(spelling::wordStatus(*l.words, *l.velmora, qs("helo")), WordStatus::NotInWords);
    QCOMPARE(spelling::wordStatus(*l.words, *l.velmora, qs("polish")), WordStatus::NoCategory);
    QCOMPARE(spelling::wordStatus(*l.words, *l.velmora, qs("Polish")), WordStatus::Accepted);
    QCOMPARE(spelling::wordStatus(*l.words, *l.velmora, qs("added")), WordStatus::Accepted);
}

QTEST_APPLESS_MAIN(TestLexiconLookup)
#include "test_lexiconlookup.moc"
