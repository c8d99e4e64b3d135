// Throughput of "tarnwell-spell -l" on a large text of correct words, beside
// "hunspell -l" and "aspell list" in the same run, each fed the same file on
// standard input.
//   spell_list_bench [WORDS [LEXICON_FOLDER]]   (default 2,000,000 words)
// The text is made of lower-case words of /usr/share/dict/american-english
// that all three checkers accept (found by letting each list the
// candidates), in a fixed pseudo-random order, twelve to a line. Each
// program's time includes its start; the start alone (an empty input) is
// shown apart. Needs hunspell, hunspell-en-us, aspell and aspell-en.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <random>

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}

struct Checker {
    const char* name;
    QString program;
    QStringList args;
};

// Runs a checker on a file as standard input: seconds taken and its output.
double timed(const Checker& c, const QString& input, QByteArray* out = nullptr) {
    QProcess p;
    p.setStandardInputFile(input);
    QElapsedTimer t;
    t.start();
    p.start(c.program, c.args);
    if (!p.waitForStarted(10000)) return -1;
    p.waitForFinished(-1);
    const double s = double(t.nsecsElapsed()) / 1e9;
    if (out) *out = p.readAllStandardOutput();
    return p.exitStatus() == QProcess::NormalExit ? s : -1;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const long long totalWords = args.size() > 1 ? args[1].toLongLong() : 2000000;
    const QString folder = args.size() > 2 ? args[2] : ql(TFV_BENCH_DEFAULT_LEXICON);

    const std::vector<Checker> checkers = {
        {"tarnwell-spell -l", ql(TFV_BENCH_SPELL_PROGRAM), {ql("-l"), ql("-d"), folder}},
        {"hunspell -l", ql("hunspell"), {ql("-l"), ql("-d"), ql("en_US")}},
        {"aspell list", ql("aspell"), {ql("list"), ql("-d"), ql("en_US"), ql("--encoding=utf-8")}},
    };

    QFile dict(ql("/usr/share/dict/american-english"));
    if (!dict.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read /usr/share/dict/american-english (package wamerican)\n");
        return 1;
    }
    QStringList candidates;
    for (const QByteArray& line : dict.readAll().split('\n')) {
        const bool plain = !line.isEmpty() && std::all_of(line.begin(), line.end(), [](char c) {
            return c >= 'a' && c <= 'z';
        });
        if (plain) candidates << QString::fromLatin1(line);
    }

    QTemporaryDir dir;
    const QString candidatesFile = dir.path() + ql("/candidates.txt");
    {
        QFile f(candidatesFile);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        f.write(candidates.join(QLatin1Char('\n')).toUtf8() + '\n');
    }
    QSet<QString> rejected;
    for (const Checker& c : checkers) {
        QByteArray out;
        if (timed(c, candidatesFile, &out) < 0) {
            std::fprintf(stderr, "%s did not run\n", c.name);
            return 1;
        }
        for (const QByteArray& w : out.split('\n'))
            if (!w.isEmpty()) rejected.insert(QString::fromUtf8(w));
    }
    QStringList words;
    for (const QString& w : std::as_const(candidates))
        if (!rejected.contains(w)) words << w;

    const QString textFile = dir.path() + ql("/text.txt");
    long long bytes = 0;
    {
        QFile f(textFile);
        if (!f.open(QIODevice::WriteOnly)) return 1;
        std::mt19937 random(12);
        std::uniform_int_distribution<qsizetype> pick(0, words.size() - 1);
        QByteArray line;
        for (long long i = 0; i < totalWords; ++i) {
            line += words[pick(random)].toLatin1();
            line += (i % 12 == 11) ? '\n' : ' ';
            if (line.size() > 65536) {
                bytes += f.write(line);
                line.clear();
            }
        }
        bytes += f.write(line + '\n');
    }
    const QString emptyFile = dir.path() + ql("/empty.txt");
    QFile(emptyFile).open(QIODevice::WriteOnly);

    std::printf("%lld words (%zu distinct words all three accept, of %zu candidates), %.1f MB\n",
                totalWords, size_t(words.size()), size_t(candidates.size()), double(bytes) / 1e6);
    std::printf("%-20s %9s %9s %14s %10s\n", "checker", "start s", "total s", "words/s", "flagged");
    for (const Checker& c : checkers) {
        const double start = timed(c, emptyFile);
        QByteArray out;
        const double total = timed(c, textFile, &out);
        std::printf("%-20s %9.3f %9.3f %14.0f %10lld\n", c.name, start, total,
                    double(totalWords) / total, (long long)out.count('\n'));
    }
    std::printf(
        "(words/s over the whole run, start included; flagged: words listed, 0 expected)\n");
    return 0;
}
