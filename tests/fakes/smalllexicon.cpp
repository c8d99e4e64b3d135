#include "tests/fakes/smalllexicon.h"

#include "platform/sqlite/lexiconfiles.h"
#include "spelling/soundex.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace fakes {
using platform::sqlite::Database;
using platform::sqlite::Statement;

SmallLexicon::SmallLexicon(const QString& f) : folder(f) {
    QDir().mkpath(folder);
    for (const char* name : {"qn.accdb", "quarn words.accdb", "dictionary.accdb"}) {
        const QString file = QString::fromLatin1(name);
        Database db(folder + file, Database::Mode::Create);
        platform::sqlite::createLexiconTables(db, file);
        platform::sqlite::createLexiconIndexes(db, file);
    }
    links_ = Database(folder + QStringLiteral("qn.accdb"), Database::Mode::ReadWrite);
    words_ = Database(folder + QStringLiteral("quarn words.accdb"), Database::Mode::ReadWrite);
}

qint64 SmallLexicon::addWord(const QString& text, const QList<int>& links, double freqUsed) {
    const qint64 id = nextWordId_++;
    Statement w(words_,
                QStringLiteral("INSERT INTO Words (id, Text, Soundex, Tag, Sorted, FreqUsed) "
                               "VALUES (?1, ?2, ?3, 1, ?4, ?5)"));
    w.bindInt(1, id);
    w.bind(2, text);
    w.bind(3, spelling::MakeSoundex(text));
    w.bind(4, spelling::sortedLetters(text));
    w.bind(5, freqUsed < 0 ? QVariant() : QVariant(freqUsed));
    w.step();
    for (int link : links) {
        Statement v(links_,
                    QStringLiteral("INSERT INTO Velmora (ID, WordID, LinkID) VALUES (?1, ?2, ?3)"));
        v.bindInt(1, nextEntryId_++);
        v.bindInt(2, id);
        v.bindInt(3, link);
        v.step();
    }
    return id;
}

qint64 SmallLexicon::addMisspelling(const QString& wrong, const QString& right) {
    Statement find(words_, QStringLiteral("SELECT id FROM Words WHERE Text = ?1"));
    find.bind(1, right);
    const qint64 rightId = find.step() ? find.intValue(0) : 0;
    Statement entry(links_, QStringLiteral("SELECT min(ID) FROM Velmora WHERE WordID = ?1"));
    entry.bindInt(1, rightId);
    const qint64 start = entry.step() ? entry.intValue(0) : 0;
    const qint64 id = addWord(wrong, {}, 9);
    Statement v(
        links_,
        QStringLiteral(
            "INSERT INTO Velmora (ID, WordID, LinkID, startID) VALUES (?1, ?2, 31015, ?3)"));
    v.bindInt(1, nextEntryId_++);
    v.bindInt(2, id);
    v.bindInt(3, start);
    v.step();
    return id;
}

void SmallLexicon::addWikipediaPair(const QString& wrong, const QString& right) {
    Statement s(
        links_,
        QStringLiteral("INSERT INTO \"z_Misspelling-Wikipedia\" (Wrong, Right) VALUES (?1, ?2)"));
    s.bind(1, wrong);
    s.bind(2, right);
    s.step();
}

bool SmallLexicon::execOnWords(const QString& sql) {
    return words_.exec(sql);
}

bool SmallLexicon::copyInTheMiddleOfAChange(const QString& other) {
    const QString words = folder + QStringLiteral("quarn words.accdb");
    const qint64 sizeBefore = QFileInfo(words).size();
    // A cache of two pages makes SQLite write changed pages back to the file
    // (after saving the originals in the journal) long before the end.
    if (!words_.exec(QStringLiteral("PRAGMA cache_size = 2; BEGIN"))) return false;
    Statement insert(words_, QStringLiteral("INSERT INTO Words (id, Text, Soundex, Tag, Sorted) "
                                            "VALUES (?1, ?2, 'X000', 999, 'x')"));
    for (int i = 0; i < 3000; ++i) {
        insert.reset();
        insert.bindInt(1, 1000000 + i);
        insert.bind(2, QStringLiteral("unfinished%1").arg(i));
        insert.step();
    }
    bool ok = insert.lastResult() == SQLITE_DONE && QFileInfo(words).size() > sizeBefore &&
              QDir().mkpath(other);
    for (const char* name :
         {"qn.accdb", "quarn words.accdb", "quarn words.accdb-journal", "dictionary.accdb"}) {
        const QString file = QString::fromLatin1(name);
        ok = ok && QFile::copy(folder + file, other + file);
    }
    return words_.exec(QStringLiteral("ROLLBACK; PRAGMA cache_size = -2000")) && ok;
}

} // namespace fakes
