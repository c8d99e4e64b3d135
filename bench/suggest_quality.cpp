// Suggestion quality side by side with Hunspell and GNU Aspell, on real
// misspellings that the default lexicon never loaded (the builder's
// held-out list: misspelling, tab, corrections with the intended word first).
//   suggest_quality [HELD_OUT_TSV [LEXICON_FOLDER]]   (TFV_SHOW_MISSES=1 lists our misses)
// Needs the Debian packages hunspell, hunspell-en-us, aspell and aspell-en:
//   apt-get install hunspell hunspell-en-us aspell aspell-en
// All three checkers are asked through the same ispell pipe ("-a"): this
// program's tarnwell-spell on the lexicon folder, hunspell -a and aspell -a.
// For each checker: the share of the cases it could judge whose intended
// word comes first, in the first five, anywhere; the cases skipped because
// the checker does not know the intended word; the median and 95th
// percentile time per misspelled word (a pipe round trip for each).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {
QString ql(const char* s) {
    return QString::fromLatin1(s);
}

struct Case {
    QString wrong, intended;
};

// A checker in the ispell pipe protocol ("-a"): one line in, one result line
// per word and an empty line out.
class PipeChecker {
  public:
    PipeChecker(const QString& program, const QStringList& args) {
        p_.setProgram(program);
        p_.setArguments(args);
        p_.start();
        if (!p_.waitForStarted(5000)) return;
        ok_ = !readLine().isEmpty(); // the banner
    }
    ~PipeChecker() {
        p_.closeWriteChannel();
        p_.waitForFinished(2000);
    }
    bool ok() const { return ok_; }

    // The result lines for one line of text.
    QStringList ask(const QString& text) {
        p_.write((QLatin1Char('^') + text + QLatin1Char('\n')).toUtf8());
        QStringList lines;
        for (;;) {
            const QString l = readLine();
            if (l.isNull()) break;
            if (l.isEmpty()) break;
            lines << l;
        }
        return lines;
    }
    bool knows(const QString& text) {
        const QStringList r = ask(text);
        return !r.isEmpty() && std::all_of(r.begin(), r.end(), [](const QString& l) {
            return l.startsWith(QLatin1Char('*')) || l.startsWith(QLatin1Char('+')) ||
                   l.startsWith(QLatin1Char('-'));
        });
    }
    // Suggestions for a misspelled word; nullopt when the word is accepted.
    std::optional<QStringList> suggest(const QString& word) {
        const QStringList r = ask(word);
        if (r.size() == 1 && r[0].startsWith(QLatin1Char('&'))) {
            const QString list = r[0].section(QLatin1String(": "), 1);
            QStringList out;
            for (const QString& s : list.split(QLatin1String(", ")))
                out << s.trimmed();
            return out;
        }
        if (r.size() == 1 && r[0].startsWith(QLatin1Char('#'))) return QStringList();
        if (r.size() > 1) return QStringList(); // taken as several words: no single suggestion
        return std::nullopt;
    }

  private:
    QString readLine() {
        while (!p_.canReadLine())
            if (!p_.waitForReadyRead(10000)) return QString();
        return QString::fromUtf8(p_.readLine()).chopped(1);
    }
    QProcess p_;
    bool ok_ = false;
};

struct Tally {
    explicit Tally(const QString& n) : name(n) {}
    QString name;
    int cases = 0, skipped = 0, accepted = 0, first = 0, top5 = 0, anywhere = 0;
    std::vector<double> ms;
    void count(const QStringList& list, const QString& intended) {
        ++cases;
        const qsizetype at = list.indexOf(intended);
        if (at == 0) ++first;
        if (at >= 0 && at < 5) ++top5;
        if (at >= 0) ++anywhere;
    }
    void print() {
        std::sort(ms.begin(), ms.end());
        auto pct = [&](double p) {
            return ms.empty() ? 0.0 : ms[std::min(ms.size() - 1, size_t(p * double(ms.size())))];
        };
        auto share = [&](int n) { return cases ? 100.0 * n / cases : 0.0; };
        std::printf("%-22s %6d %7d %8d   %5.1f %%  %5.1f %%  %5.1f %%   %8.3f %8.3f\n",
                    qPrintable(name), cases, skipped, accepted, share(first), share(top5),
                    share(anywhere), pct(0.5), pct(0.95));
    }
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString tsv = args.size() > 1 ? args[1] : ql(TFV_BENCH_HELD_OUT);
    const QString folder = args.size() > 2 ? args[2] : ql(TFV_BENCH_DEFAULT_LEXICON);

