// tarnwell-spell as a command-line user and an editor meet it: options,
// messages and exit codes, the pipe through real standard input and output,
// word lists of files and standard input, the default lexicon, and the
// lexicon exported for the real Hunspell.
#include "tests/fakes/smalllexicon.h"
#include "util/version.h"

#include "platform/sqlite/sqlitedb.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <random>

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

// The words `hunspell -l` reports in `text`, with the dictionary DIR/NAME.
QByteArray hunspellList(const QString& dictionary, const QByteArray& text) {
    const QString hunspell = QStandardPaths::findExecutable(qs("hunspell"));
    if (hunspell.isEmpty()) return "hunspell is not installed (scripts/install-deps.sh installs it)";
    QProcess p;
    p.start(hunspell, {qs("-i"), qs("UTF-8"), qs("-d"), dictionary, qs("-l")});
    if (!p.waitForStarted(10000)) return "hunspell did not start";
    p.write(text);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return p.readAllStandardOutput() + p.readAllStandardError();
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
    void pipe_editorOptions_everyWordALine();
    void pipe_randomBytesLeaveTheLexiconAsItWas();
    void html_scriptStyleAndTagAfterEntityNotChecked();
    void exportHunspell_theWordsTheCheckerAccepts();
    void exportHunspell_defaultLexiconWithBridgeAndUserWords();
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
    QCOMPARE(r.out, QByteArray("tarnwell-spell " TFV_VERSION "\n"));
    // Wrong usage: a message and a hint on standard error, status 2.
    for (const QStringList& args : {QStringList{qs("-x")}, QStringList{},
                                    QStringList{qs("-a"), qs("-l")}, QStringList{qs("-l"), qs("-d")},
                                    QStringList{qs("--export-hunspell")},
                                    QStringList{qs("-a"), qs("--export-hunspell"), qs("out")}}) {
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
                                  "/ (qn.accdb: "),
                 r.err.constData());
    }
}

