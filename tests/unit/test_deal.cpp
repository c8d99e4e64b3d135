// Deals: PBN deal strings and files, the diagram and double-dummy table
// markup, diagrams read back from an article, and Check Bridge Notation.
#include "deal/diagram.h"
#include "deal/notationcheck.h"

#include "bridge/suitnotation.h"

#include <QRegularExpression>
#include <QTest>

using namespace deal;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
const char* const kDeal = "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98";

// A table's rows, one a line: its cells joined by "|", <BR> as "/" and an
// image as "[file]". A cell or row without its end tag is left out.
QString rows(QString html) {
    html.replace(QRegularExpression(qs("<IMG SRC=\"([^\"]+)\">")), qs("[\\1]"));
    QString out;
    for (const auto& row : QRegularExpression(qs("<TR>(.*?)</TR>\r\n")).globalMatch(html)) {
        QStringList cells;
        for (const auto& c :
             QRegularExpression(qs("<TD[^>]*>(.*?)</TD>")).globalMatch(row.captured(1)))
            cells << c.captured(1).replace(qs("<BR>"), qs("/"));
        out += cells.join(QLatin1Char('|')) + QLatin1Char('\n');
    }
    return out;
}
QString symbols(const char* dashed) { // a hand after Make Symbols For Hands
    return *bridge::symbolsForHands(qs(dashed));
}
// Each finding of the notation check as "the text it marks: message".
QString described(const QString& text) {
    QStringList out;
    for (const NotationFinding& f : checkNotation(text))
        out << text.mid(f.start, f.end - f.start) + qs(": ") + f.message;
    return out.join(QLatin1Char('|'));
}
} // namespace

class TestDeal : public QObject {
    Q_OBJECT
  private slots:
    void pbn_dealStringsAndFile();
    void diagramAndTable();
    void diagramAt_readsBackWhatWasWritten();
    void notationCheck();
};

void TestDeal::pbn_dealStringsAndFile() {
    // West first, either case, "10", extra blanks, no seat; voids and hands left out.
    const std::pair<const char*, const char*> good[] = {
        {" w:43.654.T6543.T98 akq2.J103.987.k54  T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 ", kDeal},
        {"AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98", kDeal},
        {"S:.AKQ.2. - AKQJT98765432... -", "N:AKQJT98765432... - .AKQ.2. -"}};
    for (const auto& [text, canonical] : good) {
        const DealReading r = readDeal(qs(text));
        QVERIFY2(r.ok(), qPrintable(r.error));
        QCOMPARE(dealString(r.deal), qs(canonical));
        QCOMPARE(r.deal.cards(), canonical == kDeal ? 52 : 17);
    }
    const std::pair<const char*, const char*> bad[] = {
        {"N:AKQ2.JT3.987.K54 A98.K2.QJ.AQJ76 - -",
         "the ace of spades is in both North's and East's hands"},
        {"N:AKQA.JT3.987.K54 - - -", "the ace of spades is named twice in North's hand"},
        {"E:AKQ2.JT3.9Z7.K54 - - -", "\"Z\" in East's hand is not a rank (AKQJT98765432)"},
        {"N:AKQJT98.765432.A.K - - -", "North holds 15 cards, more than 13"},
        {"N:AKQ2.JT3.987K54 - - -",
         "North's hand has 3 suits; a hand is four holdings joined by dots"},
        {"N:AK.Q2.JT3.987.K54 - - -", "North's hand has more than four suits (three dots at most)"},
        {"X:AKQ2.JT3.987.K54 - - -", "the deal begins with \"X:\", not a seat (N, E, S or W)"},
        {"N:AKQ2.JT3.987.K54 - -", "a deal is four hands separated by blanks; this one has 3"}};
    for (const auto& [text, message] : bad)
        QCOMPARE(readDeal(qs(text)).error, qs(message));

    // Comments, sections, "#" repeats, a [Board] without a blank line before
    // it; each bad board named by its number and line, the good ones kept.
    const PbnFile file = readPbn(
        qs("% PBN 2.1\r\n[Event \"x\"]\r\n\r\n[Board \"1\"]\r\n[Dealer \"S\"] ; [Dealer \"E\"]\r\n"
           "[Vulnerable \"EW\"]\r\n[Deal \"%1\"]\r\n[Auction \"S\"]\r\n1C Pass { [Dealer \"N\"]\r\n"
           "[Vulnerable \"NS\"] } Pass\r\n[Board \"2\"]\r\n[Dealer \"#\"]\r\n[Vulnerable "
           "\"#\"]\r\n[Deal \"#\"]\n\n"
           "[Board \"3\"]\n[Deal \"N:AKQ2.JT3.987.K54 A98.AK2.QJ.AQJ76 - -\"]\n\n"
           "[Board \"4\"]\n[Dealer \"Q\"]\n[Vulnerable \"Some\"]\n[Deal \"%1\"]\n\n"
           "[Board \"5\"]\n[Deal \"- - - -\"\n\n[Board \"6\"]\n[Vulnerable \"All\"]\n"
           "[Deal \"E:- - - -\"]")
            .arg(qs(kDeal)));
    QStringList read;
    for (const Board& b : file.boards)
        read << qs("%1 %2 %3 %4")
                    .arg(b.number, b.dealer ? QString(seatLetter(*b.dealer)) : qs("-"),
                         vulnerabilityName(b.vulnerability))
                    .arg(b.deal.cards());
    for (const PbnProblem& p : file.problems)
        read << p.text();
    QCOMPARE(read.join(QLatin1Char('\n')),
             qs("1 S E-W 52\n2 S E-W 52\n6 - Both 0\n"
                "board 3, line 17: the ace of spades is in both North's and East's hands\n"
                "board 4, line 20: the dealer \"Q\" is not a seat (N, E, S or W)\n"
                "board 4, line 21: the vulnerability \"Some\" is none of None, NS, EW, All\n"
                "board 5, line 25: a tag is written [Name \"value\"]: [Deal \"- - - -\"\n"
                "board 5, line 24: the board has no [Deal] tag"));
}

