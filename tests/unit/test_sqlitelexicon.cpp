// The SQLite lexicon store: cursor moves on named indexes, case-insensitive
// text keys, appends and their failures, and tables read whole.
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "tests/fakes/smalllexicon.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using platform::TableCursor;
using platform::sqlite::SqliteLexiconStore;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Fixture {
    QTemporaryDir dir;
    fakes::SmallLexicon lex{dir.path() + qs("/")};
    SqliteLexiconStore store;
    std::unique_ptr<platform::LexiconDatabase> words, links;
    Fixture() {
        lex.addWord(qs("Polish"), {30050});       // 1
        lex.addWord(qs("apple"), {30010, 30020}); // 2, entries 1 and 2
        lex.addWord(qs("polish"), {30020});       // 3
        lex.addWord(qs("zebra"), {});             // 4
        lex.addWord(qs("Zoo"), {31000, 30010});   // 5
    }
    std::unique_ptr<TableCursor> table(const char* name) {
        const bool isWords = qs(name) == qs("Words");
        auto& db = isWords ? words : links;
        if (!db) db = store.open(lex.folder + (isWords ? qs("quarn words.accdb") : qs("qn.accdb")));
        return db ? db->openTable(qs(name)) : nullptr;
    }
};

qint64 id(const TableCursor& c) {
    return c.field(qs("id")).toLongLong();
}
} // namespace

class TestSqliteLexicon : public QObject {
    Q_OBJECT
  private slots:
    void textIndex_equalSeekIgnoresCase_walksByAddition();
    void failedSeek_leavesNoCurrentRecord();
    void atLeastSeek_andKeyOrderWalk();
    void integerIndex_entriesOfOneWord();
    void addNew_keepsPosition_isFoundAfterwards();
    void addNew_failure_reportsCodeAndChangesNothing();
    void missingOrForeignFiles_andUnknownNames();
    void readTable_wholeTableInStoredOrder_orWhyNot();
};

void TestSqliteLexicon::textIndex_equalSeekIgnoresCase_walksByAddition() {
    Fixture f;
    auto w = f.table("Words");
    QVERIFY(w->setIndex(qs("Text")));
    w->seek(qs("="), qs("POLISH"));
    QVERIFY(!w->noMatch());
    QCOMPARE(id(*w), 1);
    QCOMPARE(w->field(qs("TEXT")).toString(), qs("Polish"));
    w->moveNext();
    QCOMPARE(id(*w), 3);
    w->moveNext();
    QCOMPARE(w->field(qs("Text")).toString(), qs("zebra"));
    w->moveNext();
    QCOMPARE(w->field(qs("Text")).toString(), qs("Zoo"));
    w->moveNext();
    QVERIFY(w->eof());
}

void TestSqliteLexicon::failedSeek_leavesNoCurrentRecord() {
    Fixture f;
    auto w = f.table("Words");
    w->setIndex(qs("Text"));
    w->seek(qs("="), qs("pol"));
    QVERIFY(w->noMatch());
    QVERIFY(w->eof());
    QVERIFY(w->field(qs("id")).isNull());
    w->moveNext();
    QVERIFY(w->eof());
    w->seek(qs("="), qs("apple"));
    QVERIFY(!w->noMatch());
    QVERIFY(w->field(qs("FreqUsed")).isNull()); // an empty field
}

void TestSqliteLexicon::atLeastSeek_andKeyOrderWalk() {
    Fixture f;
    auto w = f.table("Words");
    w->setIndex(qs("Text"));
    w->seek(qs(">="), qs("b"));
    QCOMPARE(id(*w), 1);
    w->seek(qs(">="), qs("zz"));
    QVERIFY(w->noMatch());
    QVERIFY(w->setIndex(qs("ID")));
    w->moveLast();
    QCOMPARE(id(*w), 5);
    // The sound-key index orders by key, then by addition.
    QVERIFY(w->setIndex(qs("Soundex")));
    w->seek(qs(">="), qs("P000"));
    QCOMPARE(w->field(qs("Soundex")).toString(), qs("P470"));
    QCOMPARE(id(*w), 1);
    w->moveNext();
    QCOMPARE(id(*w), 3);
    w->moveNext();
    QCOMPARE(w->field(qs("Soundex")).toString(), qs("Z000"));
}

void TestSqliteLexicon::integerIndex_entriesOfOneWord() {
    Fixture f;
    auto v = f.table("Velmora");
    QVERIFY(v->setIndex(qs("WordID")));
    v->seek(qs("="), 2);
    QCOMPARE(v->field(qs("LinkID")).toInt(), 30010);
    v->moveNext();
    QCOMPARE(v->field(qs("LinkID")).toInt(), 30020);
    v->moveNext();
    QCOMPARE(v->field(qs("WordID")).toInt(), 3);
    v->seek(qs("="), 4); // a word without entries
    QVERIFY(v->noMatch());
    v->seek(qs("="), 5);
    v->moveNext();
    v->moveNext();
    QVERIFY(v->eof()); // the last entry of the table
    QVERIFY(v->setIndex(qs("ID")));
    v->seek(qs("="), qs("4")); // text key on a number column
    QCOMPARE(v->field(qs("WordID")).toInt(), 3);
}

