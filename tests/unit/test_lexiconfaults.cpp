// The lexicon under faults: a process killed while it adds words leaves a
// database that the next start opens sound; a change left unfinished is
// undone by that open, and reported in plain words where it cannot be; a
// lexicon locked by another program refuses an added word with an error
// instead of hanging or damaging the file.
#include "platform/sqlite/sqlitedb.h"
#include "platform/sqlite/sqlitelexicon.h"
#include "tests/fakes/smalllexicon.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

using platform::sqlite::Database;
using platform::sqlite::SqliteLexiconStore;
using platform::sqlite::Statement;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

// Both read the file as the program does, over a connection that may write.
QString integrity(const QString& path) {
    Database db(path, Database::Mode::ReadWrite);
    Statement s(db, qs("PRAGMA integrity_check"));
    return s.step() ? s.textValue(0) : qs("cannot read: ") + db.errorMessage();
}

int wordCount(const QString& path, const QString& where = qs("1")) {
    Database db(path, Database::Mode::ReadWrite);
    Statement s(db, qs("SELECT count(*) FROM Words WHERE ") + where);
    return s.step() ? int(s.intValue(0)) : -1;
}

// A lexicon with the one word "the" in `folder` (ending with "/").
QString smallLexicon(const QString& folder) {
    fakes::SmallLexicon lex(folder);
    lex.addWord(qs("the"), {30000});
    return folder + qs("quarn words.accdb");
}
} // namespace

class TestLexiconFaults : public QObject {
    Q_OBJECT
  private slots:
    void killedWhileAddingWords_nextStartFindsSoundDatabase() {
        QTemporaryDir dir;
        const QString words = smallLexicon(dir.path() + qs("/"));
        // The command-line checker adds a word and saves it for each pair of
        // lines; it is killed while it is at it.
        QProcess spell;
        spell.start(qs(TFV_SPELL_PROGRAM), {qs("-a"), qs("-d"), dir.path() + qs("/")});
        QVERIFY(spell.waitForStarted(60000));
        // The banner comes once the lexicon is open.
        QVERIFY2(spell.waitForReadyRead(60000), spell.readAllStandardError().constData());
        for (int i = 0; i < 1500 && spell.state() == QProcess::Running; ++i) {
            spell.write(QStringLiteral("*killword%1\n#\n").arg(i).toUtf8());
            if (i % 50 == 49) spell.waitForBytesWritten(30000);
        }
        ::kill(static_cast<pid_t>(spell.processId()), SIGKILL);
        QVERIFY(spell.waitForFinished(60000));

        // The user's next start opens the lexicon as the program does; whatever
        // the kill left unfinished is undone then.
        SqliteLexiconStore store;
        QString error;
        const auto db = store.open(words, &error);
        QVERIFY2(db, qPrintable(error));
        QCOMPARE(integrity(words), qs("ok"));
        QCOMPARE(wordCount(words, qs("Text = 'the'")), 1);
    }

    void unfinishedChange_undoneByOpen_orReportedWhenReadOnly() {
        QTemporaryDir dir;
        fakes::SmallLexicon lex(dir.path() + qs("/original/"));
        lex.addWord(qs("the"), {30000});
        QVERIFY(lex.copyInTheMiddleOfAChange(dir.path() + qs("/crashed/")));
        const QString crashed = dir.path() + qs("/crashed/quarn words.accdb");

        // Opened for reading only, the change cannot be undone: the message says
        // what happened and what to do, naming the file, and nothing changes.
        QString error;
        SqliteLexiconStore reader(SqliteLexiconStore::Options{.readOnly = true});
        QVERIFY(!reader.open(crashed, &error));
        QVERIFY2(error.startsWith(crashed + qs(" cannot be read: a program ended in the middle of "
                                               "changing it")),
                 qPrintable(error));
        QVERIFY2(error.contains(qs("\"quarn words.accdb-journal\"")) &&
                     error.contains(qs("lexicon folder ") + dir.path() + qs("/crashed ")) &&
                     error.contains(qs("writable")),
                 qPrintable(error));
        QVERIFY(QFileInfo::exists(crashed + qs("-journal")));

        // The program's own open undoes it: the partial rows are gone.
        error.clear();
        QVERIFY2(SqliteLexiconStore().open(crashed, &error), qPrintable(error));
        QVERIFY(!QFileInfo::exists(crashed + qs("-journal")));
        QCOMPARE(integrity(crashed), qs("ok"));
        QCOMPARE(wordCount(crashed), 1);
    }

    void lockedLexicon_refusesAddWithError() {
        QTemporaryDir dir;
        const QString path = smallLexicon(dir.path() + qs("/"));
        SqliteLexiconStore store;
        auto db = store.open(path);
        QVERIFY(db);
        auto words = db->openTable(qs("Words"));
        QVERIFY(words);

        Database other(path, Database::Mode::ReadWrite);
        QVERIFY(other.exec(qs("BEGIN EXCLUSIVE")));
        QVariantMap record{{qs("id"), 99},
                           {qs("Text"), qs("locked")},
                           {qs("Soundex"), qs("L230")},
                           {qs("Tag"), 999},
                           {qs("Sorted"), qs("cdekl")}};
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
};

QTEST_GUILESS_MAIN(TestLexiconFaults)
#include "test_lexiconfaults.moc"
