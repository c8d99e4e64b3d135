// Deal strings and .pbn files read as dealing programs write them, and the
// messages for the ones they get wrong.
#include "deal/pbn.h"

#include <QElapsedTimer>
#include <QTest>

using namespace deal;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

const char* const kDeal = "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98";

// A file of `boards` boards, dealer and vulnerability in the usual rotation,
// each followed by an auction and a comment as scorers export them.
QString boardFile(int boards) {
    static const char* const vul[] = {"None", "NS", "EW", "All"};
    QString out = qs("% PBN 2.1\r\n% EXPORT\r\n");
    for (int b = 1; b <= boards; ++b) {
        out += qs("[Event \"Club pairs\"]\r\n[Site \"Tarnwell\"]\r\n");
        out += qs("[Board \"%1\"]\r\n[Dealer \"%2\"]\r\n[Vulnerable \"%3\"]\r\n")
                   .arg(b)
                   .arg(QLatin1Char("NESW"[(b - 1) % 4]))
                   .arg(QLatin1String(vul[(b - 1) % 4]));
        out += qs("[Deal \"%1\"]\r\n").arg(QLatin1String(kDeal));
        out += qs(
            "[Auction \"N\"]\r\n1C Pass 1S Pass { forcing ; one round }\r\n2S Pass Pass Pass\r\n");
        out += qs(
            "[Contract \"2S\"]\r\n[Declarer \"N\"]\r\n[Result \"9\"] ; made an overtrick\r\n\r\n");
    }
    return out;
}
} // namespace

class TestDealPbn : public QObject {
    Q_OBJECT
  private slots:
    void dealStrings_data();
    void dealStrings();
    void malformedDeals_data();
    void malformedDeals();
    void files_data();
    void files();
    void thirtySixBoards_readQuickly();
};

void TestDealPbn::dealStrings_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical"); // dealString from North
    QTest::addColumn<int>("cards");
    QTest::newRow("wholeDeal") << qs(kDeal) << qs(kDeal) << 52;
    QTest::newRow("firstSeatWest_turnsClockwise")
        << qs("W:43.654.T6543.T98 AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32") << qs(kDeal)
        << 52;
    QTest::newRow("voids")
        << qs("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432")
        << qs("N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432") << 52;
    QTest::newRow("partialDeal_twoHandsGiven")
        << qs("S:J765.Q987.AK2.32 - AKQ2.JT3.987.K54 -")
        << qs("N:AKQ2.JT3.987.K54 - J765.Q987.AK2.32 -") << 26;
    QTest::newRow("ending_fewerCardsEachHand")
        << qs("N:A2.K.. Q.A.2. K3... .Q2.3.") << qs("N:A2.K.. Q.A.2. K3... .Q2.3.") << 11;
    QTest::newRow("tenWrittenAs10_lowerCase_extraBlanks")
        << qs("  n:akq2.J103.987.k54   T98.AK2.QJ.AQJ76 J765.Q987.AK2.32  43.654.T6543.T98 ")
        << qs(kDeal) << 52;
    QTest::newRow("noSeat_firstHandIsNorth")
        << qs("AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q987.AK2.32 43.654.T6543.T98") << qs(kDeal)
        << 52;
}

void TestDealPbn::dealStrings() {
    QFETCH(QString, text);
    QFETCH(QString, canonical);
    QFETCH(int, cards);
    const DealReading r = readDeal(text);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(dealString(r.deal), canonical);
    QCOMPARE(r.deal.cards(), cards);
    // The canonical string reads back to the same deal.
    QCOMPARE(dealString(readDeal(canonical).deal), canonical);
}

void TestDealPbn::malformedDeals_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("cardTwiceInTwoHands")
        << qs("N:AKQ2.JT3.987.K54 A98.K2.QJ.AQJ76 - -")
        << qs("the ace of spades is in both North's and East's hands");
    QTest::newRow("cardTwiceInOneHand")
        << qs("N:AKQA.JT3.987.K54 - - -") << qs("the ace of spades is named twice in North's hand");
    QTest::newRow("notARank") << qs("E:AKQ2.JT3.9Z7.K54 - - -")
                              << qs("\"Z\" in East's hand is not a rank (AKQJT98765432)");
    QTest::newRow("moreThan13Cards")
        << qs("N:AKQJT98.765432.A.K - - -") << qs("North holds 15 cards, more than 13");
    QTest::newRow("threeSuits")
        << qs("N:AKQ2.JT3.987K54 - - -")
        << qs("North's hand has 3 suits; a hand is four holdings joined by dots");
    QTest::newRow("fiveSuits") << qs("N:AK.Q2.JT3.987.K54 - - -")
                               << qs("North's hand has more than four suits (three dots at most)");
    QTest::newRow("badSeat") << qs("X:AKQ2.JT3.987.K54 - - -")
                             << qs("the deal begins with \"X:\", not a seat (N, E, S or W)");
    QTest::newRow("threeHands") << qs("N:AKQ2.JT3.987.K54 - -")
                                << qs("a deal is four hands separated by blanks; this one has 3");
    QTest::newRow("empty") << qs("")
                           << qs("a deal is four hands separated by blanks; this one has 0");
}

