// Check Bridge Notation over articles as they are written: the finding, its
// place in the text, and the forms that must not be reported.
#include "deal/diagram.h"
#include "deal/notationcheck.h"

#include "bridge/suitnotation.h"

#include <QTest>

using namespace deal;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}
// The article as the user typed it, with its bids converted (1C -> 1 and
// the club image), as auctions stand in articles.
QString converted(const char* typed) {
    return bridge::suitsToSymbols(qs(typed)).text;
}
// A hand after Make Symbols For Hands.
QString symbols(const char* dashed) {
    return *bridge::symbolsForHands(qs(dashed));
}

// Each finding as "written text: message".
QStringList described(const QString& text) {
    QStringList out;
    for (const NotationFinding& f : checkNotation(text))
        out << text.mid(f.start, f.end - f.start) + qs(": ") + f.message;
    return out;
}
} // namespace

class TestDealCheck : public QObject {
    Q_OBJECT
  private slots:
    void hands_data();
    void hands();
    void auctions_data();
    void auctions();
    void diagramsWritten_readBackClean();
};

void TestDealCheck::hands_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("dashNotation_13CardsAndVoid_clean")
        << qs("<P>He held AKQ2-J103-987-K54, or AKQJ2--98765-K54.</P>") << QStringList{};
    QTest::newRow("dashNotation_12Cards")
        << qs("<P>North: AKQ2-J103-987-K5</P>")
        << QStringList{qs("AKQ2-J103-987-K5: This hand holds 12 cards, not 13.")};
    QTest::newRow("dashNotation_cardTwiceAndNoRank")
        << qs("<P>AKQA-J103-9Z7-K54</P>")
        << QStringList{qs("AKQA-J103-9Z7-K54: This hand holds 12 cards, not 13."),
                       qs("A: The ace of spades is named twice in this deal."),
                       qs("Z: \"Z\" is not a rank (AKQJT98765432, 10 or x).")};
    QTest::newRow("notHands_numbersDatesAuctionsWords")
        << qs("<P>Scores 2-3-4-5, on 2024-12-07, 1C-1D-1H-1S, a well-to-do-man, AK-Q-J-x.</P>")
        << QStringList{};
    QTest::newRow("suitImages_smallCardsAndCardsApart_clean")
        << symbols("A K 10 x-Jxx-Q98x-K4") + qs(" and ") + symbols("AKQJT98765432---")
        << QStringList{};
    QTest::newRow("suitImages_14Cards")
        << qs("<P>") + symbols("AKQ2-J1032-987-K54") + qs(".</P>")
        << QStringList{symbols("AKQ2-J1032-987-K54") + qs(": This hand holds 14 cards, not 13.")};
    QTest::newRow("symbolEntitiesInRedFont_noRank")
        << qs("&spades;AKQ2 <FONT COLOR=RED>&hearts;</FONT>JO3 <FONT COLOR=RED>&diams;</FONT>987 "
              "&clubs;K54")
        << QStringList{qs("&spades;AKQ2 <FONT COLOR=RED>&hearts;</FONT>JO3 <FONT "
                          "COLOR=RED>&diams;</FONT>987 "
                          "&clubs;K54: This hand holds 12 cards, not 13."),
                       qs("O: \"O\" is not a rank (AKQJT98765432, 10 or x).")};
    QTest::newRow("handsInOneTable_areOneDeal")
        << qs("<TABLE><TR><TD>\u2660AKQ2 \u2665J103 \u2666987 \u2663K54</TD>"
              "<TD>\u2660JT98 \u2665AKJ \u2666QJ \u2663AQJ7</TD></TR></TABLE>")
        << QStringList{qs("J: The jack of hearts is named twice in this deal.")};
    QTest::newRow("handsOutsideTables_areSeparateDeals")
        << qs("<P>\u2660AKQ2 \u2665J103 \u2666987 \u2663K54</P><P>\u2660AKQ2 \u2665J103 \u2666987 "
              "\u2663K54</P>")
        << QStringList{};
    QTest::newRow("suitsInSeparateCells_areNoHand")
        << qs("<TABLE><TR><TD>\u2660</TD><TD>\u2665</TD><TD>\u2666</TD><TD>\u2663</TD></TR></"
              "TABLE>")
        << QStringList{};
    QTest::newRow("pbnDealString")
        << qs("<P>N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T9A.</P>")
        << QStringList{qs("N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T9A: "
                          "PBN deal: the ace of clubs is in both East's and West's hands")};
    QTest::newRow("markupAndScriptsAreNoText")
        << qs("<A HREF=\"AKQ2-J103-987-K5\">x</A><SCRIPT>var a='AKQ2-J103-987-K5';</SCRIPT><!-- "
              "AKQ2-J103-987-K5 -->")
        << QStringList{};
}

