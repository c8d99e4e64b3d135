// The fallback spelling service's checker on Debian's en_US dictionary: the
// walk through a text's misspellings past markup, changes, Ignore All, the
// personal word list, and a missing dictionary.
#include "platform/hunspell/hunspellchecker.h"

#include <QTemporaryDir>
#include <QtTest>

using platform::hunspell::HunspellChecker;
using platform::hunspell::MisspellingWalk;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
const QString kDictionaries = qs("/usr/share/hunspell");
} // namespace

class HunspellCheckerTest : public QObject {
    Q_OBJECT
  private slots:
    void missingDictionary_isError53();
    void walk_skipsMarkupAndExemptWords_changesAndIgnoresAll();
    void add_goesToPersonalList_andIsKnownNextTime();
};

void HunspellCheckerTest::missingDictionary_isError53() {
    HunspellChecker c;
    platform::SpellingError e;
    QVERIFY(!c.open(qs("/nowhere"), qs("en_US"), {}, &e));
    QCOMPARE(e.number, 53);
    QVERIFY(e.description.contains(qs("/nowhere/en_US")));
    QVERIFY(!c.isOpen());
}

void HunspellCheckerTest::walk_skipsMarkupAndExemptWords_changesAndIgnoresAll() {
    HunspellChecker c;
    QVERIFY(c.open(kDictionaries, qs("en_US"), {}, nullptr));
    QVERIFY(c.suggest(qs("helo")).contains(qs("hello")));
    MisspellingWalk w(qs("<p class=\"zzqx\">Helo the USA&nbsp;mp3 wrld</p>\r\n<b>wrld</b> and wrldd's end."), c);
    auto m = w.next();
    QVERIFY(m);
    QCOMPARE(m->word, qs("Helo"));
    QCOMPARE(m->start, 16);
    w.change(qs("Hello"));
    m = w.next();
    QCOMPARE(m->word, qs("wrld"));
    w.ignoreAll();
    m = w.next();
    QVERIFY(m);
    QCOMPARE(m->word, qs("wrldd's"));
    w.change(qs("world's"));
    QVERIFY(!w.next());
    QCOMPARE(w.text(), qs("<p class=\"zzqx\">Hello the USA&nbsp;mp3 wrld</p>\r\n<b>wrld</b> and world's end."));
}

void HunspellCheckerTest::add_goesToPersonalList_andIsKnownNextTime() {
    QTemporaryDir dir;
    const QString list = dir.path() + qs("/personal-words.txt");
    {
        HunspellChecker c;
        QVERIFY(c.open(kDictionaries, qs("en_US"), list, nullptr));
        MisspellingWalk w(qs("A squeeze by zorblax."), c);
        QCOMPARE(w.next()->word, qs("zorblax"));
        QVERIFY(w.add());
        QVERIFY(c.isCorrect(qs("zorblax")));
    }
    HunspellChecker again;
    QVERIFY(again.open(kDictionaries, qs("en_US"), list, nullptr));
    QVERIFY(again.isCorrect(qs("zorblax")));
    MisspellingWalk w(qs("zorblax"), again);
    QVERIFY(!w.next());
}

QTEST_GUILESS_MAIN(HunspellCheckerTest)
#include "test_hunspellchecker.moc"
