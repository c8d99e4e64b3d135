// The lexicon's verdict on a word, read through the word index from real
// lexicon files: the case of a word, the category walk, the hyphen rule,
// the prefix rule, accented words and typographic apostrophes, and words
// the user added over a recorded misspelling.
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
    std::shared_ptr<spelling::WordIndex> index;
    Lexicon() {
        for (const char* w : {"the", "well", "known", "bridge", "green", "son", "grad", "tun",
                              "design", "pressure", "unless", "return", "regard", "until", "reason",
                              "naive", "fiancée", "isn't", "they've", "short"})
            lex.addWord(qs(w), {30010}, 1.0);
        for (const char* w : {"write", "fix", "sing", "presented", "represented", "correct"})
            lex.addWord(qs(w), {30020}, 1.0);
        for (const char* w : {"sure", "happy", "arrant", "incorrect"})
            lex.addWord(qs(w), {30030}, 1.0);
        lex.addWord(qs("active"), {30010, 30030}, 1.0);
        for (const char* w : {"Paris", "Monday", "English", "Th", "ND", "Les", "Tl", "Green"})
            lex.addWord(qs(w), {30050}, 2.0);
        lex.addWord(qs("café"), {30010}, 2.0);
        lex.addWord(qs("Polish"), {30050});
        lex.addWord(qs("polish"), {31000});      // entries all outside the categories
        lex.addWord(qs("added"), {});            // added by hand: no entries
        lex.addWord(qs("late"), {31000, 30210}); // a category after another link
        lex.addMisspelling(qs("recieve"), qs("the"));
        lex.addMisspelling(qs("persue"), qs("the"));
        lex.addWord(qs("last"), {31000, 31001}); // the table's last entries
        reload();
    }
    void reload() {
        const spelling::LoadedLexicon l = spelling::loadLexicon(store, lex.folder);
        QVERIFY2(l.index, qPrintable(l.failedFile + qs(": ") + l.reason));
        index = l.index;
    }
    LexiconVerdict check(const QString& w) { return spelling::checkWord(*index, w); }
};
} // namespace

class TestLexiconLookup : public QObject {
    Q_OBJECT
    std::unique_ptr<Lexicon> lexicon_;

  private slots:
    void initTestCase() { lexicon_ = std::make_unique<Lexicon>(); }
    void verdict_data();
    void verdict();
    void hyphen_data();
    void hyphen();
    void status_tellsUnknownFromUncategorised();
    void userWord_winsOverRecordedMisspelling();
    void loading_missingFilesAndTablesNamed();
};

void TestLexiconLookup::verdict_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("accepted");
    auto row = [](const char* name, const char* word, bool accepted) {
        QTest::newRow(name) << qs(word) << accepted;
    };
    row("empty_known", "", true);
    row("oneLetter_knownWithoutLookup", "q", true);
    row("blanksAroundOneLetter_known", "  q ", true);
    row("categorised_known", "the", true);
    row("trimmed_known", " the ", true);
    row("noEntries_known", "added", true);
    row("entriesOutsideCategories_rejected", "polish", false);
    row("categoryAfterOtherLink_known", "late", true);
    row("walkRunsOffTableEnd_rejected", "last", false);
    row("recordedMisspelling_rejected", "recieve", false);

    // Case: as stored, capitalised from small letters, or all capitals.
    row("case_sentenceStart", "The", true);
    row("case_allCapitals", "THE", true);
    row("case_nameAsStored", "Paris", true);
    row("case_nameInCapitals", "PARIS", true);
    row("case_nameInSmallLetters_paris", "paris", false);
    row("case_nameInSmallLetters_monday", "monday", false);
    row("case_nameInSmallLetters_english", "english", false);
    row("case_abbreviationInSmallLetters_th", "th", false);
    row("case_abbreviationInSmallLetters_nd", "nd", false);
    row("case_mixed_rejected", "tHe", false);
    row("case_nameWithCapitalOnly", "Polish", true);
    row("case_nameWithCapitalInCapitals", "POLISH", true);

    // The prefix rule.
    row("prefixRe_restAWord", "rewrite", true);
    row("prefixDe_triedAsWrite", "dewrite", true);
    row("prefixUn", "unwrite", true);
    row("prefixPre_restFromFourth", "prefix", true);
    row("prefixNon", "nonbridge", true);
    row("prefix_sentenceStart", "Rewrite", true);
    row("prefix_restUnknown", "rewrote", false);
    row("prefix_emptyRest_rejected", "re", false);
    row("prefix_restWithoutCategory_rejected", "repolish", false);
    row("prefix_restOnlyAName_rejected", "unles", false);
    row("prefix_restTooShort_rejected", "untl", false);
    row("prefix_restARecordedMisspelling_rejected", "repersue", false);
    row("prefix_oneSwapFromAWord_desing", "desing", false);
    row("prefix_oneLetterFromAWord_presure", "presure", false);
    row("prefix_oneLetterFromAWord_retun", "retun", false);
    row("prefix_oneSwapFromAWord_regrad", "regrad", false);
    row("prefix_oneLetterFromAWord_reson", "reson", false);
    row("prefix_caseMatters", "reWrite", false);
    row("prefix_unBeforeAdjective", "unhappy", true);
    row("prefix_reBeforeAnAdjective_rearrant", "rearrant", false);
    row("prefix_deBeforeNoVerb_deactive", "deactive", false);
    row("prefix_reBeforeANoun", "rebridge", false);
    row("prefix_unWhereInMakesTheWord_uncorrect", "uncorrect", false);
    row("prefix_firstLetterTooMany_prepresented", "prepresented", false);

    row("leadingHyphen_goesToPrefixes", "-well", false);
    row("trailingHyphen_goesToPrefixes", "well-", false);
    row("trailingHyphenAfterPrefix", "re-", false);
    row("hyphen_bothPartsKnown", "well-known", true);
    row("hyphen_rightPartWithoutCategory_rejected", "well-polish", false);
    row("hyphen_rightPartARecordedMisspelling_rejected", "well-recieve", false);

    // Accented letters and typographic apostrophes.
    row("accent_stored", "café", true);
    row("accent_storedWithout", "naïve", true);
    row("accent_decomposedInput", "cafe\u0301", true);
    row("accent_storedWithAccent", "fiancée", true);
    row("accent_unknown", "fiancéé", false);
    row("apostrophe_typographic", "isn’t", true);
    row("apostrophe_typographicVe", "they’ve", true);
    row("apostrophe_typewriter", "they've", true);
}

