// The lexicon under faults: a process killed while it adds words leaves a
// sound database, and a lexicon locked by another program refuses an added
// word with an error instead of hanging or damaging the file.
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "tests/fakes/smalllexicon.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace {
QString qs(const char* s) { return QString::fromUtf8(s); }

// Opened for writing, as the programs open the lexicon: a process killed
// inside a transaction leaves its rollback journal, which only a writer
// may roll back (a read-only open then fails to read a sound file).
QString integrity(const QString& path) {
    platform::sqlite::Database db(path, platform::sqlite::Database::Mode::ReadWrite);
    platform::sqlite::Statement s(db, qs("PRAGMA integrity_check"));
    return s.step() ? s.textValue(0) : qs("cannot read");
}

int wordCount(const QString& path) {
    platform::sqlite::Database db(path, platform::sqlite::Database::Mode::ReadWrite);
    platform::sqlite::Statement s(db, qs("SELECT count(*) FROM Words"));
    return s.step() ? int(s.intValue(0)) : -1;
}
} // namespace

class TestLexiconFaults : public QObject {
    Q_OBJECT
private slots:
    void killedWhileAddingWords_leavesSoundDatabase();
    void lockedLexicon_refusesAddWithError();
};

void TestLexiconFaults::killedWhileAddingWords_leavesSoundDatabase() {
    QTemporaryDir dir;
    const QString folder = dir.path() + qs("/");
    {
        fakes::SmallLexicon lex(folder);
        lex.addWord(qs("the"), {30000});
    }
    const QString words = folder + qs("quarn words.accdb");
    // The command-line checker adds a word and saves it for each pair of
    // lines; it is killed while it is at it.
    QProcess spell;
    spell.start(qs(TFV_SPELL_PROGRAM), {qs("-a"), qs("-d"), folder});
    QVERIFY(spell.waitForStarted());
    for (int i = 0; i < 20000 && spell.state() == QProcess::Running; ++i) {
        spell.write(QStringLiteral("*killword%1\n#\n").arg(i).toUtf8());
        if (i == 300) QTest::qWait(200);
        if (i > 300 && i % 50 == 0) {
            QTest::qWait(5);
            if (i >= 1500) break;
        }
    }
    ::kill(static_cast<pid_t>(spell.processId()), SIGKILL);
    spell.waitForFinished();
    QCOMPARE(integrity(words), qs("ok"));
    QVERIFY(wordCount(words) >= 1);
}

void TestLexiconFaults::lockedLexicon_refusesAddWithError() {
    QTemporaryDir dir;
    const QString folder = dir.path() + qs("/");
    {
        fakes::SmallLexicon lex(folder);
        lex.addWord(qs("the"), {30000});
    }
    const QString path = folder + qs("quarn words.accdb");
    platform::sqlite::SqliteLexiconStore store;
    auto db = store.open(path);
    QVERIFY(db);
    auto words = db->openTable(qs("Words"));
    QVERIFY(words);

    platform::sqlite::Database other(path, platform::sqlite::Database::Mode::ReadWrite);
    QVERIFY(other.exec(qs("BEGIN EXCLUSIVE")));
    QVariantMap record{{qs("id"), 99}, {qs("Text"), qs("locked")}, {qs("Soundex"), qs("L230")},
                       {qs("Tag"), 999}, {qs("Sorted"), qs("cdekl")}};
    QString error;
    QElapsedTimer t;
    t.start();
    const int code = words->addNew(record, &error);
    QVERIFY(code != 0);
    QVERIFY(t.elapsed() < 30000); // refused, not hung
    QVERIFY(other.exec(qs("ROLLBACK")));
    QCOMPARE(integrity(path), qs("ok"));
    QCOMPARE(wordCount(path), 1);
}

QTEST_GUILESS_MAIN(TestLexiconFaults)
#include "test_lexiconfaults.moc"
