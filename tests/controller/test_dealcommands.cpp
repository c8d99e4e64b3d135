// Insert Deal Diagram, Double-Dummy Table and Check Bridge Notation, run
// through the menu over the real double-dummy solver. The diagram and table
// markup, PBN reading and the notation rules are in tests/unit/test_deal*.
#include "tests/fakes/viewerharness.h"

#include <QtTest>

using fakes::ViewerHarness;
using platform::BoardChoice;
using platform::FileChoice;

namespace {
QString qs(const char* s) {
    return QString::fromUtf8(s);
}

const char* const kDeal = "N:AKQ2.JT3.987.K54 T98.AK2.QJ.AQJ76 J765.Q98.AK32.T3 43.7654.T654.982";

struct Editing {
    ViewerHarness h;
    QString page;
    explicit Editing(const QByteArray& text) {
        page = h.writeFile(qs("home/deal.htm"), text);
        h.start(page);
        h.menu.choose(qs("mEditHTML"));
    }
    fakes::FakeTextEditor& ed() { return h.text1[1]; }
    void select(const QString& what) {
        ed().setSelStart(int(ed().text().indexOf(what)));
        ed().setSelLength(int(what.size()));
    }
};
} // namespace

class DealCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void selectedDeal_drawnWithTable_savedWithImages();
    void pbnFile_badBoardNamed_goodOnesOffered_cancelInsertsNothing();
    void tableOnExistingDiagram_cancelledOrChanged_insertsNothing();
    void checkNotation_listsFaults_jumpsToThem();
};

// The selected deal becomes a diagram with its table under it; the page is
// saved with both, and the suit images it names are next to it.
void DealCommandsTest::selectedDeal_drawnWithTable_savedWithImages() {
    Editing s(QByteArray("<P>The deal:</P>\r\n") + kDeal + "\r\n<P>After.</P>\r\n");
    s.select(qs(kDeal));
    s.h.dealDialogs.boardAnswers = {BoardChoice{0, true}};
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    QCOMPARE(s.h.dealDialogs.boardDialogs.size(), size_t(1));
    QVERIFY(s.h.dealDialogs.boardDialogs[0].doubleDummyEnabled);
    const QString text = s.ed().text();
    QVERIFY(!text.contains(qs(kDeal)));
    const qsizetype diagram = text.indexOf(qs("<TABLE BORDER=0"));
    const qsizetype table = text.indexOf(qs("<TABLE BORDER=1"));
    QVERIFY(diagram > 0 && table > diagram && table < text.indexOf(qs("<P>After.")));
    QVERIFY(text.contains(qs("<IMG SRC=\"S.gif\">AKQ2")));
    QCOMPARE(s.h.readFile(s.page), text.toUtf8());
    QVERIFY(QFile::exists(s.h.home + qs("S.gif")) && QFile::exists(s.h.home + qs("c.gif")));
    QVERIFY(!s.h.dealDialogs.progressVisible());

    // A partial deal is drawn, and told why it has no table.
    s.ed().setSelStart(int(s.ed().text().size()));
    s.ed().setSelText(qs("N:AKQ2.JT3.987.K54 - - -"));
    s.select(qs("N:AKQ2.JT3.987.K54 - - -"));
    s.h.dialogs.messages.clear();
    s.h.dealDialogs.boardAnswers = {BoardChoice{0, false}};
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    QVERIFY(!s.h.dealDialogs.boardDialogs.back().doubleDummyEnabled);
    QCOMPARE(s.ed().text().count(qs("<TABLE BORDER=0")), 2);
    QCOMPARE(s.ed().text().count(qs("<TABLE BORDER=1")), 1);

    // Not a deal: told, and nothing changes.
    const QString before = s.ed().text();
    s.select(qs("After."));
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    QCOMPARE(s.ed().text(), before);
    QVERIFY(s.h.dialogs.messageTexts().last().startsWith(qs("The selection is not a PBN deal")));
}

