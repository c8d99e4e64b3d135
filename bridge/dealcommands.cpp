// Deals in the article: Insert Deal Diagram (from the PBN deal selected or a
// board of a .pbn file), the double-dummy table under a diagram, and Check
// Bridge Notation.
#include "bridge/bridgecommands.h"

#include "deal/diagram.h"
#include "deal/doubledummy.h"
#include "deal/notationcheck.h"
#include "deal/pbn.h"
#include "util/strings.h"
#include "util/textcodec.h"

namespace bridge {

using util::qs;

namespace {

const deal::DiagramOptions kDiagramOptions{deal::SuitMarks::Images};

// A board as its row of the list: "Board 3   Dealer S   Vul E-W".
QString boardRow(const deal::Board& b) {
    const QString number = b.number.isEmpty() ? qs("-") : b.number;
    const QString dealer = b.dealer ? QString(deal::seatLetter(*b.dealer)) : qs("-");
    const QString vul = b.vulnerabilityGiven ? deal::vulnerabilityName(b.vulnerability) : qs("-");
    return qs("Board ") + number + qs("   Dealer ") + dealer + qs("   Vul ") + vul;
}

// The problems of a file, a few of them by name.
QString problemList(const QList<deal::PbnProblem>& problems) {
    QStringList lines;
    for (qsizetype i = 0; i < problems.size() && i < 5; ++i)
        lines << problems[i].text();
    if (problems.size() > 5)
        lines << qs("... and ") + QString::number(problems.size() - 5) + qs(" more");
    return lines.join(QLatin1Char('\r'));
}

// The 1-based line of `offset` in `text`.
int lineOf(const QString& text, qsizetype offset) {
    return static_cast<int>(QStringView(text).left(offset).count(QLatin1Char('\n'))) + 1;
}

} // namespace

BridgeCommands::~BridgeCommands() {
    if (solveCancel_) {
        solveCancel_->store(true);
        if (ui_.dealDialogs) ui_.dealDialogs->closeProgress();
    }
    if (ui_.dealDialogs) ui_.dealDialogs->closeFindings();
}

platform::TextEditor* BridgeCommands::dealEditor() {
    auto* editor = ui_.Text1[activePane()];
    if (editor->visible()) return editor;
    message(qs("You are not editing a file.\rOpen the article with Edit HTML (F11) first."));
    return nullptr;
}

void BridgeCommands::mInsertDeal_Click() {
    auto* editor = dealEditor();
    if (!editor || !ui_.dealDialogs) return;
    QList<deal::Board> boards;
    const QString selected = editor->selText();
    if (!selected.trimmed().isEmpty()) {
        // A PBN fragment with its tags, or a bare deal string.
        const deal::PbnFile pbn = deal::readPbn(selected);
        if (!pbn.problems.isEmpty()) {
            message(qs("The selection is not a deal that can be drawn:\r") +
                    problemList(pbn.problems));
            return;
        }
        boards = pbn.boards;
        if (boards.isEmpty()) {
            const deal::DealReading reading = deal::readDeal(selected.trimmed());
            if (!reading.ok()) {
                message(qs("The selection is not a PBN deal:\r") + reading.error);
                return;
            }
            deal::Board board;
            board.deal = reading.deal;
            boards << board;
        }
    } else {
        const QString start = panes().folder[1].isEmpty() ? host_.driveRoot() : panes().folder[1];
        const auto choice = ui_.dialogs->chooseFile(qs("Select a PBN file."), start + qs("*.*"),
                                                    qs("PBN files|*.pbn"), true);
        if (!choice) return;
        QString error;
        const auto bytes = services_.files->read(choice->path, &error);
        if (!bytes) {
            message(qs("Could not read ") + choice->path + qs(".\r") + error);
            return;
        }
        const deal::PbnFile pbn = deal::readPbn(util::decodeText(*bytes).text);
        if (!pbn.problems.isEmpty()) {
            const QString left = pbn.boards.isEmpty()
                                     ? qs("No board in it can be drawn.")
                                     : qs("These boards are left out of the list.");
            message(choice->fileName + qs(":\r") + problemList(pbn.problems) + qs("\r") + left);
        } else if (pbn.boards.isEmpty()) {
            message(choice->fileName + qs(" holds no deal."));
        }
        boards = pbn.boards;
        if (boards.isEmpty()) return;
    }

    QStringList rows;
    bool anyComplete = false;
    for (const deal::Board& b : std::as_const(boards)) {
        const bool bare = b.number.isEmpty() && !b.dealer && !b.vulnerabilityGiven;
        rows << (bare ? qs("The deal selected: ") + deal::dealString(b.deal) : boardRow(b));
        anyComplete = anyComplete || b.deal.complete();
    }
    const auto chosen = ui_.dealDialogs->chooseBoard(qs("Insert Deal Diagram"), rows, anyComplete,
                                                     doubleDummyWanted_);
    if (!chosen || chosen->row < 0 || chosen->row >= boards.size()) return;
    if (anyComplete) doubleDummyWanted_ = chosen->doubleDummy;
    const deal::Board& board = boards[chosen->row];
    QString diagram = deal::diagramHtml(board.deal, deal::captionOf(board), kDiagramOptions);
    // The diagram takes the place of the deal it was drawn from, and the
    // line break that ended the deal's line ends the diagram.
    const int at = editor->selStart();
    const int after = at + editor->selLength();
    if (editor->text().mid(after, 2) == QLatin1String("\r\n")) diagram.chop(2);
    editor->setSelText(diagram);
    ProvideSuitImages(deal::imagesUsed(kDiagramOptions));
    const int pane = activePane();
    if (!host_.document().save(pane)) return;
    if (!chosen->doubleDummy) return;
    const QString why = deal::whyNotSolvable(board.deal);
    if (!why.isEmpty()) {
        message(why + qs("\rThe diagram has no double-dummy table."));
        return;
    }
    solveUnder(pane, board, diagram, at);
}

void BridgeCommands::mDoubleDummy_Click() {
    auto* editor = dealEditor();
    if (!editor) return;
    const QString text = editor->text();
    const auto placed = deal::diagramAt(text, editor->selStart());
    if (!placed) {
        message(qs("Put the caret in a deal diagram first:\rthe table goes under the diagram."));
        return;
    }
    const QString why = deal::whyNotSolvable(placed->board.deal);
    if (!why.isEmpty()) {
        message(why);
        return;
    }
    solveUnder(activePane(), placed->board, text.mid(placed->start, placed->end - placed->start),
               placed->start);
}

void BridgeCommands::solveUnder(int pane, const deal::Board& board, const QString& diagram,
                                qsizetype near) {
    if (!services_.solver || !services_.background || !ui_.dealDialogs) return;
    if (solving()) {
        message(qs("A double-dummy table is still being worked out."));
        return;
    }
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    solveCancel_ = cancel;
    auto result = std::make_shared<deal::DoubleDummyResult>();
    deal::DoubleDummySolver* solver = services_.solver;
    const deal::Deal d = board.deal;
    const deal::Vulnerability vul = board.vulnerability;
    const std::optional<deal::Seat> dealer = board.dealer;
    ui_.dealDialogs->showProgress(qs("Working out the double-dummy table and par..."),
                                  [cancel] { cancel->store(true); });
    const std::weak_ptr<int> alive = alive_;
    services_.background->run(
        [solver, d, vul, dealer, cancel, result] {
            deal::SolveControl control;
            control.cancel = cancel.get();
            *result = solver->solve(d, vul, dealer, control);
        },
        [this, alive, cancel, result, pane, diagram, near] {
            if (alive.expired() || cancel != solveCancel_) return;
            solveCancel_.reset();
            ui_.dealDialogs->closeProgress();
            if (result->cancelled || cancel->load()) return;
            if (!result->ok()) {
                message(result->error);
                return;
            }
            insertTable(pane, diagram, near, deal::doubleDummyHtml(*result, kDiagramOptions));
        });
}

void BridgeCommands::insertTable(int pane, const QString& diagram, qsizetype near,
                                 const QString& table) {
    auto& editor = *ui_.Text1[pane];
    const QString text = editor.text();
    if (!editor.visible()) return;
    // The user may have typed on meanwhile: the diagram is found again, the
    // copy nearest to where it was.
    qsizetype best = -1;
    for (qsizetype at = text.indexOf(diagram); at >= 0; at = text.indexOf(diagram, at + 1))
        if (best < 0 || std::abs(at - near) < std::abs(best - near)) best = at;
    if (best < 0) {
        message(qs("The deal diagram changed while its double-dummy table was worked out;\r"
                   "the table was not inserted."));
        return;
    }
    // The table starts on the line after the diagram's.
    qsizetype pos = best + diagram.size();
    QString lead;
    if (!diagram.endsWith(QLatin1Char('\n'))) {
        if (text.mid(pos, 2) == QLatin1String("\r\n"))
            pos += 2;
        else
            lead = qs("\r\n");
    }
    const int caret = editor.selStart();
    const int length = editor.selLength();
    editor.setSelStart(static_cast<int>(pos));
    editor.setSelLength(0);
    editor.setSelText(lead + table);
    const int added = static_cast<int>(lead.size() + table.size());
    editor.setSelStart(caret >= pos ? caret + added : caret);
    editor.setSelLength(length);
    host_.document().save(pane);
}

void BridgeCommands::mCheckNotation_Click() {
    auto* editor = dealEditor();
    if (!editor || !ui_.dealDialogs) return;
    const QString text = editor->text();
    const QList<deal::NotationFinding> findings = deal::checkNotation(text);
    QStringList rows;
    for (const deal::NotationFinding& f : findings)
        rows << qs("Line ") + QString::number(lineOf(text, f.start)) + qs(": ") + f.message;
    platform::TextEditor* checked = editor;
    ui_.dealDialogs->showFindings(qs("Check Bridge Notation"), rows, [checked, findings](int row) {
        if (row < 0 || row >= findings.size() || !checked->visible()) return;
        // The text may have changed since the check: the place is held
        // to it.
        const int size = static_cast<int>(checked->text().size());
        const int start = std::min(static_cast<int>(findings[row].start), size);
        const int end = std::min(static_cast<int>(findings[row].end), size);
        checked->setFocus();
        checked->setSelStart(start);
        checked->setSelLength(end - start);
    });
}

} // namespace bridge