void TestDeal::diagramAndTable() {
    const QString html =
        diagramHtml(readDeal(qs(kDeal)).deal, {qs("12"), West, Vulnerability::EastWest});
    QVERIFY(html.startsWith(qs("<TABLE BORDER=0 CELLPADDING=4>\r\n")));
    QVERIFY(html.endsWith(qs("</TR>\r\n</TABLE>\r\n")));
    QCOMPARE(rows(html), qs("|[S.gif]AKQ2/[h.gif]J103/[D.gif]987/[c.gif]K54|\n"
                            "[S.gif]43/[h.gif]654/[D.gif]106543/[c.gif]1098|Board 12/Dealer West/"
                            "Vul: E-W|[S.gif]1098/[h.gif]AK2/[D.gif]QJ/[c.gif]AQJ76\n"
                            "|[S.gif]J765/[h.gif]Q987/[D.gif]AK2/[c.gif]32|\n"));
    // Voids, hands left out, suit symbols, a caption without the dealer.
    QCOMPARE(
        rows(diagramHtml(readDeal(qs("N:AKQJT98765432... - - .AKQ.2.")).deal,
                         {qs("1<2"), std::nullopt, Vulnerability::Both}, {SuitMarks::Symbols})),
        qs("|&spades;AKQJ1098765432/<FONT COLOR=RED>&hearts;</FONT>-/<FONT COLOR=RED>&diams;"
           "</FONT>-/&clubs;-|\n&spades;-/<FONT COLOR=RED>&hearts;</FONT>AKQ/<FONT COLOR=RED>"
           "&diams;</FONT>2/&clubs;-|Board 1&lt;2/Vul: Both|\n||\n"));

    DoubleDummyResult r;
    for (int strain = 0; strain < 5; ++strain)
        for (int seat = 0; seat < 4; ++seat)
            r.tricks[strain][seat] = strain * 2 + seat;
    r.par = Par{-1210, {{6, ClubStrain, qs("EW"), false, 0}, {6, NoTrump, qs("E"), false, 0}}};
    // Rows N, S, E, W; columns NT, spades down to clubs.
    QCOMPARE(rows(doubleDummyHtml(r)),
             qs("|NT|[S.gif]|[h.gif]|[D.gif]|[c.gif]\nN|8|0|2|4|6\nS|10|2|4|6|8\nE|9|1|3|5|7\n"
                "W|11|3|5|7|9\nPar: 6[c.gif] by E-W, 6NT by E, E-W +1210\n"));
    r.par = Par{300, {{4, HeartStrain, qs("EW"), true, -2}}};
    QVERIFY(rows(doubleDummyHtml(r, {SuitMarks::Symbols}))
                .endsWith(qs("\nPar: 4<FONT COLOR=RED>&hearts;</FONT>x by E-W -2, N-S +300\n")));
}

void TestDeal::diagramAt_readsBackWhatWasWritten() {
    const QString before = qs("<P>Board 3 was dull.</P>\r\n<TABLE><TR><TD>x</TD></TR></TABLE>\r\n");
    for (const SuitMarks marks : {SuitMarks::Images, SuitMarks::Symbols}) {
        for (const char* deal : {kDeal, "N:AKQJT98765432... - - .AKQ.2."}) {
            const Deal d = readDeal(qs(deal)).deal;
            const QString diagram =
                diagramHtml(d, {qs("12"), West, Vulnerability::EastWest}, {marks});
            const QString article = before + diagram + qs("<P>After it.</P>\r\n");
            // Anywhere in the diagram, its cells included.
            for (const qsizetype at : {before.size(), before.size() + diagram.indexOf(qs("Board")),
                                       before.size() + diagram.size() - 3}) {
                const auto found = diagramAt(article, at);
                QVERIFY(found);
                QCOMPARE(dealString(found->board.deal), dealString(d));
                QCOMPARE(found->board.number, qs("12"));
                QCOMPARE(found->board.dealer, std::optional<Seat>(West));
                QCOMPARE(found->board.vulnerability, Vulnerability::EastWest);
                QCOMPARE(found->start, before.size());
                QCOMPARE(found->end, before.size() + diagram.size()); // after the line break
            }
            QVERIFY(!diagramAt(article, 2));                       // in a paragraph
            QVERIFY(!diagramAt(article, before.indexOf(qs("x")))); // in a table of another shape
        }
    }
}

