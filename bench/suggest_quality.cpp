// Suggestion quality side by side with Hunspell and GNU Aspell, on real
// misspellings that the default lexicon never loaded:
//  - the builder's held-out list (misspelling, tab, corrections with the
//    intended word first), whole and its reporting half (the cases whose
//    misspelling's FNV-1a hash is odd; suggest_tune tunes the ranking on
//    the even half);
//  - a second list the lexicon never saw: the misspellings of the Debian
//    package codespell (one in 12 of its pairs in small letters with one
//    correction, leaving out those the lexicon's table holds).
//   suggest_quality [HELD_OUT_TSV [LEXICON_FOLDER [PROGRAM]]]   (TFV_SHOW_MISSES=1 lists our
//   misses)
// (PROGRAM: another build of tarnwell-spell, to compare with an earlier version)
// Needs the Debian packages hunspell, hunspell-en-us, aspell, aspell-en and codespell:
//   apt-get install hunspell hunspell-en-us aspell aspell-en codespell
// All three checkers are asked through the same ispell pipe ("-a"): this
// program's tarnwell-spell on the lexicon folder, hunspell -a and aspell -a
// --sug-mode=normal. Each list counts the cases whose intended word all
// three checkers know (the others are counted apart); for each checker the
// share of them whose intended word comes first, in the first five,
// anywhere; how many misspellings it took for words (counted as misses);
// the median and 95th percentile time per misspelled word (a pipe round
// trip for each).
#include "bench/qualitycases.h"

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

using bench::Case;

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
    int cases = 0, accepted = 0, first = 0, top5 = 0, anywhere = 0;
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
        std::printf("%-22s %6d %8d   %5.1f %%  %5.1f %%  %5.1f %%   %8.3f %8.3f\n",
                    qPrintable(name), cases, accepted, share(first), share(top5), share(anywhere),
                    pct(0.5), pct(0.95));
    }
};

// Runs one list through the three checkers and prints its table.
void measure(const char* title, const std::vector<Case>& cases, PipeChecker* checkers[3],
             bool showMisses) {
    Tally ours(ql("tarnwell-spell")), hun(ql("Hunspell")), asp(ql("Aspell (normal)"));
    Tally* tallies[3] = {&ours, &hun, &asp};
    int unknown = 0;
    QElapsedTimer t;
    for (const Case& c : cases) {
        bool known = true;
        for (int k = 0; k < 3 && known; ++k)
            known = checkers[k]->knows(c.intended);
        if (!known) {
            ++unknown;
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            t.start();
            const auto list = checkers[k]->suggest(c.wrong);
            tallies[k]->ms.push_back(double(t.nsecsElapsed()) / 1e6);
            if (!list) ++tallies[k]->accepted;
            tallies[k]->count(list.value_or(QStringList()), c.intended);
            if (k == 0 && showMisses && list && list->value(0) != c.intended)
                std::printf("miss: %s -> %s: %s\n", qPrintable(c.wrong), qPrintable(c.intended),
                            qPrintable(list->mid(0, 5).join(QLatin1String(", "))));
            if (k == 0 && showMisses && !list)
                std::printf("accepted: %s (meant %s)\n", qPrintable(c.wrong),
                            qPrintable(c.intended));
        }
    }
    std::printf("\n%s: %zu misspellings, %d left out (a checker does not know the intended "
                "word)\n",
                title, cases.size(), unknown);
    std::printf("%-22s %6s %8s   %7s  %7s  %7s   %8s %8s\n", "checker", "cases", "accepted",
                "first", "top 5", "any", "med ms", "p95 ms");
    for (Tally* tally : tallies)
        tally->print();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString tsv = args.size() > 1 ? args[1] : ql(TFV_BENCH_HELD_OUT);
    const QString folder = args.size() > 2 ? args[2] : ql(TFV_BENCH_DEFAULT_LEXICON);
    const QString program = args.size() > 3 ? args[3] : ql(TFV_BENCH_SPELL_PROGRAM);

    const std::vector<Case> cases = bench::readCases(tsv);
    if (cases.empty()) {
        std::fprintf(stderr, "cannot read %s (build the default lexicon with --held-out)\n",
                     qPrintable(tsv));
        return 1;
    }
    std::vector<Case> reportHalf;
    for (const Case& c : cases)
        if (bench::fnv1a(c.wrong) % 2 == 1) reportHalf.push_back(c);
    const std::vector<Case> codespell = bench::readCodespellCases(
        bench::codespellList(), bench::tableMisspellings(ql(TFV_BENCH_MISSPELLING_TABLE)), 12);

    PipeChecker ourPipe(program, {ql("-a"), ql("-d"), folder});
    if (!ourPipe.ok()) {
        std::fprintf(stderr, "%s -a -d %s did not start (is the lexicon there?)\n",
                     qPrintable(program), qPrintable(folder));
        return 1;
    }
    PipeChecker hunspell(ql("hunspell"), {ql("-a"), ql("-d"), ql("en_US")});
    PipeChecker aspell(ql("aspell"), {ql("-a"), ql("--sug-mode=normal"), ql("-d"), ql("en_US"),
                                      ql("--encoding=utf-8")});
    if (!hunspell.ok() || !aspell.ok()) {
        std::fprintf(stderr, "hunspell or aspell did not start; install them with\n"
                             "  apt-get install hunspell hunspell-en-us aspell aspell-en\n");
        return 1;
    }

    // TFV_SHOW_MISSES=1 lists the cases where this program's first suggestion is not the word.
    const bool showMisses = qEnvironmentVariableIntValue("TFV_SHOW_MISSES") == 1;
    PipeChecker* checkers[3] = {&ourPipe, &hunspell, &aspell};
    std::printf("(accepted: the checker takes the misspelling for a word, counted as a miss;\n"
                " times per misspelled word, a pipe round trip each)\n");
    measure("Held-out list, whole", cases, checkers, showMisses);
    measure("Held-out list, reporting half", reportHalf, checkers, false);
    if (codespell.empty())
        std::printf("\n(no second list: apt-get install codespell)\n");
    else
        measure("Second list (codespell's misspellings, unseen)", codespell, checkers, showMisses);
    return 0;
}