void TestLexiconLookup::verdict() {
    QFETCH(QString, word);
    QFETCH(bool, accepted);
    QCOMPARE(lexicon_->check(word).accepted, accepted);
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
}

void TestLexiconLookup::hyphen() {
    QFETCH(QString, word);
    QFETCH(int, hyphen);
    QFETCH(int, position);
    QFETCH(QString, left);
    QFETCH(bool, oneAfter);
    const LexiconVerdict v = lexicon_->check(word);
    QVERIFY(!v.accepted);
    QCOMPARE(int(v.hyphen), hyphen);
    QCOMPARE(v.hyphenPosition, position);
    QCOMPARE(v.leftPart, left);
    QCOMPARE(v.oneCharacterAfterHyphen, oneAfter);
}

void TestLexiconLookup::status_tellsUnknownFromUncategorised() {
    using spelling::WordStatus;
    const spelling::WordIndex& x = *lexicon_->index;
    QCOMPARE(spelling::wordStatus(x, qs("helo")), WordStatus::NotInWords);
    QCOMPARE(spelling::wordStatus(x, qs("polish")), WordStatus::NoCategory);
    QCOMPARE(spelling::wordStatus(x, qs("recieve")), WordStatus::NoCategory);
    QCOMPARE(spelling::wordStatus(x, qs("Recieve")), WordStatus::NoCategory);
    QCOMPARE(spelling::wordStatus(x, qs("Polish")), WordStatus::Accepted);
    QCOMPARE(spelling::wordStatus(x, qs("added")), WordStatus::Accepted);
    QCOMPARE(spelling::wordStatus(x, qs("paris")), WordStatus::NotInWords);
}

void TestLexiconLookup::userWord_winsOverRecordedMisspelling() {
    Lexicon l;
    QVERIFY(!l.check(qs("persue")).accepted);
    // Added while the index is in use...
    const qint64 id = l.index->nextId();
    l.index->addUserWord(id, qs("persue"), qs("P620"));
    QVERIFY(l.check(qs("persue")).accepted);
    QVERIFY(l.check(qs("Persue")).accepted);
    QVERIFY(!l.check(qs("persu")).accepted);
    // ... and read from the files, where the user's record follows the recorded one.
    l.lex.execOnWords(qs("INSERT INTO Words (id, Text, Soundex, Tag, Sorted) "
                         "VALUES (500, 'persue', 'P620', 999, 'eeprsu')"));
    l.reload();
    QVERIFY(l.check(qs("persue")).accepted);
    QVERIFY(!l.check(qs("recieve")).accepted);
}

void TestLexiconLookup::loading_missingFilesAndTablesNamed() {
    QTemporaryDir empty;
    platform::sqlite::SqliteLexiconStore store;
    spelling::LoadedLexicon l = spelling::loadLexicon(store, empty.path() + qs("/"));
    QVERIFY(!l.index);
    QCOMPARE(l.failedFile, qs("qn.accdb"));

    Lexicon broken;
    broken.lex.execOnWords(qs("DROP TABLE Words"));
    l = spelling::loadLexicon(broken.store, broken.lex.folder);
    QVERIFY(!l.index);
    QCOMPARE(l.failedFile, qs("quarn words.accdb"));
    QVERIFY2(l.reason.contains(qs("Words")), qPrintable(l.reason));
}

QTEST_APPLESS_MAIN(TestLexiconLookup)
#include "test_lexiconlookup.moc"
