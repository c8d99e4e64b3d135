// tarnwell-deal: the viewer's deal diagrams and double-dummy tables from PBN
// files, and its bridge notation check of articles, on the command line.
#include "deal/dds/ddssolver.h"
#include "deal/diagram.h"
#include "deal/notationcheck.h"
#include "deal/pbn.h"
#include "util/textcodec.h"
#include "util/version.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdio>

namespace {

const char* const kProgram = "tarnwell-deal";

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
    "Usage: tarnwell-deal diagram [--symbols] FILE.pbn [BOARD]\n"
    "       tarnwell-deal dd [--html] [--symbols] FILE.pbn [BOARD]\n"
    "       tarnwell-deal check FILE.htm...\n"
    "Deal diagrams and double-dummy tables from PBN files, as Tarnwell File\n"
    "Viewer inserts them, and its bridge notation check.\n"
    "\n"
    "  diagram    print the HTML diagram of the board (of every board when\n"
    "             none is named)\n"
    "  dd         print the tricks each declarer takes in each strain double\n"
    "             dummy, and the par, for the board or every board\n"
    "  check      list the hands without 13 cards, cards named twice, ranks\n"
    "             that are no ranks and impossible auctions of HTML articles,\n"
    "             as FILE:LINE:COLUMN: message\n"
    "  --html     dd prints the tables as the viewer inserts them\n"
    "  --symbols  suit symbols (&spades; ...) rather than the suit images\n"
    "  -h, --help     show this help and exit\n"
    "  -v, --version  show the version and exit\n"
    "FILE may be - for standard input.\n"
    "\n"
    "Exit status: 0 done, 1 a file cannot be read, holds a bad board, a board\n"
    "has no table or an article has findings, 2 wrong usage.\n";

int usageError(const QString& message) {
    complain(message);
    std::fputs("Try 'tarnwell-deal --help' for more information.\n", stderr);
    return 2;
}

// The largest file read: a PBN file of 10,000 boards is some 5 MB.
constexpr qint64 kLargestFile = 64 * 1024 * 1024;

bool readText(const QString& name, QString& text) {
    QFile file;
    const bool stdinput = name == QLatin1String("-");
    const bool opened = stdinput ? file.open(stdin, QIODevice::ReadOnly)
                                 : (file.setFileName(name), file.open(QIODevice::ReadOnly));
    if (!opened) {
        complain(name + ql(": ") + file.errorString());
        return false;
    }
    const QByteArray bytes = file.read(kLargestFile + 1);
    if (bytes.size() > kLargestFile) {
        complain(name + ql(": larger than 64 MB; not read"));
        return false;
    }
    text = util::decodeText(bytes).text;
    return true;
}

QString lf(QString html) {
    return html.replace(ql("\r\n"), ql("\n"));
}

QString caption(const deal::Board& b) {
    QString out = b.number.isEmpty() ? ql("Deal") : ql("Board ") + b.number;
    QStringList facts;
    if (b.dealer) facts << ql("Dealer ") + deal::seatName(*b.dealer);
    if (b.vulnerabilityGiven) facts << ql("Vul: ") + deal::vulnerabilityName(b.vulnerability);
    if (!facts.isEmpty()) out += ql(" (") + facts.join(ql(", ")) + QLatin1Char(')');
    return out;
}

QString textTable(const deal::DoubleDummyResult& r) {
    static const deal::Strain columns[] = {deal::NoTrump, deal::SpadeStrain, deal::HeartStrain,
                                           deal::DiamondStrain, deal::ClubStrain};
    static const deal::Seat rows[] = {deal::North, deal::South, deal::East, deal::West};
    QString out = ql("    NT  S  H  D  C\n");
    for (const deal::Seat seat : rows) {
        out += QString(deal::seatLetter(seat)) + ql(" ");
        for (const deal::Strain s : columns)
            out += QString::number(r.tricks[s][seat]).rightJustified(3);
        out += QLatin1Char('\n');
    }
    if (r.par) {
        QStringList contracts;
        for (const deal::ParContract& c : r.par->contracts)
            contracts << deal::contractText(c);
        const int score = r.par->scoreNorthSouth;
        out += ql("Par: ") + (contracts.isEmpty() ? ql("pass") : contracts.join(ql(", "))) +
               ql(", ") +
               (score == 0  ? ql("0")
                : score > 0 ? ql("N-S +") + QString::number(score)
                            : ql("E-W +") + QString::number(-score)) +
               QLatin1Char('\n');
    }
    return out;
}

// One board, or all of them; false (after saying so) when the board named
// is not in the file.
bool pick(const deal::PbnFile& file, const QString& name, const QString& board,
          QList<deal::Board>& boards) {
    if (board.isEmpty()) {
        boards = file.boards;
        return true;
    }
    for (const deal::Board& b : file.boards)
        if (b.number == board) {
            boards = {b};
            return true;
        }
    complain(name + ql(": no board ") + board + ql(" that could be read"));
    return false;
}

int runPbn(bool dd, const QString& name, const QString& board, bool html,
           const deal::DiagramOptions& options) {
    QString text;
    if (!readText(name, text)) return 1;
    const deal::PbnFile file = deal::readPbn(text);
    int status = 0;
    for (const deal::PbnProblem& p : file.problems) {
        if (!board.isEmpty() && p.board != board) continue;
        complain(name + ql(": ") + p.text());
        status = 1;
    }
    QList<deal::Board> boards;
    if (!pick(file, name, board, boards)) return 1;
    if (boards.isEmpty() && file.problems.isEmpty()) {
        complain(name + ql(": no deal in the file"));
        return 1;
    }
    deal::DdsSolver solver;
    for (const deal::Board& b : boards) {
        if (!dd) {
            put(lf(deal::diagramHtml(b.deal, deal::captionOf(b), options)));
            continue;
        }
        const deal::DoubleDummyResult r = solver.solve(b.deal, b.vulnerability, b.dealer);
        if (!r.ok()) {
            complain(name + ql(": ") + caption(b) + ql(": ") + r.error);
            status = 1;
            continue;
        }
        if (html)
            put(lf(deal::doubleDummyHtml(r, options)));
        else
            put(caption(b) + QLatin1Char('\n') + textTable(r) + QLatin1Char('\n'));
    }
    return status;
}

int runCheck(const QStringList& files) {
    int status = 0;
    for (const QString& name : files) {
        QString text;
        if (!readText(name, text)) {
            status = 1;
            continue;
        }
        // Line and column of each finding, 1-based; CR LF counts as one break.
        qsizetype at = 0;
        int line = 1;
        qsizetype lineStart = 0;
        for (const deal::NotationFinding& f : deal::checkNotation(text)) {
            for (; at < f.start; ++at)
                if (text[at] == QLatin1Char('\n') ||
                    (text[at] == QLatin1Char('\r') &&
                     (at + 1 >= text.size() || text[at + 1] != QLatin1Char('\n')))) {
                    ++line;
                    lineStart = at + 1;
                }
            put(name + QLatin1Char(':') + QString::number(line) + QLatin1Char(':') +
                QString::number(f.start - lineStart + 1) + ql(": ") + f.message +
                QLatin1Char('\n'));
            status = 1;
        }
    }
    return status;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QStringList operands;
    bool html = false;
    deal::DiagramOptions options;
    bool onlyOperands = false;
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (onlyOperands || !a.startsWith(QLatin1Char('-')) || a == QLatin1String("-"))
            operands << a;
        else if (a == QLatin1String("--"))
            onlyOperands = true;
        else if (a == QLatin1String("-h") || a == QLatin1String("--help")) {
            std::fputs(kUsage, stdout);
            return 0;
        } else if (a == QLatin1String("-v") || a == QLatin1String("--version")) {
            std::printf("%s %s\n", kProgram, TFV_VERSION);
            return 0;
        } else if (a == QLatin1String("--html"))
            html = true;
        else if (a == QLatin1String("--symbols"))
            options.marks = deal::SuitMarks::Symbols;
        else
            return usageError(ql("unknown option ") + a);
    }
    if (operands.isEmpty()) return usageError(ql("no command: diagram, dd or check"));
    const QString command = operands.takeFirst();
    if (command == QLatin1String("check")) {
        if (operands.isEmpty()) return usageError(ql("check needs at least one file"));
        if (html) return usageError(ql("--html goes with dd"));
        return runCheck(operands);
    }
    if (command != QLatin1String("diagram") && command != QLatin1String("dd"))
        return usageError(ql("unknown command ") + command + ql(" (diagram, dd or check)"));
    if (operands.isEmpty() || operands.size() > 2)
        return usageError(command + ql(" needs a PBN file and at most one board"));
    if (html && command != QLatin1String("dd")) return usageError(ql("--html goes with dd"));
    return runPbn(command == QLatin1String("dd"), operands[0], operands.value(1), html, options);
}
