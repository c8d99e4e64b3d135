// F12 in the real program on the default lexicon: how long the lexicon
// takes to read (in the background, from the start of the program), and
// how long each F12 then takes on the user-interface thread until the box
// shows the first misspelled word, the lexicon's part of it apart from the
// box's slide. Run with the default lexicon's folder as the argument.
//   spellcheck_bench LEXICON_FOLDER
#include "app/viewerprogram.h"
#include "spelling/lexiconlookup.h"
#include "spelling/scan.h"
#include "spelling/spellingcontroller.h"
#include "spelling/suggest.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: spellcheck_bench LEXICON_FOLDER\n");
        return 2;
    }
    QTemporaryDir home;
    const QString lexicon = QString::fromLocal8Bit(argv[1]);
    qputenv("XDG_DATA_HOME", (home.path() + QStringLiteral("/share")).toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    QDir().mkpath(home.path() + QStringLiteral("/share/Quarn"));
    for (const char* f : {"qn.accdb", "quarn words.accdb", "dictionary.accdb"})
        QFile::copy(lexicon + QLatin1Char('/') + QLatin1String(f),
                    home.path() + QStringLiteral("/share/Quarn/") + QLatin1String(f));
    // An article of known words with one misspelling, a fifth of the way in.
    const QString page = home.path() + QStringLiteral("/deal.htm");
    QFile out(page);
    out.open(QIODevice::WriteOnly);
    QByteArray bytes("<HTML><BODY>\r\n");
    const QByteArray line =
        "<P>West led the king of spades; declarer won and drew trumps in three rounds.</P>\r\n";
    for (int i = 0; i < 200; ++i)
        bytes += i == 40 ? QByteArray("<P>Then he finessed agianst the queen.</P>\r\n") : line;
    out.write(bytes + "</BODY></HTML>");
    out.close();

    app::ViewerProgram::allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));
    app::ViewerProgram program({page, page});
    QElapsedTimer t;
    t.start();
    program.viewer().Form_Load();
    auto& checker = program.viewer().spellingController().checker();
    while (!checker.index && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double readMs = t.nsecsElapsed() / 1e6;
    if (!checker.index) {
        std::fprintf(stderr, "the lexicon was not read\n");
        return 1;
    }

    std::vector<double> f12, lexiconPart;
    for (int round = 0; round < 10; ++round) {
        program.widgets().editor[1]->setSelStart(0);
        t.restart();
        program.viewer().spellingController().mSpellCheckDocument_Click();
        const double ms = t.nsecsElapsed() / 1e6;
        if (program.viewer().spellingController().suggestionWord() != QStringLiteral("agianst")) {
            std::fprintf(stderr, "F12 stopped at \"%s\"\n",
                         qPrintable(program.viewer().spellingController().suggestionWord()));
            return 1;
        }
        f12.push_back(ms);
        program.viewer().spellingController().cmdCloseSpellCk_Click();
        // What the check does besides the box's slide: the lexicon's
        // freshness, the scan with a lookup of every word up to the
        // misspelling, and its suggestions.
        t.restart();
        const bool ready = program.viewer().spellingController().lexiconReady();
        const QString text = program.widgets().editor[1]->text();
        const spelling::MarkupMap markup(text);
        int start = 1;
        QString found;
        for (;;) {
            const auto stop = spelling::nextWordToCheck(text, start, {}, {}, &markup);
            if (stop.kind != spelling::ScanStop::Kind::Word) break;
            const QString w = text.mid(stop.start, stop.length);
            if (!spelling::checkWord(*checker.index, w).accepted) {
                found = w;
                spelling::suggestSpellings(w, *checker.index);
                break;
            }
            start = stop.start + stop.length + 1;
        }
        lexiconPart.push_back(t.nsecsElapsed() / 1e6);
        if (!ready || found != QStringLiteral("agianst")) return 1;
    }
    std::sort(f12.begin(), f12.end());
    std::sort(lexiconPart.begin(), lexiconPart.end());
    std::printf("lexicon read in the background, from the program's start: %.1f ms\n", readMs);
    std::printf(
        "F12 to the first misspelling, box slide included: median %.1f ms, slowest %.1f ms\n",
        f12[f12.size() / 2], f12.back());
    std::printf(
        "  of it the lexicon, the scan and the suggestions: median %.2f ms, slowest %.2f ms\n",
        lexiconPart[lexiconPart.size() / 2], lexiconPart.back());
    std::fflush(stdout);
    std::_Exit(0);
}
