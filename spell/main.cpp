// tarnwell-spell: the viewer's spelling checker on the command line, with
// the ispell pipe protocol ("-a") that editors and mail programs speak, a
// list of the misspelled words of a text ("-l"), and the lexicon written as
// a Hunspell dictionary for other programs ("--export-hunspell").
#include "platform/sqlite/sqlitelexicon.h"
#include "spelling/hunspellexport.h"
#include "spelling/lexiconschema.h"
#include "spelling/linecheck.h"
#include "util/version.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

const char* const kProgram = "tarnwell-spell";
const char* const kVersion = TFV_VERSION;

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

void put(const QString& text, std::FILE* to = stdout) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

void complain(const QString& message) {
    put(ql(kProgram) + ql(": ") + message + QLatin1Char('\n'), stderr);
}

const char* const kUsage =
    "Usage: tarnwell-spell -a [-H] [-d FOLDER]\n"
    "       tarnwell-spell -l [-H] [-d FOLDER] [FILE...]\n"
    "       tarnwell-spell --export-hunspell DIR [-d FOLDER]\n"
    "Checks spelling with the lexicon of Tarnwell File Viewer.\n"
    "\n"
    "  -a         ispell pipe mode: a banner, then for every line read one result\n"
    "             line per word (* correct, & misspelled with suggestions, # no\n"
    "             suggestions) and an empty line\n"
    "  -l         print the misspelled words of the FILEs (or standard input),\n"
    "             one per line\n"
    "  --export-hunspell DIR\n"
    "             write the lexicon's words (the bridge vocabulary and the words\n"
    "             added by the user included) as the Hunspell dictionary\n"
    "             DIR/en_US-bridge.dic and .aff, for other programs\n"
    "  -H         the input is HTML: tags and entities are not checked (the\n"
    "             default for files ending in .htm or .html)\n"
    "  -d FOLDER  the lexicon folder (default: ~/.local/share/Quarn/)\n"
    "  -i ENCODING, -B, -C, -m, -S\n"
    "             accepted for the editors that pass them, and ignored: the\n"
    "             input is read as UTF-8\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "\n"
    "Pipe commands (first character of a line): ^ text follows, ! terse mode\n"
    "(no * lines), % normal mode, *WORD accept and add to the lexicon at the\n"
    "next #, &WORD the same in small letters, @WORD accept for this session,\n"
    "# add the accepted words to the lexicon; +, - and ~ lines are ignored.\n"
    "A word for *, & and @ is letters with inner apostrophes and hyphens, at\n"
    "most 64 characters; anything else is refused with a message.\n"
    "\n"
    "Exit status: 0 done, 1 the lexicon or a file cannot be read, 2 wrong usage.\n";

int usageError(const QString& message) {
    complain(message);
    std::fputs("Try 'tarnwell-spell --help' for more information.\n", stderr);
    return 2;
}

struct Lexicon {
    std::shared_ptr<spelling::WordIndex> index;
    // "Words", for the words "#" adds; opened only in pipe mode.
    std::unique_ptr<platform::LexiconDatabase> wordsDb;
    std::unique_ptr<platform::TableCursor> words;
};

bool openLexicon(const QString& folder, Lexicon& lex, bool forWriting, QString* error) {
    platform::sqlite::SqliteLexiconStore store;
    spelling::LoadedLexicon loaded = spelling::loadLexicon(store, folder);
    QString file = loaded.failedFile, reason = loaded.reason;
    lex.index = loaded.index;
    if (lex.index && forWriting) {
        file = spelling::lexicon::wordsFile();
        lex.wordsDb = store.open(folder + file, &reason);
        if (lex.wordsDb)
            lex.words = lex.wordsDb->openTable(spelling::lexicon::wordsTable(), &reason);
        if (!lex.words) lex.index.reset();
    }
    if (lex.index) return true;
    *error = ql("no usable lexicon in ") + QDir::toNativeSeparators(folder) + ql(" (") + file +
             ql(": ") + (reason.isEmpty() ? ql("cannot be opened") : reason) + ql(")");
    return false;
}

// Reads a line of any length; false at the end of the input. The line end
// ("\n" or "\r\n") is removed; bytes that are not UTF-8 become U+FFFD.
bool readLine(std::FILE* in, QString& line, char*& buffer, size_t& capacity) {
    const ssize_t n = getline(&buffer, &capacity, in);
    if (n < 0) return false;
    qsizetype len = qsizetype(n);
    if (len > 0 && buffer[len - 1] == '\n') --len;
    if (len > 0 && buffer[len - 1] == '\r') --len;
    line = QString::fromUtf8(buffer, len);
    return true;
}

int runPipe(Lexicon& lex, bool html) {
    spelling::IspellPipe pipe(*lex.index, lex.words.get(), ql("Tarnwell Spell"), ql(kVersion));
    pipe.setHtml(html);
    put(pipe.banner() + QLatin1Char('\n'));
    std::fflush(stdout);
    char* buffer = nullptr;
    size_t capacity = 0;
    QString line;
    while (readLine(stdin, line, buffer, capacity)) {
        put(pipe.answer(line));
        for (const QString& e : std::as_const(pipe.errors))
            complain(e);
        pipe.errors.clear();
        std::fflush(stdout);
    }
    std::free(buffer);
    return 0;
}