void TestDealCheck::hands() {
    QFETCH(QString, text);
    QFETCH(QStringList, findings);
    QCOMPARE(described(text), findings);
}

void TestDealCheck::auctions_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("findings");
    QTest::newRow("possibleAuctions_clean")
        << converted("<H1>A</H1><P>1C-(1D)-X-(2D)-2NT-P-3NT-P-P-P, then 1S-P-2S-X-XX-P-P-P and "
                     "P-P-P-P and "
                     "1H-(2C)-X-(XX)-?</P>")
        << QStringList{};
    QTest::newRow("bidNotHigher") << converted("<H1>A</H1><P>1S-(2C)-2H-(2C)</P>")
                                  << QStringList{
                                         converted("<H1>A</H1>(2C)").mid(10) +
                                         qs(": 2C is not higher than the bid before it, 2H.")};
    QTest::newRow("levelAboveSeven_lettersUnconverted")
        << qs("<P>3C-P-8S</P>") << QStringList{qs("8S: No bid goes above the seven level.")};
    QTest::newRow("doubleOfPartner_andOfNoBid")
        << qs("<P>1C-P-X and P-X-1D</P>")
        << QStringList{qs("X: A double of partner's bid."),
                       qs("X: A double with no bid to double.")};
    QTest::newRow("redoubleWithoutDouble_orOfPartnersDouble")
        << qs("<P>1C-XX and 1C-X-P-XX</P>")
        << QStringList{qs("XX: A redouble without a double."),
                       qs("XX: A redouble of partner's double.")};
    QTest::newRow("fourPassesAfterBid_andCallAfterEnd")
        << qs("<P>1NT-P-P-P-P and 2D-Pass-Pass-Pass-2S</P>")
        << QStringList{qs("P: More than three passes in a row after a bid: the auction was over."),
                       qs("2S: A call after the auction was over (three passes after a bid).")};
    QTest::newRow("notAuctions") << qs("<P>Pages 1-2, 3-D glasses, P-X, 10-12 points, x1C-1D</P>")
                                 << QStringList{};
    QTest::newRow("deepParentheses_noAuctionNoOverflow")
        << qs(" ") + QString(300000, QLatin1Char('(')) + qs("1C-X-1C") << QStringList{};
}

void TestDealCheck::auctions() {
    QFETCH(QString, text);
    QFETCH(QStringList, findings);
    QCOMPARE(described(text), findings);
}

void TestDealCheck::diagramsWritten_readBackClean() {
    // What the diagram command writes, its table included, passes the check
    // in both suit marks;
    // a card typed twice into it afterwards is found, at its place.
    const Deal d =
        readDeal(qs("N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98")).deal;
    DoubleDummyResult table;
    table.par = Par{-1430, {{6, HeartStrain, qs("EW"), false, 0}}};
    for (const SuitMarks marks : {SuitMarks::Images, SuitMarks::Symbols}) {
        const QString html = qs("<H1>Board</H1>\r\n") +
                             diagramHtml(d, {qs("1"), North, Vulnerability::None}, {marks}) +
                             doubleDummyHtml(table, {marks});
        QCOMPARE(described(html), QStringList{});
        QString wrong = html;
        const qsizetype at = wrong.indexOf(qs("43<BR>")); // West's spades
        wrong.replace(at, 1, qs("A"));
        const QList<NotationFinding> f = checkNotation(wrong);
        QCOMPARE(f.size(), 1);
        QCOMPARE(f[0].start, at);
        QCOMPARE(f[0].message, qs("The ace of spades is named twice in this deal."));
    }
    // A partial deal: the hands it gives are checked, the missing ones are not there.
    const QString partial = diagramHtml(readDeal(qs("N:AKQ2.JT3.987.K5 - - -")).deal, {});
    QCOMPARE(described(partial).size(), 1);
}

QTEST_APPLESS_MAIN(TestDealCheck)
#include "test_dealcheck.moc"
