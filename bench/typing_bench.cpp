// The as-you-type check on the default lexicon: the time each word-ending
// key takes in the real editor, through the real controller. Run with the
// default lexicon's folder as the argument (ctest builds it into
// build/<preset>/default-lexicon). With a size in megabytes as a second
// argument, the page is that large and the keys are real key presses typed
// into its middle: what a key costs in a large file.
#include "app/viewerprogram.h"
#include "spelling/spellingcontroller.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: typing_bench LEXICON_FOLDER [MEGABYTES]\n");
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
    const QString page = home.path() + QStringLiteral("/notes.htm");
    QFile out(page);
    out.open(QIODevice::WriteOnly);
    const int megabytes = argc > 2 ? std::atoi(argv[2]) : 0;
    QByteArray bytes("<HTML><BODY>\r\n");
    const QByteArray line =
        "<P>West led the king of spades; declarer won and drew trumps, 1C 1H 2NT.</P>\r\n";
    while (bytes.size() < qint64(megabytes) * 1024 * 1024)
        bytes += line;
    out.write(bytes + "</BODY></HTML>");
    out.close();

    app::ViewerProgram::allowRunningAsRoot();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("TarnwellFileViewer"));
    QElapsedTimer t;
    t.start();
    app::ViewerProgram program({page, page}); // the same file twice: its source in the editor
    program.viewer().Form_Load();
    // The lexicon is read in the background; typing is checked once it is in.
    while (!program.viewer().spellingController().checker().index && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    const double startMs = t.nsecsElapsed() / 1e6;

    auto& editor = *program.widgets().editor[1];
    const QStringList words = QStringLiteral("the declarer played a small club from dummy and west "
                                             "followed with the queen helo wrold "
                                             "finesse endplay notrump doubleton stayman blackwood "
                                             "well-known partner's recieve seperate")
                                  .split(QLatin1Char(' '));
    std::vector<double> us;
    if (megabytes > 0) {
        // Keys pressed in the middle of the large page, as the user types them.
        auto* widget = editor.edit();
        editor.setSelStart(int(bytes.size() / 2));
        const QString typed = words.join(QLatin1Char(' ')) + QLatin1Char(' ');
        for (QChar c : typed) {
            int key = Qt::Key_A + (c.toLower().unicode() - 'a');
            if (c == QLatin1Char(' ')) key = Qt::Key_Space;
            if (c == QLatin1Char('-')) key = Qt::Key_Minus;
            if (c == QLatin1Char('\'')) key = Qt::Key_Apostrophe;
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
            t.restart();
            QApplication::sendEvent(widget, &press);
            QApplication::sendEvent(widget, &release);
            us.push_back(t.nsecsElapsed() / 1e3);
        }
    }
    for (int round = 0; round < (megabytes > 0 ? 0 : 20); ++round) {
        for (const QString& w : words) {
            editor.setText(w);
            editor.setSelStart(static_cast<int>(w.size()));
            platform::KeyEvent space{32, 0};
            t.restart();
            editor.onKeyDown(space);
            us.push_back(t.nsecsElapsed() / 1e3);
        }
    }
    std::sort(us.begin(), us.end());
    std::printf("start_with_editor_and_lexicon_ms %.1f\n", startMs);
    std::printf("keys %zu\n", us.size());
    std::printf("check_per_key_median_us %.1f\n", us[us.size() / 2]);
    std::printf("check_per_key_p95_us %.1f\n", us[us.size() * 95 / 100]);
    std::printf("check_per_key_max_us %.1f\n", us.back());
    std::fflush(stdout);
    std::_Exit(0);
}