void listMisspelled(spelling::LineChecker& checker, std::FILE* in) {
    char* buffer = nullptr;
    size_t capacity = 0;
    QString line;
    QString out;
    while (readLine(in, line, buffer, capacity)) {
        for (const spelling::CheckedWord& w : checker.check(line))
            if (!w.accepted) out += w.word + QLatin1Char('\n');
        if (out.size() > 4096) {
            put(out);
            out.clear();
        }
    }
    put(out);
    std::free(buffer);
}

bool isHtmlFile(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("htm") || suffix == QLatin1String("html");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit()) return true;
    complain(path + ql(": ") + f.errorString());
    return false;
}

int runExport(Lexicon& lex, const QString& dir) {
    if (!QDir().mkpath(dir)) {
        complain(ql("cannot create the folder ") + dir);
        return 1;
    }
    const spelling::HunspellDictionary d =
        spelling::makeHunspellDictionary(spelling::acceptedWords(*lex.index));
    const QString base = QDir(dir).filePath(spelling::hunspellDictionaryName());
    if (!writeFile(base + ql(".aff"), d.aff) || !writeFile(base + ql(".dic"), d.dic)) return 1;
    for (const QString& w : d.left)
        complain(ql("left out (a Hunspell word holds no blanks): ") + w);
    put(ql("%1.dic: %2 words; %1.aff\n").arg(base).arg(d.words));
    return 0;
}

int runList(Lexicon& lex, bool html, const QStringList& files) {
    int status = 0;
    if (files.isEmpty()) {
        spelling::LineChecker checker(*lex.index);
        checker.html = html;
        listMisspelled(checker, stdin);
    }
    for (const QString& path : files) {
        std::FILE* f = std::fopen(QFile::encodeName(path).constData(), "rb");
        if (!f) {
            complain(path + ql(": ") + QString::fromLocal8Bit(std::strerror(errno)));
            status = 1;
            continue;
        }
        spelling::LineChecker checker(*lex.index);
        checker.html = html || isHtmlFile(path);
        listMisspelled(checker, f);
        std::fclose(f);
    }
    std::fflush(stdout);
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();

    enum class Mode { None, Pipe, List, Export } mode = Mode::None;
    bool html = false;
    QString folder, exportDir;
    QStringList files;
    bool onlyFiles = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (onlyFiles || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-")) {
            if (a != QLatin1String("-")) files << a;
        } else if (a == QLatin1String("--")) {
            onlyFiles = true;
        } else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            std::printf("%s %s\n", kProgram, kVersion);
            return 0;
        } else if (a == QLatin1String("-a") || a == QLatin1String("-l")) {
            const Mode m = a == QLatin1String("-a") ? Mode::Pipe : Mode::List;
            if (mode != Mode::None && mode != m)
                return usageError(ql("-a, -l and --export-hunspell exclude each other"));
            mode = m;
        } else if (a == QLatin1String("--export-hunspell") ||
                   a.startsWith(QLatin1String("--export-hunspell="))) {
            if (mode != Mode::None)
                return usageError(ql("-a, -l and --export-hunspell exclude each other"));
            mode = Mode::Export;
            if (a.contains(QLatin1Char('='))) {
                exportDir = a.mid(a.indexOf(QLatin1Char('=')) + 1);
            } else if (i + 1 < args.size()) {
                exportDir = args[++i];
            }
            if (exportDir.isEmpty())
                return usageError(ql("option --export-hunspell needs a folder to write to"));
        } else if (a == QLatin1String("-H")) {
            html = true;
        } else if (a == QLatin1String("-B") || a == QLatin1String("-C") ||
                   a == QLatin1String("-m") || a == QLatin1String("-S")) {
            // Run-together words, suggestions of affixes, sorting: what
            // ispell clients pass to ispell; this checker has its own ways.
        } else if (a.startsWith(QLatin1String("-i"))) {
            // The input's encoding: this checker reads UTF-8 (and answers a
            // line of any other bytes, with replacement characters).
            if (a.size() == 2 && ++i >= args.size())
                return usageError(ql("option -i needs an encoding"));
        } else if (a == QLatin1String("-d") || a.startsWith(QLatin1String("-d"))) {
            if (a.size() > 2) {
                folder = a.mid(2);
            } else if (i + 1 < args.size()) {
                folder = args[++i];
            } else {
                return usageError(ql("option -d needs a lexicon folder"));
            }
            if (folder.isEmpty()) return usageError(ql("option -d needs a lexicon folder"));
        } else {
            return usageError(ql("unknown option ") + a);
        }
    }
    if (mode == Mode::None)
        return usageError(ql("say -a (pipe mode), -l (list mode) or --export-hunspell DIR"));
    if (mode == Mode::Pipe && !files.isEmpty())
        return usageError(ql("-a reads standard input only"));
    if (mode == Mode::Export && (!files.isEmpty() || html))
        return usageError(ql("--export-hunspell takes no files and no -H"));

    if (folder.isEmpty())
        folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + ql("/Quarn/");
    if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');

    Lexicon lex;
    QString error;
    if (!openLexicon(folder, lex, mode == Mode::Pipe, &error)) {
        complain(error);
        return 1;
    }
    switch (mode) {
    case Mode::Pipe:
        return runPipe(lex, html);
    case Mode::Export:
        return runExport(lex, exportDir);
    default:
        return runList(lex, html, files);
    }
}