    QFile f(tsv);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s (build the default lexicon with --held-out)\n",
                     qPrintable(tsv));
        return 1;
    }
    std::vector<Case> cases;
    for (const QString& line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QString wrong = line.section(QLatin1Char('\t'), 0, 0).trimmed();
        const QString intended =
            line.section(QLatin1Char('\t'), 1).section(QLatin1Char(','), 0, 0).trimmed();
        if (!wrong.isEmpty() && !intended.isEmpty()) cases.push_back({wrong, intended});
    }

    PipeChecker ourPipe(ql(TFV_BENCH_SPELL_PROGRAM), {ql("-a"), ql("-d"), folder});
    if (!ourPipe.ok()) {
        std::fprintf(stderr, "%s -a -d %s did not start (is the lexicon there?)\n",
                     TFV_BENCH_SPELL_PROGRAM, qPrintable(folder));
        return 1;
    }
    PipeChecker hunspell(ql("hunspell"), {ql("-a"), ql("-d"), ql("en_US")});
    PipeChecker aspell(ql("aspell"),
                       {ql("-a"), ql("--sug-mode=normal"), ql("-d"), ql("en_US"),
                        ql("--encoding=utf-8")});
    if (!hunspell.ok() || !aspell.ok()) {
        std::fprintf(stderr, "hunspell or aspell did not start; install them with\n"
                             "  apt-get install hunspell hunspell-en-us aspell aspell-en\n");
        return 1;
    }

    Tally ours(ql("tarnwell-spell")), hun(ql("Hunspell")), asp(ql("Aspell (normal)"));
    // TFV_SHOW_MISSES=1 lists the cases where this program's first suggestion is not the word.
    const bool showMisses = qEnvironmentVariableIntValue("TFV_SHOW_MISSES") == 1;
    QElapsedTimer t;
    for (const Case& c : cases) {
        if (showMisses && ourPipe.knows(c.intended)) {
            const auto list = ourPipe.suggest(c.wrong);
            if (list && list->value(0) != c.intended)
                std::printf("miss: %s -> %s: %s\n", qPrintable(c.wrong), qPrintable(c.intended),
                            qPrintable(list->mid(0, 5).join(QLatin1String(", "))));
        }
        for (auto [checker, tally] : {std::pair{&ourPipe, &ours}, std::pair{&hunspell, &hun},
                                      std::pair{&aspell, &asp}}) {
            if (!checker->knows(c.intended)) {
                ++tally->skipped;
                continue;
            }
            t.start();
            const auto list = checker->suggest(c.wrong);
            tally->ms.push_back(double(t.nsecsElapsed()) / 1e6);
            if (!list) ++tally->accepted;
            tally->count(list.value_or(QStringList()), c.intended);
        }
    }

    std::printf("%zu held-out misspellings from %s\n", cases.size(), qPrintable(tsv));
    std::printf("%-22s %6s %7s %8s   %7s  %7s  %7s   %8s %8s\n", "checker", "cases", "skipped",
                "accepted", "first", "top 5", "any", "med ms", "p95 ms");
    ours.print();
    hun.print();
    asp.print();
    std::printf("(skipped: the checker does not know the intended word; accepted: it takes the\n"
                " misspelling for a word, counted as a miss; times per misspelled word)\n");
    return 0;
}