void TestSqliteLexicon::addNew_keepsPosition_isFoundAfterwards() {
    Fixture f;
    auto w = f.table("Words");
    auto other = f.table("Words");
    w->setIndex(qs("ID"));
    w->moveLast();
    const QVariantMap record{{qs("id"), 6}, {qs("Text"), qs("aardvark")}, {qs("Tag"), 999}};
    QCOMPARE(w->addNew(record), 0);
    QCOMPARE(id(*w), 5);
    w->moveNext();
    QCOMPARE(id(*w), 6);
    other->setIndex(qs("Text"));
    other->seek(qs("="), qs("Aardvark"));
    QCOMPARE(id(*other), 6);
    QCOMPARE(other->field(qs("Tag")).toInt(), 999);
    other->moveNext();
    QCOMPARE(other->field(qs("Text")).toString(), qs("apple"));
    // A second append of the same spelling is a record of its own.
    QCOMPARE(w->addNew({{qs("id"), 7}, {qs("Text"), qs("aardvark")}}), 0);
    other->seek(qs("="), qs("aardvark"));
    other->moveNext();
    QCOMPARE(id(*other), 7);
}

void TestSqliteLexicon::addNew_failure_reportsCodeAndChangesNothing() {
    Fixture f;
    QVERIFY(f.lex.execOnWords(qs(
        "CREATE TRIGGER refuse BEFORE INSERT ON Words BEGIN SELECT RAISE(ABORT, 'refused'); END")));
    auto w = f.table("Words");
    QString error;
    QCOMPARE(w->addNew({{qs("id"), 6}, {qs("Text"), qs("x")}}, &error), 19); // SQLITE_CONSTRAINT
    QVERIFY(error.contains(qs("refused")));
    QVERIFY(w->addNew({{qs("nosuchfield"), 1}}) != 0);
    w->setIndex(qs("ID"));
    w->moveLast();
    QCOMPARE(id(*w), 5);
    w->setIndex(qs("Text"));
    w->seek(qs("="), qs("x"));
    QVERIFY(w->noMatch());
}

void TestSqliteLexicon::missingOrForeignFiles_andUnknownNames() {
    Fixture f;
    QString error;
    QVERIFY(!f.store.open(f.lex.folder + qs("missing.accdb"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(f.lex.folder + qs("missing.accdb"))); // never created
    QFile text(f.lex.folder + qs("notes.txt"));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write(QByteArray(2048, 'x'));
    text.close();
    QVERIFY(!f.store.open(text.fileName(), &error));
    auto db = f.store.open(f.lex.folder + qs("qn.accdb"));
    QVERIFY(db);
    QVERIFY(!db->openTable(qs("Words"), &error));
    QVERIFY(error.contains(qs("Words")));
    auto v = db->openTable(qs("Velmora"));
    QVERIFY(!v->setIndex(qs("Text")));
    QVERIFY(db->openTable(qs("z_Misspelling-Wikipedia")));
}

void TestSqliteLexicon::readTable_wholeTableInStoredOrder_orWhyNot() {
    Fixture f;
    f.table("Words");
    QStringList texts;
    QList<qint64> ids;
    int nullFreq = 0;
    QVERIFY(f.words->readTable(qs("Words"), {qs("Text"), qs("id"), qs("FreqUsed")},
                               [&](const platform::RecordView& r) {
                                   texts << r.text(0);
                                   ids << r.integer(1);
                                   nullFreq += r.isNull(2);
                               }));
    QCOMPARE(texts, QStringList({qs("Polish"), qs("apple"), qs("polish"), qs("zebra"), qs("Zoo")}));
    QCOMPARE(ids, QList<qint64>({1, 2, 3, 4, 5}));
    QCOMPARE(nullFreq, 5);
    QString error;
    QVERIFY(!f.words->readTable(qs("Nothing"), {qs("Text")}, [](const platform::RecordView&) {}, &error));
    QVERIFY2(error.contains(qs("Nothing")), qPrintable(error));
    QVERIFY(!f.words->readTable(qs("Words"), {qs("NoField")}, [](const platform::RecordView&) {}, &error));
    QVERIFY2(error.contains(qs("NoField")), qPrintable(error));
}

QTEST_APPLESS_MAIN(TestSqliteLexicon)
#include "test_sqlitelexicon.moc"