void TestDealPbn::malformedDeals() {
    QFETCH(QString, text);
    QFETCH(QString, message);
    QCOMPARE(readDeal(text).error, message);
}

void TestDealPbn::files_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("boards");   // "number dealer vul cards" of each board read
    QTest::addColumn<QStringList>("problems"); // PbnProblem::text()
    QTest::newRow("twoBoards_tagsCommentsAndSections")
        << qs("% PBN 2.1\n[Event \"x\"]\n[Board \"1\"] ; first\n[Dealer \"N\"]\n[Vulnerable "
              "\"None\"]\n"
              "[Deal \"%1\"]\n[Auction \"N\"]\n1C Pass { a [Board \"9\"] in a comment\nover lines "
              "} Pass\n\n"
              "[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"All\"]\n[Deal \"E:- - - -\"]\n")
               .arg(qs(kDeal))
        << QStringList{qs("1 N None 52"), qs("2 E Both 0")} << QStringList{};
    QTest::newRow("noBlankLines_boardTagStartsTheNextGame_hashRepeats")
        << qs("[Board \"7\"]\r\n[Dealer \"S\"]\r\n[Vulnerable \"EW\"]\r\n[Deal \"%1\"]\r\n"
              "[Board \"8\"]\r\n[Dealer \"#\"]\r\n[Vulnerable \"#\"]\r\n[Deal \"#\"]\r\n")
               .arg(qs(kDeal))
        << QStringList{qs("7 S E-W 52"), qs("8 S E-W 52")} << QStringList{};
    QTest::newRow("badBoardsNamedByBoardAndLine_goodOnesKept")
        << qs("[Board \"1\"]\n[Deal \"N:AKQ2.JT3.987.K54 A98.AK2.QJ.AQJ76 - -\"]\n\n"
              "[Board \"2\"]\n[Dealer \"Q\"]\n[Deal \"%1\"]\n\n"
              "[Board \"3\"]\n[Vulnerable \"Some\"]\n[Deal \"%1\"]\n\n"
              "[Board \"4\"]\n[Deal \"%1\"\n\n"
              "[Board \"5\"]\n[Deal \"%1\"]\n")
               .arg(qs(kDeal))
        << QStringList{qs("5 - None 52")}
        << QStringList{
               qs("board 1, line 2: the ace of spades is in both North's and East's hands"),
               qs("board 2, line 5: the dealer \"Q\" is not a seat (N, E, S or W)"),
               qs("board 3, line 9: the vulnerability \"Some\" is none of None, NS, EW, All"),
               qs("board 4, line 13: a tag is written [Name \"value\"]: [Deal \"%1\"")
                   .arg(qs(kDeal)),
               qs("board 4, line 12: the board has no [Deal] tag")};
    QTest::newRow("headerGameWithoutDeal_passedOver")
        << qs("[Event \"x\"]\n[Site \"y\"]\n\n") << QStringList{} << QStringList{};
    QTest::newRow("notPbnAtAll") << qs("\x01\x02 binary \xff\n[[[\n") << QStringList{}
                                 << QStringList{
                                        qs("line 2: a tag is written [Name \"value\"]: [[[")};
}

void TestDealPbn::files() {
    QFETCH(QString, text);
    QFETCH(QStringList, boards);
    QFETCH(QStringList, problems);
    const PbnFile file = readPbn(text);
    QStringList read, said;
    for (const Board& b : file.boards)
        read << b.number + QLatin1Char(' ') +
                    (b.dealer ? QString(seatLetter(*b.dealer)) : qs("-")) + QLatin1Char(' ') +
                    vulnerabilityName(b.vulnerability) + QLatin1Char(' ') +
                    QString::number(b.deal.cards());
    for (const PbnProblem& p : file.problems)
        said << p.text();
    QCOMPARE(said, problems);
    QCOMPARE(read, boards);
}

void TestDealPbn::thirtySixBoards_readQuickly() {
    const QString text = boardFile(36);
    QElapsedTimer timer;
    timer.start();
    const PbnFile file = readPbn(text);
    const qint64 ms = timer.elapsed();
    QCOMPARE(file.boards.size(), 36);
    QVERIFY(file.problems.isEmpty());
    QCOMPARE(file.boards[35].number, qs("36"));
    QCOMPARE(*file.boards[35].dealer, West);
    QCOMPARE(file.boards[35].vulnerability, Vulnerability::Both);
    // Well under the 10 ms the viewer allows itself even in a debug build on a busy machine.
    QVERIFY2(ms < 100, qPrintable(qs("36 boards took %1 ms").arg(ms)));
}

QTEST_APPLESS_MAIN(TestDealPbn)
#include "test_dealpbn.moc"