// A file's bad board is named with its line; the good boards are offered
// with board, dealer and vulnerability; Cancel leaves the article alone.
void DealCommandsTest::pbnFile_badBoardNamed_goodOnesOffered_cancelInsertsNothing() {
    Editing s("<P>Text.</P>\r\n");
    const QString pbn = s.h.writeFile(
        qs("home/club.pbn"),
        QByteArray("[Board \"1\"]\n[Dealer \"N\"]\n[Vulnerable \"None\"]\n[Deal \"") + kDeal +
            "\"]\n\n[Board \"2\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n"
            "[Deal \"N:AKQ2.JT3.987.K54 A98.AK2.QJ.AQJ76 - -\"]\n\n"
            "[Board \"3\"]\n[Dealer \"S\"]\n[Vulnerable \"EW\"]\n[Deal \"S:AKQ2.JT3.987.K54 - - "
            "-\"]\n");
    s.h.dialogs.files.push_back(FileChoice{pbn, qs("club.pbn")});
    s.h.dealDialogs.boardAnswers = {std::nullopt};
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    QVERIFY(s.h.dialogs.messageTexts().join(qs("|")).contains(qs("board 2, line 9")));
    QCOMPARE(
        s.h.dealDialogs.boardDialogs.at(0).rows,
        (QStringList{qs("Board 1   Dealer N   Vul None"), qs("Board 3   Dealer S   Vul E-W")}));
    QCOMPARE(s.ed().text(), qs("<P>Text.</P>\r\n"));
    QCOMPARE(s.h.readFile(s.page), QByteArray("<P>Text.</P>\r\n"));

    s.h.dialogs.files.push_back(FileChoice{pbn, qs("club.pbn")});
    s.h.dealDialogs.boardAnswers = {BoardChoice{1, false}};
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    QVERIFY(s.ed().text().contains(qs("Board 3<BR>Dealer South<BR>Vul: E-W")));
}

// Double-Dummy Table on a diagram already in the article; a Cancel, or a
// diagram changed while the table is worked out, leaves the text as it is.
void DealCommandsTest::tableOnExistingDiagram_cancelledOrChanged_insertsNothing() {
    Editing s(QByteArray("<P>x</P>\r\n") + kDeal + "\r\n");
    s.select(qs(kDeal));
    s.h.dealDialogs.boardAnswers = {BoardChoice{0, false}};
    QVERIFY(s.h.menu.choose(qs("mInsertDeal")));
    const QString drawn = s.ed().text();
    s.ed().setSelStart(int(drawn.indexOf(qs("AKQ2"))));

    s.h.background.hold = true;
    QVERIFY(s.h.menu.choose(qs("mDoubleDummy")));
    QVERIFY(s.h.dealDialogs.progressVisible());
    s.h.dealDialogs.pressCancel();
    s.h.background.finishAll();
    QCOMPARE(s.ed().text(), drawn);

    QVERIFY(s.h.menu.choose(qs("mDoubleDummy")));
    s.ed().setText(drawn.left(drawn.indexOf(qs("AKQ2"))) + qs("AKQ3") +
                   drawn.mid(drawn.indexOf(qs("AKQ2")) + 4));
    s.h.background.finishAll();
    QVERIFY(!s.ed().text().contains(qs("<TABLE BORDER=1")));
    QVERIFY(s.h.dialogs.messageTexts().last().contains(qs("the table was not inserted")));

    s.ed().setText(drawn);
    s.ed().setSelStart(int(drawn.indexOf(qs("AKQ2"))));
    QVERIFY(s.h.menu.choose(qs("mDoubleDummy")));
    s.h.background.finishAll();
    QVERIFY(s.ed().text().indexOf(qs("<TABLE BORDER=1")) > s.ed().text().indexOf(qs("</TABLE>")));
    QVERIFY(!s.h.dealDialogs.progressVisible());

    s.ed().setSelStart(0);
    QVERIFY(s.h.menu.choose(qs("mDoubleDummy")));
    QVERIFY(s.h.dialogs.messageTexts().last().startsWith(qs("Put the caret in a deal diagram")));
}

// Each fault is a row naming its line; a row selects its place.
void DealCommandsTest::checkNotation_listsFaults_jumpsToThem() {
    Editing s("<P>AKQ2-JT3-987-K54 is fine.</P>\r\n<P>AKQ2-JT3-987-K5432 is not.</P>\r\n"
              "<P>1S-2H-1NT</P>\r\n");
    QVERIFY(s.h.menu.choose(qs("mCheckNotation")));
    const QStringList rows = s.h.dealDialogs.findingsRows;
    QCOMPARE(rows.size(), 2);
    QVERIFY(rows[0].startsWith(qs("Line 2: ")) && rows[1].startsWith(qs("Line 3: ")));
    s.h.dealDialogs.activate(1);
    QCOMPARE(s.ed().selText(), qs("1NT"));

    s.ed().setText(qs("<P>No bridge here.</P>"));
    QVERIFY(s.h.menu.choose(qs("mCheckNotation")));
    QVERIFY(s.h.dealDialogs.findingsRows.isEmpty() && s.h.dealDialogs.findingsVisible());
}

QTEST_GUILESS_MAIN(DealCommandsTest)
#include "test_dealcommands.moc"
