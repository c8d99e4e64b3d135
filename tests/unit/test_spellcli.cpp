// tarnwell-spell as a command-line user and an editor meet it: options,
// messages and exit codes, the pipe through real standard input and output,
// word lists of files and standard input, and the default lexicon.
#include "tests/fakes/smalllexicon.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

struct Run {
    int status = -1;
    QByteArray out, err;
};

Run run(const QStringList& args, const QByteArray& input = {}) {
    QProcess p;
    p.start(qs(TFV_SPELL_PROGRAM), args);
    Run r;
    if (!p.waitForStarted(60000)) return r;
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}
} // namespace

class TestSpellCli : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString lexicon_;

  private slots:
    void initTestCase();
    void options_helpVersionAndWrongUsage();
    void missingLexicon_clearErrorStatusOne();
    void pipe_throughStandardInputAndOutput();
    void list_standardInputAndFiles();
    void defaultLexicon_suggestionsInRankOrder();
};

void TestSpellCli::initTestCase() {
    lexicon_ = dir_.path() + qs("/lexicon/");
    fakes::SmallLexicon lex(lexicon_);
    lex.addWord(qs("the"), {30000}, 0.1);
    lex.addWord(qs("cat"), {30010}, 1.0);
}

void TestSpellCli::options_helpVersionAndWrongUsage() {
    Run r = run({qs("--help")});
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith("Usage: tarnwell-spell -a"));
    r = run({qs("--version")});
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("tarnwell-spell 2.0\n"));
    // Wrong usage: a message and a hint on standard error, status 2.
    for (const QStringList& args : {QStringList{qs("-x")}, QStringList{},
                                    QStringList{qs("-a"), qs("-l")}, QStringList{qs("-l"), qs("-d")}}) {
        r = run(args);
        QCOMPARE(r.status, 2);
        QVERIFY(r.out.isEmpty());
        QVERIFY(r.err.startsWith("tarnwell-spell: "));
        QVERIFY(r.err.contains("Try 'tarnwell-spell --help'"));
    }
}

void TestSpellCli::missingLexicon_clearErrorStatusOne() {
    const QString missing = dir_.path() + qs("/nowhere");
    for (const char* mode : {"-a", "-l"}) {
        const Run r = run({qs(mode), qs("-d"), missing}, "teh\n");
        QCOMPARE(r.status, 1);
        QVERIFY(r.out.isEmpty()); // no banner before the failure
        QVERIFY2(r.err.startsWith("tarnwell-spell: no usable lexicon in " + missing.toUtf8() +
                                  "/ (quarn words.accdb: "),
                 r.err.constData());
    }
}

void TestSpellCli::pipe_throughStandardInputAndOutput() {
    // Windows line ends, bytes that are not UTF-8, a session word, terse mode.
    const Run r = run({qs("-a"), qs("-d"), lexicon_},
                      "the caat\r\n\xff\xfe" "caat\n@caat\ncaat\n!\nthe cat zzqv\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             qs("@(#) International Ispell Version 3.2.06 (but really Tarnwell Spell 2.0)\n"
                "*\n& caat 1 4: cat\n\n"
                "& caat 1 2: cat\n\n"
                "*\n\n"
                "# zzqv 8\n\n"));
    QVERIFY(r.err.isEmpty());
    // HTML with -H.
    const Run h = run({qs("-a"), qs("-H"), qs("-d"), lexicon_}, "<b>caat</b>&nbsp;\n");
    QVERIFY(h.out.endsWith("\n& caat 1 3: cat\n\n"));
}

void TestSpellCli::list_standardInputAndFiles() {
    const QByteArray text = "the <i>caat</i> &amp; zzqv\nthe\n";
    Run r = run({qs("-l"), qs("-d"), lexicon_}, text);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("caat\namp\nzzqv\n")); // "i": one letter, accepted
    r = run({qs("-l"), qs("-H"), qs("-d"), lexicon_}, text);
    QCOMPARE(r.out, QByteArray("caat\nzzqv\n"));

    // A file ending in .html is HTML; a missing file is reported, the rest listed.
    const QString html = dir_.path() + qs("/a.html"), txt = dir_.path() + qs("/b.txt");
    for (const QString& path : {html, txt}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    r = run({qs("-l"), qs("-d"), lexicon_, html, dir_.path() + qs("/gone.txt"), txt});
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, QByteArray("caat\nzzqv\ncaat\namp\nzzqv\n"));
    QVERIFY(r.err.contains("gone.txt: No such file or directory"));
}

void TestSpellCli::defaultLexicon_suggestionsInRankOrder() {
    const Run r = run({qs("-a"), qs("-d"), qs(TFV_DEFAULT_LEXICON)},
                      "The cat sat on teh mat.\n^recieve\n");
    QCOMPARE(r.status, 0);
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 11); // banner, 6 words, blank, 1 word, blank, end
    QCOMPARE(lines[1], QByteArray("*"));
    QVERIFY2(lines[5].startsWith("& teh ") && lines[5].contains(" 15: the, "), lines[5].constData());
    QVERIFY2(lines[8].startsWith("& recieve ") && lines[8].contains(" 1: receive"),
             lines[8].constData());
}

QTEST_GUILESS_MAIN(TestSpellCli)
#include "test_spellcli.moc"