void TestDeal::notationCheck() {
    // Hands of different paragraphs are different deals; x is a card of no
    // rank; in an article only capitals are ranks.
    QCOMPARE(
        described(qs("<P>AKQ2-J103-987-K54</P><P>AKQJ2--98765-K54, 2-3-4-5, 2024-12-07, "
                     "a well-to-do-man, AK-Q-J-x, akqa-j103-987-k54</P><!-- AKQ2-J103-987-K5 -->") +
                  symbols("A K 10 x-Jxx-Q98x-K4") + qs(" ") + symbols("AKQJT98765432---") +
                  qs("<TABLE><TR><TD>\u2660</TD><TD>\u2665</TD><TD>\u2666</TD></TR></TABLE>")),
        QString());
    QCOMPARE(described(qs("<P>AKQA-J103-9Z7-K54</P>") + symbols("AKQx-J10xx-987-K54")),
             qs("AKQA-J103-9Z7-K54: This hand holds 12 cards, not 13.|"
                "A: The ace of spades is named twice in this deal.|"
                "Z: \"Z\" is not a rank (AKQJT98765432, 10 or x).|") +
                 symbols("AKQx-J10xx-987-K54") + qs(": This hand holds 14 cards, not 13."));
    QCOMPARE(described(qs("<P>N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543."
                          "T9A.</P>")),
             qs("N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T9A: "
                "PBN deal: the ace of clubs is in both East's and West's hands"));
    // Bids with suit images as Insert Bidding Font leaves them, and as typed.
    const QString right = bridge::suitsToSymbols(qs("<P>1C-(1D)-X-(2D)-2NT-P-3NT-P-P-P, then "
                                                    "1S-P-2S-X-XX-P-P-P and P-P-P-P and "
                                                    "1H-(2C)-X-(XX)-?</P>"))
                              .text;
    QCOMPARE(described(right), QString());
    QCOMPARE(described(qs("<P>Pages 1-2, 3-D glasses, P-X, 10-12 points, x1C-1D</P>"
                          "<P>1S-(2C)-2H-(2H)</P><P>3C-P-8S</P><P>1C-P-X and P-X-1D</P>"
                          "<P>1C-XX and 1C-X-P-XX</P><P>1NT-P-P-P-P and 2D-Pass-Pass-Pass-2S</P>")),
             qs("(2H): 2H is not higher than the bid before it, 2H.|8S: No bid goes above the "
                "seven level.|X: A double of partner's bid.|X: A double with no bid to double.|"
                "XX: A redouble without a double.|XX: A redouble of partner's double.|P: More "
                "than three passes in a row after a bid: the auction was over.|2S: A call after "
                "the auction was over (three passes after a bid)."));
    // A long run of parentheses is no auction, and no deep recursion.
    QCOMPARE(described(qs(" ") + QString(300000, QLatin1Char('(')) + qs("1C-X-1C")), QString());

    // The diagram command's output with its table passes, in both suit marks;
    // the hands of one table are one deal.
    const Deal d = readDeal(qs(kDeal)).deal;
    DoubleDummyResult table;
    table.par = Par{-1430, {{6, HeartStrain, qs("EW"), false, 0}}};
    for (const SuitMarks marks : {SuitMarks::Images, SuitMarks::Symbols}) {
        QString html = qs("<H1>Board</H1>\r\n") +
                       diagramHtml(d, {qs("1"), North, Vulnerability::None}, {marks}) +
                       doubleDummyHtml(table, {marks});
        QCOMPARE(described(html), QString());
        const qsizetype at = html.indexOf(qs("43<BR>")); // West's spades
        QCOMPARE(described(html.replace(at, 1, qs("A"))),
                 qs("A: The ace of spades is named twice in this deal."));
        QCOMPARE(checkNotation(html).value(0).start, at);
    }
    // A partial deal: only the hands given are checked.
    QCOMPARE(checkNotation(diagramHtml(readDeal(qs("N:AKQ2.JT3.987.K5 - - -")).deal, {})).size(),
             1);
}

QTEST_APPLESS_MAIN(TestDeal)
#include "test_deal.moc"