void TestSpellCli::pipe_throughStandardInputAndOutput() {
    // Windows line ends, bytes that are not UTF-8, a session word, terse mode.
    const Run r = run({qs("-a"), qs("-d"), lexicon_},
                      "the caat\r\n\xff\xfe" "caat\n@caat\ncaat\n!\nthe cat zzqv\n");
    QCOMPARE(r.status, 0);
    QCOMPARE(QString::fromUtf8(r.out),
             qs("@(#) International Ispell Version 3.2.06 (but really Tarnwell Spell " TFV_VERSION ")\n"
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

void TestSpellCli::pipe_editorOptions_everyWordALine() {
    // What editors pass is accepted; a client that sends one word a line
    // gets one result line and the empty line for each, whatever the word.
    const QStringList words = {qs("USA"), qs("123"), qs("21st"), qs("11th"), qs("http://x.org/caat"),
                               qs("page.htm"), qs("ann@x.org"), qs("café"), qs("isn’t"),
                               qs("the"), qs("caat"), qs("x-ray"), qs("Th")};
    QByteArray input;
    for (const QString& w : words)
        input += w.toUtf8() + '\n';
    const Run r = run({qs("-a"), qs("-i"), qs("utf-8"), qs("-B"), qs("-C"), qs("-m"), qs("-S"),
                       qs("-d"), lexicon_},
                      input);
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.isEmpty(), r.err.constData());
    const QList<QByteArray> lines = r.out.split('\n');
    QCOMPARE(lines.size(), 1 + 2 * words.size() + 1); // banner, two a word, end
    for (int i = 0; i < words.size(); ++i) {
        QVERIFY2(!lines[1 + 2 * i].isEmpty(), qPrintable(words[i]));
        QVERIFY2(lines[2 + 2 * i].isEmpty(), qPrintable(words[i]));
    }
    QVERIFY(lines[1 + 2 * 10].startsWith("& caat "));
    QVERIFY(lines[1 + 2 * 12].startsWith("& Th ") || lines[1 + 2 * 12].startsWith("# Th "));
    QCOMPARE(run({qs("-a"), qs("-iISO-8859-1"), qs("-d"), lexicon_}, "the\n").status, 0);
    QCOMPARE(run({qs("-a"), qs("-i")}).status, 2);
}

void TestSpellCli::pipe_randomBytesLeaveTheLexiconAsItWas() {
    // A copy of the build's lexicon, fed lines of random bytes, many of
    // them pipe commands ("*", "&", "@", "#"): nothing may be added.
    const QString folder = dir_.path() + qs("/junk-copy/");
    QVERIFY(QDir().mkpath(folder));
    const QStringList files = {qs("qn.accdb"), qs("quarn words.accdb"), qs("dictionary.accdb")};
    QList<QByteArray> before;
    for (const QString& file : files) {
        QVERIFY(QFile::copy(qs(TFV_DEFAULT_LEXICON) + file, folder + file));
        QFile f(folder + file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        before << QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
    }
    std::mt19937 random(20);
    QByteArray input;
    const char commands[] = "*&@#^!%+-~";
    for (int line = 0; line < 3000; ++line) {
        if (random() % 2) input += commands[random() % 10];
        const int length = 20 + int(random() % 180);
        for (int i = 0; i < length; ++i) {
            char c = char(random() % 256);
            input += c == '\n' ? ' ' : c;
        }
        input += '\n';
    }
    input += "#\n";
    const Run r = run({qs("-a"), qs("-d"), folder}, input);
    QCOMPARE(r.status, 0);
    QVERIFY(r.err.contains("not taken")); // the refusals are said
    for (int i = 0; i < files.size(); ++i) {
        QFile f(folder + files[i]);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY2(QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256) == before[i],
                 qPrintable(files[i]));
    }
}

void TestSpellCli::html_scriptStyleAndTagAfterEntityNotChecked() {
    const QByteArray page = "<html><head><style>p { zzqv: 1 }</style>\n"
                            "<script>if (a < b) zzqv();</script></head>\n"
                            "<body>the&nbsp;<a href=\"zzqv.htm\" title=\"zzqv\">cat</a> caat\n"
                            "see page.htm or http://zzqv.org/ for the cat</body></html>\n";
    Run r = run({qs("-l"), qs("-H"), qs("-d"), lexicon_}, page);
    QCOMPARE(r.status, 0);
    QCOMPARE(r.out, QByteArray("caat\nsee\nor\nfor\n"));
}

void TestSpellCli::exportHunspell_theWordsTheCheckerAccepts() {
    const QString folder = dir_.path() + qs("/export-lexicon/");
    fakes::SmallLexicon lex(folder);
    lex.addWord(qs("the"), {30000});
    lex.addWord(qs("cat"), {30010});
    lex.addWord(qs("café"), {30010});
    lex.addWord(qs("Stayman"), {30050, 30060});
    lex.addWord(qs("Coca Cola"), {30050});
    lex.addMisspelling(qs("teh"), qs("the")); // a misspelling link only
    lex.addWord(qs("wierd"), {});             // a recorded misspelling by its tag alone
    QVERIFY(lex.execOnWords(qs("UPDATE Words SET Tag = 3 WHERE Text = 'wierd'")));
    // Words the user added through the pipe, as typed and in small letters.
    QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Zorblat\n&Quux\n#\n").status, 0);

    const QString out = dir_.path() + qs("/export/new folder");
    const Run r = run({qs("--export-hunspell"), out, qs("-d"), folder});
    QCOMPARE(r.status, 0);
    QVERIFY2(r.err.contains("Coca Cola"), r.err.constData()); // no blanks in a Hunspell word
    QVERIFY(QFile::exists(out + qs("/en_US-bridge.aff")));

    // Hunspell's rules for capitals: a word in small letters also
    // capitalised and in capitals, a name as written or in capitals.
    QCOMPARE(hunspellList(out + qs("/en_US-bridge"),
                          "the cat café Stayman STAYMAN Zorblat quux Quux QUUX teh wierd stayman\n"),
             QByteArray("teh\nwierd\nstayman\n"));
}

void TestSpellCli::exportHunspell_defaultLexiconWithBridgeAndUserWords() {
    // A copy of the build's lexicon: the user's word goes into it.
    const QString folder = dir_.path() + qs("/default-copy/");
    QVERIFY(QDir().mkpath(folder));
    for (const char* file : {"qn.accdb", "quarn words.accdb", "dictionary.accdb"})
        QVERIFY(QFile::copy(qs(TFV_DEFAULT_LEXICON) + qs(file), folder + qs(file)));
    QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Quibbleton\n#\n").status, 0);
    const QString out = dir_.path() + qs("/default-export");
    const Run r = run({qs("--export-hunspell"), out, qs("-d"), folder});
    QCOMPARE(r.status, 0);
    const QString dictionary = out + qs("/en_US-bridge");

    // The whole bridge vocabulary, the user's word and ordinary prose pass;
    // the misspelling is reported.
    QFile bridge(qs(TFV_BRIDGE_WORDS));
    QVERIFY(bridge.open(QIODevice::ReadOnly));
    QByteArray text;
    for (const QByteArray& line : bridge.readAll().split('\n'))
        if (!line.isEmpty() && !line.startsWith('#')) text += line.split('\t').first() + ' ';
    text += "\nQuibbleton is what our opponents don't play; Atatürk's partner overcalled "
            "one notrump and we recieve the lead.\n";
    QCOMPARE(hunspellList(dictionary, text), QByteArray("recieve\n"));

    // Every misspelling the lexicon records stays a misspelling for Hunspell.
    platform::sqlite::Database db(folder + qs("quarn words.accdb"),
                                  platform::sqlite::Database::Mode::ReadOnly);
    platform::sqlite::Statement tagged(db, qs("SELECT Text FROM Words WHERE Tag = 3"));
    QByteArray recorded;
    int count = 0;
    static const QRegularExpression lettersOnly(qs("^[A-Za-z]+$"));
    while (tagged.step()) {
        const QString w = tagged.textValue(0);
        if (!lettersOnly.match(w).hasMatch()) continue; // Hunspell checks the parts of others
        recorded += w.toUtf8() + '\n';
        ++count;
    }
    QVERIFY(count > 1000);
    QCOMPARE(hunspellList(dictionary, recorded), recorded);
}

QTEST_GUILESS_MAIN(TestSpellCli)
#include "test_spellcli.moc"
