#include "deal/diagram.h"

#include "bridge/suitnotation.h"
#include "deal/notationcheck.h"
#include "util/htmltokens.h"

#include <QRegularExpression>
#include <vector>

namespace deal {
namespace {

const QLatin1String kCrLf("\r\n");

QString ql(const char* s) {
    return QString::fromLatin1(s);
}

QString suitMark(int suit, const DiagramOptions& options) {
    if (options.marks == SuitMarks::Images) return bridge::imageTag(bridge::handImages()[suit]);
    static const char* const symbols[] = {"&spades;", "&hearts;", "&diams;", "&clubs;"};
    const QString symbol = ql(symbols[suit]);
    if (suit == Hearts || suit == Diamonds) return ql("<FONT COLOR=RED>") + symbol + ql("</FONT>");
    return symbol;
}

QString holdingText(Holding holding) {
    if (!holding) return ql("-");
    QString out;
    for (int rank = 14; rank >= 2; --rank) {
        if (!(holding & (1u << rank))) continue;
        if (rank == 10)
            out += ql("10");
        else
            out += rankLetter(rank);
    }
    return out;
}

QString handCell(const Hand& hand, const DiagramOptions& options) {
    if (!hand.given) return ql("<TD></TD>");
    QString out = ql("<TD>");
    for (int suit = 0; suit < 4; ++suit) {
        if (suit) out += ql("<BR>");
        out += suitMark(suit, options) + holdingText(hand.suits[suit]);
    }
    return out + ql("</TD>");
}

QString strainMark(Strain strain, const DiagramOptions& options) {
    if (strain == NoTrump) return ql("NT");
    return suitMark(strain, options);
}

} // namespace

DiagramCaption captionOf(const Board& board) {
    DiagramCaption c;
    c.board = board.number;
    c.dealer = board.dealer;
    if (board.vulnerabilityGiven) c.vulnerability = board.vulnerability;
    return c;
}

QString diagramHtml(const Deal& deal, const DiagramCaption& caption,
                    const DiagramOptions& options) {
    QStringList centre;
    if (!caption.board.isEmpty()) centre << ql("Board ") + caption.board.toHtmlEscaped();
    if (caption.dealer) centre << ql("Dealer ") + seatName(*caption.dealer);
    if (caption.vulnerability) centre << ql("Vul: ") + vulnerabilityName(*caption.vulnerability);
    const QString empty = ql("<TD></TD>");
    QString out = ql("<TABLE BORDER=0 CELLPADDING=4>") + kCrLf;
    out += ql("<TR>") + empty + handCell(deal.hands[North], options) + empty + ql("</TR>") + kCrLf;
    out += ql("<TR>") + handCell(deal.hands[West], options) + ql("<TD ALIGN=CENTER>") +
           centre.join(ql("<BR>")) + ql("</TD>") + handCell(deal.hands[East], options) +
           ql("</TR>") + kCrLf;
    out += ql("<TR>") + empty + handCell(deal.hands[South], options) + empty + ql("</TR>") + kCrLf;
    out += ql("</TABLE>") + kCrLf;
    return out;
}

QString contractText(const ParContract& c) {
    static const char* const strains[] = {"S", "H", "D", "C", "NT"};
    QString out = QString::number(c.level) + ql(strains[c.strain]);
    if (c.doubled) out += QLatin1Char('x');
    QString seats;
    for (const QChar s : c.declarers) {
        if (!seats.isEmpty()) seats += QLatin1Char('-');
        seats += s;
    }
    out += ql(" by ") + seats;
    if (c.overtricks > 0) out += ql(" +") + QString::number(c.overtricks);
    if (c.overtricks < 0) out += ql(" ") + QString::number(c.overtricks);
    return out;
}

QString doubleDummyHtml(const DoubleDummyResult& result, const DiagramOptions& options) {
    static const Strain columns[] = {NoTrump, SpadeStrain, HeartStrain, DiamondStrain, ClubStrain};
    static const Seat rows[] = {North, South, East, West};
    QString out = ql("<TABLE BORDER=1 CELLPADDING=2>") + kCrLf + ql("<TR><TD></TD>");
    for (const Strain s : columns)
        out += ql("<TD ALIGN=CENTER>") + strainMark(s, options) + ql("</TD>");
    out += ql("</TR>") + kCrLf;
    for (const Seat seat : rows) {
        out += ql("<TR><TD>") + seatLetter(seat) + ql("</TD>");
        for (const Strain s : columns)
            out += ql("<TD ALIGN=CENTER>") + QString::number(result.tricks[s][seat]) + ql("</TD>");
        out += ql("</TR>") + kCrLf;
    }
    if (result.par) {
        QStringList contracts;
        for (const ParContract& c : result.par->contracts) {
            QString text = contractText(c).toHtmlEscaped();
            // The strain letter of a suit contract becomes its mark.
            if (c.strain != NoTrump) {
                const qsizetype at = QString::number(c.level).size();
                text.replace(at, 1, suitMark(c.strain, options));
            }
            contracts << text;
        }
        const int score = result.par->scoreNorthSouth;
        QString scoreText = score == 0  ? ql("0")
                            : score > 0 ? ql("N-S +") + QString::number(score)
                                        : ql("E-W +") + QString::number(-score);
        out += ql("<TR><TD COLSPAN=6>Par: ") +
               (contracts.isEmpty() ? ql("pass") : contracts.join(ql(", "))) + ql(", ") +
               scoreText + ql("</TD></TR>") + kCrLf;
    }
    out += ql("</TABLE>") + kCrLf;
    return out;
}

std::optional<PlacedDiagram> diagramAt(const QString& html, qsizetype offset) {
    namespace h = util::html;
    // The tables around the offset: the innermost one that closes after it.
    std::vector<qsizetype> open;
    qsizetype start = -1, end = -1;
    {
        h::Reader reader(html);
        h::Token t;
        while (reader.next(t)) {
            if (!t.named(QLatin1StringView("TABLE"))) continue;
            if (t.kind == h::Kind::StartTag) {
                open.push_back(t.start);
            } else if (t.kind == h::Kind::EndTag && !open.empty()) {
                const qsizetype from = open.back();
                open.pop_back();
                if (from <= offset && offset < t.end && (start < 0 || from > start)) {
                    start = from;
                    end = t.end;
                }
            }
        }
    }
    if (start < 0) return std::nullopt;

    // Its rows and cells (the contents of each TD), nested tables inside a
    // cell left to the cell.
    QList<QList<QString>> rows;
    {
        h::Reader reader(QStringView(html).mid(start, end - start));
        h::Token t;
        int depth = 0;
        qsizetype cellStart = -1;
        while (reader.next(t)) {
            if (t.named(QLatin1StringView("TABLE"))) {
                depth += t.kind == h::Kind::StartTag ? 1 : -1;
                continue;
            }
            if (depth != 1) continue;
            if (t.named(QLatin1StringView("TR")) && t.kind == h::Kind::StartTag) rows.push_back({});
            if (!t.named(QLatin1StringView("TD")) && !t.named(QLatin1StringView("TH"))) continue;
            if (t.kind == h::Kind::StartTag)
                cellStart = t.end;
            else if (cellStart >= 0 && !rows.isEmpty()) {
                rows.last().push_back(html.mid(start + cellStart, t.start - cellStart));
                cellStart = -1;
            }
        }
    }
    if (rows.size() != 3) return std::nullopt;
    for (const auto& row : rows)
        if (row.size() != 3) return std::nullopt;

    PlacedDiagram placed;
    placed.start = start;
    placed.end = end;
    if (html.mid(end, 2) == QLatin1String("\r\n"))
        placed.end += 2;
    else if (end < html.size() && html[end] == QLatin1Char('\n'))
        placed.end += 1;
    const std::pair<int, int> cells[] = {{0, 1}, {1, 2}, {2, 1}, {1, 0}}; // N, E, S, W
    for (int seat = 0; seat < 4; ++seat)
        if (const auto hand = readWrittenHand(rows[cells[seat].first][cells[seat].second]))
            placed.board.deal.hands[seat] = *hand;
    if (placed.board.deal.cards() == 0) return std::nullopt;

    const QString centre =
        h::textOnly(QString(rows[1][1])
                        .replace(QRegularExpression(QStringLiteral("<BR\\s*/?>"),
                                                    QRegularExpression::CaseInsensitiveOption),
                                 QStringLiteral("\n")));
    static const QRegularExpression board(QStringLiteral("Board\\s+([^\\s<]+)"));
    static const QRegularExpression dealer(QStringLiteral("Dealer:?\\s+(North|East|South|West)"));
    static const QRegularExpression vul(
        QStringLiteral("Vul(?:nerable)?:?\\s+(None|N-S|E-W|Both|All|NS|EW)"));
    if (const auto m = board.match(centre); m.hasMatch()) placed.board.number = m.captured(1);
    if (const auto m = dealer.match(centre); m.hasMatch())
        placed.board.dealer = Seat(
            QStringList{ql("North"), ql("East"), ql("South"), ql("West")}.indexOf(m.captured(1)));
    if (const auto m = vul.match(centre); m.hasMatch()) {
        const QString v = m.captured(1);
        placed.board.vulnerabilityGiven = true;
        placed.board.vulnerability = v == u"None"                ? Vulnerability::None
                                     : v == u"N-S" || v == u"NS" ? Vulnerability::NorthSouth
                                     : v == u"E-W" || v == u"EW" ? Vulnerability::EastWest
                                                                 : Vulnerability::Both;
    }
    return placed;
}

QStringList imagesUsed(const DiagramOptions& options) {
    if (options.marks == SuitMarks::Images) return bridge::handImages();
    return {};
}

} // namespace deal
