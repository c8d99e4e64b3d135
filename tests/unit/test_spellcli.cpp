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
    if (hunspell.isEmpty())
        return "hunspell is not installed (scripts/install-deps.sh installs it)";
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
    void initTestCase() {
        lexicon_ = dir_.path() + qs("/lexicon/");
        fakes::SmallLexicon lex(lexicon_);
        lex.addWord(qs("the"), {30000}, 0.1);
        lex.addWord(qs("cat"), {30010}, 1.0);
    }

    void options_helpVersionAndWrongUsage() {
        QCOMPARE(run({qs("--help")}).status, 0);
        QCOMPARE(run({qs("--version")}).out, QByteArray("tarnwell-spell " TFV_VERSION "\n"));
        // Wrong usage: a message and a hint on standard error, status 2.
        for (const QStringList& args :
             {QStringList{qs("-x")}, QStringList{}, QStringList{qs("-a"), qs("-l")},
              QStringList{qs("-l"), qs("-d")}, QStringList{qs("-a"), qs("-i")},
              QStringList{qs("-a"), qs("--export-hunspell"), qs("out")}}) {
            const Run r = run(args);
            QCOMPARE(r.status, 2);
            QVERIFY(r.out.isEmpty() && r.err.startsWith("tarnwell-spell: ") &&
                    r.err.contains("Try 'tarnwell-spell --help'"));
        }
    }

    void missingLexicon_clearErrorStatusOne() {
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

    void pipe_throughStandardInputAndOutput() {
        // Windows line ends, bytes that are not UTF-8, a session word, terse mode.
        const Run r = run({qs("-a"), qs("-d"), lexicon_}, "the caat\r\n\xff\xfe"
                                                          "caat\n@caat\ncaat\n!\nthe cat zzqv\n");
        QCOMPARE(r.status, 0);
        QCOMPARE(
            QString::fromUtf8(r.out),
            qs("@(#) International Ispell Version 3.2.06 (but really Tarnwell Spell " TFV_VERSION
               ")\n"
               "*\n& caat 1 4: cat\n\n"
               "& caat 1 2: cat\n\n"
               "*\n\n"
               "# zzqv 8\n\n"));
        QVERIFY(r.err.isEmpty());
    }

    void list_standardInputAndFiles() {
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
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        }
        r = run({qs("-l"), qs("-d"), lexicon_, html, dir_.path() + qs("/gone.txt"), txt});
        QCOMPARE(r.status, 1);
        QCOMPARE(r.out, QByteArray("caat\nzzqv\ncaat\namp\nzzqv\n"));
        QVERIFY(r.err.contains("gone.txt: No such file or directory"));
    }

    void defaultLexicon_suggestionsInRankOrder() {
        const Run r = run({qs("-a"), qs("-d"), qs(TFV_DEFAULT_LEXICON)},
                          "The cat sat on teh mat.\n^recieve\n");
        QCOMPARE(r.status, 0);
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 11); // banner, 6 words, blank, 1 word, blank, end
        QCOMPARE(lines[1], QByteArray("*"));
        QVERIFY2(lines[5].startsWith("& teh ") && lines[5].contains(" 15: the, "),
                 lines[5].constData());
        QVERIFY2(lines[8].startsWith("& recieve ") && lines[8].contains(" 1: receive"),
                 lines[8].constData());
    }

    // What editors pass is accepted; a client that sends one word a line gets
    // one result line and the empty line for each, whatever the word.
    void pipe_editorOptions_everyWordALine() {
        const QByteArray words[] = {"USA",      "123",       "21st", "http://x.org/caat",
                                    "page.htm", "ann@x.org", "café", "isn’t",
                                    "the",      "x-ray",     "Th",   "caat"};
        QByteArray input;
        for (const QByteArray& w : words)
            input += w + '\n';
        const Run r = run({qs("-a"), qs("-i"), qs("utf-8"), qs("-B"), qs("-C"), qs("-m"), qs("-S"),
                           qs("-d"), lexicon_},
                          input);
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        const QList<QByteArray> lines = r.out.split('\n');
        QCOMPARE(lines.size(), 1 + 2 * 12 + 1); // banner, two a word, end
        for (int i = 0; i < 12; ++i)
            QVERIFY2(!lines[1 + 2 * i].isEmpty() && lines[2 + 2 * i].isEmpty(),
                     words[i].constData());
        QVERIFY(lines[1 + 2 * 11].startsWith("& caat "));
        QCOMPARE(run({qs("-a"), qs("-iISO-8859-1"), qs("-d"), lexicon_}, "the\n").status, 0);
    }

    // A copy of the build's lexicon fed lines of random bytes, many of them
    // pipe commands: nothing is added. Exported for Hunspell, with a word the
    // user added, it passes the bridge vocabulary and keeps every recorded
    // misspelling a misspelling.
    void defaultLexicon_junkChangesNothing_exportedForHunspell() {
        const QString folder = dir_.path() + qs("/default-copy/");
        QVERIFY(QDir().mkpath(folder));
        const QStringList files = {qs("qn.accdb"), qs("quarn words.accdb"), qs("dictionary.accdb")};
        auto hashes = [&] {
            QList<QByteArray> out;
            for (const QString& file : files) {
                QFile f(folder + file);
                out << (f.open(QIODevice::ReadOnly)
                            ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
                            : "");
            }
            return out;
        };
        for (const QString& file : files)
            QVERIFY(QFile::copy(qs(TFV_DEFAULT_LEXICON) + file, folder + file));
        const QList<QByteArray> before = hashes();
        std::mt19937 random(20);
        QByteArray input;
        for (int line = 0; line < 3000; ++line) {
            if (random() % 2) input += "*&@#^!%+-~"[random() % 10];
            for (int i = 20 + int(random() % 180); i > 0; --i) {
                const char c = char(random() % 256);
                input += c == '\n' ? ' ' : c;
            }
            input += '\n';
        }
        const Run r = run({qs("-a"), qs("-d"), folder}, input + "#\n");
        QCOMPARE(r.status, 0);
        QVERIFY(r.err.contains("not taken")); // the refusals are said
        QCOMPARE(hashes(), before);

        QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Quibbleton\n#\n").status, 0);
        const QString out = dir_.path() + qs("/default-export");
        QCOMPARE(run({qs("--export-hunspell"), out, qs("-d"), folder}).status, 0);
        QFile bridge(qs(TFV_BRIDGE_WORDS));
        QVERIFY(bridge.open(QIODevice::ReadOnly));
        QByteArray text;
        for (const QByteArray& line : bridge.readAll().split('\n'))
            if (!line.isEmpty() && !line.startsWith('#')) text += line.split('\t').first() + ' ';
        text += "\nQuibbleton is what our opponents don't play; Atatürk's partner overcalled "
                "one notrump and we recieve the lead.\n";
        QCOMPARE(hunspellList(out + qs("/en_US-bridge"), text), QByteArray("recieve\n"));
        platform::sqlite::Database db(folder + qs("quarn words.accdb"),
                                      platform::sqlite::Database::Mode::ReadOnly);
        platform::sqlite::Statement tagged(db, qs("SELECT Text FROM Words WHERE Tag = 3"));
        QByteArray recorded;
        static const QRegularExpression lettersOnly(qs("^[A-Za-z]+$"));
        while (tagged.step()) // Hunspell checks the parts of other words
            if (lettersOnly.match(tagged.textValue(0)).hasMatch())
                recorded += tagged.textValue(0).toUtf8() + '\n';
        QVERIFY(recorded.count('\n') > 1000);
        QCOMPARE(hunspellList(out + qs("/en_US-bridge"), recorded), recorded);
    }

    // Hunspell's rules for capitals: a word in small letters also capitalised
    // and in capitals, a name as written or in capitals.
    void exportHunspell_theWordsTheCheckerAccepts() {
        const QString folder = dir_.path() + qs("/export-lexicon/");
        fakes::SmallLexicon lex(folder);
        for (const char* w : {"the", "cat", "café"})
            lex.addWord(qs(w), {30010});
        lex.addWord(qs("Stayman"), {30050, 30060});
        lex.addWord(qs("Coca Cola"), {30050});
        lex.addMisspelling(qs("teh"), qs("the")); // a misspelling link only
        lex.addWord(qs("wierd"), {});             // a recorded misspelling by its tag alone
        QVERIFY(lex.execOnWords(qs("UPDATE Words SET Tag = 3 WHERE Text = 'wierd'")));
        QCOMPARE(run({qs("-a"), qs("-d"), folder}, "*Zorblat\n&Quux\n#\n").status, 0);
        const QString out = dir_.path() + qs("/export/new folder");
        const Run r = run({qs("--export-hunspell"), out, qs("-d"), folder});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.contains("Coca Cola"), r.err.constData()); // no blanks in a Hunspell word
        QCOMPARE(
            hunspellList(out + qs("/en_US-bridge"),
                         "the cat café Stayman STAYMAN Zorblat quux Quux QUUX teh wierd stayman\n"),
            QByteArray("teh\nwierd\nstayman\n"));
    }
};

QTEST_GUILESS_MAIN(TestSpellCli)
#include "test_spellcli.moc"
